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

// Every pixel of the rectangle, row by row.
std::vector<Point> Block(const Rect& rect) {
    std::vector<Point> points;
    for (int y = rect.top; y < rect.bottom; ++y) {
        for (int x = rect.left; x < rect.right; ++x) {
            points.push_back(Point{x, y});
        }
    }
    return points;
}

// The pixels of a surface that satisfy a rule, row by row.
template <typename Rule>
std::vector<Point> Where(const DibSurface& surface, Rule rule) {
    std::vector<Point> points;
    for (int y = 0; y < surface.Height(); ++y) {
        for (int x = 0; x < surface.Width(); ++x) {
            if (rule(x, y)) {
                points.push_back(Point{x, y});
            }
        }
    }
    return points;
}

TEST(GdiCanvas, LineLeavesOutItsEndPoint) {
    struct Case {
        const char* name;
        Point from;
        Point to;
        std::vector<Point> expected;
    };
    const Case cases[] = {
        {"rightwards", {2, 5}, {6, 5}, {{2, 5}, {3, 5}, {4, 5}, {5, 5}}},
        {"leftwards", {6, 5}, {2, 5}, {{3, 5}, {4, 5}, {5, 5}, {6, 5}}},
        {"downwards", {4, 1}, {4, 4}, {{4, 1}, {4, 2}, {4, 3}}},
        {"diagonal", {1, 1}, {4, 4}, {{1, 1}, {2, 2}, {3, 3}}},
        {"one pixel long", {7, 7}, {8, 7}, {{7, 7}}},
        {"no length", {7, 7}, {7, 7}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(12, 12, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas canvas(surface.Dc());
        canvas.Line(c.from, c.to, kInk);
        EXPECT_EQ(surface.PixelsOf(kInk), c.expected);
    }
}

TEST(GdiCanvas, FillAndFrameLeaveOutTheRightColumnAndBottomRow) {
    const Rect rect{2, 3, 8, 7};
    {
        DibSurface surface(12, 12, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas(surface.Dc()).Fill(rect, kInk);
        EXPECT_EQ(surface.PixelsOf(kInk), Block(rect));
    }
    {
        DibSurface surface(12, 12, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas(surface.Dc()).Frame(rect, kInk);
        const auto onOutline = [&](int x, int y) {
            return rect.Contains(Point{x, y}) &&
                   (x == rect.left || x == rect.right - 1 || y == rect.top || y == rect.bottom - 1);
        };
        EXPECT_EQ(surface.PixelsOf(kInk), Where(surface, onOutline));
        EXPECT_EQ(surface.PixelsOf(kInk).size(), 16u);
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
        {"button shadow", Colour::System(system_colour::kButtonShadow), ::GetSysColor(COLOR_BTNSHADOW)},
        {"grey text", Colour::System(system_colour::kGrayText), ::GetSysColor(COLOR_GRAYTEXT)},
        {"button text", Colour::System(system_colour::kButtonText), ::GetSysColor(COLOR_BTNTEXT)},
        {"highlight", Colour(0x80000014), ::GetSysColor(COLOR_BTNHIGHLIGHT)},
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

TEST(GdiCanvas, PolygonFillsLikeARegionWithoutItsRightAndBottomEdges) {
    // A pixel is filled when its top-left corner is inside; corners on a left or top edge are in, on a
    // right or bottom edge out. The glyphs of the XP button are drawn this way.
    struct Case {
        const char* name;
        std::vector<Point> corners;
        std::function<bool(int, int)> inside;
    };
    const Case cases[] = {
        {"right-angled triangle",
         {{2, 2}, {12, 2}, {2, 12}},
         [](int x, int y) { return x >= 2 && y >= 2 && x + y < 14; }},
        {"down arrow",
         {{2, 2}, {10, 2}, {6, 10}},
         [](int x, int y) { return y >= 2 && 2 * x >= 2 + y && 2 * x < 22 - y; }},
        {"square",
         {{3, 3}, {9, 3}, {9, 8}, {3, 8}},
         [](int x, int y) { return x >= 3 && x < 9 && y >= 3 && y < 8; }},
        {"fewer than three corners", {{2, 2}, {12, 12}}, [](int, int) { return false; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(16, 16, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas(surface.Dc()).Polygon(c.corners, kInk);
        EXPECT_EQ(surface.PixelsOf(kInk), Where(surface, c.inside));
    }
}

TEST(GdiCanvas, PolygonUsesTheAlternateRule) {
    // A five-pointed star drawn in one stroke: under the alternate rule its centre is a hole.
    const std::array<Point, 5> star{{{10, 1}, {15, 17}, {1, 7}, {19, 7}, {5, 17}}};
    DibSurface surface(20, 20, kPaper);
    ASSERT_TRUE(surface.IsValid());
    GdiCanvas(surface.Dc()).Polygon(star, kInk);
    EXPECT_EQ(surface.At(10, 4), kInk) << "top point";
    EXPECT_EQ(surface.At(4, 8), kInk) << "left point";
    EXPECT_EQ(surface.At(10, 10), kPaper) << "centre";
}

TEST(GdiCanvas, SetPixelAndGetPixelRoundTrip) {
    const Colour colours[] = {Colour::Rgb(255, 0, 0),
                              Colour::Rgb(0, 255, 0),
                              Colour::Rgb(0, 0, 255),
                              Colour::Rgb(0x12, 0x34, 0x56),
                              kBlack,
                              Colour::Rgb(255, 255, 255)};
    for (const Colour colour : colours) {
        SCOPED_TRACE(::testing::PrintToString(colour));
        DibSurface surface(8, 4, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas canvas(surface.Dc());
        canvas.SetPixel(Point{5, 1}, colour);
        EXPECT_EQ(canvas.GetPixel(Point{5, 1}), colour);
        // Where it landed in memory: row 1 of a top-down surface, blue in the low byte.
        EXPECT_EQ(surface.RawAt(5, 1), DibSurface::ToPixel(colour));
        EXPECT_EQ(canvas.GetPixel(Point{5, 2}), kPaper);
    }
}

TEST(GdiCanvas, PixelsOffTheSurfaceAreHarmless) {
    DibSurface surface(8, 8, kPaper);
    ASSERT_TRUE(surface.IsValid());
    GdiCanvas canvas(surface.Dc());
    canvas.SetPixel(Point{-1, 3}, kInk);
    canvas.SetPixel(Point{8, 3}, kInk);
    EXPECT_TRUE(surface.PixelsOf(kInk).empty());
    EXPECT_EQ(canvas.GetPixel(Point{8, 0}), kBlack);
    EXPECT_EQ(canvas.GetPixel(Point{0, -1}), kBlack);
}

// The four corners of the XP button's outline on a 20 x 20 face, as the window system draws them.
struct ArcCase {
    const char* name;
    Rect bounds;
    Point start;
    Point end;
    std::vector<Point> expected;
};

const std::vector<ArcCase>& OutlineCorners() {
    static const std::vector<ArcCase> corners = {
        {"top left", {0, 0, 8, 8}, {4, 0}, {0, 4}, {{2, 0}, {3, 0}, {4, 0}, {1, 1}}},
        {"top right", {12, 0, 20, 8}, {20, 4}, {16, 0}, {{18, 1}, {19, 2}, {19, 3}}},
        {"bottom left",
         {0, 12, 8, 20},
         {0, 16},
         {4, 20},
         {{0, 15}, {0, 16}, {0, 17}, {1, 18}, {2, 19}, {3, 19}}},
        {"bottom right", {12, 12, 20, 20}, {16, 20}, {20, 16}, {{19, 17}, {18, 18}, {17, 19}}},
    };
    return corners;
}

TEST(GdiCanvas, ArcDrawsTheQuarterBetweenItsRays) {
    for (const ArcCase& c : OutlineCorners()) {
        SCOPED_TRACE(c.name);
        DibSurface surface(20, 20, kPaper);
        ASSERT_TRUE(surface.IsValid());
        GdiCanvas(surface.Dc()).Arc(c.bounds, c.start, c.end, kInk);
        EXPECT_EQ(surface.PixelsOf(kInk), c.expected);
    }
}

TEST(GdiCanvas, ArcRunsCounterClockwiseWhateverTheDcWasSetTo) {
    const ArcCase& corner = OutlineCorners().front();
    DibSurface surface(20, 20, kPaper);
    ASSERT_TRUE(surface.IsValid());
    ::SetArcDirection(surface.Dc(), AD_CLOCKWISE);
    GdiCanvas(surface.Dc()).Arc(corner.bounds, corner.start, corner.end, kInk);
    EXPECT_EQ(surface.PixelsOf(kInk), corner.expected);
    EXPECT_EQ(::GetArcDirection(surface.Dc()), AD_CLOCKWISE);
}

// A font without smoothing, so text pixels are exactly the text colour.
unique_hfont MakeCrispFont() {
    return unique_hfont(::CreateFontW(-13, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                      DEFAULT_PITCH | FF_SWISS, L"Tahoma"));
}

TEST(GdiCanvas, TextIsDrawnTransparentlyInItsColourInsideItsRectangle) {
    constexpr Colour kBackground = Colour::Rgb(255, 0, 0);
    const Rect rect{4, 4, 30, 26};
    DibSurface surface(60, 30, kBackground);
    ASSERT_TRUE(surface.IsValid());
    const unique_hfont font = MakeCrispFont();
    ASSERT_TRUE(font);
    const SelectGuard selected(surface.Dc(), font.Get());
    GdiCanvas(surface.Dc()).Text(L"WWWWWWWWWW", rect, text_format::kSingleLine, kInk);

    const std::vector<Point> ink = surface.PixelsOf(kInk);
    EXPECT_FALSE(ink.empty());
    EXPECT_TRUE(std::all_of(ink.begin(), ink.end(), [&](Point p) { return rect.Contains(p); }))
        << "text is clipped to its rectangle";
    EXPECT_EQ(ink.size() + surface.PixelsOf(kBackground).size(), 60u * 30u)
        << "no background box behind the text";
}

TEST(GdiCanvas, TextFollowsItsAlignmentFlags) {
    struct Case {
        const char* name;
        unsigned format;
        std::function<bool(int leftGap, int rightGap)> placed;
    };
    const Case cases[] = {
        {"left", text_format::kLeft | text_format::kSingleLine, [](int left, int) { return left <= 2; }},
        {"right", text_format::kRight | text_format::kSingleLine, [](int, int right) { return right <= 2; }},
        {"centre", text_format::kCenter | text_format::kSingleLine,
         // The glyph's side bearings may differ by a pixel or two.
         [](int left, int right) { return left > 10 && right > 10 && std::abs(left - right) <= 3; }},
    };
    const Rect rect{0, 0, 60, 20};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(60, 20, kPaper);
        ASSERT_TRUE(surface.IsValid());
        const unique_hfont font = MakeCrispFont();
        const SelectGuard selected(surface.Dc(), font.Get());
        GdiCanvas(surface.Dc()).Text(L"H", rect, c.format, kInk);
        const std::vector<Point> ink = surface.PixelsOf(kInk);
        ASSERT_FALSE(ink.empty());
        const auto [minX, maxX] =
            std::minmax_element(ink.begin(), ink.end(), [](Point a, Point b) { return a.x < b.x; });
        const int leftGap = minX->x - rect.left;
        const int rightGap = rect.right - 1 - maxX->x;
        EXPECT_TRUE(c.placed(leftGap, rightGap)) << "gaps " << leftGap << " and " << rightGap;
    }
}

TEST(GdiCanvas, DrawingLeavesTheDcAsItFoundIt) {
    // The painters draw many steps into one DC; a pen left selected after its deletion, or a changed
    // text colour or background mode, would spoil the next step.
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
        DibSurface surface(20, 20, kPaper);
        ASSERT_TRUE(surface.IsValid());
        const HDC dc = surface.Dc();
        ::SetTextColor(dc, RGB(1, 2, 3));
        ::SetBkMode(dc, OPAQUE);
        ::MoveToEx(dc, 17, 18, nullptr);
        const HGDIOBJ pen = ::GetCurrentObject(dc, OBJ_PEN);
        const HGDIOBJ brush = ::GetCurrentObject(dc, OBJ_BRUSH);

        GdiCanvas canvas(dc);
        c.draw(canvas);

        EXPECT_EQ(::GetCurrentObject(dc, OBJ_PEN), pen);
        EXPECT_EQ(::GetCurrentObject(dc, OBJ_BRUSH), brush);
        EXPECT_EQ(::GetTextColor(dc), RGB(1, 2, 3));
        EXPECT_EQ(::GetBkMode(dc), OPAQUE);
        POINT position{};
        ::GetCurrentPositionEx(dc, &position);
        EXPECT_EQ(position.x, 17);
        EXPECT_EQ(position.y, 18);
    }
}

}  // namespace
}  // namespace orvell::win
