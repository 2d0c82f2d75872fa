#include <gtest/gtest.h>

#include <string>

#include "button_fixture.h"

namespace orvell::controls::test {
namespace {

constexpr unsigned kSingle = text_format::kSingleLine;

TEST(XpButtonLayout, SplitByCaptionPosition) {
    // 75 x 23 face: the client rectangle is (0, 0, 74, 22); 80 % of 74 is 59.2 and of 22 is 17.6.
    struct Case {
        std::int32_t position;
        Rect picture;
        Rect caption;
    };
    const Case cases[] = {
        {0, {59, 0, 74, 22}, {0, 0, 59, 22}}, {1, {0, 0, 15, 22}, {15, 0, 74, 22}},
        {2, {0, 18, 74, 22}, {0, 0, 74, 18}}, {3, {0, 0, 74, 4}, {0, 4, 74, 22}},
        {4, {0, 0, 74, 22}, {0, 0, 74, 22}},  {5, {0, 0, 74, 22}, {0, 0, 74, 22}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        ButtonFixture f;
        f.button.SetCaptionPosition(c.position);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_TRUE(layout.valid);
        EXPECT_TRUE(layout.hasPictureArea);
        EXPECT_TRUE(layout.hasCaptionArea);
        EXPECT_EQ(layout.pictureArea, c.picture);
        EXPECT_EQ(layout.captionArea, c.caption);
        EXPECT_EQ(layout.attachedArea, Rect{});
    }
}

TEST(XpButtonLayout, AnUnknownPositionKeepsTheAreas) {
    ButtonFixture f;
    f.button.SetCaptionPosition(2);
    f.button.SetCaptionPosition(6);
    EXPECT_EQ(f.button.Layout().pictureArea, (Rect{0, 18, 74, 22}));
    EXPECT_EQ(f.button.Layout().captionArea, (Rect{0, 0, 74, 18}));
}

TEST(XpButtonLayout, SplitRoundsHalvesToEven) {
    struct Case {
        int width;
        std::int32_t position;
        int splitAt;
    };
    // Half of 25 is 12.5 and half of 27 is 13.5: the splits go to 12 and 14.
    const Case cases[] = {{26, 0, 12}, {26, 1, 12}, {28, 0, 14}, {28, 1, 14}};
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.width << " wide, position " << c.position);
        ButtonFixture f(c.width, 23);
        f.button.SetCaptionPercent(50);
        f.button.SetCaptionPosition(c.position);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_EQ(c.position == 0 ? layout.captionArea.right : layout.pictureArea.right, c.splitAt);
    }
}

TEST(XpButtonLayout, TheAttachedAreaTakesTheRightEdge) {
    ButtonFixture f(75, 23, xp_type::kFlatArrow);
    const XpButtonLayout& layout = f.button.Layout();
    EXPECT_TRUE(layout.valid);
    EXPECT_EQ(layout.areaWidth, 16);
    EXPECT_EQ(layout.attachedArea, (Rect{58, 0, 74, 22}));
    // 80 % of the 58 pixels left: 46.4.
    EXPECT_EQ(layout.pictureArea, (Rect{0, 0, 12, 22}));
    EXPECT_EQ(layout.captionArea, (Rect{12, 0, 58, 22}));

    ButtonFixture toolbar(75, 23, xp_type::kToolbarDropDown);
    EXPECT_EQ(toolbar.button.Layout().attachedArea, (Rect{60, 0, 74, 22}));
}

TEST(XpButtonLayout, AFaceTooSmallForTheAttachedAreaKeepsTheOldAreas) {
    struct Case {
        const char* name;
        int width;
        int height;
    };
    // The arrow's area is 16 wide and its picture 15 high.
    const Case cases[] = {{"narrow", 17, 23}, {"low", 75, 16}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(c.width, c.height);
        const XpButtonLayout before = f.button.Layout();
        f.button.SetType(xp_type::kFlatArrow);
        const XpButtonLayout& after = f.button.Layout();
        EXPECT_FALSE(after.valid);
        EXPECT_EQ(after.pictureArea, before.pictureArea);
        EXPECT_EQ(after.captionArea, before.captionArea);
        EXPECT_EQ(after.attachedArea, before.attachedArea);
    }
    ButtonFixture fits(18, 23, xp_type::kFlatArrow);
    EXPECT_TRUE(fits.button.Layout().valid);
}

TEST(XpButtonLayout, OneAreaOnly) {
    struct Case {
        const char* name;
        double percent;
        const wchar_t* caption;
        bool captionVisible;
        bool expectCaption;
    };
    const Case cases[] = {
        {"percent 100", 100, L"OK", true, true},     {"percent 100, empty caption", 100, L"", true, true},
        {"percent 0", 0, L"OK", true, false},        {"empty caption", 80, L"", true, false},
        {"caption hidden", 80, L"OK", false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ButtonFixture f(75, 23, xp_type::kFlatArrow);
        f.button.SetCaption(c.caption);
        f.button.SetCaptionVisible(c.captionVisible);
        f.button.SetCaptionPercent(c.percent);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_EQ(layout.hasCaptionArea, c.expectCaption);
        EXPECT_EQ(layout.hasPictureArea, !c.expectCaption);
        const Rect whole{0, 0, 58, 22};  // left of the attached area
        EXPECT_EQ(c.expectCaption ? layout.captionArea : layout.pictureArea, whole);
    }
}

TEST(XpButtonLayout, CaptionPlacementByAlignment) {
    // Caption area (15, 0, 74, 22) less margins of 2: (17, 2, 72, 20), 18 high; a line is 12 high.
    struct Case {
        std::int32_t alignment;
        Rect rect;
        unsigned format;
    };
    const Case cases[] = {
        {0, {17, 8, 72, 20}, kSingle},
        {1, {17, 8, 72, 20}, kSingle | text_format::kCenter},
        {2, {17, 8, 72, 20}, kSingle | text_format::kRight},
        {3, {17, 5, 72, 17}, kSingle},
        {4, {17, 5, 72, 17}, kSingle | text_format::kCenter},
        {5, {17, 5, 72, 17}, kSingle | text_format::kRight},
        {6, {17, 2, 72, 14}, kSingle},
        {7, {17, 2, 72, 14}, kSingle | text_format::kCenter},
        {8, {17, 2, 72, 14}, kSingle | text_format::kRight},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        ButtonFixture f;
        f.button.SetCaptionAlignment(c.alignment);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_EQ(layout.captionInner, (Rect{17, 2, 72, 20}));
        EXPECT_EQ(layout.captionRect, c.rect);
        EXPECT_EQ(layout.captionFormat, c.format);
        EXPECT_EQ(layout.captionHeight, PixelCanvas::kLineHeight);
    }
}

TEST(XpButtonLayout, CaptionPlacementDetails) {
    {
        // An odd inner height: 17 / 2 - 6 = 2.5 and 17 / 2 + 6 = 14.5 both go down.
        ButtonFixture f(75, 22);
        EXPECT_EQ(f.button.Layout().captionRect, (Rect{17, 4, 72, 16}));
    }
    {
        ButtonFixture f;
        f.button.SetCaptionAlignment(2);
        f.button.SetCaptionAlignment(9);
        EXPECT_EQ(f.button.Layout().captionRect, (Rect{17, 8, 72, 20})) << "a value above 8 moves nothing";
    }
    {
        // Word wrap measures against the width: "Command1" is 48 pixels, 3 lines in 18.
        ButtonFixture f(75, 60);
        f.button.SetCaptionMarginRight(37);
        f.button.SetCaptionWordWrap(true);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_EQ(layout.captionFormat, text_format::kWordBreak | text_format::kCenter);
        EXPECT_EQ(layout.captionHeight, 3 * PixelCanvas::kLineHeight);
    }
}

TEST(XpButtonLayout, PicturePlacementByAlignment) {
    // A 35 x 35 face given wholly to a 16 x 16 picture: F = (4, 4, 30, 30).
    struct Case {
        std::int32_t alignment;
        Point corner;
    };
    const Case cases[] = {{0, {4, 14}}, {1, {9, 14}}, {2, {14, 14}}, {3, {4, 9}}, {4, {9, 9}},
                          {5, {14, 9}}, {6, {4, 4}},  {7, {9, 4}},   {8, {14, 4}}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.alignment);
        ButtonFixture f(35, 35);
        f.button.SetCaptionPercent(0);
        f.button.SetPicture(TestPicture::Solid(16, 16, Colour(0xFF)));
        f.button.SetPictureAlignment(c.alignment);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_EQ(layout.frameInner, (Rect{4, 4, 30, 30}));
        EXPECT_EQ(layout.pictureRect, (Rect{c.corner.x, c.corner.y, c.corner.x + 16, c.corner.y + 16}));
    }
}

TEST(XpButtonLayout, PicturePlacementFollowsThePictureOfTheState) {
    ButtonFixture f(35, 35);
    f.button.SetCaptionPercent(0);
    f.button.SetPictureScaled(true);
    f.button.SetFrameWidth(20);
    f.button.SetFrameHeight(20);
    // No picture while idle: an empty rectangle in the middle.
    EXPECT_EQ(f.button.Layout().pictureRect, (Rect{17, 17, 17, 17}));
    f.button.SetHoverPicture(TestPicture::Solid(16, 16, Colour(0xFF)));
    f.button.OnGotFocus();
    EXPECT_EQ(f.button.Layout().pictureRect, (Rect{11, 11, 23, 23}))
        << "the hover picture is placed on focus";
}

TEST(XpButtonLayout, ChevronSeparatorAndGrip) {
    {
        ButtonFixture f(75, 23, xp_type::kChevron);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_TRUE(layout.valid);
        EXPECT_EQ(layout.captionArea, (Rect{0, 0, 74, 22}));
        EXPECT_FALSE(layout.hasCaptionArea);
        EXPECT_FALSE(layout.hasPictureArea);
        EXPECT_EQ(layout.areaWidth, 0);
    }
    {
        ButtonFixture f(20, 40, xp_type::kSeparator);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_TRUE(layout.valid);
        EXPECT_EQ(layout.frameInner, (Rect{4, 4, 15, 35}));
        EXPECT_EQ(layout.pictureRect, (Rect{9, 4, 9, 35}));
    }
    {
        // 8 pixels wide: the client is 7 wide, less 8 of margins.
        ButtonFixture f(8, 40, xp_type::kSeparator);
        EXPECT_FALSE(f.button.Layout().valid);
    }
    {
        ButtonFixture f(20, 40, xp_type::kGrip);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_TRUE(layout.valid);
        EXPECT_EQ(layout.pictureRect, (Rect{8, 4, 11, 35}));
    }
    struct GripCase {
        const char* name;
        int width;
        int height;
        bool valid;
    };
    // Inside the margins: width 11 against a grip of 3, height 31 against a spacing of 2.
    const GripCase grips[] = {
        {"roomy", 20, 40, true},      {"as wide as the grip", 12, 40, false},
        {"one wider", 13, 40, true},  {"as high as the spacing", 20, 11, false},
        {"one higher", 20, 12, true},
    };
    for (const GripCase& g : grips) {
        SCOPED_TRACE(g.name);
        ButtonFixture f(g.width, g.height, xp_type::kGrip);
        EXPECT_EQ(f.button.Layout().valid, g.valid);
    }
}

}  // namespace
}  // namespace orvell::controls::test
