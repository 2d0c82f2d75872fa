#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controls/program_path.h"
#include "support/button_fixture.h"

namespace orvell::controls::test {
namespace {

using Step = std::function<void(VelloXPButton&)>;
using Log = std::vector<std::string>;

Step Move(float x, float y, std::int16_t button = 0, std::int16_t shift = 0) {
    return [=](VelloXPButton& b) { b.OnMouseMove(button, shift, x, y); };
}
Step Down(std::int16_t button, float x, float y, std::int16_t shift = 0) {
    return [=](VelloXPButton& b) { b.OnMouseDown(button, shift, x, y); };
}
Step Up(std::int16_t button, float x, float y, std::int16_t shift = 0) {
    return [=](VelloXPButton& b) { b.OnMouseUp(button, shift, x, y); };
}
Step KeyDown(std::int16_t key, std::int16_t shift = 0) {
    return [=](VelloXPButton& b) { b.OnKeyDown(key, shift); };
}
Step KeyUp(std::int16_t key) {
    return [=](VelloXPButton& b) { b.OnKeyUp(key, 0); };
}
Step KeyPress(std::int16_t keyAscii) {
    return [=](VelloXPButton& b) { b.OnKeyPress(keyAscii); };
}
const Step kClick = [](VelloXPButton& b) { b.OnClick(); };
const Step kDoubleClick = [](VelloXPButton& b) { b.OnDoubleClick(); };
const Step kGotFocus = [](VelloXPButton& b) { b.OnGotFocus(); };
const Step kLostFocus = [](VelloXPButton& b) { b.OnLostFocus(); };
// A design whose access key is H.
const Step kAccessKeyH = [](VelloXPButton& b) {
    TestPictureSource none;
    b.Restore(PropertyBag::Parse(L"热键=h"), L"Command3", kHostFont, none);
};

std::string Join(const Log& parts, const std::string& separator) {
    std::string joined;
    for (const std::string& part : parts) {
        joined += (joined.empty() ? "" : separator) + part;
    }
    return joined;
}

// An input sequence on a fresh 75 x 23 button of a type: what it logs once the steps before are
// done, and the flags it leaves set.
struct Sequence {
    const char* name;
    std::int32_t type;
    std::vector<Step> before;
    std::vector<Step> steps;
    std::string expected;  // the log, entries separated by "; "
    std::string flags;     // those set among "pressed", "hovered" and "focused"
};

void Play(const Sequence& s) {
    SCOPED_TRACE(s.name);
    ButtonFixture f(75, 23, s.type);
    for (const Step& step : s.before) {
        step(f.button);
    }
    f.host.Clear();
    for (const Step& step : s.steps) {
        step(f.button);
    }
    EXPECT_EQ(Join(f.host.log, "; "), s.expected);
    const VelloXPButton& b = f.button;
    Log flags;
    for (const auto& [set, name] : {std::pair{b.Pressed(), "pressed"}, std::pair{b.Hovered(), "hovered"},
                                    std::pair{b.Focused(), "focused"}}) {
        if (set) {
            flags.push_back(name);
        }
    }
    EXPECT_EQ(Join(flags, " "), s.flags);
}

TEST(XpButtonInput, Mouse) {
    const std::string inAndOutUndrawn =
        "MouseMove 0 0 5 5; capture; sound; MouseMove 0 0 5 5; MouseMove 0 0 500 5; capture; MouseOut; "
        "release";
    const Sequence sequences[] = {
        {"entering raises MouseMove twice, around the hover sound",
         0,
         {},
         {Move(10, 10)},
         "MouseMove 0 0 10 10; capture; draw partial; sound; MouseMove 0 0 10 10",
         "hovered"},
        {"moving inside raises MouseMove once; the far edges count as inside",
         0,
         {Move(10, 10)},
         {Move(11, 10), Move(75, 23, 0, 1)},
         "MouseMove 0 0 11 10; capture; MouseMove 0 1 75 23; capture",
         "hovered"},
        {"leaving",
         0,
         {Move(10, 10)},
         {Move(76, 10)},
         "MouseMove 0 0 76 10; capture; draw partial; MouseOut; release",
         ""},
        {"pressing and leaving: redrawn unpressed, no Click",
         0,
         {Move(10, 10)},
         {Down(1, 10, 10), Move(10, -1, 1)},
         "MouseDown 1 0 10 10; draw full; MouseMove 1 0 10 -1; capture; draw full; MouseOut; release",
         ""},
        {"the flat type stays pressed on leaving",
         1,
         {Move(10, 10)},
         {Down(1, 10, 10), Move(-1, 10, 1)},
         "MouseDown 1 0 10 10; draw full; MouseMove 1 0 -1 10; capture; draw full; MouseOut; release",
         "pressed"},
        {"the flat type with the focus draws nothing on entering or leaving",
         1,
         {kGotFocus},
         {Move(5, 5), Move(500, 5)},
         inAndOutUndrawn,
         "focused"},
        {"the chevron sounds but draws nothing", 4, {}, {Move(5, 5), Move(500, 5)}, inAndOutUndrawn, ""},
        {"entering clears pressed",
         0,
         {kDoubleClick},
         {Move(10, 10)},
         "MouseMove 0 0 10 10; capture; draw partial; sound; MouseMove 0 0 10 10",
         "hovered"},
        {"the right button raises MouseDown only and presses nothing",
         0,
         {Move(10, 10)},
         {Down(2, 10, 10), Up(2, 10, 10)},
         "MouseDown 2 0 10 10",
         "hovered"},
        {"the left button's release raises MouseUp and leaves the flags",
         0,
         {Move(10, 10)},
         {Down(1, 10, 10, 2), Up(1, 10, 10, 2)},
         "MouseDown 1 2 10 10; draw full; MouseUp 1 2 10 10",
         "pressed hovered"},
    };
    for (const Sequence& s : sequences) {
        Play(s);
    }
}

TEST(XpButtonInput, ClicksFocusAndKeys) {
    const std::string clicked = "Click; sound; draw full";
    const Sequence sequences[] = {
        {"click", 0, {}, {kClick}, clicked, "hovered focused"},
        {"double click: pressed, no event", 0, {}, {kDoubleClick}, "draw full", "pressed"},
        {"focus gained", 0, {}, {kGotFocus}, "draw partial", "focused"},
        {"focus lost", 0, {kClick, kDoubleClick}, {kLostFocus}, "draw partial", ""},
        {"holding Space shows the pressed face once, releasing clicks",
         0,
         {},
         {KeyDown(32), KeyDown(32), KeyPress(32), KeyUp(32)},
         "KeyDown 32 0; draw full; KeyDown 32 0; KeyPress 32; KeyUp 32 0; " + clicked,
         "hovered focused"},
        {"Space released after another key went down",
         0,
         {},
         {KeyDown(32), KeyDown(65, 1), KeyUp(32)},
         "KeyDown 32 0; draw full; KeyDown 65 1; KeyUp 32 0",
         "pressed hovered"},
        {"Space held while the focus went away and came back",
         0,
         {},
         {kGotFocus, KeyDown(32), kLostFocus, kGotFocus, KeyUp(32)},
         "draw partial; KeyDown 32 0; draw full; draw partial; draw partial; KeyUp 32 0",
         "focused"},
        {"Enter", 0, {}, {KeyPress(13)}, "KeyPress 13; " + clicked, "hovered focused"},
        {"right and down go to the next control, left and up to the previous",
         0,
         {},
         {KeyDown(39), KeyDown(40), KeyDown(37), KeyDown(38)},
         "KeyDown 39 0; focus next; draw partial; KeyDown 40 0; focus next; draw partial; "
         "KeyDown 37 0; focus previous; draw partial; KeyDown 38 0; focus previous; draw partial",
         ""},
        {"other keys only raise their events",
         0,
         {},
         {KeyDown(65), KeyPress(97), KeyUp(65)},
         "KeyDown 65 0; KeyPress 97; KeyUp 65 0",
         ""},
        {"Alt and an access key",
         0,
         {kAccessKeyH},
         {[](VelloXPButton& b) { b.OnAccessKey(L'H'); }},
         "KeyPress 72; " + clicked,
         "hovered focused"},
        {"an access key's character alone, in either case",
         0,
         {kAccessKeyH},
         {KeyPress(104)},
         "KeyPress 104; " + clicked,
         "hovered focused"},
        {"another character", 0, {kAccessKeyH}, {KeyPress(106)}, "KeyPress 106", ""},
    };
    for (const Sequence& s : sequences) {
        Play(s);
    }
}

TEST(XpButtonInput, HandlersMayChangeTheirParameters) {
    ButtonFixture swallows;
    swallows.host.onKeyPress = [](std::int16_t& keyAscii) { keyAscii = 0; };
    swallows.button.OnKeyPress(13);
    EXPECT_EQ(swallows.host.log, (Log{"KeyPress 13"})) << "a host that swallows Enter";

    ButtonFixture turns;
    turns.host.onKeyDown = [](std::int16_t& keyCode) { keyCode = keyCode == 13 ? 32 : keyCode; };
    turns.button.OnKeyDown(13, 0);
    turns.button.OnKeyUp(32, 0);
    EXPECT_EQ(turns.host.log, (Log{"KeyDown 13 0", "draw full", "KeyUp 32 0", "Click", "sound", "draw full"}))
        << "the changed key code counts";
}

TEST(XpButtonInput, OnlyTheToolbarTypeHasADropDownPart) {
    ButtonFixture f(75, 23, xp_type::kToolbarDropDown);
    ASSERT_EQ(f.button.Layout().pictureArea.right, 12);
    f.button.OnMouseUp(1, 0, 12, 5);
    f.button.OnMouseUp(1, 0, 13, 5);
    f.button.OnMouseUp(1, 0, 12.5f, 5);
    EXPECT_EQ(f.host.log, (Log{"MouseUp 1 0 12 5", "DropDownClick", "DropDownClick"}));

    ButtonFixture flat(75, 23, xp_type::kFlat);
    flat.button.OnMouseUp(1, 0, 70, 5);
    EXPECT_EQ(flat.host.log, (Log{"MouseUp 1 0 70 5"}));
}

TEST(XpButtonInput, SoundsArePlayedByTheirPathsAndAnEmptyPathPlaysNothing) {
    ButtonFixture f;
    f.button.OnMouseMove(0, 0, 5, 5);
    f.button.OnClick();
    EXPECT_EQ(f.host.sounds, (std::vector<std::wstring>{L".\\media\\over.wav", L".\\media\\click.wav"}));
    f.host.Clear();
    f.button.SetHoverSound(L"");
    f.button.SetClickSound(L"");
    f.button.OnMouseMove(0, 0, 500, 5);
    f.button.OnMouseMove(0, 0, 5, 5);
    f.button.OnClick();
    EXPECT_TRUE(f.host.sounds.empty());
}

TEST(ProgramPath, RelativePathsAreTakenFromTheProgramFolder) {
    struct Case {
        const wchar_t* path;
        const wchar_t* folder;
        const wchar_t* expected;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        EXPECT_EQ(ResolveProgramPath(c.path, c.folder), c.expected);
    }
}

}  // namespace
}  // namespace orvell::controls::test
