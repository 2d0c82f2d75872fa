#pragma once

#include <cstdint>

namespace orvell {

// A colour as the program stores it: 0x00BBGGRR, red in the low byte. With the top bit set the value
// names a system colour by index (0x8000000F is the button face) and is resolved before drawing.
class Colour {
public:
    static constexpr std::uint32_t kSystemBit = 0x80000000u;

    constexpr Colour() = default;
    constexpr explicit Colour(std::uint32_t value) : m_value(value) {}

    static constexpr Colour Rgb(int red, int green, int blue) {
        return Colour(
            static_cast<std::uint32_t>((red & 0xFF) | ((green & 0xFF) << 8) | ((blue & 0xFF) << 16)));
    }
    static constexpr Colour System(int index) {
        return Colour(kSystemBit | static_cast<std::uint32_t>(index));
    }

    constexpr std::uint32_t Value() const { return m_value; }
    constexpr bool IsSystem() const { return (m_value & kSystemBit) != 0; }
    constexpr int SystemIndex() const { return static_cast<int>(m_value & 0xFFu); }
    constexpr int Red() const { return static_cast<int>(m_value & 0xFFu); }
    constexpr int Green() const { return static_cast<int>((m_value >> 8) & 0xFFu); }
    constexpr int Blue() const { return static_cast<int>((m_value >> 16) & 0xFFu); }

    friend constexpr bool operator==(Colour, Colour) = default;

private:
    std::uint32_t m_value = 0;
};

namespace system_colour {
inline constexpr int kButtonFace = 15;
inline constexpr int kButtonShadow = 16;
inline constexpr int kGrayText = 17;
inline constexpr int kButtonText = 18;
}  // namespace system_colour

}  // namespace orvell
