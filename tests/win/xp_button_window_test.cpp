// The XP button's window driven with messages, as the window system delivers clicks and keys.
#include "controls/xp_button_window.h"

#include <gtest/gtest.h>
#include <mmsystem.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/colour_math.h"
#include "platform/text_file.h"
#include "platform/window.h"
#include "xp_button_support.h"

namespace orvell::win {
namespace {

constexpr Colour kWhite(0xFFFFFF);
const controls::FontDescription kFont{L"Tahoma", 8};

LPARAM At(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(x)), static_cast<WORD>(static_cast<SHORT>(y)));
}

class Parent final : public Window {
public:
    bool Open() {
        WindowClass windowClass;
        windowClass.name = L"OrvellXpButtonTestParent";
        WindowCreation creation;
        creation.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
        creation.exStyle = WS_EX_CONTROLPARENT;
        creation.x = 40;
        creation.y = 40;
        creation.width = 400;
        creation.height = 200;
        return Create(windowClass, creation);
    }
};

class PictureSourceOf final : public controls::PictureSource {
public:
    explicit PictureSourceOf(controls::PictureRef picture) : m_picture(std::move(picture)) {}
    controls::PictureRef Load(std::wstring_view reference) override {
        return reference == m_picture->Reference() ? m_picture : nullptr;
    }

private:
    controls::PictureRef m_picture;
};

class XpButtonWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_parent.Open()); }

    // A button without a caption at (10, 10), 75 x 23, counting its clicks.
    XpButtonWindow& Add(int id = 100, const Rect& bounds = {10, 10, 85, 33}) {
        auto button = std::make_unique<XpButtonWindow>();
        EXPECT_TRUE(button->Create(m_parent.Handle(), id, bounds, L"", kFont));
        Watch(*button);
        m_buttons.push_back(std::move(button));
        return *m_buttons.back();
    }
    XpButtonWindow& AddDesigned(std::wstring_view design, controls::PictureSource& pictures) {
        auto button = std::make_unique<XpButtonWindow>();
        const controls::PropertyBag bag = controls::PropertyBag::Parse(design);
        EXPECT_TRUE(
            button->Create(m_parent.Handle(), 200, Rect{10, 10, 91, 35}, L"Command2", kFont, bag, pictures));
        EXPECT_TRUE(bag.Problems().empty());
        Watch(*button);
        m_buttons.push_back(std::move(button));
        return *m_buttons.back();
    }
    void Watch(XpButtonWindow& button) {
        button.SetClickHandler([this] { ++clicks; });
        button.SetMessageHandler([this](std::wstring_view, std::wstring_view text, controls::MessageIcon) {
            messages.emplace_back(text);
        });
        button.SetSoundPlayer([this](const std::wstring& path, DWORD flags) {
            sounds.push_back(path);
            soundFlags.push_back(flags);
        });
    }
    Colour SurfaceAt(const XpButtonWindow& button, int x, int y) {
        return Colour(static_cast<std::uint32_t>(::GetPixel(button.Hdc(), x, y)));
    }

    Parent m_parent;
    std::vector<std::unique_ptr<XpButtonWindow>> m_buttons;
    int clicks = 0;
    std::vector<std::wstring> messages;
    std::vector<std::wstring> sounds;
    std::vector<DWORD> soundFlags;
};

TEST_F(XpButtonWindowTest, EachWayOfClickingClicksOnce) {
    struct Case {
        const char* name;
        std::function<void(HWND)> click;
        bool pressedAfter = false;  // a double click leaves the face pressed until something else
    };
    const Case cases[] = {
        {"mouse",
         [](HWND w) {
             ::SendMessageW(w, WM_MOUSEMOVE, 0, At(10, 10));
             ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
             ::SendMessageW(w, WM_LBUTTONUP, 0, At(10, 10));
         }},
        {"double click",
         [](HWND w) {
             ::SendMessageW(w, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
             ::SendMessageW(w, WM_LBUTTONUP, 0, At(10, 10));
             ::SendMessageW(w, WM_LBUTTONDBLCLK, MK_LBUTTON, At(10, 10));
             ::SendMessageW(w, WM_LBUTTONUP, 0, At(10, 10));
         },
         true},
        {"space",
         [](HWND w) {
             ::SetFocus(w);
             ::SendMessageW(w, WM_KEYDOWN, VK_SPACE, 0);
             ::SendMessageW(w, WM_KEYDOWN, VK_SPACE, 0x40000000);  // held: repeated
             ::SendMessageW(w, WM_CHAR, L' ', 0);
             ::SendMessageW(w, WM_KEYUP, VK_SPACE, 0xC0000000);
         }},
        {"enter",
         [](HWND w) {
             ::SetFocus(w);
             ::SendMessageW(w, WM_KEYDOWN, VK_RETURN, 0);
             ::SendMessageW(w, WM_CHAR, L'\r', 0);
             ::SendMessageW(w, WM_KEYUP, VK_RETURN, 0xC0000000);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        clicks = 0;
        XpButtonWindow& button = Add();
        c.click(button.Handle());
        EXPECT_EQ(clicks, 1);
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
    EXPECT_EQ(clicks, 0);
    EXPECT_EQ(SurfaceAt(button, 37, 11), controls::Shade(kWhite, -12)) << "redrawn unpressed on leaving";
    // Coming back with the button still down and letting go is no click either.
    ::SendMessageW(w, WM_MOUSEMOVE, MK_LBUTTON, At(10, 10));
    ::SendMessageW(w, WM_LBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(clicks, 0);
}

TEST_F(XpButtonWindowTest, TheRightButtonDoesNotClick) {
    XpButtonWindow& button = Add();
    ::SendMessageW(button.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, At(10, 10));
    ::SendMessageW(button.Handle(), WM_RBUTTONUP, 0, At(10, 10));
    EXPECT_EQ(clicks, 0);
    EXPECT_FALSE(button.Button().Pressed());
}

TEST_F(XpButtonWindowTest, AccessKeysClickTheButtonThatHasThem) {
    const auto icon = test_support::MakeTestIcon();
    PictureSourceOf pictures(icon);
    XpButtonWindow& button = AddDesigned(L"Caption=隐藏(&H)\r\n热键=h\r\n", pictures);
    XpButtonWindow& other = Add(101, Rect{100, 10, 175, 33});
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
    XpButtonWindow& first = Add(100, Rect{10, 10, 85, 33});
    XpButtonWindow& second = Add(101, Rect{100, 10, 175, 33});
    XpButtonWindow& third = Add(102, Rect{190, 10, 265, 33});
    ::SetFocus(second.Handle());
    ASSERT_EQ(::GetFocus(), second.Handle());
    struct Step {
        WPARAM key;
        HWND expected;
    };
    const Step steps[] = {{VK_RIGHT, third.Handle()},
                          {VK_LEFT, second.Handle()},
                          {VK_UP, first.Handle()},
                          {VK_DOWN, second.Handle()}};
    for (const Step& step : steps) {
        ::SendMessageW(::GetFocus(), WM_KEYDOWN, step.key, 0);
        EXPECT_EQ(::GetFocus(), step.expected) << "key " << step.key;
    }
    EXPECT_EQ(clicks, 0);
}

TEST_F(XpButtonWindowTest, SoundsComeFromTheProgramFolder) {
    EXPECT_EQ(XpButtonWindow::kSoundFlags,
              static_cast<DWORD>(SND_ASYNC | SND_NODEFAULT | SND_NOSTOP | SND_NOWAIT | SND_FILENAME));
    EXPECT_EQ(XpButtonWindow::kSoundFlags, 0x22013u);
    XpButtonWindow& button = Add();
    ::SendMessageW(button.Handle(), WM_MOUSEMOVE, 0, At(10, 10));
    ::SendMessageW(button.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    ::SendMessageW(button.Handle(), WM_LBUTTONUP, 0, At(10, 10));
    const std::wstring folder = ExeFolder();
    EXPECT_EQ(sounds,
              (std::vector<std::wstring>{folder + L"\\media\\over.wav", folder + L"\\media\\click.wav"}));
    EXPECT_EQ(soundFlags, (std::vector<DWORD>{0x22013u, 0x22013u}));
    // The files the build puts beside the program.
    for (const std::wstring& path : sounds) {
        EXPECT_NE(::GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES);
    }
}

TEST_F(XpButtonWindowTest, TheWindowTakesTheButtonsShape) {
    XpButtonWindow& button = Add();
    const unique_hrgn region(::CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(::GetWindowRgn(button.Handle(), region.Get()), ERROR);
    EXPECT_EQ(::PtInRegion(region.Get(), 0, 0), 0);
    EXPECT_EQ(::PtInRegion(region.Get(), 1, 22), 0);
    EXPECT_NE(::PtInRegion(region.Get(), 1, 0), 0);
    button.Button().SetType(controls::xp_type::kFlat);
    ASSERT_NE(::GetWindowRgn(button.Handle(), region.Get()), ERROR);
    EXPECT_NE(::PtInRegion(region.Get(), 0, 0), 0);
    EXPECT_NE(::PtInRegion(region.Get(), 74, 22), 0);
}

TEST_F(XpButtonWindowTest, ADesignRestoresTheButtonWithItsPicture) {
    const auto icon = test_support::MakeTestIcon(Colour::Rgb(0, 0, 255));
    PictureSourceOf pictures(icon);
    XpButtonWindow& button = AddDesigned(
        L"Caption=ASCⅡ表\r\nButton图片_常显=test:icon\r\n图片框_宽=24\r\n图片框_高=24\r\n", pictures);
    EXPECT_EQ(button.Button().Properties().caption, L"ASCⅡ表");
    EXPECT_EQ(button.Button().Properties().picture.get(), icon.get());
    EXPECT_TRUE(button.Button().SamePicture());
    const Rect q = button.Button().Layout().pictureRect;
    ASSERT_EQ(q.Width(), 16);
    EXPECT_EQ(SurfaceAt(button, q.left + 5, q.top + 3), Colour::Rgb(0, 0, 255));
    // The screen shows the surface.
    ::UpdateWindow(button.Handle());
    POINT corner{q.left + 5, q.top + 3};
    ::ClientToScreen(button.Handle(), &corner);
    const ClientDc screen(nullptr);
    EXPECT_EQ(Colour(static_cast<std::uint32_t>(::GetPixel(screen.Get(), corner.x, corner.y))),
              Colour::Rgb(0, 0, 255));
}

TEST_F(XpButtonWindowTest, TheGripShowsTheMoveCursor) {
    XpButtonWindow& button = Add();
    button.Button().SetType(controls::xp_type::kGrip);
    ::SendMessageW(button.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(button.Handle()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), ::LoadCursorW(nullptr, IDC_SIZEALL));
}

TEST_F(XpButtonWindowTest, RefusedValuesGoToTheMessageHandler) {
    XpButtonWindow& button = Add();
    button.Button().SetCaptionPercent(101);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], L"Button标题区百分比应为：0～100，设为0时只显示图片区域，设为100时只显示标题区域");
}

}  // namespace
}  // namespace orvell::win

namespace orvell::win {
namespace {

TEST(GdiPictureSource, LoadsPictureFilesBesideTheProgramByName) {
    // A 3 x 2 24-bit bitmap file, written where the program's pictures live.
    const std::wstring name = L"xp_button_test_picture.bmp";
    const std::wstring path = ExeFolder() + L"\\" + name;
    {
        const int stride = 12;  // 3 pixels of 3 bytes, padded to 4
        BITMAPFILEHEADER file{};
        BITMAPINFOHEADER info{};
        info.biSize = sizeof info;
        info.biWidth = 3;
        info.biHeight = 2;
        info.biPlanes = 1;
        info.biBitCount = 24;
        info.biCompression = BI_RGB;
        file.bfType = 0x4D42;
        file.bfOffBits = sizeof file + sizeof info;
        file.bfSize = file.bfOffBits + stride * 2;
        const std::vector<unsigned char> pixels(stride * 2, 0x80);
        const unique_hfile out(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(out);
        DWORD written = 0;
        ::WriteFile(out.Get(), &file, sizeof file, &written, nullptr);
        ::WriteFile(out.Get(), &info, sizeof info, &written, nullptr);
        ::WriteFile(out.Get(), pixels.data(), static_cast<DWORD>(pixels.size()), &written, nullptr);
    }
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
    EXPECT_EQ(surface.At(1, 1), Colour::Rgb(128, 128, 128));
    EXPECT_EQ(surface.At(0, 0), Colour::Rgb(10, 200, 10));

    EXPECT_EQ(source.Load(L"no such picture.bmp"), nullptr);
    EXPECT_EQ(source.Load(L"Character.txt"), nullptr) << "not a picture";
    EXPECT_EQ(source.Load(L"res:NO_SUCH_RESOURCE"), nullptr);
    EXPECT_EQ(source.Load(L"res:"), nullptr);
    ::DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace orvell::win
