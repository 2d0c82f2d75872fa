#include "platform/gdi_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "dib_surface.h"
#include "platform/unique_handle.h"

namespace orvell::win {
namespace {

using test_support::DibSurface;

constexpr Colour kPaper = Colour::Rgb(10, 200, 10);
constexpr Colour kInk = Colour(0x733C00);  // the XP button's outline colour
constexpr Colour kBlack = Colour::Rgb(0, 0, 0);
constexpr int kSize = 20;

// The pixels of a kSize x kSize surface that satisfy a rule, row by row.
std::vector<Point> Where(const std::function<bool(int, int)>& rule) {
    return orvell::Where(kSize, kSize, rule);
}

// Pixel for pixel as the window system draws, whatever arc direction the DC was set to: lines leave
// out their end point; fills and frames the right column and bottom row. A polygon fills a pixel
// whose top-left corner is inside: corners on a left or top edge are in, on a right or bottom edge
// out (the glyphs of the XP button are drawn this way). The arcs are the four corners of the XP
// button's outline on a 20 x 20 face.
TEST(GdiCanvas, EachShapeCoversThePixelsTheWindowSystemDoes) {
    using Draw = std::function<void(GdiCanvas&)>;
    const auto line = [](Point from, Point to) -> Draw {
        return [=](GdiCanvas& canvas) { canvas.Line(from, to, kInk); };
    };
    const auto polygon = [](std::vector<Point> corners) -> Draw {
        return [corners](GdiCanvas& canvas) { canvas.Polygon(corners, kInk); };
    };
    const auto arc = [](Rect bounds, Point start, Point end) -> Draw {
        return [=](GdiCanvas& canvas) { canvas.Arc(bounds, start, end, kInk); };
    };
    const Rect rect{2, 3, 8, 7};
    const struct {
        const char* name;
        Draw draw;
        std::vector<Point> expected;
    } cases[] = {
        {"line rightwards", line({2, 5}, {6, 5}), {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {"line leftwards", line({6, 5}, {2, 5}), {{3, 5}, {4, 5}, {5, 5}, {6, 5}}},
        {"line downwards", line({4, 1}, {4, 4}), {{4, 1}, {4, 2}, {4, 3}}},
        {"line diagonal", line({1, 1}, {4, 4}), {{1, 1}, {2, 2}, {3, 3}}},
        {"line of no length", line({7, 7}, {7, 7}), {}},
        {"fill", [&](GdiCanvas& canvas) { canvas.Fill(rect, kInk); }, Where([&](int x, int y) {
             return rect.Contains(Point{x, y});
         })},
        {"frame", [&](GdiCanvas& canvas) { canvas.Frame(rect, kInk); }, Where([&](int x, int y) {
             return rect.Contains(Point{x, y}) &&
                    (x == rect.left || x == rect.right - 1 || y == rect.top || y == rect.bottom - 1);
         })},
        {"right-angled triangle", polygon({{2, 2}, {12, 2}, {2, 12}}),
         Where([](int x, int y) { return x >= 2 && y >= 2 && x + y < 14; })},
        {"down arrow", polygon({{2, 2}, {10, 2}, {6, 10}}),
         Where([](int x, int y) { return y >= 2 && 2 * x >= 2 + y && 2 * x < 22 - y; })},
        {"square", polygon({{3, 3}, {9, 3}, {9, 8}, {3, 8}}),
         Where([](int x, int y) { return x >= 3 && x < 9 && y >= 3 && y < 8; })},
        {"polygon of fewer than three corners", polygon({{2, 2}, {12, 12}}), {}},
        {"top left arc", arc({0, 0, 8, 8}, {4, 0}, {0, 4}), {{2, 0}, {3, 0}, {4, 0}, {1, 1}}},
        {"top right arc", arc({12, 0, 20, 8}, {20, 4}, {16, 0}), {{18, 1}, {19, 2}, {19, 3}}},
        {"bottom left arc",
         arc({0, 12, 8, 20}, {0, 16}, {4, 20}),
         {{0, 15}, {0, 16}, {0, 17}, {1, 18}, {2, 19}, {3, 19}}},
        {"bottom right arc", arc({12, 12, 20, 20}, {16, 20}, {20, 16}), {{19, 17}, {18, 18}, {17, 19}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(kSize, kSize, kPaper);
        ASSERT_TRUE(surface.IsValid());
        ::SetArcDirection(surface.Dc(), AD_CLOCKWISE);
        GdiCanvas canvas(surface.Dc());
        c.draw(canvas);
        EXPECT_EQ(surface.PixelsOf(kInk), c.expected);
    }
}

TEST(GdiCanvas, PolygonUsesTheAlternateRule) {
    // A five-pointed star drawn in one stroke: under the alternate rule its centre is a hole.
    const std::array<Point, 5> star{{{10, 1}, {15, 17}, {1, 7}, {19, 7}, {5, 17}}};
    DibSurface surface(kSize, kSize, kPaper);
    ASSERT_TRUE(surface.IsValid());
    GdiCanvas(surface.Dc()).Polygon(star, kInk);
    EXPECT_EQ(surface.At(10, 4), kInk) << "top point";
    EXPECT_EQ(surface.At(4, 8), kInk) << "left point";
    EXPECT_EQ(surface.At(10, 10), kPaper) << "centre";
}

TEST(GdiCanvas, ColoursResolveBeforeDrawing) {
    struct Case {
        const char* name;
        Colour colour;
        COLORREF expected;
    };
    const Case cases[] = {
        {"button face", Colour(0x8000000F), ::GetSysColor(COLOR_BTNFACE)},
        {"grey text", Colour::System(system_colour::kGrayText), ::GetSysColor(COLOR_GRAYTEXT)},
        {"plain colour", Colour::Rgb(0x12, 0x34, 0x56), RGB(0x12, 0x34, 0x56)},
        {"stray top byte", Colour(0x01563412), RGB(0x12, 0x34, 0x56)},
        {"unknown system colour", Colour(0x800000FF), RGB(0, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(4, 4, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas canvas(surface.Dc());
        EXPECT_EQ(canvas.Resolve(c.colour), Colour(c.expected));
        canvas.Fill(Rect{0, 0, 4, 4}, c.colour);
        EXPECT_EQ(surface.At(1, 1), Colour(c.expected));
    }
}

TEST(GdiCanvas, EdgeUsesTheSystemsThreeDColours) {
    struct Case {
        const char* name;
        EdgeKind kind;
        int topLeft;
        int bottomRight;
    };
    const Case cases[] = {
        {"raised inner", EdgeKind::RaisedInner, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW},
        {"sunken inner", EdgeKind::SunkenInner, COLOR_3DDKSHADOW, COLOR_3DLIGHT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(12, 12, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas(surface.Dc()).Edge(Rect{2, 2, 10, 10}, c.kind);
        const Colour light(::GetSysColor(c.topLeft));
        const Colour dark(::GetSysColor(c.bottomRight));
        EXPECT_EQ(surface.At(5, 2), light) << "top";
        EXPECT_EQ(surface.At(2, 5), light) << "left";
        EXPECT_EQ(surface.At(5, 9), dark) << "bottom";
        EXPECT_EQ(surface.At(9, 5), dark) << "right";
        EXPECT_EQ(surface.At(5, 5), kPaper) << "the inside is not filled";
        EXPECT_EQ(surface.At(10, 5), kPaper) << "nothing past the right edge";
    }
}

// Off the surface a pixel reads black and is not drawn.
TEST(GdiCanvas, PixelsRoundTripOnTheSurfaceAndAreHarmlessOffIt) {
    for (const Colour colour : {Colour::Rgb(255, 0, 0), Colour::Rgb(0, 0, 255), Colour(0x563412)}) {
        SCOPED_TRACE(::testing::PrintToString(colour));
        DibSurface surface(8, 4, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas canvas(surface.Dc());
        canvas.SetPixel(Point{5, 1}, colour);
        EXPECT_EQ(canvas.GetPixel(Point{5, 1}), colour);
        EXPECT_EQ(surface.PixelsOf(colour), (std::vector<Point>{Point{5, 1}}));
    }
    DibSurface surface(8, 8, kPaper);
    ASSERT_TRUE(surface.IsValid());
    GdiCanvas canvas(surface.Dc());
    canvas.SetPixel(Point{-1, 3}, kInk);
    canvas.SetPixel(Point{8, 3}, kInk);
    EXPECT_TRUE(surface.PixelsOf(kInk).empty());
    EXPECT_EQ(canvas.GetPixel(Point{8, 0}), kBlack);
    EXPECT_EQ(canvas.GetPixel(Point{0, -1}), kBlack);
}

// Text is drawn in its colour without a background box, clipped to its rectangle and placed by its
// alignment flags; a font without smoothing makes its pixels exactly the text colour.
TEST(GdiCanvas, TextIsDrawnTransparentlyInsideItsRectangleAsAligned) {
    constexpr Colour kBackground = Colour::Rgb(255, 0, 0);
    const struct {
        const char* name;
        const wchar_t* text;
        Rect rect;
        unsigned format;
        std::function<bool(int leftGap, int rightGap)> placed;
    } cases[] = {
        // Clipped, not wrapped or shrunk: the ink starts at the left and runs into the right edge.
        {"too long",
         L"WWWWWWWWWW",
         {4, 4, 30, 26},
         0,
         [](int left, int right) { return left <= 2 && right == 0; }},
        {"left", L"H", {0, 0, 60, 20}, text_format::kLeft, [](int left, int) { return left <= 2; }},
        {"right", L"H", {0, 0, 60, 20}, text_format::kRight, [](int, int right) { return right <= 2; }},
        // The glyph's side bearings may differ by a pixel or two.
        {"centre",
         L"H",
         {0, 0, 60, 20},
         text_format::kCenter,
         [](int left, int right) { return left > 10 && right > 10 && std::abs(left - right) <= 3; }},
    };
    const unique_hfont font(::CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                          OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                          DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
    ASSERT_TRUE(font);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(60, 30, kBackground);
        ASSERT_TRUE(surface.IsValid());
        const SelectGuard selected(surface.Dc(), font.Get());
        GdiCanvas(surface.Dc()).Text(c.text, c.rect, c.format | text_format::kSingleLine, kInk);
        const std::vector<Point> ink = surface.PixelsOf(kInk);
        ASSERT_FALSE(ink.empty());
        EXPECT_TRUE(std::all_of(ink.begin(), ink.end(), [&](Point p) { return c.rect.Contains(p); }));
        EXPECT_EQ(ink.size() + surface.PixelsOf(kBackground).size(), 60u * 30u) << "a background box";
        const auto [minX, maxX] =
            std::minmax_element(ink.begin(), ink.end(), [](Point a, Point b) { return a.x < b.x; });
        const int leftGap = minX->x - c.rect.left;
        const int rightGap = c.rect.right - 1 - maxX->x;
        EXPECT_TRUE(c.placed(leftGap, rightGap)) << "gaps " << leftGap << " and " << rightGap;
    }
}

TEST(GdiCanvas, DrawingLeavesTheDcAsItFoundIt) {
    // The painters draw many steps into one DC; a pen left selected after its deletion, or a changed
    // text colour, background mode or arc direction, would spoil the next step.
    struct Case {
        const char* name;
        std::function<void(GdiCanvas&)> draw;
    };
    const Point triangle[] = {{1, 1}, {8, 1}, {1, 8}};
    const Case cases[] = {
        {"line",
         [](GdiCanvas& canvas) {
             canvas.Line({1, 1}, {9, 9}, kInk);
         }},
        {"fill",
         [](GdiCanvas& canvas) {
             canvas.Fill({1, 1, 9, 9}, kInk);
         }},
        {"frame",
         [](GdiCanvas& canvas) {
             canvas.Frame({1, 1, 9, 9}, kInk);
         }},
        {"arc",
         [](GdiCanvas& canvas) {
             canvas.Arc({0, 0, 8, 8}, {4, 0}, {0, 4}, kInk);
         }},
        {"edge",
         [](GdiCanvas& canvas) {
             canvas.Edge({1, 1, 9, 9}, EdgeKind::SunkenInner);
         }},
        {"polygon", [&](GdiCanvas& canvas) { canvas.Polygon(triangle, kInk); }},
        {"text",
         [](GdiCanvas& canvas) {
             canvas.Text(L"Ab", {0, 0, 20, 20}, 0, kInk);
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(kSize, kSize, kPaper);
        ASSERT_TRUE(surface.IsValid());
        const HDC dc = surface.Dc();
        ::SetTextColor(dc, RGB(1, 2, 3));
        ::SetBkMode(dc, OPAQUE);
        ::SetArcDirection(dc, AD_CLOCKWISE);
        ::MoveToEx(dc, 17, 18, nullptr);
        const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN);
        const HGDIOBJ brush = ::GetCurrentObject(dc, OBJ_BRUSH);

        GdiCanvas canvas(dc);
        c.draw(canvas);

        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
        EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
        EXPECT_EQ(::GetBkMode(dc), OPAQUE);
        EXPECT_EQ(::GetArcDirection(dc), AD_CLOCKWISE);
        POINT position{};
        ::GetCurrentPositionEx(dc, &position);
        EXPECT_EQ(position.x, 17);
        EXPECT_EQ(position.y, 18);
    }
}

}  // namespace
}  // namespace orvell::win
