#include "platform/modal_window.h"

namespace orvell::win {

namespace {

// Marks an open modal window of the program, so the chain can tell it from other owned windows by its
// handle alone.
constexpr wchar_t kModalProperty[] = L"OrvellModalWindow";

bool IsMessageBox(HWND window) {
    wchar_t name[8] = {};
    ::GetClassNameW(window, name, 8);
    return ::lstrcmpW(name, L"#32770") == 0;
}

bool IsOurModalWindow(HWND window) {
    return ::GetPropW(window, kModalProperty) != nullptr;
}

// A window of the chain that owner owns, other than except; null when there is none. Tooltips and
// menus are owned windows too, but no part of the chain.
HWND OwnedChainWindow(HWND owner, HWND except) {
    struct Search {
        HWND owner;
        HWND except;
        HWND found;
    } search{owner, except, nullptr};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM data) {
            auto* s = reinterpret_cast<Search*>(data);
            if (window != s->except && ::GetWindow(window, GW_OWNER) == s->owner &&
                ::IsWindowVisible(window) && (IsOurModalWindow(window) || IsMessageBox(window))) {
                s->found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace

HWND TopModalWindow(HWND window) {
    HWND top = window;
    while (top != nullptr) {
        const HWND next = OwnedChainWindow(top, nullptr);
        if (next == nullptr) {
            break;
        }
        top = next;
    }
    return top;
}

ModalWindow::~ModalWindow() {
    if (Handle() != nullptr) {
        ::DestroyWindow(Handle());  // the derived part is gone: only this class's handling runs
    }
}

void ModalWindow::BringToFront() const {
    if (Handle() == nullptr) {
        return;
    }
    if (::IsIconic(Handle())) {
        ::ShowWindow(Handle(), SW_RESTORE);
    }
    // Under a window of the chain the window takes no keys: the one on top comes forward instead.
    ::SetForegroundWindow(TopModalWindow(Handle()));
}

void ModalWindow::Close() const {
    if (Handle() != nullptr) {
        ::SendMessageW(Handle(), WM_CLOSE, 0, 0);
    }
}

bool ModalWindow::OpenModal(HWND opener, const WindowClass& windowClass, WindowCreation creation) {
    const HWND owner = TopModalWindow(opener);
    creation.parent = owner;
    creation.style &= ~static_cast<DWORD>(WS_CHILD);
    if (!Create(windowClass, creation)) {
        return false;
    }
    ::SetPropW(Handle(), kModalProperty, reinterpret_cast<HANDLE>(1));
    m_owner = owner;
    m_ownerDisabled = owner != nullptr && ::IsWindowEnabled(owner);
    if (m_ownerDisabled) {
        ::EnableWindow(owner, FALSE);
    }
    ::ShowWindow(Handle(), SW_SHOW);
    ::SetForegroundWindow(Handle());
    return true;
}

void ModalWindow::EnableOwner() {
    if (!m_ownerDisabled) {
        return;
    }
    m_ownerDisabled = false;
    // Another window of the chain over the same owner (a message box that other code opened over it)
    // keeps it blocked; that one gives it back when it closes.
    if (OwnedChainWindow(m_owner, Handle()) == nullptr) {
        ::EnableWindow(m_owner, TRUE);
    }
}

LRESULT ModalWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            // Before the window goes, or the system hands the activation to some other program.
            EnableOwner();
            ::DestroyWindow(Handle());
            return 0;
        case WM_DESTROY:
            EnableOwner();
            break;
        case WM_NCDESTROY: {
            ::RemovePropW(Handle(), kModalProperty);
            const LRESULT result = Window::HandleMessage(message, wParam, lParam);
            if (m_onClosed) {
                m_onClosed();
            }
            return result;
        }
        default:
            break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace orvell::win
