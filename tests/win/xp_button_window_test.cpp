// The XP button's window driven with messages, as the window system, screen readers and automation
// deliver clicks, keys and questions.
#include "controls/xp_button_window.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <mmsystem.h>
#include <oleacc.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "accessible_probe.h"
#include "dib_surface.h"
#include "platform/text_file.h"
#include "test_window.h"
#include "xp_button_support.h"

namespace orvell::win {
namespace {

using test_support::Sent;
using test_support::TestPictureSource;

LPARAM At(int x, int y) {
    return test_support::MouseAt({x, y});
}

// The events a host's own sink sees, by name.
struct EventNames final : controls::XpButtonEvents {
    void Click() override { names.emplace_back("Click"); }
    void MouseDown(std::int16_t&, std::int16_t&, float&, float&) override { names.emplace_back("MouseDown"); }
    void MouseUp(std::int16_t&, std::int16_t&, float&, float&) override { names.emplace_back("MouseUp"); }
    std::vector<std::string> names;
};

class XpButtonWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_parent.Open());
        ::ShowWindow(m_parent.Handle(), SW_SHOW);
    }

    // A button 75 x 23 at (left, 10) without a caption, or one restored from a design, counting its
    // clicks and keeping its boxes and sounds.
    XpButtonWindow& Add(int id = 100, int left = 10, std::wstring_view design = {},
                        controls::PictureSource&& pictures = TestPictureSource{}) {
        auto button = std::make_unique<XpButtonWindow>();
        const controls::PropertyBag bag = controls::PropertyBag::Parse(design);
        const Rect bounds{left, 10, left + 75, 33};
        EXPECT_TRUE(design.empty()
                        ? button->Create(m_parent.Handle(), id, bounds, L"", controls::FontDescription{})
                        : button->Create(m_parent.Handle(), id, bounds, L"Command2", {}, bag, pictures));
        EXPECT_TRUE(bag.Problems().empty());
        button->SetClickHandler([this] { ++clicks; });
        button->SetMessageHandler([this](std::wstring_view, std::wstring_view text, controls::MessageIcon) {
            messages.emplace_back(text);
        });
        button->SetSoundPlayer([this](const std::wstring& path, DWORD flags) {
            sounds.push_back(path);
            soundFlags.push_back(flags);
        });
        m_buttons.push_back(std::move(button));
        return *m_buttons.back();
    }

    test_support::HostWindow m_parent;
    std::vector<std::unique_ptr<XpButtonWindow>> m_buttons;
    int clicks = 0;
    std::vector<std::wstring> messages;
    std::vector<std::wstring> sounds;
    std::vector<DWORD> soundFlags;
};

TEST_F(XpButtonWindowTest, EachWayOfClickingClicksOnceAndTheRightButtonNever) {
    const LPARAM in = At(10, 10);
    const Sent down{WM_LBUTTONDOWN, MK_LBUTTON, in}, up{WM_LBUTTONUP, 0, in};
    const LPARAM released = MAKELPARAM(1, KF_REPEAT | KF_UP);
    const Sent space{WM_KEYDOWN, VK_SPACE, 0}, spaceAgain{WM_KEYDOWN, VK_SPACE, MAKELPARAM(1, KF_REPEAT)};
    const Sent enter{WM_KEYDOWN, VK_RETURN, 0};
    struct Case {
        const char* name;
        bool focusFirst;  // keys go to the button with the focus
        int clicks;
        std::vector<Sent> messages;
    };
    const Case cases[] = {
        {"mouse", false, 1, {{WM_MOUSEMOVE, 0, in}, down, up}},
        {"space", true, 1, {space, spaceAgain, {WM_CHAR, L' ', 0}, {WM_KEYUP, VK_SPACE, released}}},
        {"enter", true, 1, {enter, {WM_CHAR, L'\r', 0}, {WM_KEYUP, VK_RETURN, released}}},
        {"right button", true, 0, {{WM_RBUTTONDOWN, MK_RBUTTON, in}, {WM_RBUTTONUP, 0, in}}},
        {"BM_CLICK", false, 1, {{BM_CLICK, 0, 0}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clicks = 0;
        XpButtonWindow& button = Add();
        if (c.focusFirst) {
            ::SetFocus(button.Handle());
        }
        test_support::SendAll(button.Handle(), c.messages);
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(::GetFocus(), button.Handle());
        EXPECT_FALSE(button.Button().Pressed());
    }
}

// Automation clicks as a standard button does: the press and release with their events, then the
// click; a disabled button takes none.
TEST_F(XpButtonWindowTest, BmClickIsAWholeClickWithItsEventsAndOnlyForAnEnabledButton) {
    XpButtonWindow& button = Add();
    EventNames sink;
    button.SetEventSink(&sink);
    ::SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(sink.names, (std::vector<std::string>{"MouseDown", "MouseUp", "Click"}));
    EXPECT_EQ(clicks, 0) << "the host's own sink takes the place of the click handler";
    EXPECT_EQ(::GetCapture(), nullptr) << "no pointer is there to give the capture back";
    button.SetEventSink(nullptr);
    button.Button().SetEnabled(false);
    ::SendMessageW(button.Handle(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 0);
}

// A release out there is no click, even when the pointer comes back with the button still down.
TEST_F(XpButtonWindowTest, PressingMovingOutAndReleasingDoesNotClick) {
    const HWND w = Add().Handle();
    ::SendMessageW(w, WM_MOUSEMOVE, 0, At(10, 10));
    ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    ::SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(-5, 10));
    EXPECT_EQ(::GetCapture(), nullptr) << "the capture goes when the pointer leaves";
    ::SendMessageW(w, WM_LBUTTONUP, 0, At(-5, 10));
    ::SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(10, 10));
    ::SendMessageW(w, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(XpButtonWindowTest, AccessKeysClickTheButtonThatHasThem) {
    XpButtonWindow& button = Add(100, 10, L"Caption=隐藏(&H)\r\n热键=h\r\n");
    XpButtonWindow& other = Add(101, 100);
    EXPECT_TRUE(button.HandleAccessKey(L'H'));
    EXPECT_TRUE(button.HandleAccessKey(L'h'));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(::GetFocus(), button.Handle()) << "the clicked button has the focus it shows";
    EXPECT_FALSE(button.HandleAccessKey(L'x'));
    EXPECT_FALSE(other.HandleAccessKey(L'h'));
    button.Button().SetEnabled(false);
    EXPECT_FALSE(button.HandleAccessKey(L'h')) << "a disabled button takes no input";
    EXPECT_EQ(clicks, 2);
}

TEST_F(XpButtonWindowTest, ArrowsMoveTheFocusAlongTheTabOrder) {
    const HWND first = Add(100, 10).Handle();
    const HWND second = Add(101, 100).Handle();
    const HWND third = Add(102, 190).Handle();
    ::SetFocus(second);
    ASSERT_EQ(::GetFocus(), second);
    const std::pair<WPARAM, HWND> steps[] = {
        {VK_RIGHT, third}, {VK_LEFT, second}, {VK_UP, first}, {VK_DOWN, second}};
    for (const auto& [key, expected] : steps) {
        ::SendMessageW(::GetFocus(), WM_KEYDOWN, key, 0);
        EXPECT_EQ(::GetFocus(), expected) << "key " << key;
    }
    EXPECT_EQ(clicks, 0);
}

TEST_F(XpButtonWindowTest, SoundsComeFromTheProgramFolderWithoutWaitingOrCuttingOff) {
    XpButtonWindow& button = Add();
    ::SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, At(10, 10));
    test_support::Click(button.Handle(), {10, 10});
    const std::wstring folder = ExeFolder();
    EXPECT_EQ(sounds,
              (std::vector<std::wstring>{folder + L"\\media\\over.wav", folder + L"\\media\\click.wav"}));
    const DWORD flags = SND_ASYNC | SND_NODEFAULT | SND_NOSTOP | SND_NOWAIT | SND_FILENAME;
    EXPECT_EQ(soundFlags, (std::vector<DWORD>{flags, flags}));
    for (const std::wstring& path : sounds) {
        EXPECT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "the build puts it there";
    }
}

TEST_F(XpButtonWindowTest, TheWindowTakesTheButtonsShapeAndTheGripTheMoveCursor) {
    XpButtonWindow& button = Add();
    const unique_hrgn region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(button.Handle(), region.Get()), ERROR);
    EXPECT_EQ(::PtInRegion(region.Get(), 0, 0), 0) << "a round corner";
    EXPECT_NE(::PtInRegion(region.Get(), 1, 0), 0);
    button.Button().SetType(controls::xp_type::kGrip);
    ASSERT_NE(::GetWindowRgn(button.Handle(), region.Get()), ERROR);
    EXPECT_NE(::PtInRegion(region.Get(), 0, 0), 0) << "a square corner";
    ::SendMessageW(button.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button.Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_SIZEALL));
}

TEST_F(XpButtonWindowTest, ADesignRestoresTheButtonWithItsPictureOnTheScreen) {
    const auto icon = test_support::MakeTestIcon(Colour::Rgb(0, 0, 255));
    XpButtonWindow& button =
        Add(200, 10, L"Caption=ASCⅡ表\r\nButton图片_常显=test:icon\r\n图片框_宽=24\r\n图片框_高=24",
            TestPictureSource{icon});
    const Rect q = button.Button().Layout().pictureRect;
    ASSERT_EQ(q.Width(), 16);
    ::UpdateWindow(button.Handle());
    POINT corner{q.left + 5, q.top + 3};
    ::ClientToScreen(button.Handle(), &corner);
    EXPECT_EQ(test_support::PixelOf(ClientDc(nullptr).Get(), corner.x, corner.y), Colour::Rgb(0, 0, 255));
}

TEST_F(XpButtonWindowTest, RefusedValuesGoToTheMessageHandler) {
    Add().Button().SetCaptionPercent(101);
    EXPECT_EQ(messages.size(), 1u);
}

// Screen readers read the window text: the caption, its access key marked as on a standard button.
TEST_F(XpButtonWindowTest, TheWindowTextIsTheCaptionWithItsAccessKeyMarked) {
    const struct {
        const wchar_t* design;
        const wchar_t* text;
    } cases[] = {
        {L"Caption=ASCⅡ表\n热键=A", L"&ASCⅡ表"}, {L"Caption=隐藏\n热键=Y", L"隐藏(&Y)"},
        {L"Caption=list\n热键=LI", L"&list"},    {L"Caption=隐藏(&H)\n热键=Y", L"隐藏(&H)"},
        {L"Caption=A&&B\n热键=b", L"A&&&B"},     {L"Caption=Plain", L"Plain"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetText(Add(100, 10, c.design).Handle()), c.text);
    }
    // The language switch sets the caption; text set from outside is a new caption.
    XpButtonWindow& hide = *m_buttons[1];  // 隐藏, access key Y
    hide.Button().SetCaption(L"Hide");
    EXPECT_EQ(GetText(hide.Handle()), L"Hide(&Y)");
    ASSERT_TRUE(SetText(hide.Handle(), L"藏"));
    EXPECT_EQ(hide.Button().Properties().caption, L"藏");
    EXPECT_EQ(GetText(hide.Handle()), L"藏(&Y)");
}

TEST_F(XpButtonWindowTest, ScreenReadersSeeANamedPushButtonThatPressClicks) {
    const HWND window = Add(100, 10, L"Caption=ASCⅡ表\n热键=A").Handle();
    const test_support::AccessibleProbe probe(window);
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe.Role(), ROLE_SYSTEM_PUSHBUTTON);
    EXPECT_EQ(probe.Name(), L"ASCⅡ表");
    EXPECT_EQ(probe.DefaultAction(), L"Press");
    EXPECT_EQ(probe.Shortcut(), L"Alt+A");
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    const std::optional<LONG> state = probe.State();
    ASSERT_TRUE(state);
    EXPECT_NE(*state & STATE_SYSTEM_PRESSED, 0);
    EXPECT_EQ(probe.DoDefaultAction(), S_OK);
    EXPECT_TRUE(test_support::PumpUntil([&] { return clicks == 1; }));
}

// Where the caption's face does not exist, a Chinese caption still finds a Chinese face: with a Latin
// stand-in every Chinese character would be the same empty box.
TEST_F(XpButtonWindowTest, ChineseCaptionsFindAChineseFaceWhereTheirFontDoesNotExist) {
    const auto pixels = [&](const wchar_t* caption) {
        XpButtonWindow& button = Add();
        button.Button().SetFontName(L"没有这种字体");
        button.Button().SetCaption(caption);
        std::vector<COLORREF> all;
        for (const Point& p : Where(75, 23, [](int, int) { return true; })) {
            all.push_back(::GetPixel(button.Hdc(), p.x, p.y));
        }
        return all;
    };
    const std::vector<COLORREF> list = pixels(L"ASCⅡ表");
    EXPECT_NE(list, pixels(L""));
    EXPECT_NE(list, pixels(L"ASCⅡ隐"));
}

TEST(GdiPictureSource, LoadsPictureFilesBesideTheProgramByName) {
    const std::wstring name = L"xp_button_test_picture.bmp";
    const std::wstring path = ExeFolder() + L"\\" + name;
    ASSERT_TRUE(test_support::WriteBmp(path, 3, 2, Colour::Rgb(128, 128, 128)));
    GdiPictureSource source;
    const controls::PictureRef picture = source.Load(name);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->Kind(), controls::PictureKind::Bitmap);
    EXPECT_EQ(picture->Width(), 3);
    EXPECT_EQ(picture->Height(), 2);
    EXPECT_EQ(picture->Reference(), name) << "saved again under the name it was loaded by";
    test_support::DibSurface surface(5, 4, Colour::Rgb(10, 200, 10));
    GdiCanvas canvas(surface.Dc());
    picture->Draw(canvas, Rect{1, 1, 4, 3});
    EXPECT_EQ(surface.PixelsOf(Colour::Rgb(128, 128, 128)),
              Where(5, 4, [](int x, int y) { return x >= 1 && x < 4 && y >= 1 && y < 3; }));
    for (const wchar_t* nothing : {L"no such.bmp", L"Character.txt", L"res:NO_SUCH_RESOURCE", L"res:"}) {
        EXPECT_EQ(source.Load(nothing), nullptr) << "not a picture";
    }
    ::DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace orvell::win
