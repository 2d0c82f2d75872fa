#pragma once

#include <array>

namespace orvell::skin {

// The sizes the drawn pictures come in, in percent of their 96-dpi size.
inline constexpr std::array<int, 4> kArtScales{100, 125, 150, 200};

// The pictures for a DPI: the smallest size at or above it, so a picture is drawn at its own size or
// a little larger than the DPI asks, never stretched up from a smaller one. Past the largest size the
// largest is drawn as it is.
constexpr int ArtScaleFor(int dpi) {
    for (const int scale : kArtScales) {
        if (dpi * 100 <= scale * 96) {
            return scale;
        }
    }
    return kArtScales.back();
}

// A length of the 96-dpi art at a scale, rounded half up as the picture scripts round it.
constexpr int ScaledArt(int pixels, int scale) {
    return (pixels * scale + 50) / 100;
}

}  // namespace orvell::skin
