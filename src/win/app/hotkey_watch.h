#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>

#include "keyboard/hotkey_control.h"
#include "platform/window.h"

namespace orvell::win {

// The system-wide hotkey, as a key registered with the window system for a message-only window of its
// own. It is registered while the watch is active and not suspended; while suspended the key is left
// to the focused window, so the key-code test can show it. A key that another program holds is
// retried at every Activate and never raises an error. The event runs on the thread that made the
// watch, from its message loop.
class HotkeyWatch final : public keyboard::HotkeyControl, private Window {
public:
    explicit HotkeyWatch(std::function<void()> onHotkeyPressed);
    ~HotkeyWatch() override;

    void Activate() override;
    void Deactivate() override;
    void SetKeyCode(std::int32_t keyCode) override;
    void SetSuspended(bool suspended) override;
    void SetShiftKey(bool on) override;
    void SetCtrlKey(bool on) override;
    void SetAltKey(bool on) override;

    // Whether the window system holds the key for us now.
    bool IsRegistered() const noexcept { return m_registered; }
    // The window that receives WM_HOTKEY, and the id the key is registered under.
    using Window::Handle;
    static constexpr int kHotkeyId = 1;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    UINT Modifiers() const noexcept;
    // Brings the registration in line with the wanted state.
    void Update();
    void Unregister();

    std::function<void()> m_onHotkeyPressed;
    std::int32_t m_keyCode = 0;
    bool m_shift = false;
    bool m_ctrl = false;
    bool m_alt = false;
    bool m_active = false;
    bool m_suspended = false;

    bool m_registered = false;
    std::int32_t m_registeredKeyCode = 0;
    UINT m_registeredModifiers = 0;
};

}  // namespace orvell::win
