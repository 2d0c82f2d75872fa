#include "windows/info_keys.h"

#include <commctrl.h>

#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

bool Held(int key) {
    return ::GetKeyState(key) < 0;
}

bool IsClass(HWND control, const wchar_t* className) {
    wchar_t name[16] = {};
    ::GetClassNameW(control, name, 16);
    return ::lstrcmpiW(name, className) == 0;
}

}  // namespace

void InfoKeys::Adopt(HWND control) {
    ::SetWindowSubclass(control, &InfoKeys::ControlProc, 0, reinterpret_cast<DWORD_PTR>(this));
}

void InfoKeys::RestoreFocus(HWND window, HWND first) const {
    const bool usable = m_lastFocus != nullptr && ::IsChild(window, m_lastFocus) &&
                        ::IsWindowVisible(m_lastFocus) && ::IsWindowEnabled(m_lastFocus);
    ::SetFocus(usable ? m_lastFocus : first);
}

LRESULT CALLBACK InfoKeys::ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self) {
    auto* keys = reinterpret_cast<InfoKeys*>(self);
    switch (message) {
        case WM_NCDESTROY:
            ::RemoveWindowSubclass(control, &InfoKeys::ControlProc, id);
            break;
        case WM_SETFOCUS:
            keys->m_lastFocus = control;
            [[fallthrough]];
        case WM_KILLFOCUS:
            if (IsClass(control, L"Static")) {
                ::InvalidateRect(control, nullptr, TRUE);
            }
            break;
        case WM_PAINT:
            if (::GetFocus() == control && IsClass(control, L"Static")) {
                // A label has no focus look of its own: the usual dotted frame shows where Enter acts.
                const LRESULT result = ::DefSubclassProc(control, message, wParam, lParam);
                RECT client{};
                ::GetClientRect(control, &client);
                const ClientDc dc(control);
                ::DrawFocusRect(dc.Get(), &client);
                return result;
            }
            break;
        case WM_KEYDOWN:
        case WM_SYSKEYDOWN:
        case WM_CHAR:
        case WM_SYSCHAR:
            if (keys->OnKey(control, message, wParam)) {
                return 0;
            }
            break;
        default:
            break;
    }
    return ::DefSubclassProc(control, message, wParam, lParam);
}

bool InfoKeys::OnKey(HWND control, UINT message, WPARAM key) {
    if (OnOwnKey(control, message, key)) {
        return true;
    }
    const HWND window = ::GetAncestor(control, GA_ROOT);
    if (message == WM_CHAR) {
        // The characters of the keys used below would only beep.
        return key == L'\t' || key == L'\r' || key == 0x1B;
    }
    if (message == WM_SYSCHAR) {
        const HWND button = ButtonFor(static_cast<wchar_t>(key));
        if (button != nullptr && ::IsWindowEnabled(button)) {
            ::SendMessageW(button, BM_CLICK, 0, 0);
        }
        return button != nullptr;
    }
    if (message != WM_KEYDOWN) {
        return false;
    }
    switch (key) {
        case VK_ESCAPE:
            // Posted: the control finishes with its key before the window goes.
            ::PostMessageW(window, WM_CLOSE, 0, 0);
            return true;
        case VK_TAB:
            if (Held(VK_CONTROL) || Held(VK_MENU)) {
                return false;
            }
            if (const HWND next = ::GetNextDlgTabItem(window, control, Held(VK_SHIFT))) {
                ::SetFocus(next);
            }
            return true;
        case VK_RETURN:
            if (!IsClass(control, L"Button")) {
                return false;
            }
            ::SendMessageW(control, BM_CLICK, 0, 0);
            return true;
        default:
            return false;
    }
}

}  // namespace orvell::win
