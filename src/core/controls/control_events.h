#pragma once

#include <cstdint>

namespace orvell::controls {

// The events the drawn controls (the XP button and check box) raise alike. Parameters are references:
// a handler may change them, and the control goes on with the changed values. The default handlers
// do nothing.
class ControlEvents {
public:
    virtual ~ControlEvents() = default;

    virtual void Click() {}
    virtual void KeyDown(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void KeyPress(std::int16_t& /*keyAscii*/) {}
    virtual void KeyUp(std::int16_t& /*keyCode*/, std::int16_t& /*shift*/) {}
    virtual void MouseOut() {}
    virtual void MouseDown(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/, float& /*y*/) {}
    virtual void MouseMove(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/, float& /*y*/) {}
    virtual void MouseUp(std::int16_t& /*button*/, std::int16_t& /*shift*/, float& /*x*/, float& /*y*/) {}
};

// Mouse buttons and modifier bits of the events.
inline constexpr std::int16_t kLeftButton = 1;
inline constexpr std::int16_t kRightButton = 2;
inline constexpr std::int16_t kMiddleButton = 4;
inline constexpr std::int16_t kShiftBit = 1;
inline constexpr std::int16_t kCtrlBit = 2;
inline constexpr std::int16_t kAltBit = 4;

}  // namespace orvell::controls
