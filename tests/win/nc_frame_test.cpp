// The non-client frame with a small painter on a real window, and the grow-only memory surface.
#include "skin/nc_frame.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "skin/mem_dc.h"
#include "test_window.h"
#include "window_properties.h"

namespace orvell::win {
namespace {

using test_support::PumpPending;

class TestPainter final : public INCAreaModifier {
public:
    HWND hWnd() override { return window; }
    void GetTopMarginHeight(int& cy) override { Margin('T', cy, 40); }
    void GetLeftMarginWidth(int& cx) override { Margin('L', cx, 3); }
    void GetRightMarginWidth(int& cx) override { Margin('R', cx, 5); }
    void GetBottomMarginHeight(int& cy) override { Margin('B', cy, 6); }
    void NCPaint(HDC, int lLeft, int lTop, int lRight, int lBottom) override {
        painted = {lLeft, lTop, lRight, lBottom};
    }
    // The strip (100..200, 8..20) of the caption is a drawn menu bar.
    void HitTest(int X, int Y, int& eHitTest) override {
        if (Rect{100, 8, 200, 20}.Contains({X, Y})) {
            eHitTest = skin::hit::kMenu;
        }
    }
    void NCMouseDown(int X, int Y, bool& bHandled, HDC, int, int, int, int) override {
        Note("D", X, Y);
        bHandled = true;
    }
    void NCMouseUp(int X, int Y, HDC, int, int, int, int) override { Note("U", X, Y); }
    void InitMenuPopup(WPARAM, LPARAM) override { events += "popup "; }
    void ExitMenuLoop() override { events += "exit "; }
    LRESULT AltKeyAccelerator(int vKey) override {
        Note("alt", vKey);
        return 1;
    }

    HWND window = nullptr;
    std::string margins;  // which margins were asked for, in order
    std::string events;
    Rect painted;

private:
    void Note(const char* what, int x, int y = -1) {
        events += what;
        events += std::to_string(x);
        if (y >= 0) {
            events += ',';
            events += std::to_string(y);
        }
        events += ' ';
    }
    void Margin(char which, int& value, int mine) {
        EXPECT_GT(value, 0);  // the system's own margin comes in
        margins += which;
        value = mine;
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
    LRESULT Send(UINT message, WPARAM wParam, Point inWindow) {
        const RECT bounds = Bounds();
        return ::SendMessageW(Window(), message, wParam,
                              MAKELPARAM(bounds.left + inWindow.x, bounds.top + inWindow.y));
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
    EXPECT_EQ(client.right, 300 - 3 - 5);
    EXPECT_EQ(client.bottom, 200 - 40 - 6);
    POINT origin{};
    ::ClientToScreen(Window(), &origin);
    EXPECT_EQ(origin.x - Bounds().left, 3);
    EXPECT_EQ(origin.y - Bounds().top, 40);
    ::SendMessageW(Window(), WM_NCPAINT, 1, 0);
    EXPECT_EQ(m_painter.painted, (Rect{0, 0, 300, 200}));

    // The plain look, for a frame without a painter, covers the margins and leaves the client area.
    const Dib32 surface = MakeDib32(300, 200);
    const unique_hdc dc(::CreateCompatibleDC(nullptr));
    const SelectGuard selected(dc.Get(), surface.bitmap.Get());
    m_frame.DefaultNCPaint(dc.Get(), 0, 0, 300, 200);
    for (const Point at : {Point{1, 100}, Point{150, 1}, Point{150, 30}, Point{296, 100}, Point{150, 197}}) {
        EXPECT_NE(surface.bits[at.y * 300 + at.x], 0u) << at.x << "," << at.y;
    }
    EXPECT_EQ(surface.bits[100 * 300 + 150], 0u);
}

TEST_F(NcFrameTest, EachPointOfTheFrameHasItsCodeAndTheMenuBarIsClientAreaToTheSystem) {
    const int caption = ::GetSystemMetrics(SM_CYCAPTION);
    const struct {
        Point at;
        bool sizable;
        LRESULT code;
    } cases[] = {
        {{1, 100}, true, HTLEFT},     {{298, 100}, true, HTRIGHT},  {{150, 3}, true, HTTOP},
        {{150, 197}, true, HTBOTTOM}, {{1, 1}, true, HTTOPLEFT},    {{298, 198}, true, HTBOTTOMRIGHT},
        {{250, 7}, true, HTCAPTION},  {{5, 7}, true, HTSYSMENU},    {{150, 100}, true, HTCLIENT},
        {{150, 10}, true, HTCLIENT},  // the painter's menu bar
        {{1, 100}, false, HTCLIENT},  {{150, 3}, false, HTCAPTION}, {{298, 198}, false, HTCLIENT},
    };
    ASSERT_GE(6 + caption, 8);
    const LONG_PTR style = ::GetWindowLongPtrW(Window(), GWL_STYLE);
    for (const auto& c : cases) {
        ::SetWindowLongPtrW(Window(), GWL_STYLE, c.sizable ? style : style & ~WS_THICKFRAME);
        EXPECT_EQ(Send(WM_NCHITTEST, 0, c.at), c.code) << c.at.x << "," << c.at.y;
    }
    ::SetWindowLongPtrW(Window(), GWL_STYLE, style);
}

TEST_F(NcFrameTest, APressGoesToThePainterUnlessTheLastHitWasTheCaptionAndAReleaseIsBothToIt) {
    Send(WM_NCHITTEST, 0, {250, 7});
    Send(WM_NCLBUTTONDOWN, HTCAPTION, {250, 7});  // a drag, which ends at once: no button is down
    EXPECT_EQ(m_painter.events, "");
    Send(WM_NCHITTEST, 0, {150, 10});             // the menu bar, reported as client area...
    Send(WM_NCLBUTTONDOWN, HTCAPTION, {250, 7});  // ...is remembered for the next press
    Send(WM_NCLBUTTONUP, HTCAPTION, {260, 9});
    EXPECT_EQ(m_painter.events, "D250,7 D260,9 U260,9 ");
}

TEST_F(NcFrameTest, ActivationMenusAndAltKeysReachTheFrameAndItsPainter) {
    ::SendMessageW(Window(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(m_frame.WindowActive());
    ::SendMessageW(Window(), WM_NCACTIVATE, TRUE, 0);
    EXPECT_TRUE(m_frame.WindowActive());
    ::SendMessageW(Window(), WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_TRUE(m_frame.AppActive());
    ::SendMessageW(Window(), WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_FALSE(m_frame.AppActive());

    const unique_hmenu popup(::CreatePopupMenu());
    ::SendMessageW(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), MAKELPARAM(0, TRUE));
    ::SendMessageW(Window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(popup.Get()), MAKELPARAM(1, FALSE));
    ::SendMessageW(Window(), WM_EXITMENULOOP, FALSE, 0);
    EXPECT_EQ(m_frame.OnAltKey('F'), 1);
    EXPECT_EQ(m_painter.events, "popup exit alt70 ");
    INCAreaModifier* painter = nullptr;
    EXPECT_TRUE(m_frame.GetImplementation(painter));
    EXPECT_EQ(painter, &m_painter);
    EXPECT_EQ(::GetPropW(Window(), L"QuenCNCImplementation"), static_cast<INCAreaModifier*>(&m_painter));
}

TEST_F(NcFrameTest, ThePointerTakesTheMenuOffTheWindowButTheFrameKeepsIt) {
    const HMENU menu = ::CreateMenu();
    ::AppendMenuW(menu, MF_STRING, 1, L"&File");
    ::SetMenu(Window(), menu);
    m_frame.Attach(&m_painter);
    ::SendMessageW(Window(), WM_SETCURSOR, reinterpret_cast<WPARAM>(Window()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetMenu(Window()), nullptr);
    EXPECT_EQ(m_frame.hMenu(), menu);
    EXPECT_TRUE(::IsWindowVisible(Window()));
    m_frame.Detach();
    EXPECT_EQ(m_frame.hMenu(), nullptr);
    ::DestroyMenu(menu);
}

TEST_F(NcFrameTest, DetachOrTheWindowsEndLeavesTheWindowAsItWas) {
    m_frame.Attach(&m_painter);  // again: still one registration per message
    EXPECT_EQ(
        ::GetPropW(Window(), (std::to_wstring(reinterpret_cast<std::intptr_t>(Window())) + L"C").c_str()),
        reinterpret_cast<HANDLE>(skin::FrameMessages(false).size()));
    m_frame.Detach();
    EXPECT_EQ(::GetWindowLongPtrW(Window(), GWLP_WNDPROC), m_ownProcedure);
    EXPECT_EQ(test_support::PropertyNames(Window()), m_ownProperties);
    INCAreaModifier* painter = nullptr;
    EXPECT_FALSE(m_frame.GetImplementation(painter));

    m_frame.Attach(&m_painter);
    ::DestroyWindow(Window());
    EXPECT_FALSE(m_frame.GetImplementation(painter));
}

TEST_F(NcFrameTest, ManyAttachmentsAndPaintsLeaveNoObjectBehind) {
    const HANDLE process = ::GetCurrentProcess();
    const DWORD gdi = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD user = ::GetGuiResources(process, GR_USEROBJECTS);
    if (gdi == 0) {
        GTEST_SKIP() << "this system does not count a program's objects";
    }
    const Dib32 surface = MakeDib32(300, 200);
    const unique_hdc dc(::CreateCompatibleDC(nullptr));
    const SelectGuard selected(dc.Get(), surface.bitmap.Get());
    for (int i = 0; i < 40; ++i) {
        m_frame.Attach(&m_painter);
        m_frame.RefreshFrame();
        m_frame.DefaultNCPaint(dc.Get(), 0, 0, 300, 200);
        m_frame.Detach();
    }
    EXPECT_EQ(::GetGuiResources(process, GR_GDIOBJECTS), gdi);
    EXPECT_EQ(::GetGuiResources(process, GR_USEROBJECTS), user);
}

COLORREF PixelOf(const cMemDC& surface, int x, int y) {
    return ::GetPixel(surface.hdc(), x, y);
}

TEST(MemDc, TheSurfaceOnlyGrowsAndKeepsItsDrawingUntilItDoes) {
    cMemDC surface;
    EXPECT_EQ(surface.hdc(), nullptr);
    surface.SetWidth(40);
    surface.SetHeight(30);
    ASSERT_NE(surface.hdc(), nullptr);
    const RECT all{0, 0, 40, 30};
    const unique_hbrush red(::CreateSolidBrush(RGB(255, 0, 0)));
    ::FillRect(surface.hdc(), &all, red.Get());
    const HGDIOBJ bitmap = ::GetCurrentObject(surface.hdc(), OBJ_BITMAP);

    surface.SetWidth(20);
    surface.SetHeight(-4);
    surface.Grow(40, 30);
    EXPECT_EQ(surface.Width(), 40);
    EXPECT_EQ(surface.Height(), 30);
    EXPECT_EQ(PixelOf(surface, 39, 29), RGB(255, 0, 0));

    // A picture smaller than the surface lands in its top-left corner.
    const Dib32 picture = MakeDib32(10, 8);
    std::fill(picture.bits, picture.bits + 80, 0x0000FFu);
    surface.CreateFromPicture(picture.bitmap.Get());
    EXPECT_EQ(surface.Width(), 40);
    EXPECT_EQ(PixelOf(surface, 9, 7), RGB(0, 0, 255));
    EXPECT_EQ(PixelOf(surface, 10, 7), RGB(255, 0, 0));

    const HDC before = surface.hdc();
    surface.SetHeight(31);
    EXPECT_EQ(surface.Width(), 40);
    EXPECT_EQ(surface.Height(), 31);
    // A new surface; the old one's DC and bitmap are gone.
    EXPECT_NE(::GetCurrentObject(surface.hdc(), OBJ_BITMAP), bitmap);
    EXPECT_EQ(::GetObjectType(bitmap), 0u);
    EXPECT_EQ(::GetObjectType(before), 0u);

    cMemDC fromPicture;
    fromPicture.CreateFromPicture(picture.bitmap.Get());
    EXPECT_EQ(fromPicture.Width(), 10);
    EXPECT_EQ(fromPicture.Height(), 8);
    EXPECT_EQ(PixelOf(fromPicture, 0, 0), RGB(0, 0, 255));
}

}  // namespace
}  // namespace orvell::win
