#pragma once

namespace orvell {

struct Point {
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const Point&, const Point&) = default;
};

// Right and bottom are exclusive, as in the window system.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool Contains(Point p) const {
        return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
    }
    friend constexpr bool operator==(const Rect&, const Rect&) = default;
};

// Where a window of the given size stands centred on a screen. A window larger than the screen starts
// to the left of (above) its edge.
constexpr Point CentredOrigin(int screenWidth, int screenHeight, int windowWidth, int windowHeight) {
    return Point{(screenWidth - windowWidth) / 2, (screenHeight - windowHeight) / 2};
}

// Window and control geometry is kept in twips (1/1440 inch); the screen works in pixels.
// 15 twips make a pixel at 96 dots per inch; other DPIs scale, rounding to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dotsPerInch) {
    const long long scaled = static_cast<long long>(twips) * dotsPerInch;
    return static_cast<int>(scaled >= 0 ? (scaled + 720) / 1440 : -((-scaled + 720) / 1440));
}

}  // namespace orvell
