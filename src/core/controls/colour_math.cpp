#include "controls/colour_math.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace orvell::controls {

Colour Shade(Colour colour, int d) {
    const std::uint32_t value = colour.Value();
    int red = static_cast<int>(value & 0xFFu) + d;
    int green = static_cast<int>((value >> 8) & 0xFFu) + d;
    const int blueIn = static_cast<int>((value >> 16) & 0xFFu);
    // C++ division truncates toward zero, as the rule asks.
    int blue = blueIn + blueIn * d / 192;
    if (d >= 1) {
        red = std::min(red, 255);
        green = std::min(green, 255);
        blue = std::min(blue, 255);
    } else if (d < 0) {
        red = std::max(red, 0);
        green = std::max(green, 0);
        blue = std::max(blue, 0);
    }
    return Colour::Rgb(red, green, blue);
}

namespace {

int SmoothComponent(int x) {
    return (x + 76) - 19 * ((x + 32) / 64);
}

}  // namespace

Colour SmoothColour(Colour colour) {
    return Colour::Rgb(SmoothComponent(colour.Red()), SmoothComponent(colour.Green()),
                       SmoothComponent(colour.Blue()));
}

int RoundHalfEven(double value) {
    if (!(value > static_cast<double>(INT_MIN)) || !(value < static_cast<double>(INT_MAX))) {
        return std::isnan(value) ? 0 : (value < 0 ? INT_MIN : INT_MAX);
    }
    const double lower = std::floor(value);
    const double fraction = value - lower;
    double rounded = lower;
    if (fraction > 0.5) {
        rounded = lower + 1;
    } else if (fraction == 0.5) {
        rounded = std::fmod(lower, 2.0) == 0 ? lower : lower + 1;
    }
    return static_cast<int>(rounded);
}

int FloorDiv(int numerator, int denominator) {
    const int quotient = numerator / denominator;
    const bool inexact = quotient * denominator != numerator;
    return (inexact && ((numerator < 0) != (denominator < 0))) ? quotient - 1 : quotient;
}

int FloorToInt(double value) {
    if (std::isnan(value)) {
        return 0;
    }
    const double lower = std::floor(value);
    if (lower <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    if (lower >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    return static_cast<int>(lower);
}

int GreyLevel(Colour colour) {
    const double red = RoundHalfEven(0.3 * colour.Red());
    return RoundHalfEven(red + 0.59 * colour.Green() + 0.11 * colour.Blue());
}

}  // namespace orvell::controls
