#pragma once

#include <windows.h>

#include <functional>

#include "platform/window.h"

namespace orvell::win {

// A top-level window shown modal over its owner, as the program's secondary windows are. The owner is
// disabled from the opening to the closing, whichever way the window closes (its close button, Alt+F4,
// Esc where the window offers it, the owner going away), and enabled again before the window goes, so
// the activation returns to it. The closing handler runs once per opening, with the window's last
// message; it must not destroy this object. The object can open its window again after a closing.
class ModalWindow : public Window {
public:
    // A window still open when its object goes is closed first, the owner enabled, the handler run.
    ~ModalWindow() override;

    void SetOnClosed(std::function<void()> onClosed) { m_onClosed = std::move(onClosed); }
    bool IsOpen() const noexcept { return Handle() != nullptr; }
    // A second request to open the window: the open one comes to the front instead, or the modal
    // window open over it.
    void BringToFront() const;
    // Closes the window the way its own close button does.
    void Close() const;

protected:
    ModalWindow() = default;

    // Creates the window owned by owner, disables the owner and shows the window active. On failure
    // the owner stays enabled and the closing handler does not run.
    bool OpenModal(HWND owner, const WindowClass& windowClass, WindowCreation creation);

    // Derived windows pass what they do not handle here.
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void EnableOwner();

    HWND m_owner = nullptr;
    bool m_ownerDisabled = false;
    std::function<void()> m_onClosed;
};

}  // namespace orvell::win
