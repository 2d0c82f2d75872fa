// The main window's drawn frame, driven in-process: its margins and hit codes, the caption buttons'
// commands, the frame read back against the skin's pictures, and the drawn menus from the keyboard.
#include "skin/neo_caption.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "app/main_window.h"
#include "dib_surface.h"
#include "main_window_world.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using Control = MainWindow::Control;

// One of the frame's pictures, from the test program's resources, to read pixels of.
class Art {
public:
    explicit Art(const wchar_t* name)
        : m_bitmap(
              static_cast<HBITMAP>(::LoadImageW(::GetModuleHandleW(nullptr), name, IMAGE_BITMAP, 0, 0, 0))),
          m_dc(::CreateCompatibleDC(nullptr)),
          m_selected(m_dc.Get(), m_bitmap.Get()) {}
    Colour At(int x, int y) const { return Colour(static_cast<std::uint32_t>(::GetPixel(m_dc.Get(), x, y))); }

private:
    unique_hbitmap m_bitmap;
    unique_hdc m_dc;
    SelectGuard m_selected;
};

// The main window as the program runs it, its keys through the program's own loop. The system
// commands its caption buttons post are kept here instead of closing or minimising it.
class SkinnedMainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<MainWindow>(m_world.Services());
        ASSERT_TRUE(m_window->Open());
        ::SetWindowSubclass(m_window->Handle(), &KeepCommands, 0, reinterpret_cast<DWORD_PTR>(this));
        ::SetForegroundWindow(m_window->Handle());
        Pump();
        RECT bounds{};
        ::GetWindowRect(m_window->Handle(), &bounds);
        m_bounds = {bounds.left, bounds.top, bounds.right, bounds.bottom};
    }
    void TearDown() override { ::RemoveWindowSubclass(m_window->Handle(), &KeepCommands, 0); }

    static LRESULT CALLBACK KeepCommands(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                         DWORD_PTR self) {
        auto* test = reinterpret_cast<SkinnedMainWindowTest*>(self);
        test->m_popups += message == WM_INITMENUPOPUP ? 1 : 0;
        if (message == WM_SYSCOMMAND && (wParam & 0xFFF0) != SC_KEYMENU) {
            test->m_commands.push_back(wParam & 0xFFF0);
            return 0;
        }
        return ::DefSubclassProc(window, message, wParam, lParam);
    }
    void Pump() { test_support::PumpAsTheProgramDoes(*m_window); }
    HWND Handle() const { return m_window->Handle(); }
    HWND Child(Control control) const { return m_window->Child(control); }
    // A point of the window, in screen coordinates as the system reports it.
    LPARAM Screen(int x, int y) const { return MAKELPARAM(m_bounds.left + x, m_bounds.top + y); }
    // The whole window as it is drawn, through its own DC.
    std::unique_ptr<test_support::DibSurface> Frame() const {
        auto frame =
            std::make_unique<test_support::DibSurface>(m_bounds.Width(), m_bounds.Height(), Colour(0));
        const WindowDc dc(Handle());
        ::BitBlt(frame->Dc(), 0, 0, m_bounds.Width(), m_bounds.Height(), dc.Get(), 0, 0, SRCCOPY);
        return frame;
    }
    std::vector<RECT> BarItems() const {
        std::vector<RECT> items;
        const cMenuBar* bar = m_window->Caption().MenuBar();
        for (int i = 1; bar != nullptr && i <= bar->ItemCount(); ++i) {
            items.push_back(bar->ItemRect(i));
        }
        return items;
    }

    test_support::MainWindowWorld m_world{L"SkinnedMainWindow"};
    std::unique_ptr<MainWindow> m_window;
    std::vector<WPARAM> m_commands;
    int m_popups = 0;
    Rect m_bounds;
    Art m_captionArt{L"FRAMECAPTION"};
    Art m_borderArt{L"FRAMEBORDER"};
};

TEST_F(SkinnedMainWindowTest, MarginsComeFromThePicturesAndTheLogoAndButtonsAnswerAsTheWindowMenu) {
    // The client area keeps its design size (the main window's suite checks it) inside these margins.
    RECT client{};
    ::GetClientRect(Handle(), &client);
    ::MapWindowPoints(Handle(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    EXPECT_EQ((Rect{client.left, client.top, client.right, client.bottom}),
              (Rect{m_bounds.left + 10, m_bounds.top + 48, m_bounds.right - 10, m_bounds.bottom - 10}));

    const int w = m_bounds.Width();
    const struct {
        int x, y;
        LRESULT code;
    } cases[] = {{20, 20, HTSYSMENU},     {w - 15, 15, HTSYSMENU},
                 {w - 35, 15, HTSYSMENU}, {w - 55, 15, HTCAPTION},  // where a maximise button would be
                 {200, 14, HTCAPTION},    {150, 26, HTCLIENT},      // the drawn menu bar's top rows
                 {200, 8, HTCLIENT},      {5, 100, HTCLIENT},       // the borders of a fixed window
                 {200, 200, HTCLIENT}};
    for (const auto& c : cases) {
        EXPECT_EQ(::SendMessageW(Handle(), WM_NCHITTEST, 0, Screen(c.x, c.y)), c.code) << c.x << ", " << c.y;
    }
    // The drawn menu bar counts as client area above the client's top: no shortcut menu there.
    for (const int y : {-10, 5}) {
        ::PostMessageW(Handle(), WM_CANCELMODE, 0, 0);  // closes a menu that opens
        ::SendMessageW(Handle(), WM_RBUTTONDOWN, 0, MAKELPARAM(5, y));
        Pump();
    }
    EXPECT_EQ(m_popups, 1) << "only on the bare window below the bar";
}

TEST_F(SkinnedMainWindowTest, AButtonPostsItsCommandWhenReleasedOverTheButtonItWentDownOn) {
    const int close = m_bounds.Width() - 15;
    const int minimise = m_bounds.Width() - 35;
    const struct {
        int press;         // 0: none on the caption
        bool letGoInside;  // the mouse button let go over the client area, where the frame hears nothing
        int release;
        std::vector<WPARAM> commands;
    } cases[] = {{minimise, false, minimise, {SC_MINIMIZE}},
                 {close, false, close, {SC_CLOSE}},
                 {close, false, minimise, {}},
                 {0, false, close, {}},
                 {close, true, close, {}}};
    const WindowDc dc(Handle());
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.press << " to " << c.release);
        m_commands.clear();
        if (c.press != 0) {
            ::SendMessageW(Handle(), WM_NCLBUTTONDOWN, HTSYSMENU, Screen(c.press, 15));
            // 5 pixels into the image, 3 down: the pressed row starts 20 down in the picture.
            EXPECT_EQ(Colour(::GetPixel(dc.Get(), c.press - 5, 8)),
                      m_captionArt.At(c.press == close ? 246 : 302, 23));
        }
        if (c.letGoInside) {
            ::SendMessageW(Handle(), WM_NCHITTEST, 0, Screen(200, 200));
        }
        ::SendMessageW(Handle(), WM_NCLBUTTONUP, HTSYSMENU, Screen(c.release, 15));
        Pump();
        EXPECT_EQ(m_commands, c.commands);
        EXPECT_EQ(Colour(::GetPixel(dc.Get(), close - 5, 8)), m_captionArt.At(246, 3)) << "released";
    }
}

// Through the system's input queue, where the system hit-tests the release with the button already up.
TEST_F(SkinnedMainWindowTest, ARealClickOnTheCloseButtonClosesAndOneLetGoElsewhereDoesNot) {
    const Point close{m_bounds.left + m_bounds.Width() - 15, m_bounds.top + 15};
    const Point inside{m_bounds.left + 200, m_bounds.top + 200};
    const auto moveTo = [](Point to) {
        ASSERT_TRUE(test_support::MovePointer(to));
        test_support::PumpUntil([&] {
            POINT at{};
            return ::GetCursorPos(&at) && at.x == to.x && at.y == to.y;
        });
    };
    // Until this thread has taken the button's message, then what that message posted.
    const auto button = [](bool down) {
        ASSERT_TRUE(test_support::SendLeftButton(down));
        test_support::PumpUntil([&] { return (::GetKeyState(VK_LBUTTON) < 0) == down; });
        test_support::PumpPending();
    };
    const Point background{m_bounds.left + 13, m_bounds.top + 200};  // the window's own, left of the boxes
    const struct {
        Point press;
        std::vector<Point> path;  // where the pointer goes with the button down
        std::vector<WPARAM> commands;
    } cases[] = {{close, {}, {SC_CLOSE}},
                 {close, {inside, close}, {SC_CLOSE}},
                 {close, {inside}, {}},
                 {background, {close}, {}}};  // the press before was let go away from the frame
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "pressed at " << c.press.x << "," << c.press.y << ", then "
                                        << c.path.size() << " moves");
        moveTo(inside);  // a click elsewhere first, so that two presses on the button make no double click
        button(true);
        button(false);
        m_commands.clear();
        moveTo(c.press);
        button(true);
        for (const Point& at : c.path) {
            moveTo(at);
        }
        button(false);
        EXPECT_EQ(m_commands, c.commands);
    }
}

// Real input: pressed on minimise, the pointer jumps in one step into the client area, where the frame
// hears nothing, and the button is let go there. The button looks released again and does nothing.
TEST_F(SkinnedMainWindowTest, APressedButtonThePointerLeftInOneStepLooksReleasedAgain) {
    const int x = m_bounds.Width() - 35;
    const Point minimise{m_bounds.left + x, m_bounds.top + 15};
    const Point inside{m_bounds.left + 200, m_bounds.top + 200};
    const WindowDc dc(Handle());
    const auto pressedLook = [&] {
        return Colour(::GetPixel(dc.Get(), x - 5, 8)) == m_captionArt.At(302, 23);
    };
    ASSERT_TRUE(test_support::MovePointer(minimise));
    Pump();
    ASSERT_TRUE(test_support::SendLeftButton(true));
    EXPECT_TRUE(test_support::PumpUntil(pressedLook));
    ASSERT_TRUE(test_support::MovePointer(inside) && test_support::SendLeftButton(false));
    ASSERT_TRUE(test_support::MovePointer({inside.x + 5, inside.y}));
    EXPECT_TRUE(test_support::PumpUntil([&] { return !pressedLook(); }));
    EXPECT_EQ(Colour(::GetPixel(dc.Get(), x - 5, 8)), m_captionArt.At(302, 3));
    EXPECT_TRUE(m_commands.empty());
}

TEST_F(SkinnedMainWindowTest, TheFrameIsTheArtOfTheStateWithTheTitleInItsColour) {
    const int w = m_bounds.Width();
    const int h = m_bounds.Height();
    for (const bool active : {true, false}) {
        SCOPED_TRACE(active ? "active" : "inactive");
        ::SendMessageW(Handle(), WM_NCACTIVATE, active, 0);
        const auto frame = Frame();
        const int o = active ? 0 : 400;
        const struct {
            int x, y;
            Colour art;
        } cases[] = {
            {150, 3, m_captionArt.At(o + 91, 3)},         // middle
            {w - 60, 3, m_captionArt.At(o + 180, 3)},     // right end
            {w - 20, 8, m_captionArt.At(246, 3)},         // close button, either state
            {w - 40, 20, m_captionArt.At(245 + 57, 15)},  // minimise button
            {3, 100, m_borderArt.At(3, 5)},               // left edge
            {w - 3, 200, m_borderArt.At(47, 5)},          // right edge
            {105, h - 2, m_borderArt.At(35, 8)},          // bottom edge
            {2, h - 3, m_borderArt.At(22, 7)},            // bottom-left corner
        };
        for (const auto& c : cases) {
            EXPECT_EQ(frame->At(c.x, c.y), c.art) << c.x << ", " << c.y;
        }
        const auto inTitle = [&](Colour colour) {
            const std::vector<Point> pixels = frame->PixelsOf(colour);
            return std::any_of(pixels.begin(), pixels.end(),
                               [&](Point p) { return p.x >= 92 && p.x < w - 96 && p.y >= 11 && p.y < 29; });
        };
        EXPECT_EQ(inTitle(Colour(0xFFFFFF)), active);
        EXPECT_EQ(inTitle(Colour(0xC0C0C0)), !active);
    }
}

TEST_F(SkinnedMainWindowTest, TheDrawnBarShowsTheCaptionsOfTheLanguage) {
    const std::vector<RECT> chinese = BarItems();
    ASSERT_EQ(chinese.size(), 3u) << "文件, 设置, 帮助";
    ::SendMessageW(Handle(), WM_COMMAND, menu_id::kEnglish, 0);
    const std::vector<RECT> english = BarItems();
    ASSERT_EQ(english.size(), 3u);
    EXPECT_NE(english[0].right - english[0].left, chinese[0].right - chinese[0].left)
        << "\"&File \" is drawn";
}

// "A" and Enter choose the first list of the File menu's ASCII submenu when a key opened the File menu.
TEST_F(SkinnedMainWindowTest, AltAloneF10AndAltLetterOpenTheDrawnMenusAfterTheButtonsAccessKeys) {
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

// Alt+Y hides the window before the Alt is let go, so the release that would end the Alt+letter goes
// to another window; the next F10 must still open the menu.
TEST_F(SkinnedMainWindowTest, F10OpensTheMenuAfterAnAltLetterWhoseAltReleaseWentElsewhere) {
    ::ShowWindow(Child(Control::Text3), SW_HIDE);
    SetText(Child(Control::Text1), L"a");
    constexpr LPARAM kAltDown = LPARAM{KF_ALTDOWN} << 16;
    ::PostMessageW(Handle(), WM_SYSKEYDOWN, VK_MENU, kAltDown);
    ::PostMessageW(Handle(), WM_SYSKEYDOWN, 'S', kAltDown);
    Pump();
    ASSERT_FALSE(GetText(Child(Control::Text2)).empty()) << "Alt+S clicked the search button";
    ASSERT_TRUE(test_support::SendChord({VK_F10}) && test_support::SendChord({'A'}) &&
                test_support::SendChord({VK_RETURN}));
    const UINT_PTR guard = ::SetTimer(nullptr, 0, 1500, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    Pump();
    ::KillTimer(nullptr, guard);
    EXPECT_TRUE(::IsWindowVisible(Child(Control::Text3)));
}

}  // namespace
}  // namespace orvell::win
