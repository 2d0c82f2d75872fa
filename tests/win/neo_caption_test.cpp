// The drawn caption on real windows: the frame's margins and hit codes, the buttons' commands, and the
// composed caption and borders read back against the skin's pictures.
#include "skin/neo_caption.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <vector>

#include "app/main_window.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "dib_surface.h"
#include "platform/text_file.h"
#include "test_registry_key.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::DibSurface;
constexpr int kWidth = 436;
constexpr int kHeight = 300;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

// One of the frame's pictures, from the test program's resources.
unique_hbitmap Load(const wchar_t* name) {
    return unique_hbitmap(static_cast<HBITMAP>(
        ::LoadImageW(::GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
}

// A picture to read pixels of.
class Art {
public:
    explicit Art(const wchar_t* name)
        : m_bitmap(Load(name)), m_dc(::CreateCompatibleDC(nullptr)), m_selected(m_dc.Get(), m_bitmap.Get()) {}
    Colour At(int x, int y) const { return Colour(static_cast<std::uint32_t>(::GetPixel(m_dc.Get(), x, y))); }

private:
    unique_hbitmap m_bitmap;
    unique_hdc m_dc;
    SelectGuard m_selected;
};

// A captioned window with a menu, as the main window is; it keeps the system commands it is sent.
class Host final : public Window {
public:
    bool Open() {
        WindowClass windowClass;
        windowClass.name = L"OrvellNeoCaptionTestHost";
        HMENU bar = ::CreateMenu();
        HMENU file = ::CreatePopupMenu();
        ::AppendMenuW(file, MF_STRING, 101, L"退出\tF4");
        ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"文件(&F) ");
        WindowCreation creation{L"Orvell", kStyle, 0, 40, 40, kWidth, kHeight};
        creation.menu = bar;
        return Create(windowClass, creation);
    }
    std::vector<WPARAM> commands;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) != SC_KEYMENU) {
            commands.push_back(wParam & 0xFFF0);
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

class NeoCaptionTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.Open());
        m_caption.ActiveCaptionColor(Colour(0xFFFFFF));
        m_caption.InActiveCaptionColor(Colour(0xC0C0C0));
        m_caption.CaptionFont(controls::SongTi(9));
        // Bitmaps of their own: the pictures read back are selected into the readers' DCs.
        m_caption.Attach(m_host.Handle(), Load(L"FRAMECAPTION").Get(), Load(L"FRAMEBORDER").Get(), 19, 20, 90,
                         140, 240, 400);
        ::ShowWindow(m_host.Handle(), SW_SHOWNOACTIVATE);
        test_support::PumpPending();
    }

    // A point of the window, in screen coordinates as the system reports it.
    LPARAM Screen(int x, int y) const {
        RECT window{};
        ::GetWindowRect(m_host.Handle(), &window);
        return MAKELPARAM(window.left + x, window.top + y);
    }
    Colour OnWindow(int x, int y) const {
        const WindowDc dc(m_host.Handle());
        return Colour(static_cast<std::uint32_t>(::GetPixel(dc.Get(), x, y)));
    }

    Host m_host;
    Art m_captionArt{L"FRAMECAPTION"};
    Art m_borderArt{L"FRAMEBORDER"};
    cNeoCaption m_caption;  // after the host: it lets go of the window first
};

TEST_F(NeoCaptionTest, MarginsComeFromThePicturesAndTheLogoAndButtonsAnswerAsTheWindowMenu) {
    RECT window{};
    RECT client{};
    ::GetWindowRect(m_host.Handle(), &window);
    ::GetClientRect(m_host.Handle(), &client);
    POINT origin{0, 0};
    ::ClientToScreen(m_host.Handle(), &origin);
    EXPECT_EQ(origin.x - window.left, 10);
    EXPECT_EQ(origin.y - window.top, 48);
    EXPECT_EQ(client.right, kWidth - 20);
    EXPECT_EQ(client.bottom, kHeight - 58);

    const struct {
        int x, y;
        LRESULT code;
    } cases[] = {{20, 20, HTSYSMENU},          {kWidth - 15, 15, HTSYSMENU},  // logo, close
                 {kWidth - 35, 15, HTSYSMENU},                                // minimise
                 {kWidth - 55, 15, HTCAPTION},  // where a maximise button would be
                 {200, 8, HTCAPTION},          {200, 200, HTCLIENT}};
    for (const auto& c : cases) {
        EXPECT_EQ(::SendMessageW(m_host.Handle(), WM_NCHITTEST, 0, Screen(c.x, c.y)), c.code)
            << c.x << ", " << c.y;
    }
}

TEST_F(NeoCaptionTest, AButtonPostsItsCommandWhenReleasedOverTheButtonItWentDownOn) {
    const int close = kWidth - 15;
    const int minimise = kWidth - 35;
    const struct {
        int press;  // 0: no press on the caption
        int release;
        std::vector<WPARAM> commands;
    } cases[] = {{minimise, minimise, {SC_MINIMIZE}},
                 {close, close, {SC_CLOSE}},
                 {close, minimise, {}},
                 {0, close, {}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.press << " to " << c.release);
        m_host.commands.clear();
        if (c.press != 0) {
            ::SendMessageW(m_host.Handle(), WM_NCLBUTTONDOWN, HTSYSMENU, Screen(c.press, 15));
            EXPECT_EQ(OnWindow(c.press - 5, 8), m_captionArt.At(c.press == close ? 246 : 302, 23))
                << "the pressed look";
        }
        ::SendMessageW(m_host.Handle(), WM_NCLBUTTONUP, HTSYSMENU, Screen(c.release, 15));
        test_support::PumpPending();
        EXPECT_EQ(m_host.commands, c.commands);
        EXPECT_EQ(OnWindow(close - 5, 8), m_captionArt.At(246, 3)) << "released look";
    }
}

TEST_F(NeoCaptionTest, TheComposedFrameIsTheArtOfTheStateWithTheTitleInItsColour) {
    for (const bool active : {true, false}) {
        SCOPED_TRACE(active ? "active" : "inactive");
        ::SendMessageW(m_host.Handle(), WM_NCACTIVATE, active, 0);
        DibSurface frame(kWidth, kHeight, Colour(0x010203));
        ASSERT_TRUE(frame.IsValid());
        m_caption.NCPaint(frame.Dc(), 0, 0, kWidth, kHeight);
        const int o = active ? 0 : 400;
        const struct {
            int x, y;
            Colour art;
        } cases[] = {
            {5, 20, m_captionArt.At(o + 5, 20)},                   // left end, logo side
            {20, 30, m_captionArt.At(o + 20, 30)},                 // the logo
            {150, 3, m_captionArt.At(o + 91, 3)},                  // middle
            {kWidth - 60, 3, m_captionArt.At(o + 180, 3)},         // right end
            {kWidth - 3, 40, m_captionArt.At(o + 237, 40)},        // right end's border
            {kWidth - 20, 8, m_captionArt.At(246, 3)},             // close button, either state
            {kWidth - 40, 20, m_captionArt.At(245 + 3 * 19, 15)},  // minimise button
            {3, 100, m_borderArt.At(3, 5)},                        // left edge
            {kWidth - 3, 200, m_borderArt.At(47, 5)},              // right edge
            {105, kHeight - 2, m_borderArt.At(35, 8)},             // bottom edge
            {2, kHeight - 3, m_borderArt.At(22, 7)},               // bottom-left corner
            {kWidth - 2, kHeight - 2, m_borderArt.At(68, 8)},      // bottom-right corner
        };
        for (const auto& c : cases) {
            EXPECT_EQ(frame.At(c.x, c.y), c.art) << c.x << ", " << c.y;
        }
        const auto inTitle = [&](Colour colour) {
            int count = 0;
            for (const Point& p : frame.PixelsOf(colour)) {
                count += p.x >= 92 && p.x < kWidth - 96 && p.y >= 11 && p.y < 29;
            }
            return count;
        };
        EXPECT_EQ(inTitle(Colour(0xFFFFFF)) > 0, active);
        EXPECT_EQ(inTitle(Colour(0xC0C0C0)) > 0, !active);
    }
}

BOOL WINAPI NoTray(DWORD, PNOTIFYICONDATAW) {
    return TRUE;
}

// The main window as the program runs it: skinned, its keys through the program's own loop.
class SkinnedMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<MainWindow>(MainWindowServices{
            m_settings, m_runKeys, m_files, L"C:\\orvell.exe", [](HWND, const std::wstring&) {}, &NoTray});
        ASSERT_TRUE(m_window->Open());
        ::SetForegroundWindow(m_window->Handle());
        Pump();
    }
    void Pump() {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!m_window->PreTranslate(message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
    }
    HWND Child(MainWindow::Control control) const { return m_window->Child(control); }
    std::vector<RECT> BarItems() const {
        std::vector<RECT> items;
        const cMenuBar* bar = m_window->Caption().MenuBar();
        for (int i = 1; bar != nullptr && i <= bar->ItemCount(); ++i) {
            items.push_back(bar->ItemRect(i));
        }
        return items;
    }

    test_support::TestKey m_settingsKey{L"SkinnedMainWindowSettings"};
    test_support::TestKey m_machineRun{L"SkinnedMainWindowMachineRun"};
    test_support::TestKey m_userRun{L"SkinnedMainWindowUserRun"};
    RegistrySettingsStore m_settings{HKEY_CURRENT_USER, m_settingsKey.Path()};
    RegistryRunKeys m_runKeys{HKEY_CURRENT_USER, m_machineRun.Path(), HKEY_CURRENT_USER, m_userRun.Path()};
    ExeFolderTextFiles m_files;
    std::unique_ptr<MainWindow> m_window;
};

TEST_F(SkinnedMainWindowTest, TheFrameGrowsByTheSkinsMarginsAndTheBarFollowsTheLanguage) {
    RECT window{};
    RECT client{};
    ::GetWindowRect(m_window->Handle(), &window);
    ::GetClientRect(m_window->Handle(), &client);
    EXPECT_EQ(window.right - window.left - client.right, 20);
    EXPECT_EQ(window.bottom - window.top - client.bottom, 58);

    const std::vector<RECT> chinese = BarItems();
    ASSERT_EQ(chinese.size(), 3u) << "文件, 设置, 帮助";
    ::SendMessageW(m_window->Handle(), WM_COMMAND, menu_id::kEnglish, 0);
    const std::vector<RECT> english = BarItems();
    ASSERT_EQ(english.size(), 3u);
    EXPECT_NE(english[0].right - english[0].left, chinese[0].right - chinese[0].left)
        << "\"&File \" is drawn";
}

// "A" and Enter choose the first list of the File menu's ASCII submenu when a key opened the File menu.
TEST_F(SkinnedMainWindowTest, AltAloneF10AndAltLetterOpenTheDrawnMenusAfterTheButtonsAccessKeys) {
    using Control = MainWindow::Control;
    const struct {
        std::vector<WORD> chord;
        bool listShown;
    } cases[] = {{{VK_MENU, 'F'}, true}, {{VK_F10}, true}, {{VK_MENU}, true}, {{VK_MENU, 'S'}, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "chord of " << c.chord.size() << " ending in " << c.chord.back());
        ::ShowWindow(Child(Control::Text3), SW_HIDE);
        SetText(Child(Control::Text1), L"a");
        ASSERT_TRUE(test_support::SendChord(c.chord));
        ASSERT_TRUE(test_support::SendChord({'A'}) && test_support::SendChord({VK_RETURN}));
        // A menu loop the keys did not end is closed, so the test fails instead of hanging.
        const UINT_PTR guard = ::SetTimer(nullptr, 0, 1500, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
        Pump();
        ::KillTimer(nullptr, guard);
        EXPECT_EQ(::IsWindowVisible(Child(Control::Text3)) != FALSE, c.listShown);
        // The search button's "&S" went to the button, not to the Settings menu's.
        EXPECT_EQ(GetText(Child(Control::Text1)).empty(), !c.listShown);
    }
}

}  // namespace
}  // namespace orvell::win
