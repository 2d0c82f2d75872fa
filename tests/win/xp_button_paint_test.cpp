// The XP button drawn by GDI into DIB sections: the pixels a user sees, state by state.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

#include "controls/colour_math.h"
#include "controls/picture_renderer.h"
#include "xp_button_support.h"

namespace orvell::win {
namespace {

using controls::Shade;
using test_support::DibSurface;
using test_support::GdiButton;

constexpr Colour kOutline(0x733C00);
constexpr Colour kWhite(0xFFFFFF);
constexpr Colour kBlack(0x000000);

Colour Row(Colour base, int i, int h = 23) {
    return Shade(base, controls::RoundHalfEven(-25.0 / h * i));
}

std::vector<Point> Where(int width, int height, const std::function<bool(int, int)>& rule) {
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

struct Sample {
    Point at;
    Colour colour;
};

// A 75 x 23 XP button without a caption, so every face pixel is the body's.
struct XpFace : GdiButton {
    XpFace() : GdiButton(75, 23) { button.SetCaption(L""); }
};

TEST(XpButtonGdi, NormalFaceGradientRowsPixelExact) {
    XpFace f;
    const int steps[] = {-1,  -2,  -3,  -4,  -5,  -7,  -8,  -9,  -10, -11, -12,
                         -13, -14, -15, -16, -17, -18, -20, -21, -22, -23, -24};
    for (int row = 2; row <= 20; ++row) {
        const Colour expected = Shade(kWhite, steps[row - 1]);
        EXPECT_EQ(Where(75, 23, [&](int x, int y) { return y == row && f.surface.At(x, y) == expected; }),
                  Where(75, 23, [&](int x, int y) { return y == row && x >= 1 && x <= 73; }))
            << "row " << row;
    }
    // Rows 1 and 21 meet the corner arcs.
    for (const int row : {1, 21}) {
        const Colour expected = Shade(kWhite, steps[row - 1]);
        EXPECT_EQ(Where(75, 23, [&](int x, int y) { return y == row && f.surface.At(x, y) == expected; }),
                  Where(75, 23, [&](int x, int y) { return y == row && x >= 2 && x <= 72; }))
            << "row " << row;
    }
}

TEST(XpButtonGdi, OutlineArcsAndTheRoundedRegion) {
    XpFace f;
    // The frame, with the arcs as GDI draws them at the four corners: one pixel each inside it.
    const auto outline = [](int x, int y) {
        const bool frame = x == 0 || y == 0 || x == 74 || y == 22;
        const bool arc = (x == 1 || x == 73) && (y == 1 || y == 21);
        return frame || arc;
    };
    EXPECT_EQ(f.surface.PixelsOf(kOutline), Where(75, 23, outline));

    ASSERT_TRUE(f.host.region.has_value());
    const unique_hrgn region = MakeWindowRegion(*f.host.region);
    ASSERT_TRUE(region);
    // The corners the window's shape cuts away: the round rectangle reaches a row above the face, so
    // the top corners lose one pixel and the bottom ones three.
    const std::vector<Point> cut = {{0, 0}, {74, 0}, {0, 21}, {74, 21}, {0, 22}, {1, 22}, {73, 22}, {74, 22}};
    EXPECT_EQ(Where(75, 23, [&](int x, int y) { return ::PtInRegion(region.Get(), x, y) == 0; }), cut);
    RECT box{};
    ::GetRgnBox(region.Get(), &box);
    EXPECT_EQ((Rect{box.left, box.top, box.right, box.bottom}), (Rect{0, 0, 75, 23}));

    GdiButton flat(75, 23, controls::xp_type::kFlat);
    const unique_hrgn square = MakeWindowRegion(*flat.host.region);
    EXPECT_EQ(Where(75, 23, [&](int x, int y) { return ::PtInRegion(square.Get(), x, y) == 0; }),
              std::vector<Point>{});
    EXPECT_EQ(::PtInRegion(square.Get(), 75, 5), 0);
}

TEST(XpButtonGdi, RimsOfEachStatePixelExact) {
    const Colour c(0xF0F0F0);
    const Colour c2(0xC8D0D0);
    const Colour disabledBase = Shade(kWhite, -24);
    struct Case {
        const char* name;
        std::function<void(controls::VelloXPButton&)> enter;
        std::vector<Sample> samples;
        Colour outline;
    };
    const Case cases[] = {
        {"hovered",
         [](controls::VelloXPButton& b) {
             b.OnMouseMove(0, 0, 10, 10);
             b.ReDraw(true);
         },
         {{{10, 1}, Colour(0xCEF3FF)},
          {{72, 1}, Colour(0xCEF3FF)},
          {{10, 2}, Colour(0x8CDBFF)},
          {{1, 10}, Colour(0x31B2FF)},
          {{2, 10}, Colour(0x6BCBFF)},
          {{2, 3}, Row(kWhite, 3)},
          {{73, 2}, Colour(0x31B2FF)},
          {{73, 20}, Colour(0x31B2FF)},
          {{72, 10}, Colour(0x6BCBFF)},
          {{10, 20}, Colour(0x31B2FF)},
          {{10, 21}, Colour(0x0096E7)},
          {{37, 11}, Row(kWhite, 11)}},
         kOutline},
        {"focused",
         [](controls::VelloXPButton& b) {
             b.OnGotFocus();
             b.ReDraw(true);
         },
         {{{10, 1}, Colour(0xFFE7CE)},
          {{10, 2}, Colour(0xF7D7BD)},
          {{1, 10}, Colour(0xE7AE8C)},
          {{2, 10}, Colour(0xF0D1B5)},
          {{73, 10}, Colour(0xE7AE8C)},
          {{72, 10}, Colour(0xF0D1B5)},
          {{10, 20}, Colour(0xF0D1B5)},
          {{10, 21}, Colour(0xEF826B)},
          {{37, 11}, Row(kWhite, 11)}},
         kOutline},
        {"pressed",
         [](controls::VelloXPButton& b) { b.OnMouseDown(1, 0, 10, 10); },
         {{{10, 1}, Shade(c2, -32)},
          {{10, 2}, Shade(c2, -24)},
          {{1, 10}, Shade(c2, -32)},
          {{2, 10}, Shade(c2, -22)},
          {{73, 10}, Shade(c2, 5)},
          {{72, 10}, c},
          {{10, 21}, Shade(c2, 16)},
          {{10, 20}, Shade(c2, 10)},
          {{37, 11}, Row(c2, 11)}},
         kOutline},
        {"disabled",
         [](controls::VelloXPButton& b) { b.SetEnabled(false); },
         {{{10, 1}, Row(disabledBase, 1)},
          {{1, 10}, Row(disabledBase, 10)},
          {{37, 11}, Row(disabledBase, 11)}},
         Colour(0x90ABAB)},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        XpFace f;
        k.enter(f.button);
        for (const Sample& s : k.samples) {
            EXPECT_EQ(f.surface.At(s.at), s.colour) << "at (" << s.at.x << ", " << s.at.y << ")";
        }
        EXPECT_EQ(f.surface.At(37, 0), k.outline);
        EXPECT_EQ(f.surface.At(0, 11), k.outline);
        EXPECT_EQ(f.surface.At(1, 1), k.outline) << "the top-left arc";
    }
}

TEST(XpButtonGdi, FlatTypesFillsFrameAndGlyphs) {
    {
        GdiButton f(75, 23, controls::xp_type::kFlatArrow);
        f.button.SetCaption(L"");
        // Without a caption the picture area runs to the attached area: smooth picture colour.
        EXPECT_EQ(f.surface.At(30, 11), Colour(0xDBE3EB));
        EXPECT_EQ(f.surface.PixelsOf(kBlack), Where(75, 23, [](int x, int y) {
                      return y >= 3 && y < 19 && x >= 62 && x < 62 + std::min(y - 3, 19 - y);
                  }));
        f.button.OnMouseMove(0, 0, 5, 5);
        EXPECT_EQ(f.surface.At(30, 11), Colour(0xD1ADAD));
        EXPECT_EQ(f.surface.PixelsOf(Colour(0x800000)),
                  Where(75, 23, [](int x, int y) { return x == 0 || y == 0 || x == 74 || y == 22; }));
    }
    {
        GdiButton f(75, 23, controls::xp_type::kChevron);
        const std::vector<Point> dots = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {1, 3},
                                         {2, 3}, {0, 4}, {1, 4}, {4, 0}, {5, 0}, {5, 1}, {6, 1},
                                         {6, 2}, {7, 2}, {5, 3}, {6, 3}, {4, 4}, {5, 4}};
        const auto isDot = [&](int x, int y) {
            return std::find(dots.begin(), dots.end(), Point{x - 33, y - 4}) != dots.end();
        };
        const auto inTriangle = [](int x, int y) {
            return y >= 15 && y < 18 && x >= 34 + (y - 15) && x < 40 - (y - 15);
        };
        EXPECT_EQ(f.surface.PixelsOf(kBlack),
                  Where(75, 23, [&](int x, int y) { return isDot(x, y) || inTriangle(x, y); }));
    }
}

TEST(XpButtonGdi, ToolbarTypeEdgesAndDownArrow) {
    GdiButton f(75, 23, controls::xp_type::kToolbarDropDown);
    f.button.SetCaption(L"");
    const Colour face(::GetSysColor(COLOR_BTNFACE));
    EXPECT_EQ(f.surface.At(30, 11), face);
    EXPECT_EQ(f.surface.PixelsOf(kBlack), Where(75, 23, [](int x, int y) {
                  return y >= 9 && y < 12 && x >= 64 + (y - 9) && x < 70 - (y - 9);
              }));
    f.button.OnMouseMove(0, 0, 5, 5);
    EXPECT_EQ(f.surface.At(30, 0), Colour(::GetSysColor(COLOR_BTNHIGHLIGHT))) << "raised when hovered";
    EXPECT_EQ(f.surface.At(30, 22), Colour(::GetSysColor(COLOR_BTNSHADOW)));
    f.button.OnMouseDown(1, 0, 5, 5);
    EXPECT_EQ(f.surface.At(30, 0), Colour(::GetSysColor(COLOR_3DDKSHADOW))) << "sunken when pressed";
}

TEST(XpButtonGdi, SeparatorAndGripLines) {
    {
        GdiButton f(20, 40, controls::xp_type::kSeparator);
        EXPECT_EQ(f.surface.PixelsOf(Colour(0xC0C0C0)),
                  Where(20, 40, [](int x, int y) { return x == 9 && y >= 4 && y < 35; }));
    }
    {
        GdiButton f(20, 40, controls::xp_type::kGrip);
        EXPECT_EQ(f.surface.PixelsOf(Colour(0xC0C0C0)), Where(20, 40, [](int x, int y) {
                      return x >= 8 && x < 11 && y >= 4 && y <= 35 && y % 2 == 0;
                  }));
    }
}

TEST(XpButtonGdi, ToolbarPictureIsGreyWhenIdleAndInColourWhenHovered) {
    const Colour ink = Colour::Rgb(200, 100, 50);
    GdiButton f(75, 30, controls::xp_type::kToolbarDropDown);
    const auto bitmap = test_support::MakeTestBitmap(8, 8, ink);
    ASSERT_TRUE(bitmap);
    f.button.SetPicture(bitmap);
    f.button.SetHoverPicture(bitmap);
    const Rect q = f.button.Layout().pictureRect;
    ASSERT_EQ(q.Width(), 8);
    // round(0.3 x 200) + 0.59 x 100 + 0.11 x 50 = 124.5: grey 124.
    EXPECT_EQ(f.surface.At(q.left, q.top), Colour::Rgb(124, 124, 124));
    EXPECT_EQ(f.surface.At(q.right - 1, q.bottom - 1), Colour::Rgb(124, 124, 124));
    f.button.OnMouseMove(0, 0, 5, 5);
    EXPECT_EQ(f.surface.At(q.left, q.top), ink);
}

TEST(XpButtonGdi, IconsKeepTheirTransparentPixelsInEveryMode) {
    const auto icon = test_support::MakeTestIcon(Colour::Rgb(0, 0, 255), Colour::Rgb(255, 255, 0));
    ASSERT_TRUE(icon);
    EXPECT_EQ(icon->Kind(), controls::PictureKind::Icon);
    EXPECT_EQ(icon->Width(), 16);
    EXPECT_EQ(icon->Height(), 16);
    const Colour paper = Colour::Rgb(10, 200, 10);
    struct Case {
        controls::PictureMode mode;
        Colour fill;
    };
    // Blue (0, 0, 255): round(0) + 0 + 28.05 = 28.
    const Case cases[] = {{controls::PictureMode::Normal, Colour::Rgb(0, 0, 255)},
                          {controls::PictureMode::Grey, Colour::Rgb(28, 28, 28)},
                          {controls::PictureMode::Shadow, Colour(0x808080)},
                          {controls::PictureMode::Embossed, Colour(0x808080)}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.mode));
        DibSurface surface(20, 20, paper);
        GdiCanvas canvas(surface.Dc());
        controls::RenderPicture(canvas, *icon, Rect{2, 2, 18, 18}, c.mode);
        EXPECT_EQ(surface.At(2, 2), paper) << "a transparent corner";
        EXPECT_EQ(surface.At(10, 6), c.fill);
        if (c.mode == controls::PictureMode::Embossed) {
            EXPECT_EQ(surface.At(16, 10), kWhite) << "right of the shape";
            EXPECT_EQ(surface.At(10, 16), kWhite) << "below the shape";
            EXPECT_EQ(surface.At(3, 10), paper) << "left of the shape";
        }
    }
}

TEST(GdiCanvasPixels, ReadAndWriteRoundTripAndStayOnTheSurface) {
    const Colour paper = Colour::Rgb(10, 200, 10);
    DibSurface surface(8, 6, paper);
    GdiCanvas canvas(surface.Dc());
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
    EXPECT_EQ(back[2], kBlack) << "off the surface reads black";
    EXPECT_EQ(canvas.ReadPixels(Rect{0, 0, 2, 1}), (std::vector<Colour>{paper, paper}));

    canvas.WritePixels(Rect{0, 0, 2, 2}, std::vector<Colour>{kBlack});  // the wrong count: nothing
    EXPECT_EQ(surface.At(0, 0), paper);
}

}  // namespace
}  // namespace orvell::win
