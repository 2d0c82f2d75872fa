#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/program_path.h"
#include "support/button_fixture.h"

namespace orvell::controls::test {
namespace {

using Log = std::vector<std::string>;

std::string Join(const Log& parts) {
    std::string joined;
    for (const std::string& part : parts) {
        joined += joined.empty() ? "" : "; ";
        joined += part;
    }
    return joined;
}

// An input sequence on a new 75 x 23 button of a type: what it logs once the steps before are done,
// and the flags it leaves set.
struct Sequence {
    const char* name;
    std::int32_t type;
    std::string before;
    std::string steps;
    std::string expected;
    std::string flags;  // those set among "pressed", "hovered" and "focused"
};

TEST(XpButtonInput, EventsRedrawsAndFlagsOfEachInput) {
    const std::string clicked = "Click; sound; draw full";
    const std::string inAndOutUndrawn =
        "MouseMove 0 0 5 5; capture; sound; MouseMove 0 0 5 5; MouseMove 0 0 500 5; capture; MouseOut; "
        "release";
    const Sequence sequences[] = {
        {"entering raises MouseMove twice, around the hover sound", 0, "", "move 10 10",
         "MouseMove 0 0 10 10; capture; draw partial; sound; MouseMove 0 0 10 10", "hovered"},
        {"moving inside raises MouseMove once; the far edges count as inside", 0, "move 10 10",
         "move 11 10; move 75 23 0 1", "MouseMove 0 0 11 10; capture; MouseMove 0 1 75 23; capture",
         "hovered"},
        {"leaving", 0, "move 10 10", "move 76 10",
         "MouseMove 0 0 76 10; capture; draw partial; MouseOut; release", ""},
        {"pressing and leaving: redrawn unpressed, no Click", 0, "move 10 10", "down 1 10 10; move 10 -1 1",
         "MouseDown 1 0 10 10; draw full; MouseMove 1 0 10 -1; capture; draw full; MouseOut; release", ""},
        {"the flat type stays pressed on leaving", 1, "move 10 10", "down 1 10 10; move -1 10 1",
         "MouseDown 1 0 10 10; draw full; MouseMove 1 0 -1 10; capture; draw full; MouseOut; release",
         "pressed"},
        {"the flat type with the focus draws nothing on entering or leaving", 1, "focus",
         "move 5 5; move 500 5", inAndOutUndrawn, "focused"},
        {"the chevron sounds but draws nothing", 4, "", "move 5 5; move 500 5", inAndOutUndrawn, ""},
        {"entering clears pressed", 0, "double", "move 10 10",
         "MouseMove 0 0 10 10; capture; draw partial; sound; MouseMove 0 0 10 10", "hovered"},
        {"the right button raises MouseDown only and presses nothing", 0, "move 10 10",
         "down 2 10 10; up 2 10 10", "MouseDown 2 0 10 10", "hovered"},
        {"the left button's release raises MouseUp and leaves the flags", 0, "move 10 10",
         "down 1 10 10 2; up 1 10 10 2", "MouseDown 1 2 10 10; draw full; MouseUp 1 2 10 10",
         "pressed hovered"},
        {"click", 0, "", "click", clicked, "hovered focused"},
        {"double click: pressed, no event", 0, "", "double", "draw full", "pressed"},
        {"focus gained", 0, "", "focus", "draw partial", "focused"},
        {"focus lost", 0, "click; double", "blur", "draw partial", ""},
        {"holding Space shows the pressed face once, releasing clicks", 0, "",
         "keydown 32; keydown 32; press 32; keyup 32",
         "KeyDown 32 0; draw full; KeyDown 32 0; KeyPress 32; KeyUp 32 0; " + clicked, "hovered focused"},
        {"Space released after another key went down", 0, "", "keydown 32; keydown 65 1; keyup 32",
         "KeyDown 32 0; draw full; KeyDown 65 1; KeyUp 32 0", "pressed hovered"},
        {"Space held while the focus went away and came back", 0, "",
         "focus; keydown 32; blur; focus; keyup 32",
         "draw partial; KeyDown 32 0; draw full; draw partial; draw partial; KeyUp 32 0", "focused"},
        {"Enter", 0, "", "press 13", "KeyPress 13; " + clicked, "hovered focused"},
        {"right and down go to the next control, left and up to the previous", 0, "",
         "keydown 39; keydown 40; keydown 37; keydown 38",
         "KeyDown 39 0; focus next; draw partial; KeyDown 40 0; focus next; draw partial; "
         "KeyDown 37 0; focus previous; draw partial; KeyDown 38 0; focus previous; draw partial",
         ""},
        {"other keys only raise their events", 0, "", "keydown 65; press 97; keyup 65",
         "KeyDown 65 0; KeyPress 97; KeyUp 65 0", ""},
        {"Alt and an access key", 0, "design 热键=h", "alt H", "KeyPress 72; " + clicked, "hovered focused"},
        {"an access key's character alone, in either case", 0, "design 热键=h", "press 104",
         "KeyPress 104; " + clicked, "hovered focused"},
        {"another character", 0, "design 热键=h", "press 106", "KeyPress 106", ""},
        {"the toolbar's drop-down part starts right of the picture area, at 12", 3, "",
         "up 1 12 5; up 1 13 5; up 1 12.5 5", "MouseUp 1 0 12 5; DropDownClick; DropDownClick", ""},
        {"other types have no drop-down part", 1, "", "up 1 70 5", "MouseUp 1 0 70 5", ""},
    };
    for (const Sequence& s : sequences) {
        SCOPED_TRACE(s.name);
        ButtonFixture f(75, 23, s.type);
        Play(f.button, s.before);
        f.host.Clear();
        Play(f.button, s.steps);
        EXPECT_EQ(Join(f.host.log), s.expected);
        const VelloXPButton& b = f.button;
        std::string flags;
        for (const auto& [set, name] : {std::pair{b.Pressed(), "pressed"}, std::pair{b.Hovered(), "hovered"},
                                        std::pair{b.Focused(), "focused"}}) {
            if (set) {
                flags += flags.empty() ? "" : " ";
                flags += name;
            }
        }
        EXPECT_EQ(flags, s.flags);
    }
}

TEST(XpButtonInput, HandlersMayChangeTheirParameters) {
    ButtonFixture swallows;
    swallows.host.onKeyPress = [](std::int16_t& keyAscii) { keyAscii = 0; };
    swallows.button.OnKeyPress(13);
    EXPECT_EQ(swallows.host.log, (Log{"KeyPress 13"})) << "a host that swallows Enter";

    ButtonFixture turns;
    turns.host.onKeyDown = [](std::int16_t& keyCode) { keyCode = keyCode == 13 ? 32 : keyCode; };
    Play(turns.button, "keydown 13; keyup 32");
    EXPECT_EQ(Join(turns.host.log), "KeyDown 13 0; draw full; KeyUp 32 0; Click; sound; draw full")
        << "the changed key code counts";
}

TEST(XpButtonInput, SoundsArePlayedByTheirPathsAndAnEmptyPathPlaysNothing) {
    ButtonFixture f;
    Play(f.button, "move 5 5; click");
    EXPECT_EQ(f.host.sounds, (std::vector<std::wstring>{L".\\media\\over.wav", L".\\media\\click.wav"}));
    f.host.Clear();
    f.button.SetHoverSound(L"");
    f.button.SetClickSound(L"");
    Play(f.button, "move 500 5; move 5 5; click");
    EXPECT_TRUE(f.host.sounds.empty());
}

TEST(ProgramPath, RelativePathsAreTakenFromTheProgramFolder) {
    const wchar_t* const cases[][3] = {
        {L".\\media\\over.wav", L"C:\\Orvell", L"C:\\Orvell\\media\\over.wav"},
        {L"media\\click.wav", L"C:\\Orvell\\", L"C:\\Orvell\\media\\click.wav"},
        {L"./media/over.wav", L"C:\\Program Files\\Orvell", L"C:\\Program Files\\Orvell\\media/over.wav"},
        {L"..\\sounds\\a.wav", L"C:\\Orvell", L"C:\\Orvell\\..\\sounds\\a.wav"},
        {L"C:\\Sounds\\a.wav", L"C:\\Orvell", L"C:\\Sounds\\a.wav"},
        {L"d:a.wav", L"C:\\Orvell", L"d:a.wav"},
        {L"\\\\server\\share\\a.wav", L"C:\\Orvell", L"\\\\server\\share\\a.wav"},
        {L"\\a.wav", L"C:\\Orvell", L"\\a.wav"},
        {L"", L"C:\\Orvell", L""},
        {L".\\media\\over.wav", L"", L".\\media\\over.wav"},
    };
    for (const auto& [path, folder, expected] : cases) {
        EXPECT_EQ(ResolveProgramPath(path, folder), expected);
    }
}

}  // namespace
}  // namespace orvell::controls::test
