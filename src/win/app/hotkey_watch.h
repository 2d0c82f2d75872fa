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
    // How a key is registered with the window system; tests look at each registration on its way.
    using RegisterFunction = BOOL(WINAPI*)(HWND window, int id, UINT modifiers, UINT key);

    explicit HotkeyWatch(std::function<void()> onHotkeyPressed,
                         RegisterFunction registerKey = &::RegisterHotKey);
    ~HotkeyWatch() override;

    void Activate() override;
    void Deactivate() override;
    void SetHotkey(const keyboard::Hotkey& hotkey) override;
    void SetSuspended(bool suspended) override;

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
    RegisterFunction m_registerKey;
    keyboard::Hotkey m_hotkey;
    bool m_active = false;
    bool m_suspended = false;

    bool m_registered = false;
    std::int32_t m_registeredKeyCode = 0;
    UINT m_registeredModifiers = 0;
};

}  // namespace orvell::win
