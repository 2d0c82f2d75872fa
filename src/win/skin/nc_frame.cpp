#include "skin/nc_frame.h"

#include <algorithm>

#include "platform/window.h"

namespace orvell::win {

namespace {

// Where the painter of a frame is kept, so that code holding only the window finds it.
constexpr wchar_t kImplementationProperty[] = L"QuenCNCImplementation";

// An Alt+key the keyboard hook took for the painter, posted to the window: the hook only decides, and
// whatever the key does (a click, a menu's loop, closing the window) happens in the window's procedure.
UINT AltKeyMessage() {
    static const UINT message = ::RegisterWindowMessageW(L"OrvellFrameAltKey");
    return message;
}

RECT WindowRect(HWND window) {
    RECT bounds{};
    ::GetWindowRect(window, &bounds);
    return bounds;
}

bool IsMDIChild(HWND window) {
    const HWND parent = ::GetParent(window);
    wchar_t name[260] = {};
    return parent != nullptr && ::GetClassNameW(parent, name, 260) > 0 &&
           ::lstrcmpiW(name, L"MDIClient") == 0;
}

}  // namespace

cNCCalcSize::~cNCCalcSize() {
    Detach();
}

void cNCCalcSize::ReDraw(HWND hWnd) {
    ::RedrawWindow(hWnd, nullptr, nullptr,
                   RDW_INVALIDATE | RDW_INTERNALPAINT | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

void cNCCalcSize::RefreshFrame(HWND form) {
    const HWND target = form != nullptr ? form : m_window;
    if (target != nullptr) {
        ::RedrawWindow(target, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    }
    if (m_window != nullptr) {
        // Without "no activation" the position change makes a hidden window the active one (Wine
        // does), which would take the focus from the user's program at a start hidden in the tray.
        ::SetWindowPos(
            m_window, nullptr, 0, 0, 0, 0,
            SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED | SWP_NOOWNERZORDER | SWP_NOACTIVATE);
    }
}

void cNCCalcSize::TitleBarMouseDown() {
    ::ReleaseCapture();
    POINT cursor{};
    ::GetCursorPos(&cursor);
    ::SendMessageW(m_window, WM_NCLBUTTONDOWN, HTCAPTION, MAKELPARAM(cursor.x, cursor.y));
}

void cNCCalcSize::SysCommand(WPARAM eCmd) {
    ::PostMessageW(m_window, WM_SYSCOMMAND, eCmd, 0);
}

void cNCCalcSize::Attach(INCAreaModifier* iTo) {
    Detach();
    if (iTo == nullptr) {
        return;
    }
    m_window = iTo->hWnd();
    m_menu = ::GetMenu(m_window);
    m_mdiChild = IsMDIChild(m_window);
    try {
        for (const std::uint32_t message : skin::FrameMessages(m_mdiChild)) {
            AttachMessage(this, m_window, message);
        }
        AttachMessage(this, m_window, AltKeyMessage());
    } catch (...) {
        Detach();
        throw;
    }
    ::SetPropW(m_window, kImplementationProperty, iTo);
    RegisterKeyboardClient(this);
    if (m_menu != nullptr) {
        ::SetMenu(m_window, nullptr);
    }
}

void cNCCalcSize::RestoreMenu() noexcept {
    if (m_menu != nullptr && m_window != nullptr && ::IsWindow(m_window) && ::GetMenu(m_window) == nullptr) {
        ::SetMenu(m_window, m_menu);
    }
}

void cNCCalcSize::Detach() noexcept {
    UnregisterKeyboardClient(this);
    if (m_window != nullptr) {
        RestoreMenu();
        for (const std::uint32_t message : skin::FrameMessages(m_mdiChild)) {
            DetachMessage(this, m_window, message);
        }
        DetachMessage(this, m_window, AltKeyMessage());
        ::RemovePropW(m_window, kImplementationProperty);
    }
    m_captionBuffer.reset();
    m_mdiChild = false;
    m_window = nullptr;
    m_menu = nullptr;
}

bool cNCCalcSize::GetImplementation(INCAreaModifier*& iTo) const {
    if (m_window == nullptr) {
        return false;
    }
    auto* painter = static_cast<INCAreaModifier*>(::GetPropW(m_window, kImplementationProperty));
    if (painter == nullptr) {
        return false;
    }
    iTo = painter;
    return true;
}

LRESULT cNCCalcSize::OnAltKey(int vKey) {
    INCAreaModifier* painter = nullptr;
    if (!GetImplementation(painter) || !painter->TakesAltKey(vKey)) {
        return 0;
    }
    return ::PostMessageW(m_window, AltKeyMessage(), static_cast<WPARAM>(vKey), 0) ? 1 : 0;
}

EMsgResponse cNCCalcSize::MsgResponse() {
    const UINT message = CurrentMessage();
    return message == AltKeyMessage() ? mrConsume : skin::FrameResponse(message);
}

LRESULT cNCCalcSize::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    INCAreaModifier* painter = nullptr;
    GetImplementation(painter);
    if (iMsg == AltKeyMessage()) {
        return painter != nullptr ? painter->AltKeyAccelerator(static_cast<int>(wParam)) : 0;
    }
    switch (iMsg) {
        case WM_NCCALCSIZE:
            return OnNcCalcSize(wParam, lParam);
        case WM_NCPAINT:
            OnNcPaint(wParam, lParam);
            return 0;
        case WM_NCACTIVATE: {
            // The window's procedure runs once, here: its answer says whether the change may happen,
            // and it paints the system's caption, which the frame then paints over.
            m_windowActive = wParam != 0;
            const LRESULT result = CallOldWindowProc(hWnd, iMsg, wParam, lParam);
            OnNcPaint(0, 0);
            return result;
        }
        case WM_NCHITTEST:
            if (painter == nullptr) {
                return CallOldWindowProc(hWnd, iMsg, wParam, lParam);
            }
            m_lastHitCode = NCHitTest(MousePoint(lParam));
            return skin::ReportedHitCode(m_lastHitCode);
        case WM_NCLBUTTONDOWN:
            OnNcLButtonDown(wParam, lParam);
            return 0;
        case WM_NCLBUTTONUP:
            OnNcLButtonUp(lParam);
            return 0;
        case WM_NCLBUTTONDBLCLK:
        case WM_SETTEXT:
        case WM_STYLECHANGED: {
            const LRESULT result = CallOldWindowProc(hWnd, iMsg, wParam, lParam);
            OnNcPaint(0, 0);
            return result;
        }
        case WM_NCMOUSELEAVE:
            // The pointer left the frame after a press on it, into the client area or a child window,
            // which the frame hears nothing from: the painter sees where it went.
            HitTestAtCursor();
            return 0;
        case WM_INITMENU:
        case WM_INITMENUPOPUP:
        case WM_ENTERMENULOOP:
        case WM_EXITMENULOOP:
        case WM_SIZE: {
            CallOldWindowProc(hWnd, iMsg, wParam, lParam);
            OnNcPaint(0, 0);
            // A popup of the window's own menus, not of its system menu (high word of lParam).
            if (iMsg == WM_INITMENUPOPUP && HIWORD(lParam) == 0 && painter != nullptr) {
                painter->InitMenuPopup(wParam, lParam);
            } else if (iMsg == WM_EXITMENULOOP && painter != nullptr) {
                painter->ExitMenuLoop();
            }
            return 0;
        }
        case WM_ACTIVATEAPP:
            m_appActive = wParam != 0;
            return 0;
        case WM_DESTROY:
            Detach();
            return 0;
        default:
            return 0;
    }
}

LRESULT cNCCalcSize::OnNcCalcSize(WPARAM wParam, LPARAM lParam) {
    if (wParam == 0) {
        // The window's procedure has turned the rectangle into the client area already; a second
        // turn would take the margins off twice.
        return 0;
    }
    auto& params = *reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam);
    const WINDOWPOS& position = *params.lppos;
    m_margins = skin::DefaultMargins(::GetSystemMetrics(SM_CXFRAME), ::GetSystemMetrics(SM_CYFRAME),
                                     ::GetSystemMetrics(SM_CYCAPTION));
    INCAreaModifier* painter = nullptr;
    if (!MaximisedMdiChild() && GetImplementation(painter)) {
        painter->GetLeftMarginWidth(m_margins.left);
        painter->GetTopMarginHeight(m_margins.top);
        painter->GetRightMarginWidth(m_margins.right);
        painter->GetBottomMarginHeight(m_margins.bottom);
    }
    const Rect client = skin::ClientArea(
        {position.x, position.y, position.x + position.cx, position.y + position.cy}, m_margins);
    params.rgrc[0] = {client.left, client.top, client.right, client.bottom};
    params.rgrc[1] = params.rgrc[0];
    return WVR_VALIDRECTS;
}

void cNCCalcSize::OnNcPaint(WPARAM wParam, LPARAM lParam) {
    if (!::IsWindowVisible(m_window)) {
        return;
    }
    if (MaximisedMdiChild()) {
        CallOldWindowProc(m_window, WM_NCPAINT, wParam, lParam);
        return;
    }
    const RECT bounds = WindowRect(m_window);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const WindowDc dc(m_window);
    INCAreaModifier* painter = nullptr;
    if (GetImplementation(painter)) {
        painter->NCPaint(dc.Get(), 0, 0, width, height);
    } else {
        DefaultNCPaint(dc.Get(), 0, 0, width, height);
    }
}

int cNCCalcSize::NCHitTest(Point screen) {
    INCAreaModifier* painter = nullptr;
    if (!GetImplementation(painter)) {
        return skin::hit::kNowhere;
    }
    const RECT bounds = WindowRect(m_window);
    const bool sizable = (::GetWindowLongPtrW(m_window, GWL_STYLE) & WS_THICKFRAME) != 0;
    const Point at = InWindow(screen);
    int code = skin::FrameHitTest(at, bounds.right - bounds.left, bounds.bottom - bounds.top, m_margins,
                                  sizable, ::GetSystemMetrics(SM_CYCAPTION));
    painter->HitTest(at.x, at.y, code);
    return code;
}

void cNCCalcSize::OnNcLButtonDown(WPARAM wParam, LPARAM lParam) {
    INCAreaModifier* painter = nullptr;
    if (GetImplementation(painter)) {
        const int code = NCHitTest(MousePoint(lParam));
        if (m_lastHitCode != skin::hit::kCaption) {
            const Point at = InWindow(MousePoint(lParam));
            const RECT bounds = WindowRect(m_window);
            bool handled = false;
            {
                const WindowDc dc(m_window);
                painter->NCMouseDown(at.x, at.y, handled, dc.Get(), 0, 0, bounds.right - bounds.left,
                                     bounds.bottom - bounds.top);
            }
            if (handled) {
                // Wherever the pointer goes from here, the painter hears when it leaves the frame.
                TRACKMOUSEEVENT track{sizeof track, TME_LEAVE | TME_NONCLIENT, m_window, 0};
                ::TrackMouseEvent(&track);
                return;
            }
        }
        wParam = static_cast<WPARAM>(code);
    }
    // The window's procedure gets the press as the frame sees it: on the caption it runs the system's
    // own move, which follows the logical button and knows Esc and the screen's edges.
    CallOldWindowProc(m_window, WM_NCLBUTTONDOWN, wParam, lParam);
    OnNcPaint(0, 0);
}

void cNCCalcSize::OnNcLButtonUp(LPARAM lParam) {
    INCAreaModifier* painter = nullptr;
    if (!GetImplementation(painter)) {
        return;
    }
    // The painter sees a press and a release at the same point: a caption button acts when the
    // pointer is let go over the button it went down on.
    const Point at = InWindow(MousePoint(lParam));
    const RECT bounds = WindowRect(m_window);
    const int width = bounds.right - bounds.left;
    const int height = bounds.bottom - bounds.top;
    const WindowDc dc(m_window);
    bool handled = false;
    painter->NCMouseDown(at.x, at.y, handled, dc.Get(), 0, 0, width, height);
    painter->NCMouseUp(at.x, at.y, dc.Get(), 0, 0, width, height);
}

void cNCCalcSize::HitTestAtCursor() {
    POINT cursor{};
    if (::GetCursorPos(&cursor)) {
        m_lastHitCode = NCHitTest({cursor.x, cursor.y});
    }
}

bool cNCCalcSize::MaximisedMdiChild() const {
    return m_mdiChild && ::IsZoomed(m_window);
}

Point cNCCalcSize::InWindow(Point screen) const {
    const RECT bounds = WindowRect(m_window);
    return {screen.x - bounds.left, screen.y - bounds.top};
}

void cNCCalcSize::DefaultNCPaint(HDC hdc, int lLeft, int lTop, int lRight, int lBottom) {
    const bool active = m_windowActive;
    const RECT whole{lLeft, lTop, lRight, lBottom};
    const int frameX = ::GetSystemMetrics(SM_CXFRAME);
    const int frameY = ::GetSystemMetrics(SM_CYFRAME);
    const int captionHeight = ::GetSystemMetrics(SM_CYCAPTION);

    // The sizing frame, round the client area.
    const HBRUSH border = ::GetSysColorBrush(active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
    const skin::Margins& m = m_margins;
    const RECT strips[] = {{lLeft, lTop, lRight, lTop + m.top},
                           {lLeft, lBottom - m.bottom, lRight, lBottom},
                           {lLeft, lTop, lLeft + m.left, lBottom},
                           {lRight - m.right, lTop, lRight, lBottom}};
    for (const RECT& strip : strips) {
        ::FillRect(hdc, &strip, border);
    }

    // The caption and whatever lies between it and the client area, composed off screen.
    const int captionWidth = std::max(0, lRight - lLeft - 2 * frameX);
    const int bandHeight = std::clamp(m.top - frameY, 0, 4 * captionHeight);
    if (!m_captionBuffer) {
        const ClientDc screen(nullptr);
        m_captionBuffer.emplace();
        m_captionBuffer->SelectBitmap(unique_hbitmap(
            ::CreateCompatibleBitmap(screen.Get(), ::GetSystemMetrics(SM_CXSCREEN), 4 * captionHeight)));
    }
    const HDC buffer = m_captionBuffer->Get();
    RECT caption{0, 0, captionWidth, captionHeight};
    ::DrawCaption(m_window, buffer, &caption, DC_TEXT | DC_ICON | (active ? DC_ACTIVE : 0));
    const RECT below{0, captionHeight, captionWidth, bandHeight};
    ::FillRect(buffer, &below, ::GetSysColorBrush(active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION));
    const int buttonWidth = ::GetSystemMetrics(SM_CXSIZE) - 2;
    const int buttonHeight = captionHeight - 4;
    const UINT buttons[] = {DFCS_CAPTIONCLOSE,
                            ::IsZoomed(m_window) ? UINT{DFCS_CAPTIONRESTORE} : UINT{DFCS_CAPTIONMAX},
                            DFCS_CAPTIONMIN};
    int right = captionWidth - 2;
    for (const UINT button : buttons) {
        RECT place{right - buttonWidth, 2, right, 2 + buttonHeight};
        ::DrawFrameControl(buffer, &place, DFC_CAPTION, button);
        right -= buttonWidth + (button == DFCS_CAPTIONCLOSE ? 2 : 0);
    }
    ::BitBlt(hdc, lLeft + frameX, lTop + frameY, captionWidth, bandHeight, buffer, 0, 0, SRCCOPY);

    RECT edge = whole;
    ::DrawEdge(hdc, &edge, EDGE_RAISED, BF_RECT);
}

}  // namespace orvell::win
