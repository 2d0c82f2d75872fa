#include "app/hotkey_watch.h"

#include <utility>

namespace orvell::win {

HotkeyWatch::HotkeyWatch(std::function<void()> onHotkeyPressed, RegisterFunction registerKey)
    : m_onHotkeyPressed(std::move(onHotkeyPressed)), m_registerKey(registerKey) {
    WindowClass windowClass;
    windowClass.name = L"OrvellHotkeyWatch";
    windowClass.style = 0;
    windowClass.background = nullptr;
    WindowCreation creation;
    creation.style = 0;
    creation.x = 0;
    creation.y = 0;
    creation.width = 0;
    creation.height = 0;
    creation.parent = HWND_MESSAGE;
    // Without a window there is nothing to register for: every registration then fails quietly.
    Create(windowClass, creation);
}

HotkeyWatch::~HotkeyWatch() {
    Unregister();
}

void HotkeyWatch::Activate() {
    m_active = true;
    Update();
}

void HotkeyWatch::Deactivate() {
    m_active = false;
    Update();
}

void HotkeyWatch::SetHotkey(const keyboard::Hotkey& hotkey) {
    m_hotkey = hotkey;
    Update();
}

void HotkeyWatch::SetSuspended(bool suspended) {
    m_suspended = suspended;
    Update();
}

UINT HotkeyWatch::Modifiers() const noexcept {
    // Holding the key down must not toggle the main window back and forth.
    UINT modifiers = MOD_NOREPEAT;
    if (m_hotkey.shift) {
        modifiers |= MOD_SHIFT;
    }
    if (m_hotkey.ctrl) {
        modifiers |= MOD_CONTROL;
    }
    if (m_hotkey.alt) {
        modifiers |= MOD_ALT;
    }
    return modifiers;
}

void HotkeyWatch::Update() {
    // A stored value that names no key (0, or past the last virtual-key code) registers nothing.
    const bool wanted = m_active && !m_suspended && m_hotkey.keyCode > 0 && m_hotkey.keyCode <= VK_OEM_CLEAR;
    const UINT modifiers = Modifiers();
    if (m_registered &&
        (!wanted || m_registeredKeyCode != m_hotkey.keyCode || m_registeredModifiers != modifiers)) {
        Unregister();
    }
    if (wanted && !m_registered && Handle() != nullptr &&
        m_registerKey(Handle(), kHotkeyId, modifiers, static_cast<UINT>(m_hotkey.keyCode)) != 0) {
        m_registered = true;
        m_registeredKeyCode = m_hotkey.keyCode;
        m_registeredModifiers = modifiers;
    }
}

void HotkeyWatch::Unregister() {
    if (m_registered) {
        ::UnregisterHotKey(Handle(), kHotkeyId);
        m_registered = false;
    }
}

LRESULT HotkeyWatch::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // A press queued before the watch was suspended or deactivated is dropped with the registration.
    if (message == WM_HOTKEY && static_cast<int>(wParam) == kHotkeyId && m_registered) {
        if (m_onHotkeyPressed) {
            m_onHotkeyPressed();
        }
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace orvell::win
