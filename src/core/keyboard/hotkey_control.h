#pragma once

#include <cstdint>

namespace orvell::keyboard {

// A hotkey: the key and the modifiers that must be held with it.
struct Hotkey {
    std::int32_t keyCode = 0;  // a virtual-key code
    bool shift = false;
    bool ctrl = false;
    bool alt = false;

    bool operator==(const Hotkey&) const = default;
};

// The members of the system-wide hotkey watch that the program uses. The key and its modifiers are
// set together: the watch holds the key system-wide, and setting them one by one would hold each
// chord on the way for a moment. A new hotkey may arrive while the watch is active and takes effect
// for the next key press; Activate may be called ten times a second and keeps one watch. While
// suspended nothing is raised and the key reaches the focused window, whatever Activate does.
class HotkeyControl {
public:
    virtual ~HotkeyControl() = default;

    virtual void Activate() = 0;
    virtual void Deactivate() = 0;
    virtual void SetHotkey(const Hotkey& hotkey) = 0;
    virtual void SetSuspended(bool suspended) = 0;
};

}  // namespace orvell::keyboard
