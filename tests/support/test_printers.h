#pragma once

#include <ostream>

#include "common/colour.h"
#include "common/geometry.h"

namespace orvell {

// Readable failure messages for the core's value types.
inline void PrintTo(const Point& point, std::ostream* out) {
    *out << "(" << point.x << ", " << point.y << ")";
}
inline void PrintTo(const Rect& rect, std::ostream* out) {
    *out << "(" << rect.left << ", " << rect.top << ", " << rect.right << ", " << rect.bottom << ")";
}
inline void PrintTo(const Colour& colour, std::ostream* out) {
    *out << "0x" << std::hex << colour.Value() << std::dec;
}

}  // namespace orvell
