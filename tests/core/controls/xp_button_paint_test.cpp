#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "button_fixture.h"
#include "controls/colour_math.h"
#include "controls/picture_renderer.h"

namespace orvell::controls::test {
namespace {

constexpr Colour kOutline(0x733C00);
constexpr Colour kBlack(0);
constexpr Colour kWhite(0xFFFFFF);
constexpr Colour kGrey(0x808080);

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

// Row i of a face h high starting from base, as the gradient paints it.
Colour Row(Colour base, int i, int h = 23) {
    return Shade(base, RoundHalfEven(-25.0 / h * i));
}

struct Sample {
    Point at;
    Colour colour;
};

void ExpectSamples(const PixelCanvas& canvas, const std::vector<Sample>& samples) {
    for (const Sample& s : samples) {
        EXPECT_EQ(canvas.At(s.at.x, s.at.y), s.colour) << "at (" << s.at.x << ", " << s.at.y << ")";
    }
}

TEST(ColourMath, ShadeAndRounding) {
    EXPECT_EQ(Shade(Colour(0xFFFFFF), -25), Colour(0xDEE6E6));
    EXPECT_EQ(Shade(Colour(0xC0C0C0), 48), Colour(0xF0F0F0));
    EXPECT_EQ(Shade(Colour(0xF0F0F0), -32), Colour(0xC8D0D0));
    EXPECT_EQ(Shade(Colour(0xFFFFFF), -24), Colour(0xE0E7E7));
    EXPECT_EQ(Shade(Colour(0xFFFFFF), -84), Colour(0x90ABAB));
    EXPECT_EQ(Shade(Colour(0xF0F0F0), 32), Colour(0xFFFFFF)) << "stops at 255";
    // Blue moves by -32 x 16 / 192 = -2.67, cut to -2; red and green stop at 0.
    EXPECT_EQ(Shade(Colour(0x101010), -32), Colour(0x0E0000));
    EXPECT_EQ(Shade(Colour(0x202020), -192), Colour(0x000000)) << "stops at 0";

    const std::pair<double, int> roundings[] = {{0.5, 0},   {1.5, 2},   {2.5, 2},    {-0.5, 0},
                                                {-1.5, -2}, {-2.5, -2}, {2.4999, 2}, {-23.913, -24}};
    for (const auto& [value, expected] : roundings) {
        EXPECT_EQ(RoundHalfEven(value), expected) << value;
    }
    EXPECT_EQ(FloorDiv(-3, 2), -2);
    EXPECT_EQ(FloorDiv(3, 2), 1);
    // round(0.3 x 200) + 0.59 x 100 + 0.11 x 50 = 124.5, which goes to 124.
    EXPECT_EQ(GreyLevel(Colour::Rgb(200, 100, 50)), 124);
    EXPECT_EQ(GreyLevel(Colour::Rgb(255, 255, 255)), 254);
}

TEST(XpBody, GradientRowsOfTheNormalFace) {
    ButtonFixture f;
    // round(-25 / 23 x i) for rows 1 to 22, worked out by hand.
    const int steps[] = {-1,  -2,  -3,  -4,  -5,  -7,  -8,  -9,  -10, -11, -12,
                         -13, -14, -15, -16, -17, -18, -20, -21, -22, -23, -24};
    for (int row = 1; row <= 21; ++row) {
        const Colour expected = Shade(kWhite, steps[row - 1]);
        for (const int x : {1, 37, 73}) {
            EXPECT_EQ(f.canvas.At(x, row), expected) << "row " << row << ", x " << x;
        }
    }
    EXPECT_EQ(Row(kWhite, 22), Shade(kWhite, steps[21])) << "the last row, under the outline";
    EXPECT_EQ(Row(kWhite, 22), Colour(0xE0E7E7));
}

TEST(XpBody, OutlineFrameArcsAndRegion) {
    ButtonFixture f;
    f.canvas.StartFrame();
    f.button.Refresh();
    EXPECT_EQ(Where(75, 23, [&](int x, int y) { return f.canvas.At(x, y) == kOutline; }),
              Where(75, 23, [](int x, int y) { return x == 0 || y == 0 || x == 74 || y == 22; }));
    const std::vector<PixelCanvas::ArcCall> expected = {
        {{0, 0, 8, 8}, {4, 0}, {0, 4}, kOutline},
        {{67, 0, 75, 8}, {75, 4}, {71, 0}, kOutline},
        {{0, 15, 8, 23}, {0, 19}, {4, 23}, kOutline},
        {{67, 15, 75, 23}, {71, 23}, {75, 19}, kOutline},
    };
    EXPECT_EQ(f.canvas.arcs, expected);
    ASSERT_TRUE(f.host.region.has_value());
    EXPECT_EQ(*f.host.region, (WindowRegion{{0, -1, 76, 24}, 8, 8, {0, 0, 76, 24}}));

    ButtonFixture flat(75, 23, xp_type::kFlat);
    ASSERT_TRUE(flat.host.region.has_value());
    EXPECT_EQ(*flat.host.region, (WindowRegion{{0, 0, 75, 23}, 0, 0, {0, 0, 75, 23}}));
}

TEST(XpBody, RimsOfEachState) {
    const Colour c = Colour(0xF0F0F0);
    const Colour c2 = Colour(0xC8D0D0);
    const Colour disabledBase = Shade(kWhite, -24);
    struct Case {
        const char* name;
        std::function<void(VelloXPButton&)> enter;
        std::vector<Sample> samples;
        Colour outline;
    };
    const Case cases[] = {
        {"hovered",
         [](VelloXPButton& b) {
             b.OnMouseMove(0, 0, 10, 10);
             b.ReDraw(true);
         },
         {{{10, 1}, Colour(0xCEF3FF)},
          {{72, 1}, Colour(0xCEF3FF)},
          {{10, 2}, Colour(0x8CDBFF)},
          {{1, 2}, Colour(0x31B2FF)},
          {{1, 10}, Colour(0x31B2FF)},
          {{2, 3}, Row(kWhite, 3)},
          {{2, 10}, Colour(0x6BCBFF)},
          {{73, 1}, Colour(0x31B2FF)},
          {{73, 21}, Colour(0x31B2FF)},
          {{72, 10}, Colour(0x6BCBFF)},
          {{10, 20}, Colour(0x31B2FF)},
          {{10, 21}, Colour(0x0096E7)},
          {{37, 11}, Row(kWhite, 11)}},
         kOutline},
        {"focused",
         [](VelloXPButton& b) {
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
         [](VelloXPButton& b) { b.OnMouseDown(1, 0, 10, 10); },
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
         [](VelloXPButton& b) { b.SetEnabled(false); },
         {{{10, 1}, Row(disabledBase, 1)},
          {{1, 10}, Row(disabledBase, 10)},
          {{37, 11}, Row(disabledBase, 11)}},
         Colour(0x90ABAB)},
        {"disabled without its look",
         [](VelloXPButton& b) {
             b.SetNoDisabledLook(true);
             b.SetEnabled(false);
         },
         {{{10, 1}, Row(kWhite, 1)}, {{37, 11}, Row(kWhite, 11)}},
         kOutline},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        ButtonFixture f;
        k.enter(f.button);
        ExpectSamples(f.canvas, k.samples);
        EXPECT_EQ(f.canvas.At(37, 0), k.outline);
        EXPECT_EQ(f.canvas.At(0, 11), k.outline);
    }
}

TEST(XpBody, StateChangesRepaintOnlyTheBands) {
    ButtonFixture f;
    f.button.ReDraw(false);
    const auto touched = [&](int x, int y) { return f.canvas.DrawnLastTime(x, y); };
    // Rows 1, 2, h - 3 and h - 2 whole; rows 3 to h - 4 only in x 1, 2 and the last three columns.
    EXPECT_TRUE(touched(37, 1));
    EXPECT_TRUE(touched(37, 2));
    EXPECT_TRUE(touched(37, 20));
    EXPECT_TRUE(touched(37, 21));
    EXPECT_TRUE(touched(1, 11));
    EXPECT_TRUE(touched(2, 11));
    EXPECT_FALSE(touched(3, 11));
    EXPECT_FALSE(touched(37, 11));
    EXPECT_FALSE(touched(71, 11));
    EXPECT_TRUE(touched(72, 11));

    // With a hover picture of its own, the band runs to the picture area's right edge.
    ButtonFixture g;
    TestPictureSource pictures;
    pictures.Add(TestPicture::Solid(4, 4, Colour(0xFF), L"normal"));
    pictures.Add(TestPicture::Solid(4, 4, Colour(0xFF00), L"hover"));
    const PropertyBag bag =
        PropertyBag::Parse(L"Button图片_常显=normal\nButton图片_选中=hover\n图片框_宽=12\n图片框_高=12\n");
    g.button.Restore(bag, L"Command1", kHostFont, pictures);
    g.button.Refresh();
    ASSERT_FALSE(g.button.SamePicture());
    ASSERT_EQ(g.button.Layout().pictureArea.right, 15);
    g.host.Clear();
    g.button.OnMouseMove(0, 0, 10, 10);  // hovered, drawn without force
    EXPECT_TRUE(g.canvas.DrawnLastTime(14, 11)) << "left of the picture area's edge";
    EXPECT_FALSE(g.canvas.DrawnLastTime(15, 11));
    EXPECT_NE(std::find(g.host.log.begin(), g.host.log.end(), "draw partial"), g.host.log.end());
}

TEST(XpBody, FocusedStatesWithoutForceLeaveTheFace) {
    ButtonFixture f;
    f.button.OnGotFocus();
    f.button.ReDraw(false);
    EXPECT_FALSE(f.canvas.DrawnLastTime(37, 11));
    EXPECT_FALSE(f.canvas.DrawnLastTime(37, 5));
    EXPECT_TRUE(f.canvas.DrawnLastTime(37, 1)) << "the rim";
}

TEST(FlatBody, FillsAndFrameByState) {
    const Colour pictureSmooth(0xDBE3EB);
    const Colour captionSmooth(0xF0F0F0);
    const Colour hover(0xD1ADAD);
    const Colour pressed(0xC08080);
    const Colour border(0x800000);
    struct Case {
        const char* name;
        std::int32_t type;
        std::function<void(VelloXPButton&)> enter;
        Colour picture;
        Colour caption;
        bool framed;
    };
    const Case cases[] = {
        {"flat, normal", 1, [](VelloXPButton&) {}, pictureSmooth, captionSmooth, false},
        {"flat, hovered", 1, [](VelloXPButton& b) { b.OnMouseMove(0, 0, 5, 5); }, hover, hover, true},
        {"flat, focused", 1, [](VelloXPButton& b) { b.OnGotFocus(); }, hover, hover, true},
        {"flat, pressed", 1, [](VelloXPButton& b) { b.OnMouseDown(1, 0, 5, 5); }, pressed, pressed, true},
        {"arrow, pressed but not hovered", 2, [](VelloXPButton& b) { b.OnDoubleClick(); }, pictureSmooth,
         captionSmooth, false},
        {"arrow, pressed and hovered", 2, [](VelloXPButton& b) { b.OnMouseDown(1, 0, 5, 5); }, hover, hover,
         true},
        {"flat, smooth colours off", 1,
         [](VelloXPButton& b) {
             b.SetPictureSmoothSwitch(false);
             b.SetCaptionSmoothSwitch(false);
             b.SetPictureBack(Colour(0x111111));
             b.SetCaptionBack(Colour(0x222222));
         },
         Colour(0x111111), Colour(0x222222), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(75, 23, c.type);
        c.enter(f.button);
        // The picture area of a caption on the right ends at 15 (or 12 beside the arrow's area).
        const int pr = f.button.Layout().pictureArea.right;
        EXPECT_EQ(f.canvas.At(pr / 2, 11), c.picture);
        EXPECT_EQ(f.canvas.At(pr + 2, 11), c.caption);
        EXPECT_EQ(f.canvas.At(73, 5), c.caption) << "the caption colour runs to the right edge";
        EXPECT_EQ(f.canvas.At(0, 11) == border && f.canvas.At(74, 11) == border &&
                      f.canvas.At(37, 0) == border && f.canvas.At(37, 22) == border,
                  c.framed);
    }
}

TEST(FlatBody, FocusRectangleWhenAsked) {
    ButtonFixture f(75, 23, xp_type::kFlat);
    f.button.SetFocusRectVisible(true);
    f.button.SetFocusInset(3);
    f.canvas.StartFrame();
    f.button.ReDraw(true);
    EXPECT_TRUE(f.canvas.focusRects.empty()) << "not in the normal state";
    f.button.OnGotFocus();
    EXPECT_EQ(f.canvas.focusRects, std::vector<Rect>{(Rect{3, 3, 72, 20})});
}

TEST(Glyphs, RightArrowOfTheFlatArrowType) {
    // Area (58, 0, 74, 22), 8 x 15: half sizes 4 and round(7.5) = 8, tip at (70, 11).
    ButtonFixture f(75, 23, xp_type::kFlatArrow);
    EXPECT_EQ(f.canvas.PixelsOf(kBlack), Where(75, 23, [](int x, int y) {
                  return y >= 3 && y < 19 && x >= 62 && x < 62 + std::min(y - 3, 19 - y);
              }));
    // An attached picture takes the arrow's place.
    f.button.SetAttachedPicture(TestPicture::Solid(6, 6, Colour(0xFF)));
    EXPECT_TRUE(f.canvas.PixelsOf(kBlack).empty());
}

TEST(Glyphs, DownArrowOfTheToolbarType) {
    // Area (60, 0, 74, 22), 6 x 3: from (64, 9) and (70, 9) down to (67, 12).
    ButtonFixture f(75, 23, xp_type::kToolbarDropDown);
    EXPECT_EQ(f.canvas.PixelsOf(kBlack), Where(75, 23, [](int x, int y) {
                  return y >= 9 && y < 12 && x >= 64 + (y - 9) && x < 70 - (y - 9);
              }));
    EXPECT_EQ(f.canvas.At(5, 5), PixelCanvas::kButtonFace) << "the system's button face";
}

TEST(Glyphs, ChevronOfTheChevronType) {
    // Face (0, 0, 74, 22), glyph 8 x 14: corner (33, 4).
    ButtonFixture f(75, 23, xp_type::kChevron);
    const std::vector<Point> dots = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {1, 3},
                                     {2, 3}, {0, 4}, {1, 4}, {4, 0}, {5, 0}, {5, 1}, {6, 1},
                                     {6, 2}, {7, 2}, {5, 3}, {6, 3}, {4, 4}, {5, 4}};
    const auto isDot = [&](int x, int y) {
        return std::find(dots.begin(), dots.end(), Point{x - 33, y - 4}) != dots.end();
    };
    // The triangle (34, 15), (40, 15), (37, 18).
    const auto inTriangle = [](int x, int y) {
        return y >= 15 && y < 18 && x >= 34 + (y - 15) && x < 40 - (y - 15);
    };
    EXPECT_EQ(f.canvas.PixelsOf(kBlack),
              Where(75, 23, [&](int x, int y) { return isDot(x, y) || inTriangle(x, y); }));
    EXPECT_EQ(f.canvas.At(5, 5), Colour(0xF0F0F0)) << "the caption colour fills the whole face";
}

TEST(ToolbarBody, EdgesAndThePressedCaption) {
    ButtonFixture f(75, 23, xp_type::kToolbarDropDown);
    f.button.SetCaptionTextPressed(Colour(0x0000FF));
    f.canvas.StartFrame();
    f.button.OnGotFocus();
    EXPECT_EQ(f.canvas.edges, (std::vector<PixelCanvas::EdgeCall>{{{0, 0, 75, 23}, EdgeKind::RaisedInner}}));
    f.canvas.StartFrame();
    f.button.OnMouseDown(1, 0, 5, 5);
    EXPECT_EQ(f.canvas.edges, (std::vector<PixelCanvas::EdgeCall>{{{0, 0, 75, 23}, EdgeKind::SunkenInner}}));
    // Drawn by the body and again by the caption step.
    ASSERT_EQ(f.canvas.texts.size(), 2u);
    EXPECT_EQ(f.canvas.texts[0], f.canvas.texts[1]);
    EXPECT_EQ(f.canvas.texts[0].colour, Colour(0x0000FF));
    EXPECT_EQ(f.canvas.texts[0].rect, f.button.Layout().captionRect);
}

TEST(SeparatorAndGrip, Lines) {
    {
        ButtonFixture f(20, 40, xp_type::kSeparator);
        EXPECT_EQ(f.canvas.PixelsOf(Colour(0xC0C0C0)),
                  Where(20, 40, [](int x, int y) { return x == 9 && y >= 4 && y < 35; }));
        EXPECT_EQ(f.canvas.At(2, 2), Colour(0xDBE3EB));
    }
    {
        ButtonFixture f(20, 40, xp_type::kGrip);
        EXPECT_EQ(f.canvas.PixelsOf(Colour(0xC0C0C0)), Where(20, 40, [](int x, int y) {
                      return x >= 8 && x < 11 && y >= 4 && y <= 35 && y % 2 == 0;
                  }));
        f.button.SetGripSpacing(3);
        f.button.SetToolbarColour(Colour(0x0000FF));
        EXPECT_EQ(f.canvas.PixelsOf(Colour(0x0000FF)), Where(20, 40, [](int x, int y) {
                      return x >= 8 && x < 11 && y >= 4 && y <= 35 && y % 3 == 0;
                  }));
        // No spacing to speak of: the background alone, no endless loop or division by zero.
        f.button.SetGripSpacing(0);
        f.button.SetToolbarColour(Colour(0x00FF00));
        EXPECT_TRUE(f.canvas.PixelsOf(Colour(0x00FF00)).empty());
        EXPECT_TRUE(f.canvas.PixelsOf(Colour(0x0000FF)).empty());
    }
}

TEST(CaptionStep, ColourByTypeAndState) {
    const Colour normal(0x000001), pressed(0x000002), hover(0x000003), shadow(0x000004);
    struct Case {
        const char* name;
        std::int32_t type;
        std::function<void(VelloXPButton&)> enter;
        Colour expected;
    };
    const Case cases[] = {
        {"xp normal", 0, [](VelloXPButton&) {}, normal},
        {"xp hovered", 0, [](VelloXPButton& b) { b.OnMouseMove(0, 0, 5, 5); }, hover},
        {"xp focused", 0, [](VelloXPButton& b) { b.OnGotFocus(); }, normal},
        {"xp pressed", 0, [](VelloXPButton& b) { b.OnMouseDown(1, 0, 5, 5); }, pressed},
        {"xp disabled", 0, [](VelloXPButton& b) { b.SetEnabled(false); }, shadow},
        {"flat focused", 1, [](VelloXPButton& b) { b.OnGotFocus(); }, hover},
        {"arrow hovered", 2, [](VelloXPButton& b) { b.OnMouseMove(0, 0, 5, 5); }, hover},
        {"toolbar disabled", 3, [](VelloXPButton& b) { b.SetEnabled(false); }, shadow},
        {"toolbar pressed", 3, [](VelloXPButton& b) { b.OnMouseDown(1, 0, 5, 5); }, pressed},
        {"flat disabled, its look off", 1,
         [](VelloXPButton& b) {
             b.SetNoDisabledLook(true);
             b.SetEnabled(false);
         },
         normal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(75, 23, c.type);
        f.button.SetCaptionText(normal);
        f.button.SetCaptionTextPressed(pressed);
        f.button.SetCaptionTextHover(hover);
        f.button.SetShadowColour(shadow);
        f.canvas.StartFrame();
        c.enter(f.button);
        f.button.ReDraw(false);
        ASSERT_FALSE(f.canvas.texts.empty());
        EXPECT_EQ(f.canvas.texts.back().colour, c.expected);
        EXPECT_EQ(f.canvas.texts.back().text, L"Command1");
    }
    for (const std::int32_t type : {4, 5, 6}) {
        ButtonFixture f(75, 23, type);
        f.canvas.StartFrame();
        f.button.Refresh();
        EXPECT_TRUE(f.canvas.texts.empty()) << "type " << type << " draws no caption";
    }
}

TEST(CaptionStep, OrderOfCaptionAndPicture) {
    struct Case {
        std::int32_t position;
        std::vector<std::string> order;
    };
    const Case cases[] = {{4, {"picture", "text"}}, {5, {"text", "picture"}}, {1, {"text", "picture"}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        ButtonFixture f;
        f.button.SetPicture(TestPicture::Solid(16, 16, Colour(0xFF)));
        f.button.SetCaptionPosition(c.position);
        f.canvas.StartFrame();
        f.button.Refresh();
        EXPECT_EQ(f.canvas.sequence, c.order);
    }
}

TEST(PictureStep, PercentHundredDrawsNoPicture) {
    ButtonFixture f;
    const auto picture = TestPicture::Solid(16, 16, Colour(0xFF));
    f.button.SetCaption(L"");
    f.button.SetCaptionPercent(100);
    f.button.SetPicture(picture);
    EXPECT_EQ(picture->draws, 0);
    EXPECT_TRUE(f.button.Layout().hasCaptionArea);
}

TEST(PictureStep, PictureModeAndPlaceByTypeAndState) {
    const Colour colour = Colour::Rgb(200, 100, 50);
    const Colour grey = Colour::Rgb(124, 124, 124);
    struct Case {
        const char* name;
        std::int32_t type;
        std::function<void(VelloXPButton&)> enter;
        Point offset;  // from the picture rectangle's corner
        Colour expected;
    };
    const Case cases[] = {
        {"xp normal", 0, [](VelloXPButton&) {}, {0, 0}, colour},
        {"xp pressed", 0, [](VelloXPButton& b) { b.OnMouseDown(1, 0, 5, 5); }, {1, 1}, colour},
        {"xp disabled", 0, [](VelloXPButton& b) { b.SetEnabled(false); }, {0, 0}, grey},
        {"flat normal", 1, [](VelloXPButton&) {}, {0, 0}, colour},
        {"flat disabled", 1, [](VelloXPButton& b) { b.SetEnabled(false); }, {0, 0}, grey},
        {"flat hovered", 1, [](VelloXPButton& b) { b.OnMouseMove(0, 0, 5, 5); }, {-1, -1}, colour},
        {"arrow pressed", 2, [](VelloXPButton& b) { b.OnMouseDown(1, 0, 5, 5); }, {1, 1}, colour},
        {"toolbar idle", 3, [](VelloXPButton&) {}, {0, 0}, grey},
        {"toolbar hovered", 3, [](VelloXPButton& b) { b.OnMouseMove(0, 0, 5, 5); }, {0, 0}, colour},
        {"toolbar disabled", 3, [](VelloXPButton& b) { b.SetEnabled(false); }, {0, 0}, kGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(75, 23, c.type);
        f.button.SetPicture(TestPicture::Solid(4, 4, colour));
        f.button.SetHoverPicture(f.button.Properties().picture);
        c.enter(f.button);
        const Rect& q = f.button.Layout().pictureRect;
        EXPECT_EQ(q.Width(), 4);
        EXPECT_EQ(f.canvas.At(q.left + c.offset.x, q.top + c.offset.y), c.expected);
        EXPECT_EQ(f.canvas.At(q.right - 1 + c.offset.x, q.bottom - 1 + c.offset.y), c.expected);
    }
}

TEST(PictureStep, HoverShadowOfTheFlatTypes) {
    ButtonFixture f(75, 23, xp_type::kFlat);
    f.button.SetShadowLength(3);
    const auto picture = TestPicture::Solid(4, 4, Colour(0x0000FF));
    f.button.SetPicture(picture);
    f.button.SetHoverPicture(picture);
    f.button.OnMouseMove(0, 0, 5, 5);
    const Rect& q = f.button.Layout().pictureRect;
    // The shadow at (+3, +3), the picture over it at (-1, -1).
    EXPECT_EQ(f.canvas.At(q.left - 1, q.top - 1), Colour(0x0000FF));
    EXPECT_EQ(f.canvas.At(q.left + 2, q.top + 2), Colour(0x0000FF));
    EXPECT_EQ(f.canvas.At(q.left + 3, q.top + 3), kGrey);
    EXPECT_EQ(f.canvas.At(q.left + 6, q.top + 6), kGrey);
    EXPECT_EQ(f.canvas.At(q.left + 7, q.top + 7), Colour(0xD1ADAD)) << "beyond the shadow, the hover colour";
}

TEST(PictureStep, TheXpTypeSkipsAnUnchangedPictureWithoutForce) {
    ButtonFixture f;
    PropertyBag bag;
    const auto picture = TestPicture::Solid(4, 4, Colour(0xFF), L"pic");
    bag.SetRaw(xp_key::kPicture, L"pic");
    TestPictureSource pictures;
    pictures.Add(picture);
    f.button.Restore(bag, L"Command1", kHostFont, pictures);
    ASSERT_TRUE(f.button.SamePicture());
    f.button.Refresh();
    const int forced = picture->draws;
    EXPECT_EQ(forced, 1);
    f.button.OnMouseMove(0, 0, 5, 5);
    f.button.OnGotFocus();
    f.button.OnLostFocus();
    EXPECT_EQ(picture->draws, forced) << "the same picture is not drawn again";
    f.button.OnMouseDown(1, 0, 5, 5);
    EXPECT_EQ(picture->draws, forced + 1) << "pressed, it moves";
}

TEST(PictureStep, FrameAroundThePicture) {
    ButtonFixture f;
    f.button.SetPicture(TestPicture::Solid(4, 4, Colour(0xFF)));  // frame 12 x 12 with margins of 4
    f.button.SetFrameBack(Colour(0x00FF00));
    f.button.SetFrameBackSwitch(true);
    f.button.SetPictureFore(Colour(0x0000FF));
    f.button.SetPictureForeSwitch(true);
    f.button.SetFrameEffect(1);
    f.canvas.StartFrame();
    f.button.Refresh();
    const Rect& q = f.button.Layout().pictureRect;
    const Rect box{q.left - 4, q.top - 4, q.left + 8, q.top + 8};
    EXPECT_EQ(f.canvas.At(box.left, box.top), Colour(0x00FF00));
    EXPECT_EQ(f.canvas.At(box.right - 1, box.bottom - 1), Colour(0x00FF00));
    EXPECT_EQ(f.canvas.edges, (std::vector<PixelCanvas::EdgeCall>{{box, EdgeKind::SunkenInner}}));
    EXPECT_EQ(f.canvas.At(q.left, q.top), Colour(0xFF)) << "the picture over its fill";
}

TEST(PictureStep, AttachedPictureAtTheRightEdge) {
    ButtonFixture f;
    const auto attached = TestPicture::Solid(6, 5, Colour(0xFF));
    f.button.SetAttachedPicture(attached);
    // Margin 4: x = 74 - 6 - 4 = 64, y = round(11 - 2.5) = 8.
    EXPECT_EQ(attached->boxes.back(), (Rect{64, 8, 70, 13}));
    EXPECT_EQ(f.canvas.At(64, 8), Colour(0xFF));
}

TEST(PictureRenderer, Modes) {
    const Colour paper = Colour::Rgb(10, 20, 30);
    const Colour ink = Colour::Rgb(200, 100, 50);
    const Colour grey = Colour::Rgb(124, 124, 124);
    const auto icon = TestPicture::Icon({"##..", "##..", "....", "...."}, ink);
    const auto bitmap = TestPicture::Solid(4, 4, ink);
    const Rect box{2, 2, 6, 6};
    const auto inIconShape = [](int x, int y) { return x >= 2 && x < 4 && y >= 2 && y < 4; };
    const auto inBox = [&](int x, int y) { return box.Contains(Point{x, y}); };
    struct Case {
        const char* name;
        const Picture* picture;
        PictureMode mode;
        std::function<Colour(int, int)> expected;
    };
    const Case cases[] = {
        {"icon, normal", icon.get(), PictureMode::Normal,
         [&](int x, int y) { return inIconShape(x, y) ? ink : paper; }},
        {"icon, grey", icon.get(), PictureMode::Grey,
         [&](int x, int y) { return inIconShape(x, y) ? grey : paper; }},
        {"icon, shadow", icon.get(), PictureMode::Shadow,
         [&](int x, int y) { return inIconShape(x, y) ? kGrey : paper; }},
        {"icon, embossed", icon.get(), PictureMode::Embossed,
         [&](int x, int y) {
             if (inIconShape(x, y)) {
                 return kGrey;
             }
             // White where the shape is directly above or to the left.
             return inIconShape(x, y - 1) || inIconShape(x - 1, y) ? kWhite : paper;
         }},
        {"bitmap, grey", bitmap.get(), PictureMode::Grey,
         [&](int x, int y) { return inBox(x, y) ? grey : paper; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        PixelCanvas canvas(8, 8, paper);
        RenderPicture(canvas, *c.picture, box, c.mode);
        for (int y = 0; y < 8; ++y) {
            for (int x = 0; x < 8; ++x) {
                EXPECT_EQ(canvas.At(x, y), c.expected(x, y)) << "(" << x << ", " << y << ")";
            }
        }
    }
}

TEST(PictureRenderer, GreyBitmapsIncludePixelsThatMatchTheBackground) {
    const Colour paper = Colour::Rgb(200, 100, 50);
    PixelCanvas canvas(4, 4, paper);
    const auto bitmap = TestPicture::Solid(4, 4, paper);
    RenderPicture(canvas, *bitmap, Rect{0, 0, 4, 4}, PictureMode::Grey);
    EXPECT_EQ(canvas.At(1, 1), Colour::Rgb(124, 124, 124));
}

TEST(PictureRenderer, EmbossedBitmapAndOtherKinds) {
    PixelCanvas canvas(8, 8, kPaper);
    RenderPicture(canvas, *TestPicture::Solid(4, 4, Colour(0xFF)), Rect{1, 1, 5, 5}, PictureMode::Embossed);
    EXPECT_EQ(canvas.At(2, 2), kGrey);
    EXPECT_EQ(canvas.edges, (std::vector<PixelCanvas::EdgeCall>{{{1, 1, 5, 5}, EdgeKind::SunkenInner}}));

    PixelCanvas other(8, 8, kPaper);
    TestPicture metafile(PictureKind::Other, 4, 4, L"", std::vector<std::optional<Colour>>(16, Colour(0xFF)));
    for (const PictureMode mode : {PictureMode::Normal, PictureMode::Grey, PictureMode::Embossed}) {
        RenderPicture(other, metafile, Rect{0, 0, 4, 4}, mode);
    }
    EXPECT_EQ(metafile.draws, 0);
    EXPECT_EQ(other.PixelsOf(kPaper).size(), 64u);
}

TEST(ReDraw, NothingWithoutHeight) {
    PixelCanvas canvas(10, 10, kPaper);
    RecordingHost host(canvas);
    VelloXPButton button(host, canvas);
    button.InitNew(L"Command1", kHostFont);
    button.OnResize(10, 0);
    EXPECT_EQ(host.presents, 0);
    EXPECT_FALSE(host.region.has_value());
}

}  // namespace
}  // namespace orvell::controls::test
