#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "controls/colour_math.h"
#include "controls/picture_renderer.h"
#include "support/button_fixture.h"

namespace orvell::controls::test {
namespace {

constexpr Colour kOutline(0x733C00);
constexpr Colour kBlack(0);
constexpr Colour kWhite(0xFFFFFF);
constexpr Colour kGrey(0x808080);

// The states the tables below put a button in, as input steps.
const std::string kNormal = "", kHover = "move 5 5", kFocus = "focus", kPress = "down 1 5 5",
                  kDisable = "disable";
const std::string kDisableWithoutLook = "nolook; disable";
const std::string kSmoothOff =
    "design Button_类型=1|图片区_背景色开关_平滑色=0|标题_文字色开关_平滑色=0|图片区_背景色=0x111111|"
    "标题_背景色=0x222222; redraw";

// Row i of a face 23 high starting from base, as the gradient paints it.
Colour Row(Colour base, int i) {
    return Shade(base, RoundHalfEven(-25.0 / 23 * i));
}

// Shade's own examples: every gradient, rim and outline colour below is built on it.
TEST(ColourMath, ShadeLightensAndDarkensBlueMore) {
    const std::pair<std::pair<std::uint32_t, int>, std::uint32_t> cases[] = {
        {{0xFFFFFF, -25}, 0xDEE6E6},  {{0xC0C0C0, 48}, 0xF0F0F0},  {{0xF0F0F0, -32}, 0xC8D0D0},
        {{0xFFFFFF, -24}, 0xE0E7E7},  {{0xFFFFFF, -84}, 0x90ABAB}, {{0xF0F0F0, 32}, 0xFFFFFF},
        {{0x101010, -32}, 0x0E0000},  // blue moves by -32 x 16 / 192 = -2.67, cut to -2
        {{0x202020, -192}, 0x000000},
    };
    for (const auto& [given, expected] : cases) {
        EXPECT_EQ(Shade(Colour(given.first), given.second), Colour(expected)) << given.second;
    }
}

TEST(XpBody, GradientOutlineArcsAndRegionOfTheNormalFace) {
    ButtonFixture f;
    f.canvas.StartFrame();
    f.button.Refresh();
    // round(-25 / 23 x i) for rows 1 to 21, worked out by hand.
    const int steps[] = {-1,  -2,  -3,  -4,  -5,  -7,  -8,  -9,  -10, -11, -12,
                         -13, -14, -15, -16, -17, -18, -20, -21, -22, -23};
    for (int row = 1; row <= 21; ++row) {
        for (const int x : {1, 37, 73}) {
            EXPECT_EQ(f.canvas.At(x, row), Shade(kWhite, steps[row - 1])) << "row " << row << ", x " << x;
        }
    }
    EXPECT_EQ(f.canvas.PixelsOf(kOutline),
              Where(75, 23, [](int x, int y) { return x == 0 || y == 0 || x == 74 || y == 22; }));
    const std::vector<PixelCanvas::ArcCall> arcs = {
        {{0, 0, 8, 8}, {4, 0}, {0, 4}, kOutline},
        {{67, 0, 75, 8}, {75, 4}, {71, 0}, kOutline},
        {{0, 15, 8, 23}, {0, 19}, {4, 23}, kOutline},
        {{67, 15, 75, 23}, {71, 23}, {75, 19}, kOutline},
    };
    EXPECT_EQ(f.canvas.arcs, arcs);
    EXPECT_EQ(f.host.region, (WindowRegion{{0, -1, 76, 24}, 8, 8, {0, 0, 76, 24}}));
    EXPECT_EQ(ButtonFixture(75, 23, xp_type::kFlat).host.region,
              (WindowRegion{{0, 0, 75, 23}, 0, 0, {0, 0, 75, 23}}));
}

TEST(XpBody, RimsOfEachState) {
    const Colour c = Colour(0xF0F0F0), c2 = Colour(0xC8D0D0), disabled = Shade(kWhite, -24);
    const Colour hot[] = {Colour(0xCEF3FF), Colour(0x8CDBFF), Colour(0x31B2FF), Colour(0x6BCBFF),
                          Colour(0x0096E7)};
    const Colour rim[] = {Colour(0xFFE7CE), Colour(0xF7D7BD), Colour(0xE7AE8C), Colour(0xF0D1B5),
                          Colour(0xEF826B)};
    struct Sample {
        int x, y;
        Colour colour;
    };
    using Samples = std::vector<Sample>;
    const Samples hovered = {{10, 1, hot[0]},          {72, 1, hot[0]},  {10, 2, hot[1]},
                             {1, 2, hot[2]},           {1, 10, hot[2]},  {2, 10, hot[3]},
                             {73, 1, hot[2]},          {73, 21, hot[2]}, {72, 10, hot[3]},
                             {10, 20, hot[2]},         {10, 21, hot[4]}, {2, 3, Row(kWhite, 3)},
                             {37, 11, Row(kWhite, 11)}};
    const Samples focused = {{10, 1, rim[0]},  {10, 2, rim[1]},  {1, 10, rim[2]},
                             {2, 10, rim[3]},  {73, 10, rim[2]}, {72, 10, rim[3]},
                             {10, 20, rim[3]}, {10, 21, rim[4]}, {37, 11, Row(kWhite, 11)}};
    const Samples pressed = {{10, 1, Shade(c2, -32)}, {10, 2, Shade(c2, -24)}, {1, 10, Shade(c2, -32)},
                             {2, 10, Shade(c2, -22)}, {73, 10, Shade(c2, 5)},  {72, 10, c},
                             {10, 21, Shade(c2, 16)}, {10, 20, Shade(c2, 10)}, {37, 11, Row(c2, 11)}};
    const Samples dimmed = {
        {10, 1, Row(disabled, 1)}, {1, 10, Row(disabled, 10)}, {37, 11, Row(disabled, 11)}};
    const Samples undimmed = {{10, 1, Row(kWhite, 1)}, {37, 11, Row(kWhite, 11)}};
    struct Case {
        const char* name;
        std::string enter;
        const Samples& samples;
        Colour outline;
    };
    const Case cases[] = {
        {"hovered", kHover + "; redraw", hovered, kOutline},
        {"focused", kFocus + "; redraw", focused, kOutline},
        {"pressed", kPress, pressed, kOutline},
        {"disabled", kDisable, dimmed, Colour(0x90ABAB)},
        {"disabled without its look", kDisableWithoutLook, undimmed, kOutline},
    };
    for (const Case& k : cases) {
        ButtonFixture f;
        Play(f.button, k.enter);
        for (const Sample& s : k.samples) {
            EXPECT_EQ(f.canvas.At(s.x, s.y), s.colour) << k.name << " at (" << s.x << ", " << s.y << ")";
        }
        EXPECT_EQ(f.canvas.At(37, 0), k.outline) << k.name;
        EXPECT_EQ(f.canvas.At(0, 11), k.outline) << k.name;
    }
}

TEST(XpBody, StateChangesWithoutForceRepaintOnlyTheBands) {
    // Rows 1, 2, h - 3 and h - 2 whole; rows 3 to h - 4 only in x 1, 2 and the last three columns; the frame.
    ButtonFixture f;
    f.button.ReDraw(false);
    EXPECT_EQ(Where(75, 23, [&](int x, int y) { return f.canvas.DrawnLastTime(x, y); }),
              Where(75, 23, [](int x, int y) { return y <= 2 || y >= 20 || x <= 2 || x >= 72; }));
    // Focused, only the rims.
    ButtonFixture focused;
    focused.button.OnGotFocus();
    focused.button.ReDraw(false);
    EXPECT_FALSE(focused.canvas.DrawnLastTime(37, 11));
    EXPECT_FALSE(focused.canvas.DrawnLastTime(37, 5));
    EXPECT_TRUE(focused.canvas.DrawnLastTime(37, 1));

    // With a hover picture of its own, the band runs to the picture area's right edge.
    ButtonFixture g;
    TestPictureSource pictures{TestPicture::Solid(4, 4, Colour(0xFF), L"normal"),
                               TestPicture::Solid(4, 4, Colour(0xFF00), L"hover")};
    g.button.Restore(
        PropertyBag::Parse(L"Button图片_常显=normal\nButton图片_选中=hover\n图片框_宽=12\n图片框_高=12"),
        L"Command1", kHostFont, pictures);
    g.button.Refresh();
    ASSERT_EQ(g.button.Layout().pictureArea.right, 15);
    g.host.Clear();
    g.button.OnMouseMove(0, 0, 10, 10);
    EXPECT_TRUE(g.canvas.DrawnLastTime(14, 11)) << "left of the picture area's edge";
    EXPECT_FALSE(g.canvas.DrawnLastTime(15, 11));
    EXPECT_NE(std::find(g.host.log.begin(), g.host.log.end(), "draw partial"), g.host.log.end());
}

TEST(FlatBody, FillsAndFrameByState) {
    const Colour picture(0xDBE3EB), caption(0xF0F0F0), hover(0xD1ADAD), pressed(0xC08080);  // smooth, hot
    struct Case {
        const char* name;
        std::int32_t type;
        std::string enter;
        Colour picture, caption;
        bool framed;
    };
    const Case cases[] = {
        {"flat, normal", 1, kNormal, picture, caption, false},
        {"flat, hovered", 1, kHover, hover, hover, true},
        {"flat, pressed", 1, kPress, pressed, pressed, true},
        {"arrow, pressed but not hovered", 2, "double", picture, caption, false},
        {"flat, smooth colours off", 1, kSmoothOff, Colour(0x111111), Colour(0x222222), false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(75, 23, c.type);
        Play(f.button, c.enter);
        // The picture area of a caption on the right ends at 15 (or 12 beside the arrow's area).
        const int pr = f.button.Layout().pictureArea.right;
        EXPECT_EQ(f.canvas.At(pr / 2, 11), c.picture);
        EXPECT_EQ(f.canvas.At(pr + 2, 11), c.caption);
        EXPECT_EQ(f.canvas.At(73, 5), c.caption) << "the caption colour runs to the right edge";
        const auto frame = [&](int x, int y) { return c.framed && (x == 0 || y == 0 || x == 74 || y == 22); };
        EXPECT_EQ(f.canvas.PixelsOf(Colour(0x800000)), Where(75, 23, frame));
    }
    ButtonFixture f(75, 23, xp_type::kFlat);
    f.button.SetFocusRectVisible(true);
    f.button.SetFocusInset(3);
    f.canvas.StartFrame();
    f.button.ReDraw(true);
    EXPECT_TRUE(f.canvas.focusRects.empty()) << "no focus rectangle in the normal state";
    f.button.OnGotFocus();
    EXPECT_EQ(f.canvas.focusRects, std::vector<Rect>{(Rect{3, 3, 72, 20})});
}

TEST(Glyphs, ArrowsAndChevronInTheirAreas) {
    // The chevron's glyph 8 x 14 in the face (0, 0, 74, 22): corner (33, 4), its triangle
    // (34, 15), (40, 15), (37, 18).
    const std::vector<Point> dots = {{0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 2}, {3, 2}, {1, 3},
                                     {2, 3}, {0, 4}, {1, 4}, {4, 0}, {5, 0}, {5, 1}, {6, 1},
                                     {6, 2}, {7, 2}, {5, 3}, {6, 3}, {4, 4}, {5, 4}};
    struct Case {
        std::int32_t type;
        std::function<bool(int, int)> glyph;
        Colour face;
    };
    const Case cases[] = {
        // Area (58, 0, 74, 22), 8 x 15: half sizes 4 and round(7.5) = 8, tip at (70, 11).
        {2, [](int x, int y) { return y >= 3 && y < 19 && x >= 62 && x < 62 + std::min(y - 3, 19 - y); },
         Colour(0xDBE3EB)},
        // Area (60, 0, 74, 22), 6 x 3: from (64, 9) and (70, 9) down to (67, 12); the system's face.
        {3, [](int x, int y) { return y >= 9 && y < 12 && x >= 64 + (y - 9) && x < 70 - (y - 9); },
         PixelCanvas::kButtonFace},
        // The caption colour fills the whole face.
        {4,
         [&](int x, int y) {
             return std::find(dots.begin(), dots.end(), Point{x - 33, y - 4}) != dots.end() ||
                    (y >= 15 && y < 18 && x >= 34 + (y - 15) && x < 40 - (y - 15));
         },
         Colour(0xF0F0F0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        ButtonFixture f(75, 23, c.type);
        EXPECT_EQ(f.canvas.PixelsOf(kBlack), Where(75, 23, c.glyph));
        EXPECT_EQ(f.canvas.At(5, 5), c.face);
    }
    ButtonFixture f(75, 23, xp_type::kFlatArrow);
    f.button.SetAttachedPicture(TestPicture::Solid(6, 6, Colour(0xFF)));
    EXPECT_TRUE(f.canvas.PixelsOf(kBlack).empty()) << "an attached picture takes the arrow's place";
}

TEST(ToolbarBody, EdgesAndThePressedCaption) {
    ButtonFixture f(75, 23, xp_type::kToolbarDropDown);
    f.button.SetCaptionTextPressed(Colour(0x0000FF));
    f.canvas.StartFrame();
    f.button.OnGotFocus();
    using Edges = std::vector<PixelCanvas::EdgeCall>;
    EXPECT_EQ(f.canvas.edges, (Edges{{{0, 0, 75, 23}, EdgeKind::RaisedInner}}));
    f.canvas.StartFrame();
    f.button.OnMouseDown(1, 0, 5, 5);
    EXPECT_EQ(f.canvas.edges, (Edges{{{0, 0, 75, 23}, EdgeKind::SunkenInner}}));
    // Drawn by the body and again by the caption step.
    ASSERT_EQ(f.canvas.texts.size(), 2u);
    EXPECT_EQ(f.canvas.texts[0], f.canvas.texts[1]);
    EXPECT_EQ(f.canvas.texts[0].colour, Colour(0x0000FF));
    EXPECT_EQ(f.canvas.texts[0].rect, f.button.Layout().captionRect);
}

TEST(SeparatorAndGrip, LinesInTheToolbarColour) {
    ButtonFixture separator(20, 40, xp_type::kSeparator);
    EXPECT_EQ(separator.canvas.PixelsOf(Colour(0xC0C0C0)),
              Where(20, 40, [](int x, int y) { return x == 9 && y >= 4 && y < 35; }));
    EXPECT_EQ(separator.canvas.At(2, 2), Colour(0xDBE3EB));

    // The grip's lines run across x 8 to 10 on the rows that are multiples of the spacing.
    const auto grip = [](int spacing) {
        return Where(20, 40,
                     [=](int x, int y) { return x >= 8 && x < 11 && y >= 4 && y <= 35 && y % spacing == 0; });
    };
    ButtonFixture f(20, 40, xp_type::kGrip);
    EXPECT_EQ(f.canvas.PixelsOf(Colour(0xC0C0C0)), grip(2));
    f.button.SetGripSpacing(3);
    f.button.SetToolbarColour(Colour(0x0000FF));
    EXPECT_EQ(f.canvas.PixelsOf(Colour(0x0000FF)), grip(3));
    // No spacing to speak of: the background alone, no endless loop or division by zero.
    f.button.SetGripSpacing(0);
    f.button.SetToolbarColour(Colour(0x00FF00));
    EXPECT_TRUE(f.canvas.PixelsOf(Colour(0x00FF00)).empty());
    EXPECT_TRUE(f.canvas.PixelsOf(Colour(0x0000FF)).empty());
}

TEST(CaptionStep, ColourByTypeAndState) {
    const Colour normal(0x000001), pressed(0x000002), hover(0x000003), shadow(0x000004);
    struct Case {
        std::int32_t type;
        const char* state;
        std::string enter;
        Colour expected;
    };
    const Case cases[] = {
        {0, "normal", kNormal, normal},    {0, "hovered", kHover, hover},
        {0, "focused", kFocus, normal},    {0, "pressed", kPress, pressed},
        {0, "disabled", kDisable, shadow}, {1, "focused", kFocus, hover},
        {3, "disabled", kDisable, shadow}, {1, "disabled, its look off", kDisableWithoutLook, normal},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << ", " << c.state);
        ButtonFixture f(75, 23, c.type);
        f.button.SetCaptionText(normal);
        f.button.SetCaptionTextPressed(pressed);
        f.button.SetCaptionTextHover(hover);
        f.button.SetShadowColour(shadow);
        f.canvas.StartFrame();
        Play(f.button, c.enter);
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

TEST(PictureStep, PictureModeAndPlaceByTypeAndState) {
    const Colour colour = Colour::Rgb(200, 100, 50), grey = Colour::Rgb(124, 124, 124);
    struct Case {
        std::int32_t type;
        const char* state;
        std::string enter;
        int dx, dy;  // from the picture rectangle's corner
        Colour expected;
    };
    const Case cases[] = {
        {0, "normal", kNormal, 0, 0, colour},   {0, "pressed", kPress, 1, 1, colour},
        {0, "disabled", kDisable, 0, 0, grey},  {1, "normal", kNormal, 0, 0, colour},
        {1, "hovered", kHover, -1, -1, colour}, {3, "idle", kNormal, 0, 0, grey},
        {3, "hovered", kHover, 0, 0, colour},   {3, "disabled", kDisable, 0, 0, kGrey},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "type " << c.type << ", " << c.state);
        ButtonFixture f(75, 23, c.type);
        f.button.SetPicture(TestPicture::Solid(4, 4, colour));
        f.button.SetHoverPicture(f.button.Properties().picture);
        Play(f.button, c.enter);
        const Rect& q = f.button.Layout().pictureRect;
        EXPECT_EQ(q.Width(), 4);
        EXPECT_EQ(f.canvas.At(q.left + c.dx, q.top + c.dy), c.expected);
        EXPECT_EQ(f.canvas.At(q.right - 1 + c.dx, q.bottom - 1 + c.dy), c.expected);
    }
    ButtonFixture f;
    const auto picture = TestPicture::Solid(16, 16, Colour(0xFF));
    f.button.SetCaption(L"");
    f.button.SetCaptionPercent(100);
    f.button.SetPicture(picture);
    EXPECT_EQ(picture->draws, 0) << "percent 100 leaves no room for a picture";
}

TEST(PictureStep, TheFlatTypesShadowTheHoveredPicture) {
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
    EXPECT_EQ(f.canvas.At(q.left + 7, q.top + 7), Colour(0xD1ADAD)) << "beyond the shadow, the hover fill";
}

TEST(PictureStep, TheXpTypeSkipsAnUnchangedPictureWithoutForce) {
    ButtonFixture f;
    const auto picture = TestPicture::Solid(4, 4, Colour(0xFF), L"pic");
    TestPictureSource pictures{picture};
    f.button.Restore(PropertyBag::Parse(L"Button图片_常显=pic"), L"Command1", kHostFont, pictures);
    f.button.Refresh();
    EXPECT_EQ(picture->draws, 1);
    f.button.OnMouseMove(0, 0, 5, 5);
    f.button.OnGotFocus();
    f.button.OnLostFocus();
    EXPECT_EQ(picture->draws, 1) << "the same picture is not drawn again";
    f.button.OnMouseDown(1, 0, 5, 5);
    EXPECT_EQ(picture->draws, 2) << "pressed, it moves";
}

TEST(PictureStep, TheFrameAroundThePictureAndTheAttachedPicture) {
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

    ButtonFixture g;
    const auto attached = TestPicture::Solid(6, 5, Colour(0xFF));
    g.button.SetAttachedPicture(attached);
    // Margin 4: x = 74 - 6 - 4 = 64, y = round(11 - 2.5) = 8.
    EXPECT_EQ(attached->boxes.back(), (Rect{64, 8, 70, 13}));
    EXPECT_EQ(g.canvas.At(64, 8), Colour(0xFF));
}

TEST(PictureRenderer, ModesChangeOnlyWhatThePictureDraws) {
    const Colour paper = Colour::Rgb(10, 20, 30), ink = Colour::Rgb(200, 100, 50),
                 grey = Colour::Rgb(124, 124, 124);
    const auto icon = TestPicture::Icon({"##..", "##..", "....", "...."}, ink);
    const auto bitmap = TestPicture::Solid(4, 4, ink);
    const TestPicture other(PictureKind::Other, 4, 4, L"", std::vector<std::optional<Colour>>(16, ink));
    const Rect box{2, 2, 6, 6};
    struct Case {
        const TestPicture* picture;
        PictureMode mode;
        Colour fill;  // where the picture draws
    };
    const Case cases[] = {
        {icon.get(), PictureMode::Normal, ink},   {icon.get(), PictureMode::Grey, grey},
        {icon.get(), PictureMode::Shadow, kGrey}, {icon.get(), PictureMode::Embossed, kGrey},
        {bitmap.get(), PictureMode::Grey, grey},  {bitmap.get(), PictureMode::Embossed, kGrey},
        {&other, PictureMode::Grey, paper},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.picture == icon.get() ? "icon"
                                              : c.picture == &other   ? "other"
                                                                      : "bitmap")
                                          << ", mode " << static_cast<int>(c.mode));
        const auto drawn = [&](int x, int y) {
            return c.picture == icon.get() ? x >= 2 && x < 4 && y >= 2 && y < 4 : box.Contains(Point{x, y});
        };
        // An embossed icon has a white edge where its shape is directly above or to the left.
        const bool embossedIcon = c.picture == icon.get() && c.mode == PictureMode::Embossed;
        const auto expected = [&](int x, int y) {
            const bool edge = embossedIcon && (drawn(x, y - 1) || drawn(x - 1, y));
            return drawn(x, y) ? c.fill : edge ? kWhite : paper;
        };
        PixelCanvas canvas(8, 8, paper);
        RenderPicture(canvas, *c.picture, box, c.mode);
        EXPECT_EQ(Where(8, 8, [&](int x, int y) { return canvas.At(x, y) != expected(x, y); }),
                  std::vector<Point>{});
        using Edges = std::vector<PixelCanvas::EdgeCall>;
        const bool framed = c.picture == bitmap.get() && c.mode == PictureMode::Embossed;
        EXPECT_EQ(canvas.edges, (framed ? Edges{{box, EdgeKind::SunkenInner}} : Edges{}));
    }
    EXPECT_EQ(other.draws, 0);
    // A bitmap pixel that matches what was under it still turns grey.
    PixelCanvas canvas(4, 4, ink);
    RenderPicture(canvas, *bitmap, Rect{0, 0, 4, 4}, PictureMode::Grey);
    EXPECT_EQ(canvas.At(1, 1), grey);
}

TEST(ReDraw, NothingWithoutHeight) {
    EXPECT_FALSE(ButtonFixture(10, 0).host.region.has_value()) << "no drawing, no shape";
}

}  // namespace
}  // namespace orvell::controls::test
