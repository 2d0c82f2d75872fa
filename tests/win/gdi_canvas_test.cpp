#include "platform/gdi_canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "dib_surface.h"
#include "platform/unique_handle.h"

namespace orvell::win {
namespace {

using test_support::DibSurface;

constexpr Colour kPaper = Colour::Rgb(10, 200, 10);
constexpr Colour kInk = Colour(0x733C00);  // the XP button's outline colour
constexpr int kSize = 20;

// The pixels of a kSize x kSize surface that satisfy a rule, row by row.
std::vector<Point> Where(const std::function<bool(int, int)>& rule) {
    return orvell::Where(kSize, kSize, rule);
}

// Pixel for pixel as the window system draws: lines leave out their end point, fills and frames the
// right column and bottom row, a polygon fills a pixel whose top-left corner is inside. (The XP
// button's painting suite holds every shape its types draw to the portable pixel surface's pixels.)
// The arcs are the four corners of the XP button's outline on a 20 x 20 face, drawn counter-clockwise
// whatever arc direction the DC was set to. The painters draw many steps into one DC, so each call
// leaves it as found: a pen left selected after its deletion, or a changed text colour, background
// mode, arc direction or current position would spoil the next step.
TEST(GdiCanvas, EachShapeCoversThePixelsTheWindowSystemDoesAndLeavesTheDcAsFound) {
    using Draw = std::function<void(GdiCanvas&)>;
    const auto line = [](Point from, Point to) -> Draw {
        return [=](GdiCanvas& canvas) { canvas.Line(from, to, kInk); };
    };
    const auto arc = [](Rect bounds, Point start, Point end) -> Draw {
        return [=](GdiCanvas& canvas) { canvas.Arc(bounds, start, end, kInk); };
    };
    using Points = std::vector<Point>;
    const Rect rect{2, 3, 8, 7};
    const Point triangle[] = {{2, 2}, {12, 2}, {2, 12}};
    const Rect edge{1, 1, 9, 9};
    const struct {
        const char* name;
        Draw draw;
        std::optional<Points> expected;  // in the ink; nothing: not checked here
    } cases[] = {
        {"line rightwards", line({2, 5}, {6, 5}), Points{{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {"line leftwards", line({6, 5}, {2, 5}), Points{{3, 5}, {4, 5}, {5, 5}, {6, 5}}},
        {"line of no length", line({7, 7}, {7, 7}), Points{}},
        {"fill", [&](GdiCanvas& c) { c.Fill(rect, kInk); }, Where([&](int x, int y) {
             return rect.Contains(Point{x, y});
         })},
        {"frame", [&](GdiCanvas& c) { c.Frame(rect, kInk); }, Where([&](int x, int y) {
             return rect.Contains(Point{x, y}) &&
                    (x == rect.left || x == rect.right - 1 || y == rect.top || y == rect.bottom - 1);
         })},
        {"triangle", [&](GdiCanvas& c) { c.Polygon(triangle, kInk); },
         Where([](int x, int y) { return x >= 2 && y >= 2 && x + y < 14; })},
        {"polygon of two corners", [&](GdiCanvas& c) { c.Polygon(std::span(triangle, 2), kInk); }, Points{}},
        {"top left arc", arc({0, 0, 8, 8}, {4, 0}, {0, 4}), Points{{2, 0}, {3, 0}, {4, 0}, {1, 1}}},
        {"top right arc", arc({12, 0, 20, 8}, {20, 4}, {16, 0}), Points{{18, 1}, {19, 2}, {19, 3}}},
        {"bottom left arc", arc({0, 12, 8, 20}, {0, 16}, {4, 20}),
         Points{{0, 15}, {0, 16}, {0, 17}, {1, 18}, {2, 19}, {3, 19}}},
        {"bottom right arc", arc({12, 12, 20, 20}, {16, 20}, {20, 16}), Points{{19, 17}, {18, 18}, {17, 19}}},
        // Edges frame only the toolbar type and picture frames, neither of which the program shows.
        {"edge", [&](GdiCanvas& c) { c.Edge(edge, EdgeKind::SunkenInner); }, std::nullopt},
        {"text", [&](GdiCanvas& c) { c.Text(L"Ab", rect, 0, kInk); }, std::nullopt},
    };
    for (const auto& c : cases) {
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

        if (c.expected) {
            EXPECT_EQ(surface.PixelsOf(kInk), *c.expected);
        }
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

TEST(GdiCanvas, ColoursResolveBeforeDrawing) {
    struct Case {
        const char* name;
        Colour colour;
        COLORREF expected;
    };
    const Case cases[] = {
        {"button face", Colour(0x8000000F), ::GetSysColor(COLOR_BTNFACE)},
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

// One pixel or a block of them, as the picture effects read and write them; off the surface a pixel
// reads black and is not drawn, and a block of the wrong size is not written at all.
TEST(GdiCanvas, PixelsRoundTripOnTheSurfaceAndAreHarmlessOffIt) {
    const Colour colour(0x563412);
    DibSurface surface(8, 6, kPaper);
    ASSERT_TRUE(surface.IsValid());
    GdiCanvas canvas(surface.Dc());
    canvas.SetPixel(Point{5, 1}, colour);
    canvas.SetPixel(Point{-1, 3}, colour);
    canvas.SetPixel(Point{8, 3}, colour);
    EXPECT_EQ(canvas.GetPixel(Point{5, 1}), colour);
    EXPECT_EQ(surface.PixelsOf(colour), (std::vector<Point>{Point{5, 1}}));
    EXPECT_EQ(canvas.GetPixel(Point{8, 0}), Colour(0));
    EXPECT_EQ(canvas.GetPixel(Point{0, -1}), Colour(0));

    std::vector<Colour> pixels;
    for (int i = 0; i < 16; ++i) {
        pixels.push_back(Colour::Rgb(i * 10, 255 - i * 10, i));
    }
    canvas.WritePixels(Rect{6, 4, 10, 8}, pixels);  // hangs over the right and bottom edges
    EXPECT_EQ(surface.At(6, 4), pixels[0]);
    EXPECT_EQ(surface.At(7, 5), pixels[5]);
    const std::vector<Colour> back = canvas.ReadPixels(Rect{6, 4, 10, 8});
    ASSERT_EQ(back.size(), 16u);
    EXPECT_EQ(back[0], pixels[0]);
    EXPECT_EQ(back[5], pixels[5]);
    EXPECT_EQ(back[2], Colour(0)) << "off the surface reads black";
    EXPECT_EQ(canvas.ReadPixels(Rect{0, 0, 2, 1}), (std::vector<Colour>{kPaper, kPaper}));
    canvas.WritePixels(Rect{0, 0, 2, 2}, std::vector<Colour>{Colour(0)});
    EXPECT_EQ(surface.At(0, 0), kPaper);
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
        {"too long", L"WWWWWWWWWW", {4, 4, 30, 26}, 0, [](int l, int r) { return l <= 2 && r == 0; }},
        // The glyph's side bearings may differ by a pixel or two.
        {"centre",
         L"H",
         {0, 0, 60, 20},
         text_format::kCenter,
         [](int l, int r) { return l > 10 && r > 10 && std::abs(l - r) <= 3; }},
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

}  // namespace
}  // namespace orvell::win
