#include "skin/toolbar_menu.h"

#include "skin/menu_bar.h"

namespace orvell::win {

namespace {
Point ToPoint(POINT p) {
    return Point{p.x, p.y};
}

Point CursorPoint() {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    return ToPoint(cursor);
}

// The filter hook stays installed exactly while one popup is open, whatever ends it.
class MenuFilterScope {
public:
    explicit MenuFilterScope(IMenuTracker* tracker) { InstallMenuFilter(tracker); }
    ~MenuFilterScope() { RemoveMenuFilter(); }
    MenuFilterScope(const MenuFilterScope&) = delete;
    MenuFilterScope& operator=(const MenuFilterScope&) = delete;
};
}  // namespace

cToolbarMenu::~cToolbarMenu() {
    Detach();
}

void cToolbarMenu::Attach(HWND window, cMenuBar* owner) {
    Detach();
    AttachMessage(this, window, WM_MENUSELECT);
    m_window = window;
    m_owner = owner;
}

void cToolbarMenu::Detach() noexcept {
    if (m_window != nullptr) {
        DetachMessage(this, m_window, WM_MENUSELECT);
    }
    m_window = nullptr;
    m_owner = nullptr;
}

bool cToolbarMenu::HasPopup(int i) const {
    return m_owner != nullptr && m_owner->ItemPopup(i) != nullptr;
}

BOOL cToolbarMenu::TrackPopups(int item) {
    if (m_owner == nullptr || !m_tracking.Begin(item)) {
        return FALSE;
    }
    BOOL result = FALSE;
    for (int cur; (cur = m_tracking.OpenNext(CursorPoint())) >= 0; m_tracking.Closed()) {
        m_owner->SetDownItem(cur, true);
        m_owner->SetOverItem(cur);
        if (const HMENU popup = m_owner->ItemPopup(cur)) {
            const MenuFilterScope filter(this);
            TPMPARAMS exclude{sizeof(TPMPARAMS), m_owner->ItemScreenRect(cur)};
            m_rootPopup = popup;
            result = ::TrackPopupMenuEx(popup, TPM_VERTICAL, exclude.rcExclude.left, exclude.rcExclude.bottom,
                                        m_window, &exclude);
        }
        // A handler run inside the popup may have detached the bar.
        if (m_owner == nullptr) {
            break;
        }
        m_owner->SetDownItem(cur, false);
        m_owner->SetOverItem(-1);
    }
    m_rootPopup = nullptr;
    m_tracking.End();
    return result;
}

bool cToolbarMenu::MenuInput(const MSG& message) {
    if (m_owner == nullptr || !m_tracking.PopupOpen()) {
        return false;
    }
    skin::MenuLoopInput input;
    input.point = ToPoint(message.pt);
    switch (message.message) {
        case WM_KEYDOWN:
            input.kind = skin::MenuLoopInput::Kind::KeyDown;
            input.key = static_cast<int>(message.wParam);
            break;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
            input.kind = message.message == WM_MOUSEMOVE ? skin::MenuLoopInput::Kind::MouseMove
                                                         : skin::MenuLoopInput::Kind::LeftButtonDown;
            input.itemAtPoint = m_owner->ItemFromPoint(message.pt);
            break;
        default:
            return false;
    }
    const skin::PopupTracking::Decision decision =
        m_tracking.MenuInput(input, m_owner->ItemCount(), [this](int item) { return HasPopup(item); });
    if (decision.closePopup) {
        ::PostMessageW(m_window, WM_CANCELMODE, 0, 0);
    }
    return decision.consumed;
}

LRESULT cToolbarMenu::WindowProc(HWND, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    if (iMsg == WM_MENUSELECT) {
        const auto menu = reinterpret_cast<HMENU>(lParam);
        m_tracking.MenuSelect(HIWORD(wParam), menu != nullptr, menu != nullptr && menu == m_rootPopup);
    }
    return 0;
}

}  // namespace orvell::win
