#include "platform/modal_window.h"

namespace orvell::win {

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
    // Under a modal window of its own the window takes no keys: the one on top comes forward instead.
    HWND front = Handle();
    if (!::IsWindowEnabled(front)) {
        const HWND top = ::GetLastActivePopup(::GetAncestor(front, GA_ROOTOWNER));
        if (top != nullptr && ::IsWindowEnabled(top)) {
            front = top;
        }
    }
    ::SetForegroundWindow(front);
}

void ModalWindow::Close() const {
    if (Handle() != nullptr) {
        ::SendMessageW(Handle(), WM_CLOSE, 0, 0);
    }
}

bool ModalWindow::OpenModal(HWND owner, const WindowClass& windowClass, WindowCreation creation) {
    creation.parent = owner;
    creation.style &= ~static_cast<DWORD>(WS_CHILD);
    if (!Create(windowClass, creation)) {
        return false;
    }
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
    if (m_ownerDisabled) {
        m_ownerDisabled = false;
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
