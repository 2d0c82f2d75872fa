// The XP button's window driven with messages, as the window system delivers clicks and keys.
#include "controls/xp_button_window.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <mmsystem.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/colour_math.h"
#include "platform/text_file.h"
#include "test_window.h"
#include "xp_button_support.h"

namespace orvell::win {
namespace {

using test_support::TestPictureSource;

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}

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
    static Colour SurfaceAt(const XpButtonWindow& button, int x, int y) {
        return Colour(static_cast<std::uint32_t>(::GetPixel(button.Hdc(), x, y)));
    }

    test_support::HostWindow m_parent;
    std::vector<std::unique_ptr<XpButtonWindow>> m_buttons;
    int clicks = 0;
    std::vector<std::wstring> messages;
    std::vector<std::wstring> sounds;
    std::vector<DWORD> soundFlags;
};

TEST_F(XpButtonWindowTest, EachWayOfClickingClicksOnceAndTheRightButtonNever) {
    struct Message {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    struct Case {
        const char* name;
        bool focusFirst;  // keys go to the button with the focus
        int clicks;
        bool pressedAfter;  // a double click leaves the face pressed until something else
        std::vector<Message> messages;
    };
    const LPARAM in = At(10, 10);
    const Case cases[] = {
        {"mouse",
         false,
         1,
         false,
         {{WM_MOUSEMOVE, 0, in}, {WM_LBUTTONDOWN, MK_LBUTTON, in}, {WM_LBUTTONUP, 0, in}}},
        {"double click",
         false,
         1,
         true,
         {{WM_LBUTTONDOWN, MK_LBUTTON, in},
          {WM_LBUTTONUP, 0, in},
          {WM_LBUTTONDBLCLK, MK_LBUTTON, in},
          {WM_LBUTTONUP, 0, in}}},
        {"space, held and repeated",
         true,
         1,
         false,
         {{WM_KEYDOWN, VK_SPACE, 0},
          {WM_KEYDOWN, VK_SPACE, 0x40000000},
          {WM_CHAR, L' ', 0},
          {WM_KEYUP, VK_SPACE, 0xC0000000}}},
        {"enter",
         true,
         1,
         false,
         {{WM_KEYDOWN, VK_RETURN, 0}, {WM_CHAR, L'\r', 0}, {WM_KEYUP, VK_RETURN, 0xC0000000}}},
        {"right button", true, 0, false, {{WM_RBUTTONDOWN, MK_RBUTTON, in}, {WM_RBUTTONUP, 0, in}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clicks = 0;
        XpButtonWindow& button = Add();
        if (c.focusFirst) {
            ::SetFocus(button.Handle());
        }
        for (const Message& m : c.messages) {
            ::SendMessageW(button.Handle(), m.message, m.wParam, m.lParam);
        }
        EXPECT_EQ(clicks, c.clicks);
        EXPECT_EQ(::GetFocus(), button.Handle());
        EXPECT_EQ(button.Button().Pressed(), c.pressedAfter);
    }
}

TEST_F(XpButtonWindowTest, PressingMovingOutAndReleasingDoesNotClick) {
    XpButtonWindow& button = Add();
    const HWND w = button.Handle();
    ::SendMessageW(w, WM_MOUSEMOVE, 0, At(10, 10));
    ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    EXPECT_EQ(SurfaceAt(button, 37, 11), controls::Shade(Colour(0xC8D0D0), -12)) << "pressed face";
    ::SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(-5, 10));
    EXPECT_EQ(::GetCapture(), nullptr) << "the capture goes when the pointer leaves";
    ::SendMessageW(w, WM_LBUTTONUP, 0, At(-5, 10));
    EXPECT_EQ(SurfaceAt(button, 37, 11), controls::Shade(Colour(0xFFFFFF), -12)) << "redrawn unpressed";
    // Coming back with the button still down and letting go is no click either.
    ::SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(10, 10));
    ::SendMessageW(w, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(XpButtonWindowTest, AccessKeysClickTheButtonThatHasThem) {
    XpButtonWindow& button = Add(100, 10, L"Caption=隐藏(&H)\r\n热键=h\r\n");
    XpButtonWindow& other = Add(101, 100);
    EXPECT_TRUE(DispatchXpButtonAccessKey(m_parent.Handle(), L'H'));
    EXPECT_TRUE(DispatchXpButtonAccessKey(m_parent.Handle(), L'h'));
    EXPECT_EQ(clicks, 2);
    EXPECT_EQ(::GetFocus(), button.Handle()) << "the clicked button has the focus it shows";
    EXPECT_FALSE(DispatchXpButtonAccessKey(m_parent.Handle(), L'x'));
    EXPECT_FALSE(other.HandleAccessKey(L'h'));
    button.Button().SetEnabled(false);
    EXPECT_FALSE(DispatchXpButtonAccessKey(m_parent.Handle(), L'h')) << "a disabled button takes no input";
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
    ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, At(10, 10));
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
    EXPECT_EQ(::PtInRegion(region.Get(), 0, 0), 0);
    EXPECT_EQ(::PtInRegion(region.Get(), 1, 22), 0);
    EXPECT_NE(::PtInRegion(region.Get(), 1, 0), 0);
    button.Button().SetType(controls::xp_type::kGrip);
    ASSERT_NE(::GetWindowRgn(button.Handle(), region.Get()), ERROR);
    EXPECT_NE(::PtInRegion(region.Get(), 0, 0), 0);
    EXPECT_NE(::PtInRegion(region.Get(), 74, 22), 0);
    ::SendMessageW(button.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button.Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_SIZEALL));
}

TEST_F(XpButtonWindowTest, ADesignRestoresTheButtonWithItsPictureOnTheScreen) {
    const auto icon = test_support::MakeTestIcon(Colour::Rgb(0, 0, 255));
    XpButtonWindow& button =
        Add(200, 10, L"Caption=ASCⅡ表\r\nButton图片_常显=test:icon\r\n图片框_宽=24\r\n图片框_高=24",
            TestPictureSource{icon});
    EXPECT_EQ(button.Button().Properties().caption, L"ASCⅡ表");
    EXPECT_EQ(button.Button().Properties().picture.get(), icon.get());
    EXPECT_TRUE(button.Button().SamePicture());
    const Rect q = button.Button().Layout().pictureRect;
    ASSERT_EQ(q.Width(), 16);
    EXPECT_EQ(SurfaceAt(button, q.left + 5, q.top + 3), Colour::Rgb(0, 0, 255));
    ::UpdateWindow(button.Handle());
    POINT corner{q.left + 5, q.top + 3};
    ::ClientToScreen(button.Handle(), &corner);
    const ClientDc screen(nullptr);
    EXPECT_EQ(Colour(static_cast<std::uint32_t>(::GetPixel(screen.Get(), corner.x, corner.y))),
              Colour::Rgb(0, 0, 255));
}

TEST_F(XpButtonWindowTest, RefusedValuesGoToTheMessageHandler) {
    Add().Button().SetCaptionPercent(101);
    const std::wstring refused =
        L"Button标题区百分比应为：0～100，设为0时只显示图片区域，设为100时只显示标题区域";
    EXPECT_EQ(messages, std::vector<std::wstring>{refused});
}

TEST(GdiPictureSource, LoadsPictureFilesBesideTheProgramByName) {
    const std::wstring name = L"xp_button_test_picture.bmp";
    const std::wstring path = ExeFolder() + L"\\" + name;
    ASSERT_TRUE(test_support::WriteBmp(path, test_support::DibSurface(3, 2, Colour::Rgb(128, 128, 128))));
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
