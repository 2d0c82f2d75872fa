#include "platform/window.h"

#include <commctrl.h>

namespace orvell::win {

namespace {

HINSTANCE ThisModule() {
    return ::GetModuleHandleW(nullptr);
}

}  // namespace

Window::~Window() {
    if (m_window != nullptr) {
        // The derived part is gone already: the messages of the teardown go to the system's procedure.
        ::SetWindowLongPtrW(m_window, GWLP_USERDATA, 0);
        ::DestroyWindow(m_window);
    }
}

bool Window::Create(const WindowClass& windowClass, const WindowCreation& creation) {
    if (m_window != nullptr || windowClass.name == nullptr) {
        ::SetLastError(ERROR_INVALID_PARAMETER);
        return false;
    }
    const HINSTANCE instance = ThisModule();
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(instance, windowClass.name, &existing) != 0) {
        if (existing.lpfnWndProc != &Window::WindowProc) {
            ::SetLastError(ERROR_CLASS_ALREADY_EXISTS);
            return false;
        }
    } else {
        WNDCLASSEXW registration{};
        registration.cbSize = sizeof registration;
        registration.style = windowClass.style;
        registration.lpfnWndProc = &Window::WindowProc;
        registration.hInstance = instance;
        registration.hIcon = windowClass.icon;
        registration.hIconSm = windowClass.smallIcon;
        registration.hCursor =
            windowClass.cursor != nullptr ? windowClass.cursor : ::LoadCursorW(nullptr, IDC_ARROW);
        registration.hbrBackground = windowClass.background;
        registration.lpszClassName = windowClass.name;
        if (::RegisterClassExW(&registration) == 0) {
            return false;
        }
    }
    const HWND window = ::CreateWindowExW(creation.exStyle, windowClass.name, creation.title, creation.style,
                                          creation.x, creation.y, creation.width, creation.height,
                                          creation.parent, creation.menu, instance, this);
    return window != nullptr;
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(m_window, message, wParam, lParam);
}

LRESULT CALLBACK Window::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        // A top-level window gets WM_GETMINMAXINFO before this; it goes to the system's procedure.
        self = static_cast<Window*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        if (self != nullptr) {
            self->m_window = window;
            ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        }
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (self == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->m_window = nullptr;
    }
    return result;
}

WindowCreation ChildCreation(HWND parent, int id, const Rect& bounds, const wchar_t* title, DWORD style) {
    WindowCreation creation;
    creation.title = title;
    creation.style = style | WS_CHILD;
    creation.x = bounds.left;
    creation.y = bounds.top;
    creation.width = bounds.Width();
    creation.height = bounds.Height();
    creation.parent = parent;
    creation.menu = reinterpret_cast<HMENU>(static_cast<INT_PTR>(id));
    return creation;
}

Point CentredOnScreen(int width, int height) {
    return CentredOrigin(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), width, height);
}

HWND CreateTooltip(HWND owner) {
    const INITCOMMONCONTROLSEX classes{sizeof classes, ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&classes);
    return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             ThisModule(), nullptr);
}

HWND CreateChild(HWND parent, const wchar_t* className, std::wstring_view text, DWORD style, int id,
                 const Rect& bounds, DWORD exStyle) {
    const std::wstring caption(text);
    return ::CreateWindowExW(exStyle, className, caption.c_str(), style | WS_CHILD, bounds.left, bounds.top,
                             bounds.Width(), bounds.Height(), parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ThisModule(), nullptr);
}

std::wstring GetText(HWND window) {
    // The length may be overstated, never understated; the copy says how much there was.
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) {
        return {};
    }
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
    return text;
}

bool SetText(HWND window, std::wstring_view text) {
    const std::wstring terminated(text);
    return ::SetWindowTextW(window, terminated.c_str()) != 0;
}

RepaintOnce::RepaintOnce(HWND window) : m_window(::IsWindowVisible(window) ? window : nullptr) {
    if (m_window != nullptr) {
        ::SendMessageW(m_window, WM_SETREDRAW, FALSE, 0);
    }
}

RepaintOnce::~RepaintOnce() {
    if (m_window != nullptr) {
        ::SendMessageW(m_window, WM_SETREDRAW, TRUE, 0);
        ::RedrawWindow(m_window, nullptr, nullptr,
                       RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
}

}  // namespace orvell::win
