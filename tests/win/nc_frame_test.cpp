// The non-client frame with a small painter on a real window, and the grow-only memory surface.
#include "skin/nc_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "gui_objects.h"
#include "platform/gdi.h"
#include "skin/mem_dc.h"
#include "test_window.h"
#include "window_properties.h"

namespace orvell::win {
namespace {

using test_support::GdiObjects;
using test_support::MovePointer;
using test_support::PumpPending;
using test_support::PumpUntil;
using test_support::UserObjects;

// How deep in keyboard hooks this thread is: a hook of the test's own, installed after the frame's,
// calls the frame's from inside itself.
int g_hookDepth = 0;
LRESULT CALLBACK OuterKeyboardHook(int code, WPARAM wParam, LPARAM lParam) {
    ++g_hookDepth;
    const LRESULT result = ::CallNextHookEx(nullptr, code, wParam, lParam);
    --g_hookDepth;
    return result;
}

// Margins of 3, 40, 5 and 6; the strip (100..200, 8..20) of its caption is a drawn menu bar. It notes
// the order it is asked for margins in, and the presses, releases and keys it gets (Alt+F only, with
// the depth in keyboard hooks it gets it at).
class TestPainter final : public INCAreaModifier {
public:
    HWND hWnd() override { return window; }
    void GetTopMarginHeight(int& cy) override { cy = Margin('T', cy, 40); }
    void GetLeftMarginWidth(int& cx) override { cx = Margin('L', cx, 3); }
    void GetRightMarginWidth(int& cx) override { cx = Margin('R', cx, 5); }
    void GetBottomMarginHeight(int& cy) override { cy = Margin('B', cy, 6); }
    void NCPaint(HDC, int lLeft, int lTop, int lRight, int lBottom) override {
        painted = {lLeft, lTop, lRight, lBottom};
    }
    void HitTest(int X, int Y, int& eHitTest) override {
        eHitTest = Rect{100, 8, 200, 20}.Contains({X, Y}) ? skin::hit::kMenu : eHitTest;
    }
    void NCMouseDown(int X, int Y, bool& bHandled, HDC, int, int, int, int) override {
        bHandled = Note('D', X, Y);
    }
    void NCMouseUp(int X, int Y, HDC, int, int, int, int) override { Note('U', X, Y); }
    void InitMenuPopup(WPARAM, LPARAM) override { events += "popup "; }
    void ExitMenuLoop() override { events += "exit "; }
    bool TakesAltKey(int vKey) override { return vKey == 'F'; }
    LRESULT AltKeyAccelerator(int vKey) override { return Note('A', vKey, g_hookDepth); }

    HWND window = nullptr;
    std::string margins;
    std::string events;
    Rect painted;

private:
    bool Note(char what, int x, int y) {
        events += what + std::to_string(x) + ',' + std::to_string(y) + ' ';
        return true;
    }
    int Margin(char which, int systems, int mine) {
        margins += systems > 0 ? which : '?';  // the system's own margin comes in
        return mine;
    }
};

class NcFrameTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.Open());
        m_painter.window = Window();
        ::ShowWindow(Window(), SW_SHOWNOACTIVATE);
        m_ownProcedure = ::GetWindowLongPtrW(Window(), GWLP_WNDPROC);
        m_ownProperties = test_support::PropertyNames(Window());
        m_frame.Attach(&m_painter);
        m_frame.RefreshFrame();
        PumpPending();
    }
    HWND Window() const { return m_host.Handle(); }
    RECT Bounds() const {
        RECT bounds{};
        ::GetWindowRect(Window(), &bounds);
        return bounds;
    }
    bool AsItWas() const {
        return ::GetWindowLongPtrW(Window(), GWLP_WNDPROC) == m_ownProcedure &&
               test_support::PropertyNames(Window()) == m_ownProperties;
    }
    LRESULT Send(UINT message, WPARAM wParam, Point at) {
        const RECT bounds = Bounds();
        return ::SendMessageW(Window(), message, wParam, MAKELPARAM(bounds.left + at.x, bounds.top + at.y));
    }

    test_support::HostWindow m_host;  // 300 × 200, sizable
    TestPainter m_painter;
    cNCCalcSize m_frame;
    LONG_PTR m_ownProcedure = 0;
    std::vector<std::wstring> m_ownProperties;
};

TEST_F(NcFrameTest, ThePaintersMarginsShapeTheClientAreaAndItPaintsTheWholeWindow) {
    EXPECT_EQ(m_painter.margins.substr(0, 4), "LTRB");
    RECT client{};
    ::GetClientRect(Window(), &client);
    ::MapWindowPoints(Window(), nullptr, reinterpret_cast<POINT*>(&client), 2);
    const RECT bounds = Bounds();
    EXPECT_EQ((Rect{client.left, client.top, client.right, client.bottom}),
              (Rect{bounds.left + 3, bounds.top + 40, bounds.right - 5, bounds.bottom - 6}));
    ::SendMessageW(Window(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(m_painter.painted, (Rect{0, 0, 300, 200}));

    // Asked for a plain rectangle, the window's own procedure answers, once.
    RECT asked = Bounds();
    RECT own = asked;
    ::DefWindowProcW(Window(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&own));
    ::SendMessageW(Window(), WM_NCCALCSIZE, FALSE, reinterpret_cast<LPARAM>(&asked));
    EXPECT_TRUE(::EqualRect(&asked, &own));
}

TEST_F(NcFrameTest, EachPointOfTheFrameHasItsCodeAndTheMenuBarIsClientAreaToTheSystem) {
    const struct {
        Point at;
        bool sizable;
        LRESULT code;
    } cases[] = {{{1, 100}, true, HTLEFT},     {{298, 100}, true, HTRIGHT}, {{150, 3}, true, HTTOP},
                 {{150, 197}, true, HTBOTTOM}, {{1, 1}, true, HTTOPLEFT},   {{298, 198}, true, HTBOTTOMRIGHT},
                 {{250, 7}, true, HTCAPTION},  {{5, 7}, true, HTSYSMENU},   {{150, 100}, true, HTCLIENT},
                 {{150, 10}, true, HTCLIENT},  // the painter's menu bar
                 {{1, 100}, false, HTCLIENT},  {{150, 3}, false, HTCLIENT}, {{250, 7}, false, HTCAPTION}};
    const LONG_PTR style = ::GetWindowLongPtrW(Window(), GWL_STYLE);
    for (const auto& c : cases) {
        ::SetWindowLongPtrW(Window(), GWL_STYLE, c.sizable ? style : style & ~WS_THICKFRAME);
        EXPECT_EQ(Send(WM_NCHITTEST, 0, c.at), c.code) << c.at.x << "," << c.at.y;
    }
    ::SetWindowLongPtrW(Window(), GWL_STYLE, style);
}

TEST_F(NcFrameTest, APressGoesToThePainterUnlessTheLastHitWasTheCaptionAndAReleaseIsBothToIt) {
    Send(WM_NCHITTEST, 0, {150, 10});             // the menu bar, reported as client area...
    Send(WM_NCLBUTTONDOWN, HTCAPTION, {250, 7});  // ...is remembered for the next press
    Send(WM_NCLBUTTONUP, HTCAPTION, {260, 9});
    EXPECT_EQ(m_painter.events, "D250,7 D260,9 U260,9 ");
}

// Real input, queued whole before the window sees any of it, as a quick user's comes, on the caption
// of a window in the background: the press brings it forward and starts the system's move, which
// follows the pointer to the release, or puts the window back on Esc. The pointer stays where the
// user put it.
TEST_F(NcFrameTest, ACaptionPressRunsTheSystemsMoveWhichFollowsThePointerAndEscPutsTheWindowBack) {
    test_support::HostWindow other;
    ASSERT_TRUE(other.Open());
    ::SetWindowPos(other.Handle(), nullptr, 500, 400, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_SHOWWINDOW);
    const struct {
        bool escape;
        int dx, dy;
        int left;  // apart, so that two presses make no double click
    } cases[] = {{false, 60, 40, 30}, {true, 0, 0, 400}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.escape ? "Esc" : "released");
        ::SetWindowPos(Window(), nullptr, c.left, 30, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::SetForegroundWindow(other.Handle());
        PumpPending();
        int systemMoves = 0;
        m_host.onMessage = [&](UINT message) { systemMoves += message == WM_ENTERSIZEMOVE ? 1 : 0; };
        const RECT before = Bounds();
        const Point from{before.left + 220, before.top + 10};
        const Point to{from.x + 60, from.y + 40};
        const auto pointerAt = [](Point at) {
            POINT cursor{};
            return ::GetCursorPos(&cursor) && cursor.x == at.x && cursor.y == at.y;
        };
        ASSERT_TRUE(MovePointer(from));
        ASSERT_TRUE(PumpUntil([&] { return pointerAt(from); }));
        ASSERT_TRUE(test_support::SendLeftButton(true) && MovePointer(to));
        ASSERT_TRUE(!c.escape || test_support::SendChord({VK_ESCAPE}));
        ASSERT_TRUE(test_support::SendLeftButton(false));
        // A move loop that missed the release ends with the capture, so the test fails instead of hanging.
        const UINT_PTR guard =
            ::SetTimer(nullptr, 0, 1500, [](HWND, UINT, UINT_PTR, DWORD) { ::ReleaseCapture(); });
        EXPECT_TRUE(PumpUntil([&] { return ::GetKeyState(VK_LBUTTON) >= 0 && systemMoves > 0; }));
        PumpPending();
        ::KillTimer(nullptr, guard);
        m_host.onMessage = nullptr;

        EXPECT_EQ(::GetForegroundWindow(), Window());
        EXPECT_EQ(systemMoves, 1);
        EXPECT_EQ(Bounds().left - before.left, c.dx);
        EXPECT_EQ(Bounds().top - before.top, c.dy);
        EXPECT_TRUE(pointerAt(to));
        EXPECT_EQ(m_painter.events, "");
    }
}

// What reaches the window's own procedure through the frame: each activation change once, and while
// the pointer moves over the client area its style is never written (nor read without WS_VISIBLE).
int g_sentToWindow = 0;
HWND g_watched = nullptr;
LRESULT CALLBACK CountSent(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HC_ACTION && reinterpret_cast<const CWPSTRUCT*>(lParam)->hwnd == g_watched) {
        ++g_sentToWindow;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(NcFrameTest, TheWindowsProcedureSeesEachActivationOnceAndPointerMovesLeaveItsStyleAlone) {
    int activations = 0, styleChanges = 0, hidden = 0, moves = 0;
    m_host.onMessage = [&](UINT message) {
        activations += message == WM_NCACTIVATE ? 1 : 0;
        styleChanges += message == WM_STYLECHANGING || message == WM_STYLECHANGED ? 1 : 0;
        hidden += (::GetWindowLongPtrW(Window(), GWL_STYLE) & WS_VISIBLE) == 0 ? 1 : 0;
        moves += message == WM_MOUSEMOVE ? 1 : 0;
    };
    ::SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0);
    ::SendMessageW(Window(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_EQ(activations, 2);

    ::SetForegroundWindow(Window());
    const RECT bounds = Bounds();
    ASSERT_TRUE(MovePointer({bounds.left + 50, bounds.top + 100}));
    PumpUntil([&] { return moves > 0; });
    moves = 0;
    g_watched = Window();
    g_sentToWindow = 0;
    const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROC, &CountSent, nullptr, ::GetCurrentThreadId());
    constexpr int kMoves = 10;
    for (int i = 1; i <= kMoves; ++i) {
        ASSERT_TRUE(MovePointer({bounds.left + 50 + 10 * i, bounds.top + 100}));
        ASSERT_TRUE(PumpUntil([&] { return moves == i; }));
    }
    ::UnhookWindowsHookEx(hook);
    m_host.onMessage = nullptr;
    EXPECT_EQ(styleChanges, 0);
    EXPECT_EQ(hidden, 0);
    // The hit test and the cursor's question; the move itself is posted.
    EXPECT_LE(g_sentToWindow, 2 * kMoves);
}

TEST_F(NcFrameTest, ActivationMenusAndAltKeysReachTheFrameAndItsPainter) {
    for (const BOOL active : {FALSE, TRUE}) {
        ::SendMessageW(Window(), WM_NCACTIVATE, active, 0);
        ::SendMessageW(Window(), WM_ACTIVATEAPP, !active, 0);
        EXPECT_EQ(m_frame.WindowActive(), active != FALSE);
        EXPECT_EQ(m_frame.AppActive(), active == FALSE);
    }

    const unique_hmenu popup(::CreatePopupMenu());
    ::SendMessageW(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), MAKELPARAM(0, TRUE));
    ::SendMessageW(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), MAKELPARAM(1, FALSE));
    ::SendMessageW(Window(), WM_EXITMENULOOP, FALSE, 0);
    EXPECT_EQ(m_frame.OnAltKey('F'), 1);
    EXPECT_EQ(m_frame.OnAltKey('G'), 0);  // not the painter's
    PumpPending();
    EXPECT_EQ(m_painter.events, "popup exit A70,0 ");
    INCAreaModifier* painter = nullptr;
    EXPECT_TRUE(m_frame.GetImplementation(painter));
    EXPECT_EQ(painter, &m_painter);
    EXPECT_EQ(::GetPropW(Window(), L"QuenCNCImplementation"), static_cast<INCAreaModifier*>(&m_painter));
}

// Real keys: the painter's Alt+key is taken in the keyboard hook and acted on from the window's
// procedure, outside every hook, where a menu loop or closing the window is safe.
TEST_F(NcFrameTest, AnAltKeyOfThePaintersIsTakenInTheHookAndActedOnOutsideIt) {
    ::SetForegroundWindow(Window());
    ::SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0);
    PumpPending();
    const HHOOK hook = ::SetWindowsHookExW(WH_KEYBOARD, &OuterKeyboardHook, nullptr, ::GetCurrentThreadId());
    int systemKeys = 0;
    m_host.onMessage = [&](UINT message) { systemKeys += message == WM_SYSKEYDOWN ? 1 : 0; };
    ASSERT_TRUE(test_support::SendChord({VK_MENU, 'F'}));
    const UINT_PTR guard = ::SetTimer(nullptr, 0, 1500, [](HWND, UINT, UINT_PTR, DWORD) { ::EndMenu(); });
    EXPECT_TRUE(PumpUntil([&] { return !m_painter.events.empty(); }));
    PumpPending();
    ::KillTimer(nullptr, guard);
    ::UnhookWindowsHookEx(hook);
    m_host.onMessage = nullptr;
    EXPECT_EQ(m_painter.events, "A70,0 ");
    EXPECT_EQ(systemKeys, 1) << "Alt went on, F was taken";
}

TEST_F(NcFrameTest, AttachTakesTheMenuOffTheWindowAndDetachOrTheWindowsEndLeavesItAsItWas) {
    m_frame.Detach();
    const unique_hmenu menu(::CreateMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, 1, L"&File");
    ::SetMenu(Window(), menu.Get());
    m_frame.Attach(&m_painter);
    m_frame.Attach(&m_painter);  // again: still one registration per message
    const std::wstring count = std::to_wstring(reinterpret_cast<std::intptr_t>(Window())) + L"C";
    EXPECT_EQ(::GetPropW(Window(), count.c_str()),
              reinterpret_cast<HANDLE>(skin::FrameMessages(false).size() + 1));  // and the posted Alt+key
    EXPECT_EQ(::GetMenu(Window()), nullptr);
    EXPECT_EQ(m_frame.hMenu(), menu.Get());

    m_frame.Detach();
    EXPECT_EQ(::GetMenu(Window()), menu.Get());
    ::SetMenu(Window(), nullptr);
    EXPECT_TRUE(AsItWas());
    EXPECT_EQ(m_frame.hMenu(), nullptr);
    INCAreaModifier* painter = nullptr;
    EXPECT_FALSE(m_frame.GetImplementation(painter));
    m_frame.Attach(&m_painter);
    ::DestroyWindow(Window());
    EXPECT_FALSE(m_frame.GetImplementation(painter));
}

TEST_F(NcFrameTest, ThePlainLookCoversTheMarginsAndManyAttachmentsAndPaintsLeaveNoObjectBehind) {
    const Dib32 surface = MakeDib32(300, 200);
    const unique_hdc dc(::CreateCompatibleDC(nullptr));
    const SelectGuard selected(dc.Get(), surface.bitmap.Get());
    m_frame.DefaultNCPaint(dc.Get(), 0, 0, 300, 200);
    for (const Point at : {Point{1, 100}, Point{150, 1}, Point{150, 30}, Point{296, 100}, Point{150, 197}}) {
        EXPECT_NE(surface.bits[at.y * 300 + at.x], 0u) << at.x << "," << at.y;
    }
    EXPECT_EQ(surface.bits[100 * 300 + 150], 0u);  // the client area is left alone

    m_frame.Detach();  // its plain-look buffer goes with it, as at the end of every cycle below
    const DWORD gdi = GdiObjects();
    const DWORD user = UserObjects();
    ASSERT_NE(gdi, 0u);
    for (int i = 0; i < 40; ++i) {
        m_frame.Attach(&m_painter);
        m_frame.RefreshFrame();
        m_frame.DefaultNCPaint(dc.Get(), 0, 0, 300, 200);
        m_frame.Detach();
    }
    EXPECT_EQ(GdiObjects(), gdi);
    EXPECT_EQ(UserObjects(), user);
}

COLORREF PixelOf(const cMemDC& surface, int x, int y) {
    return ::GetPixel(surface.hdc(), x, y);
}

TEST(MemDc, TheSurfaceOnlyGrowsAndKeepsItsDrawingUntilItDoes) {
    cMemDC surface;
    EXPECT_EQ(surface.hdc(), nullptr);
    surface.Width(40);
    surface.Height(30);
    ASSERT_NE(surface.hdc(), nullptr);
    const RECT all{0, 0, 40, 30};
    ::SetDCBrushColor(surface.hdc(), RGB(255, 0, 0));
    ::FillRect(surface.hdc(), &all, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    const HGDIOBJ bitmap = ::GetCurrentObject(surface.hdc(), OBJ_BITMAP);

    surface.Width(20);
    surface.Height(-4);
    EXPECT_EQ(surface.Width() * 100 + surface.Height(), 4030);
    EXPECT_EQ(PixelOf(surface, 39, 29), RGB(255, 0, 0));

    // A picture smaller than the surface lands in its top-left corner.
    const Dib32 picture = MakeDib32(10, 8);
    std::fill(picture.bits, picture.bits + 80, 0x0000FFu);
    surface.CreateFromPicture(picture.bitmap.Get());
    EXPECT_EQ(PixelOf(surface, 9, 7), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(surface, 10, 7), RGB(255, 0, 0));

    const HDC before = surface.hdc();
    surface.Height(31);
    EXPECT_EQ(surface.Width() * 100 + surface.Height(), 4031);
    // A new surface; the old one's DC and bitmap are gone.
    EXPECT_NE(::GetCurrentObject(surface.hdc(), OBJ_BITMAP), bitmap);
    EXPECT_EQ(::GetObjectType(bitmap), 0u);
    EXPECT_EQ(::GetObjectType(before), 0u);

    cMemDC fromPicture;
    fromPicture.CreateFromPicture(picture.bitmap.Get());
    EXPECT_EQ(fromPicture.Width() * 100 + fromPicture.Height(), 1008);
    EXPECT_EQ(PixelOf(fromPicture, 0, 0), RGB(0, 0, 255));
}

}  // namespace
}  // namespace orvell::win
