#pragma once

#include <cstdint>

namespace orvell::keyboard {

// The members of the system-wide hotkey watch that the program uses. Property writes may arrive while
// the watch is active and take effect for the next key press; Activate may be called ten times a
// second and keeps one watch. While suspended nothing is raised and the key reaches the focused
// window, whatever Activate does.
class HotkeyControl {
public:
    virtual ~HotkeyControl() = default;

    virtual void Activate() = 0;
    virtual void Deactivate() = 0;
    virtual void SetKeyCode(std::int32_t keyCode) = 0;  // a virtual-key code
    virtual void SetSuspended(bool suspended) = 0;
    virtual void SetShiftKey(bool on) = 0;
    virtual void SetCtrlKey(bool on) = 0;
    virtual void SetAltKey(bool on) = 0;
};

}  // namespace orvell::keyboard
