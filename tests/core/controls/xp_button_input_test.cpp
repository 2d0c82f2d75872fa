#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "button_fixture.h"
#include "controls/program_path.h"
#include "text/utf8.h"

namespace orvell::controls::test {
namespace {

using Steps = std::function<void(VelloXPButton&)>;
using Log = std::vector<std::string>;

struct Flags {
    bool pressed;
    bool hovered;
    bool focused;
    friend bool operator==(const Flags&, const Flags&) = default;
};

Flags FlagsOf(const VelloXPButton& b) {
    return Flags{b.Pressed(), b.Hovered(), b.Focused()};
}

void PrintTo(const Flags& f, std::ostream* out) {
    *out << "{pressed " << f.pressed << ", hovered " << f.hovered << ", focused " << f.focused << "}";
}

// An input sequence on a fresh 75 x 23 button, what it logs and the flags it leaves.
struct Sequence {
    const char* name;
    std::int32_t type;
    Steps before;  // run before the log starts
    Steps steps;
    Log expected;
    Flags flags;
};

void Play(const Sequence& s) {
    SCOPED_TRACE(s.name);
    ButtonFixture f(75, 23, s.type);
    if (s.before) {
        s.before(f.button);
    }
    f.host.Clear();
    s.steps(f.button);
    EXPECT_EQ(f.host.log, s.expected);
    EXPECT_EQ(FlagsOf(f.button), s.flags);
}

const Steps kEnter = [](VelloXPButton& b) { b.OnMouseMove(0, 0, 10, 10); };

TEST(XpButtonInput, Mouse) {
    const Sequence sequences[] = {
        {"entering raises MouseMove twice, around the hover sound",
         0,
         nullptr,
         kEnter,
         {"MouseMove 0 0 10 10", "capture", "draw partial", "sound", "MouseMove 0 0 10 10"},
         {false, true, false}},
        {"moving inside raises MouseMove once",
         0,
         kEnter,
         [](VelloXPButton& b) {
             b.OnMouseMove(0, 0, 11, 10);
             b.OnMouseMove(0, 1, 75, 23);  // the far edges count as inside
         },
         {"MouseMove 0 0 11 10", "capture", "MouseMove 0 1 75 23", "capture"},
         {false, true, false}},
        {"leaving",
         0,
         kEnter,
         [](VelloXPButton& b) { b.OnMouseMove(0, 0, 76, 10); },
         {"MouseMove 0 0 76 10", "capture", "draw partial", "MouseOut", "release"},
         {false, false, false}},
        {"pressing, leaving and releasing outside: redrawn unpressed, no Click",
         0,
         kEnter,
         [](VelloXPButton& b) {
             b.OnMouseDown(1, 0, 10, 10);
             b.OnMouseMove(1, 0, 10, -1);
         },
         {"MouseDown 1 0 10 10", "draw full", "MouseMove 1 0 10 -1", "capture", "draw full", "MouseOut",
          "release"},
         {false, false, false}},
        {"flat type leaving keeps pressed",
         1,
         kEnter,
         [](VelloXPButton& b) {
             b.OnMouseDown(1, 0, 10, 10);
             b.OnMouseMove(1, 0, -1, 10);
         },
         {"MouseDown 1 0 10 10", "draw full", "MouseMove 1 0 -1 10", "capture", "draw full", "MouseOut",
          "release"},
         {true, false, false}},
        {"flat type with the focus: no redraw on entering or leaving",
         1,
         [](VelloXPButton& b) { b.OnGotFocus(); },
         [](VelloXPButton& b) {
             b.OnMouseMove(0, 0, 5, 5);
             b.OnMouseMove(0, 0, 500, 5);
         },
         {"MouseMove 0 0 5 5", "capture", "sound", "MouseMove 0 0 5 5", "MouseMove 0 0 500 5", "capture",
          "MouseOut", "release"},
         {false, false, true}},
        {"chevron: sound but no redraw",
         4,
         nullptr,
         [](VelloXPButton& b) {
             b.OnMouseMove(0, 0, 5, 5);
             b.OnMouseMove(0, 0, 500, 5);
         },
         {"MouseMove 0 0 5 5", "capture", "sound", "MouseMove 0 0 5 5", "MouseMove 0 0 500 5", "capture",
          "MouseOut", "release"},
         {false, false, false}},
        {"entering clears pressed",
         0,
         [](VelloXPButton& b) { b.OnDoubleClick(); },
         kEnter,
         {"MouseMove 0 0 10 10", "capture", "draw partial", "sound", "MouseMove 0 0 10 10"},
         {false, true, false}},
        {"right button: MouseDown only, not pressed",
         0,
         kEnter,
         [](VelloXPButton& b) {
             b.OnMouseDown(2, 0, 10, 10);
             b.OnMouseUp(2, 0, 10, 10);
         },
         {"MouseDown 2 0 10 10"},
         {false, true, false}},
        {"left button up raises MouseUp and leaves the flags",
         0,
         kEnter,
         [](VelloXPButton& b) {
             b.OnMouseDown(1, 2, 10, 10);
             b.OnMouseUp(1, 2, 10, 10);
         },
         {"MouseDown 1 2 10 10", "draw full", "MouseUp 1 2 10 10"},
         {true, true, false}},
    };
    for (const Sequence& s : sequences) {
        Play(s);
    }
}

TEST(XpButtonInput, ClicksAndFocus) {
    const Sequence sequences[] = {
        {"click",
         0,
         nullptr,
         [](VelloXPButton& b) { b.OnClick(); },
         {"Click", "sound", "draw full"},
         {false, true, true}},
        {"double click: pressed, no event",
         0,
         nullptr,
         [](VelloXPButton& b) { b.OnDoubleClick(); },
         {"draw full"},
         {true, false, false}},
        {"focus gained",
         0,
         nullptr,
         [](VelloXPButton& b) { b.OnGotFocus(); },
         {"draw partial"},
         {false, false, true}},
        {"focus lost",
         0,
         [](VelloXPButton& b) {
             b.OnClick();
             b.OnDoubleClick();
         },
         [](VelloXPButton& b) { b.OnLostFocus(); },
         {"draw partial"},
         {false, false, false}},
    };
    for (const Sequence& s : sequences) {
        Play(s);
    }
}

TEST(XpButtonInput, Keys) {
    const Sequence sequences[] = {
        {"holding Space shows the pressed face once, releasing clicks",
         0,
         nullptr,
         [](VelloXPButton& b) {
             b.OnKeyDown(32, 0);
             b.OnKeyDown(32, 0);
             b.OnKeyPress(32);
             b.OnKeyUp(32, 0);
         },
         {"KeyDown 32 0", "draw full", "KeyDown 32 0", "KeyPress 32", "KeyUp 32 0", "Click", "sound",
          "draw full"},
         {false, true, true}},
        {"Space released after another key went down",
         0,
         nullptr,
         [](VelloXPButton& b) {
             b.OnKeyDown(32, 0);
             b.OnKeyDown(65, 1);
             b.OnKeyUp(32, 0);
         },
         {"KeyDown 32 0", "draw full", "KeyDown 65 1", "KeyUp 32 0"},
         {true, true, false}},
        {"Space held while the focus went away and came back",
         0,
         nullptr,
         [](VelloXPButton& b) {
             b.OnGotFocus();
             b.OnKeyDown(32, 0);
             b.OnLostFocus();
             b.OnGotFocus();
             b.OnKeyUp(32, 0);
         },
         {"draw partial", "KeyDown 32 0", "draw full", "draw partial", "draw partial", "KeyUp 32 0"},
         {false, false, true}},
        {"Enter",
         0,
         nullptr,
         [](VelloXPButton& b) { b.OnKeyPress(13); },
         {"KeyPress 13", "Click", "sound", "draw full"},
         {false, true, true}},
        {"right and down go to the next control, left and up to the previous",
         0,
         nullptr,
         [](VelloXPButton& b) {
             b.OnKeyDown(39, 0);
             b.OnKeyDown(40, 0);
             b.OnKeyDown(37, 0);
             b.OnKeyDown(38, 0);
         },
         {"KeyDown 39 0", "focus next", "draw partial", "KeyDown 40 0", "focus next", "draw partial",
          "KeyDown 37 0", "focus previous", "draw partial", "KeyDown 38 0", "focus previous", "draw partial"},
         {false, false, false}},
        {"other keys only raise their events",
         0,
         nullptr,
         [](VelloXPButton& b) {
             b.OnKeyDown(65, 0);
             b.OnKeyPress(97);
             b.OnKeyUp(65, 0);
         },
         {"KeyDown 65 0", "KeyPress 97", "KeyUp 65 0"},
         {false, false, false}},
    };
    for (const Sequence& s : sequences) {
        Play(s);
    }
}

TEST(XpButtonInput, HandlersMayChangeTheirParameters) {
    {
        ButtonFixture f;
        f.events.onKeyPress = [](std::int16_t& keyAscii) { keyAscii = 0; };
        f.button.OnKeyPress(13);
        EXPECT_EQ(f.host.log, (Log{"KeyPress 13"})) << "a host that swallows Enter";
    }
    {
        ButtonFixture f;
        f.events.onKeyDown = [](std::int16_t& keyCode) { keyCode = keyCode == 13 ? 32 : keyCode; };
        f.button.OnKeyDown(13, 0);
        f.button.OnKeyUp(32, 0);
        EXPECT_EQ(f.host.log, (Log{"KeyDown 13 0", "draw full", "KeyUp 32 0", "Click", "sound", "draw full"}))
            << "the changed key code counts";
    }
}

TEST(XpButtonInput, AccessKeys) {
    TestPictureSource none;
    const PropertyBag bag = PropertyBag::Parse(L"热键=h\r\n");
    struct Case {
        const char* name;
        std::function<void(VelloXPButton&)> press;
        Log expected;
    };
    const Case cases[] = {
        {"Alt and the key",
         [](VelloXPButton& b) { b.OnAccessKey(L'H'); },
         {"KeyPress 72", "Click", "sound", "draw full"}},
        {"the character alone, either case",
         [](VelloXPButton& b) { b.OnKeyPress(104); },
         {"KeyPress 104", "Click", "sound", "draw full"}},
        {"another character", [](VelloXPButton& b) { b.OnKeyPress(106); }, {"KeyPress 106"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f;
        f.button.Restore(bag, L"Command3", kHostFont, none);
        f.host.Clear();
        c.press(f.button);
        EXPECT_EQ(f.host.log, c.expected);
    }
}

TEST(XpButtonInput, DropDownPartOfTheToolbarType) {
    ButtonFixture f(75, 23, xp_type::kToolbarDropDown);
    const int edge = f.button.Layout().pictureArea.right;
    ASSERT_EQ(edge, 12);
    f.button.OnMouseUp(1, 0, static_cast<float>(edge), 5);
    f.button.OnMouseUp(1, 0, static_cast<float>(edge) + 1, 5);
    f.button.OnMouseUp(1, 0, static_cast<float>(edge) + 0.5f, 5);
    EXPECT_EQ(f.host.log, (Log{"MouseUp 1 0 12 5", "DropDownClick", "DropDownClick"}));

    ButtonFixture flat(75, 23, xp_type::kFlat);
    flat.button.OnMouseUp(1, 0, 70, 5);
    EXPECT_EQ(flat.host.log, (Log{"MouseUp 1 0 70 5"})) << "only the toolbar type has the part";
}

TEST(XpButtonInput, Sounds) {
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
    EXPECT_TRUE(f.host.sounds.empty()) << "an empty path plays nothing";
}

TEST(XpButtonInput, EnteringPlacesTheHoverPictureWhenThereIsNoNormalOne) {
    ButtonFixture f;
    f.button.SetHoverPicture(TestPicture::Solid(4, 4, Colour(0xFF)));
    EXPECT_EQ(f.button.Layout().pictureRect.Width(), 0);
    f.button.OnMouseMove(0, 0, 5, 5);
    EXPECT_EQ(f.button.Layout().pictureRect.Width(), 18) << "the frame's 26 less its margins";
    f.button.OnMouseMove(0, 0, 500, 5);
    EXPECT_EQ(f.button.Layout().pictureRect.Width(), 0);
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
        EXPECT_EQ(text::EncodeUtf8(ResolveProgramPath(c.path, c.folder)), text::EncodeUtf8(c.expected))
            << text::EncodeUtf8(c.path);
    }
}

}  // namespace
}  // namespace orvell::controls::test
