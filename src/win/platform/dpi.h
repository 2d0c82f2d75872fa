#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/geometry.h"

namespace orvell::win {

// Dots per inch of the two screen axes.
struct Dpi {
    int x = 96;
    int y = 96;
    friend constexpr bool operator==(const Dpi&, const Dpi&) = default;
};

// The screen's real DPI. The program declares itself DPI aware, so this is what the display is set to,
// not the 96 that Windows reports to unaware programs.
Dpi ScreenDpi();
// The DPI of the monitor a window is on, where the system tells each window its own (Windows 10 from
// 1607, for a program aware of each monitor's DPI); else the screen's. The one place a window asks.
Dpi WindowDpi(HWND window);

// The resource name of a picture drawn at a size (skin::kArtScales): the 96-dpi picture's own name,
// and for the larger sizes that name with "_125", "_150" or "_200" after it.
std::wstring ArtResourceName(std::wstring_view name, int artScale);

// Converts the twips of the window and control layouts to pixels at a given DPI.
class TwipsScale {
public:
    explicit constexpr TwipsScale(Dpi dpi) : m_dpi(dpi) {}
    // At the screen's DPI; read once, so a window lays itself out with one scale.
    static TwipsScale ForScreen() { return TwipsScale(ScreenDpi()); }

    constexpr Dpi GetDpi() const { return m_dpi; }
    constexpr int X(int twips) const { return TwipsToPixels(twips, m_dpi.x); }
    constexpr int Y(int twips) const { return TwipsToPixels(twips, m_dpi.y); }
    // Layout geometry comes as left, top, width and height in twips. Each is converted on its own, so
    // a control keeps its designed pixel size wherever it stands.
    constexpr Rect Bounds(int left, int top, int width, int height) const {
        const int x = X(left);
        const int y = Y(top);
        return Rect{x, y, x + X(width), y + Y(height)};
    }

private:
    Dpi m_dpi;
};

}  // namespace orvell::win
