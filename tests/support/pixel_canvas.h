#pragma once

#include <algorithm>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "common/canvas.h"
#include "controls/font_description.h"
#include "support/test_printers.h"  // how failures print the core's value types, on both sides

namespace orvell {

// The pixels of a width x height surface that satisfy a rule, row by row.
inline std::vector<Point> Where(int width, int height, const std::function<bool(int, int)>& rule) {
    std::vector<Point> points;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (rule(x, y)) {
                points.push_back(Point{x, y});
            }
        }
    }
    return points;
}

namespace controls::test {

// What the controls' test surfaces start with, and the font of the host they are placed on.
inline constexpr Colour kPaper = Colour::Rgb(1, 2, 3);
inline const FontDescription kHostFont{L"宋体", 9.0f, false, false, false, false};

// A drawing surface of plain pixels with the window system's rules: lines leave out their end point,
// fills and frames their right column and bottom row, polygons fill a pixel whose top-left corner is
// inside. Arcs, edges, texts and focus rectangles are recorded rather than rasterised (the Windows
// tests check GDI's own pixels for those). Text measures 12 pixels a line, 6 a character.
class PixelCanvas final : public Canvas {
public:
    static constexpr int kLineHeight = 12;
    static constexpr int kCharWidth = 6;
    static constexpr Colour kButtonFace = Colour::Rgb(236, 233, 216);

    struct ArcCall {
        Rect bounds;
        Point start;
        Point end;
        Colour colour;
        friend bool operator==(const ArcCall&, const ArcCall&) = default;
    };
    struct EdgeCall {
        Rect rect;
        EdgeKind kind;
        friend bool operator==(const EdgeCall&, const EdgeCall&) = default;
    };
    struct TextCall {
        std::wstring text;
        Rect rect;
        unsigned format;
        Colour colour;
        friend bool operator==(const TextCall&, const TextCall&) = default;
    };

    PixelCanvas(int width, int height, Colour paper, Colour buttonFace = kButtonFace)
        : m_width(width),
          m_height(height),
          m_buttonFace(buttonFace),
          m_pixels(static_cast<std::size_t>(width * height), paper),
          m_touched(m_pixels.size(), false) {}

    int Width() const { return m_width; }
    int Height() const { return m_height; }
    Colour At(int x, int y) const { return m_pixels[Index(x, y)]; }
    bool Touched(int x, int y) const { return m_touched[Index(x, y)]; }
    // Whether the last finished drawing painted a pixel.
    bool DrawnLastTime(int x, int y) const { return !m_lastFrame.empty() && m_lastFrame[Index(x, y)]; }
    // A drawing is finished: what it painted is kept for DrawnLastTime.
    void EndFrame() {
        m_lastFrame = m_touched;
        std::fill(m_touched.begin(), m_touched.end(), false);
    }
    // Forgets which pixels were drawn, and the recorded calls.
    void StartFrame() {
        std::fill(m_touched.begin(), m_touched.end(), false);
        arcs.clear();
        edges.clear();
        texts.clear();
        focusRects.clear();
    }
    std::vector<Point> PixelsOf(Colour colour) const {
        return Where(m_width, m_height, [&](int x, int y) { return At(x, y) == colour; });
    }

    Colour Resolve(Colour colour) const override {
        if (colour.IsSystem()) {
            return colour.SystemIndex() == system_colour::kButtonFace ? m_buttonFace : Colour::Rgb(0, 0, 0);
        }
        return Colour(colour.Value() & 0x00FFFFFFu);
    }

    void Line(Point from, Point to, Colour colour) override {
        const int dx = to.x - from.x;
        const int dy = to.y - from.y;
        const int steps = std::max(std::abs(dx), std::abs(dy));
        for (int i = 0; i < steps; ++i) {
            Put(from.x + dx * i / steps, from.y + dy * i / steps, colour);
        }
    }
    void Fill(const Rect& rect, Colour colour) override {
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                Put(x, y, colour);
            }
        }
    }
    void Frame(const Rect& rect, Colour colour) override {
        if (rect.Width() <= 0 || rect.Height() <= 0) {
            return;
        }
        for (int x = rect.left; x < rect.right; ++x) {
            Put(x, rect.top, colour);
            Put(x, rect.bottom - 1, colour);
        }
        for (int y = rect.top; y < rect.bottom; ++y) {
            Put(rect.left, y, colour);
            Put(rect.right - 1, y, colour);
        }
    }
    void Arc(const Rect& bounds, Point start, Point end, Colour colour) override {
        arcs.push_back(ArcCall{bounds, start, end, Resolve(colour)});
    }
    void Edge(const Rect& rect, EdgeKind kind) override { edges.push_back(EdgeCall{rect, kind}); }
    void Polygon(std::span<const Point> points, Colour colour) override {
        if (points.size() < 3) {
            return;
        }
        for (const Point& p : Where(m_width, m_height, [&](int x, int y) { return Inside(points, x, y); })) {
            Put(p.x, p.y, colour);
        }
    }
    void SetPixel(Point at, Colour colour) override { Put(at.x, at.y, colour); }
    Colour GetPixel(Point at) const override {
        return OnSurface(at.x, at.y) ? At(at.x, at.y) : Colour::Rgb(0, 0, 0);
    }
    void Text(std::wstring_view text, const Rect& rect, unsigned format, Colour colour) override {
        texts.push_back(TextCall{std::wstring(text), rect, format, Resolve(colour)});
    }
    int TextHeight(std::wstring_view text, const Rect& rect, unsigned format) const override {
        if (text.empty()) {
            return 0;
        }
        if ((format & text_format::kWordBreak) == 0 || rect.Width() <= 0) {
            return kLineHeight;
        }
        const int perLine = std::max(1, rect.Width() / kCharWidth);
        const int lines = (static_cast<int>(text.size()) + perLine - 1) / perLine;
        return lines * kLineHeight;
    }
    void FocusRect(const Rect& rect) override { focusRects.push_back(rect); }

    std::vector<ArcCall> arcs;
    std::vector<EdgeCall> edges;
    std::vector<TextCall> texts;
    std::vector<Rect> focusRects;

private:
    bool OnSurface(int x, int y) const { return x >= 0 && y >= 0 && x < m_width && y < m_height; }
    std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y * m_width + x); }
    void Put(int x, int y, Colour colour) {
        if (OnSurface(x, y)) {
            m_pixels[Index(x, y)] = Resolve(colour);
            m_touched[Index(x, y)] = true;
        }
    }
    // Even-odd rule on the pixel's top-left corner, each edge taken with its upper end and without
    // its lower end, and a crossing at the corner's own x counted: left edges in, right edges out.
    static bool Inside(std::span<const Point> points, int x, int y) {
        bool inside = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const Point a = points[i];
            const Point b = points[(i + 1) % points.size()];
            if ((a.y <= y && y < b.y) || (b.y <= y && y < a.y)) {
                const double crossing = a.x + static_cast<double>(y - a.y) * (b.x - a.x) / (b.y - a.y);
                if (crossing <= x) {
                    inside = !inside;
                }
            }
        }
        return inside;
    }

    int m_width;
    int m_height;
    Colour m_buttonFace;
    std::vector<Colour> m_pixels;
    std::vector<bool> m_touched;
    std::vector<bool> m_lastFrame;
};

}  // namespace controls::test
}  // namespace orvell
