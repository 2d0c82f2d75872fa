#pragma once

#include <windows.h>

#include <functional>

#include "platform/window.h"

namespace orvell::win {

// A top-level window shown modal, as the program's secondary windows are. The program's modal
// windows and message boxes form one chain over the window that opened the first: each opens over the
// one on top (whatever window asked for it), is owned by it and blocks it, so nothing under the top
// one takes input, the main window included, until the windows over it have closed.
//
// The owner is disabled from the opening to the closing, whichever way the window closes (its close
// button, Alt+F4, Esc where the window offers it, the owner going away), and enabled again before the
// window goes, so the activation returns to it; but not while another window of the chain that it owns
// is still open. The closing handler runs once per opening, with the window's last message; it must
// not destroy this object. The object can open its window again after a closing.
class ModalWindow : public Window {
public:
    // A window still open when its object goes is closed first, the owner enabled, the handler run.
    ~ModalWindow() override;

    void SetOnClosed(std::function<void()> onClosed) { m_onClosed = std::move(onClosed); }
    bool IsOpen() const noexcept { return Handle() != nullptr; }
    // A second request to open the window: the open one comes to the front instead, or the window
    // on top of the chain over it.
    void BringToFront() const;
    // Closes the window the way its own close button does.
    void Close() const;

protected:
    ModalWindow() = default;

    // Creates the window over the top of the chain that starts at opener (see TopModalWindow), disables
    // that window and shows the new one active. On failure the owner stays enabled and the closing
    // handler does not run.
    bool OpenModal(HWND opener, const WindowClass& windowClass, WindowCreation creation);

    // Derived windows pass what they do not handle here.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void EnableOwner();

    HWND m_owner = nullptr;
    bool m_ownerDisabled = false;
    std::function<void()> m_onClosed;
};

// Where a new modal window or message box of the program goes: window itself, or the top of the
// modal windows and message boxes open over it, each owned by the one before.
HWND TopModalWindow(HWND window);

}  // namespace orvell::win
