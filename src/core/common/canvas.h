#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

#include "common/colour.h"
#include "common/geometry.h"

namespace orvell {

enum class EdgeKind { RaisedInner, SunkenInner };

// Text placement flags, with the window system's values so the GDI side can pass them through.
namespace text_format {
inline constexpr unsigned kLeft = 0x0;
inline constexpr unsigned kCenter = 0x1;
inline constexpr unsigned kRight = 0x2;
inline constexpr unsigned kVCenter = 0x4;
inline constexpr unsigned kWordBreak = 0x10;
inline constexpr unsigned kSingleLine = 0x20;
}  // namespace text_format

// The drawing surface of the skinned parts. Coordinates are pixels; colours may be system colours,
// which the surface resolves. Semantics follow the window system's: a line leaves out its end point,
// fills and frames leave out the right and bottom edges.
class Canvas {
public:
    virtual ~Canvas() = default;

    virtual Colour Resolve(Colour colour) const = 0;

    virtual void Line(Point from, Point to, Colour colour) = 0;
    virtual void Fill(const Rect& rect, Colour colour) = 0;
    virtual void Frame(const Rect& rect, Colour colour) = 0;
    // An arc of the ellipse inscribed in bounds, counter-clockwise from the ray through start to the
    // ray through end.
    virtual void Arc(const Rect& bounds, Point start, Point end, Colour colour) = 0;
    virtual void Edge(const Rect& rect, EdgeKind kind) = 0;
    // Filled with the alternate rule. As with Fill, the right and bottom edges are left out: a pixel is
    // filled when its top-left corner lies inside, on a left or top edge included.
    virtual void Polygon(std::span<const Point> points, Colour colour) = 0;
    virtual void SetPixel(Point at, Colour colour) = 0;
    virtual Colour GetPixel(Point at) const = 0;
    // Transparent background; "&" marks the access key, as on buttons.
    virtual void Text(std::wstring_view text, const Rect& rect, unsigned format, Colour colour) = 0;
    // The height Text would take in rect with format, in the surface's font; word-wrapped text is
    // measured against the rectangle's width.
    virtual int TextHeight(std::wstring_view text, const Rect& rect, unsigned format) const = 0;
    // The dotted focus outline; drawn by inverting, so drawing it twice takes it away.
    virtual void FocusRect(const Rect& rect) = 0;

    // The pixels of a rectangle, row by row from the top; pixels off the surface read as black. The
    // picture effects work on these: grey, shadow and embossed copies of what was drawn.
    virtual std::vector<Colour> ReadPixels(const Rect& rect) const {
        std::vector<Colour> pixels;
        if (rect.Width() <= 0 || rect.Height() <= 0) {
            return pixels;
        }
        pixels.reserve(static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(rect.Height()));
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                pixels.push_back(GetPixel(Point{x, y}));
            }
        }
        return pixels;
    }
    // Puts pixels, in the order ReadPixels gives them, back into a rectangle; those off the surface
    // are dropped, and nothing is written when the count does not match the rectangle.
    virtual void WritePixels(const Rect& rect, std::span<const Colour> pixels) {
        if (rect.Width() <= 0 || rect.Height() <= 0 ||
            pixels.size() !=
                static_cast<std::size_t>(rect.Width()) * static_cast<std::size_t>(rect.Height())) {
            return;
        }
        std::size_t index = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                SetPixel(Point{x, y}, pixels[index++]);
            }
        }
    }
};

}  // namespace orvell
