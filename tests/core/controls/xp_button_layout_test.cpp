#include <gtest/gtest.h>

#include "support/button_fixture.h"

namespace orvell::controls::test {
namespace {

TEST(XpButtonLayout, SplitByCaptionPosition) {
    // 75 x 23 face: the client rectangle is (0, 0, 74, 22); 80 % of 74 is 59.2 and of 22 is 17.6.
    struct Case {
        std::int32_t position;
        Rect picture, caption;
    };
    const Case cases[] = {
        {0, {59, 0, 74, 22}, {0, 0, 59, 22}}, {1, {0, 0, 15, 22}, {15, 0, 74, 22}},
        {2, {0, 18, 74, 22}, {0, 0, 74, 18}}, {3, {0, 0, 74, 4}, {0, 4, 74, 22}},
        {4, {0, 0, 74, 22}, {0, 0, 74, 22}},  {5, {0, 0, 74, 22}, {0, 0, 74, 22}},
        {6, {0, 18, 74, 22}, {0, 0, 74, 18}},  // unknown: the areas stay as they were (position 2)
    };
    for (const Case& c : cases) {
        ButtonFixture f;
        f.button.SetCaptionPosition(2);
        f.button.SetCaptionPosition(c.position);
        const XpButtonLayout& layout = f.button.Layout();
        EXPECT_TRUE(layout.valid && layout.hasPictureArea && layout.hasCaptionArea) << c.position;
        EXPECT_EQ(layout.pictureArea, c.picture) << c.position;
        EXPECT_EQ(layout.captionArea, c.caption) << c.position;
        EXPECT_EQ(layout.attachedArea, Rect{}) << c.position;
    }
    // Half of 25 is 12.5 and half of 27 is 13.5: the splits go to the even 12 and 14.
    for (const auto& [width, splitAt] : {std::pair{26, 12}, std::pair{28, 14}}) {
        for (const std::int32_t position : {0, 1}) {
            ButtonFixture f(width, 23);
            f.button.SetCaptionPercent(50);
            f.button.SetCaptionPosition(position);
            const XpButtonLayout& layout = f.button.Layout();
            EXPECT_EQ(position == 0 ? layout.captionArea.right : layout.pictureArea.right, splitAt)
                << width << " wide, position " << position;
        }
    }
}

// Only a damaged design holds a caption share outside 0 to 100 %: the split stays at the face's edge.
TEST(XpButtonLayout, ADesignsShareOutOfRangeSplitsAtTheFacesEdge) {
    const struct {
        const wchar_t* design;
        Rect picture, caption;
    } cases[] = {
        {L"Button标题区百分比=99999999999999999999\nButton标题区位置=1", {0, 0, 0, 22}, {0, 0, 74, 22}},
        {L"Button标题区百分比=-99999999999999999999\nButton标题区位置=0", {0, 0, 74, 22}, {0, 0, 0, 22}},
        {L"Button标题区百分比=150\nButton标题区位置=3", {0, 0, 74, 0}, {0, 0, 74, 22}},
    };
    for (const auto& c : cases) {
        ButtonFixture f;
        TestPictureSource none;
        f.button.Restore(PropertyBag::Parse(c.design), L"Command1", kHostFont, none);
        f.button.OnResize(75, 23);
        EXPECT_EQ(f.button.Layout().pictureArea, c.picture) << text::EncodeUtf8(c.design);
        EXPECT_EQ(f.button.Layout().captionArea, c.caption) << text::EncodeUtf8(c.design);
    }
}

TEST(XpButtonLayout, TheAttachedAreaTakesTheRightEdgeWhenTheFaceHasRoom) {
    const XpButtonLayout arrow = ButtonFixture(75, 23, xp_type::kFlatArrow).button.Layout();
    EXPECT_TRUE(arrow.valid);
    EXPECT_EQ(arrow.attachedArea, (Rect{58, 0, 74, 22}));
    EXPECT_EQ(arrow.pictureArea, (Rect{0, 0, 12, 22})) << "80 % of the 58 pixels left: 46.4";
    EXPECT_EQ(arrow.captionArea, (Rect{12, 0, 58, 22}));
    EXPECT_EQ(ButtonFixture(75, 23, xp_type::kToolbarDropDown).button.Layout().attachedArea,
              (Rect{60, 0, 74, 22}));
    // The arrow's area is 16 wide and its picture 15 high: a smaller face keeps its old areas.
    for (const auto& [width, height] : {std::pair{17, 23}, std::pair{75, 16}}) {
        ButtonFixture small(width, height);
        const XpButtonLayout before = small.button.Layout();
        small.button.SetType(xp_type::kFlatArrow);
        const XpButtonLayout& after = small.button.Layout();
        EXPECT_FALSE(after.valid) << width << " x " << height;
        EXPECT_TRUE(after.pictureArea == before.pictureArea && after.captionArea == before.captionArea &&
                    after.attachedArea == before.attachedArea);
    }
    EXPECT_TRUE(ButtonFixture(18, 23, xp_type::kFlatArrow).button.Layout().valid);
}

TEST(XpButtonLayout, OneAreaOnly) {
    struct Case {
        double percent;
        const wchar_t* caption;
        bool captionVisible, expectCaption;
    };
    const Case cases[] = {{100, L"OK", true, true},
                          {100, L"", true, true},
                          {0, L"OK", true, false},
                          {80, L"", true, false},
                          {80, L"OK", false, false}};
    for (const Case& c : cases) {
        ButtonFixture f(75, 23, xp_type::kFlatArrow);
        f.button.SetCaption(c.caption);
        f.button.SetCaptionVisible(c.captionVisible);
        f.button.SetCaptionPercent(c.percent);
        const XpButtonLayout& layout = f.button.Layout();
        const std::string row = std::to_string(c.percent) + (c.captionVisible ? " shown" : " hidden");
        EXPECT_EQ(layout.hasCaptionArea, c.expectCaption) << row;
        EXPECT_EQ(layout.hasPictureArea, !c.expectCaption) << row;
        // The whole face left of the attached area.
        EXPECT_EQ(c.expectCaption ? layout.captionArea : layout.pictureArea, (Rect{0, 0, 58, 22})) << row;
    }
}

TEST(XpButtonLayout, CaptionPlacementByAlignment) {
    // Caption area (15, 0, 74, 22) less margins of 2: (17, 2, 72, 20), 18 high; a line is 12 high.
    const int tops[] = {8, 5, 2};  // bottom, middle and top rows of the keypad
    const unsigned across[] = {0, text_format::kCenter, text_format::kRight};
    for (std::int32_t alignment = 0; alignment <= 8; ++alignment) {
        ButtonFixture f;
        f.button.SetCaptionAlignment(alignment);
        const int top = tops[alignment / 3];
        EXPECT_EQ(f.button.Layout().captionRect, (Rect{17, top, 72, top + 12})) << alignment;
        EXPECT_EQ(f.button.Layout().captionFormat, text_format::kSingleLine | across[alignment % 3])
            << alignment;
        f.button.SetCaptionAlignment(9);
        EXPECT_EQ(f.button.Layout().captionRect, (Rect{17, top, 72, top + 12}))
            << "a value above 8 moves nothing";
    }
    // An odd inner height: 17 / 2 - 6 = 2.5 and 17 / 2 + 6 = 14.5 both go down.
    EXPECT_EQ(ButtonFixture(75, 22).button.Layout().captionRect, (Rect{17, 4, 72, 16}));
    // Word wrap measures against the width: "Command1" is 48 pixels, 3 lines in 18.
    ButtonFixture f(75, 60);
    f.button.SetCaptionMarginRight(37);
    f.button.SetCaptionWordWrap(true);
    EXPECT_EQ(f.button.Layout().captionFormat, text_format::kWordBreak | text_format::kCenter);
    EXPECT_EQ(f.button.Layout().captionHeight, 3 * PixelCanvas::kLineHeight);
}

TEST(XpButtonLayout, PicturePlacementByAlignment) {
    // A 35 x 35 face given wholly to a 16 x 16 picture: F = (4, 4, 30, 30); left, centre, right at
    // 4, 9, 14 and bottom, middle, top likewise.
    const int at[] = {4, 9, 14};
    for (std::int32_t alignment = 0; alignment <= 8; ++alignment) {
        ButtonFixture f(35, 35);
        f.button.SetCaptionPercent(0);
        f.button.SetPicture(TestPicture::Solid(16, 16, Colour(0xFF)));
        f.button.SetPictureAlignment(alignment);
        EXPECT_EQ(f.button.Layout().frameInner, (Rect{4, 4, 30, 30}));
        const Point q{at[alignment % 3], at[2 - alignment / 3]};
        EXPECT_EQ(f.button.Layout().pictureRect, (Rect{q.x, q.y, q.x + 16, q.y + 16})) << alignment;
    }
}

TEST(XpButtonLayout, ChevronSeparatorAndGripNeedRoomForTheirGlyphs) {
    const XpButtonLayout chevron = ButtonFixture(75, 23, xp_type::kChevron).button.Layout();
    EXPECT_TRUE(chevron.valid && !chevron.hasCaptionArea && !chevron.hasPictureArea);
    EXPECT_EQ(chevron.captionArea, (Rect{0, 0, 74, 22}));
    EXPECT_EQ(chevron.areaWidth, 0);
    const XpButtonLayout separator = ButtonFixture(20, 40, xp_type::kSeparator).button.Layout();
    EXPECT_EQ(separator.frameInner, (Rect{4, 4, 15, 35}));
    EXPECT_EQ(separator.pictureRect, (Rect{9, 4, 9, 35}));
    EXPECT_EQ(ButtonFixture(20, 40, xp_type::kGrip).button.Layout().pictureRect, (Rect{8, 4, 11, 35}));
    struct Case {
        std::int32_t type;
        int width, height;
        bool valid;
    };
    // Inside the margins of 4: the grip's width 11 against its 3, height 31 against a spacing of 2.
    const Case cases[] = {{5, 20, 40, true}, {5, 8, 40, false},  {6, 20, 40, true}, {6, 12, 40, false},
                          {6, 13, 40, true}, {6, 20, 11, false}, {6, 20, 12, true}};
    for (const Case& c : cases) {
        EXPECT_EQ(ButtonFixture(c.width, c.height, c.type).button.Layout().valid, c.valid)
            << "type " << c.type << ", " << c.width << " x " << c.height;
    }
}

}  // namespace
}  // namespace orvell::controls::test
