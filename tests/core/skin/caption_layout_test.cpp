// The main window's caption: where its art, buttons, title and menu bar go, and what its buttons do.
#include "skin/caption_layout.h"

#include <gtest/gtest.h>

#include "support/test_printers.h"

namespace orvell::skin {
namespace {

using namespace caption_style;
constexpr CaptionArt kArt = kMainWindowArt;
constexpr std::uint32_t kMainStyle = kSysMenu | kMinimiseBox;
constexpr std::uint32_t kAllButtons = kSysMenu | kMaximiseBox | kMinimiseBox;

TEST(CaptionLayout, RightEndTitleAndMenuBarFollowTheWidthUntilTooNarrow) {
    const struct {
        int width;
        int rightEnd;
        bool tooNarrow;
    } cases[] = {{436, 336, false}, {201, 101, false}, {200, 101, true}, {120, 101, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const CaptionLayout layout = LayoutCaption(kArt, c.width, kMainStyle, true);
        EXPECT_EQ(layout.rightEnd, c.rightEnd);
        EXPECT_EQ(layout.tooNarrow, c.tooNarrow);
        EXPECT_EQ(layout.art[0], (CaptionCopy{{0, 0}, {0, 0, 90, 48}}));
        EXPECT_EQ(layout.art[1], (CaptionCopy{{140, 0}, {c.rightEnd, 0, c.rightEnd + 101, 48}}));
        EXPECT_EQ(layout.title.has_value(), !c.tooNarrow);
        if (layout.title) {
            EXPECT_EQ(*layout.title, (Rect{92, 11, c.width - 96, 29}));
        }
        EXPECT_EQ(layout.menuBar, (MenuBarPlacement{90, 24, c.rightEnd - 90, 24, -22}));
    }
}

TEST(CaptionLayout, MiddleTilesRunFromTheLeftEndToTheRightEndInTheArtOfTheState) {
    const struct {
        int width;
        bool active;
        std::vector<int> lefts;
        int lastWidth;
    } cases[] = {{436, true, {90, 142, 194, 246, 298}, 38},
                 {436, false, {90, 142, 194, 246, 298}, 38},
                 {150, true, {90}, 11},
                 {294, true, {90, 142}, 52}};  // the last tile ends at the right end exactly
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << (c.active ? " active" : " inactive"));
        const CaptionLayout layout = LayoutCaption(kArt, c.width, kMainStyle, c.active);
        const int offset = c.active ? 0 : 400;
        EXPECT_EQ(layout.art[0].source.x, offset);
        EXPECT_EQ(layout.art[1].source.x, 140 + offset);
        ASSERT_EQ(layout.art.size(), c.lefts.size() + 2);
        for (std::size_t i = 0; i < c.lefts.size(); ++i) {
            const CaptionCopy& tile = layout.art[i + 2];
            EXPECT_EQ(tile.source, (Point{91 + offset, 0}));
            EXPECT_EQ(tile.target.left, c.lefts[i]);
            EXPECT_EQ(tile.target.Width(), i + 1 == c.lefts.size() ? c.lastWidth : 52);
        }
    }
}

TEST(CaptionLayout, ButtonsStandFromTheRightInTheOrderCloseMaximiseMinimise) {
    using R = std::optional<Rect>;
    const struct {
        std::uint32_t style;
        R close, maximise, minimise;
    } cases[] = {
        {kMainStyle, Rect{411, 5, 431, 25}, std::nullopt, Rect{391, 5, 411, 25}},
        {kAllButtons, Rect{411, 5, 431, 25}, Rect{391, 5, 411, 25}, Rect{371, 5, 391, 25}},
        {kMinimiseBox, std::nullopt, std::nullopt, Rect{411, 5, 431, 25}},
        {0, std::nullopt, std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.style);
        const CaptionLayout layout = LayoutCaption(kArt, 436, c.style, true);
        EXPECT_EQ(layout.buttons[0], c.close);
        EXPECT_EQ(layout.buttons[1], c.maximise);
        EXPECT_EQ(layout.buttons[2], c.minimise);
    }
    EXPECT_EQ(ButtonImage(kArt, CaptionButton::Close, kAllButtons, false), (Point{241, 0}));
    EXPECT_EQ(ButtonImage(kArt, CaptionButton::Maximise, kAllButtons, true), (Point{278, 20}));
    EXPECT_EQ(ButtonImage(kArt, CaptionButton::Maximise, kAllButtons | kMaximised, false), (Point{259, 0}));
    EXPECT_EQ(ButtonImage(kArt, CaptionButton::Minimise, kAllButtons, true), (Point{297, 20}));
}

TEST(CaptionLayout, BordersFillTheSidesDownToTheBottomTileRowAndTheBottomBetweenItsCorners) {
    const struct {
        int height;
        std::vector<RowCopy> copies;
        int bottomTop;
    } cases[] = {
        {407, {{48, 58, 10}, {48, 68, 20}, {48, 88, 40}, {48, 128, 80}, {48, 208, 160}, {48, 368, 320}}, 397},
        {68, {}, 58},
        {69, {{48, 58, 10}}, 59},
        {50, {}, 48}};  // shorter than caption and border: the border stays below the caption
    for (const auto& c : cases) {
        SCOPED_TRACE(c.height);
        EXPECT_EQ(SideBorderCopies(kArt, c.height), c.copies);
        EXPECT_EQ(BottomBorderTop(kArt, c.height), c.bottomTop);
    }
    const std::vector<int> tiles = BottomEdgeTiles(kArt, 436);
    ASSERT_EQ(tiles.size(), 42u);
    EXPECT_EQ(tiles.front(), 10);
    EXPECT_EQ(tiles.back(), 420);  // the corner at 426 covers the rest
}

TEST(CaptionLayout, LogoAndPresentButtonsAnswerAsTheWindowMenu) {
    const CaptionLayout layout = LayoutCaption(kArt, 436, kMainStyle, true);
    const struct {
        Point at;
        bool systemMenu;
        std::optional<CaptionButton> button;
    } cases[] = {{{12, 11}, true, std::nullopt},         {{41, 42}, true, std::nullopt},
                 {{42, 20}, false, std::nullopt},        {{12, 43}, false, std::nullopt},
                 {{411, 5}, true, CaptionButton::Close}, {{430, 24}, true, CaptionButton::Close},
                 {{431, 10}, false, std::nullopt},       {{410, 24}, true, CaptionButton::Minimise},
                 {{391, 25}, false, std::nullopt},       {{390, 10}, false, std::nullopt}};  // no maximise
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.at));
        EXPECT_EQ(IsSystemMenuArea(layout, c.at), c.systemMenu);
        EXPECT_EQ(ButtonAt(layout, c.at), c.button);
    }
}

// The frame reports a release as a press and a release at the same point.
TEST(CaptionLayout, AReleasePostsTheCommandOfTheButtonPressedBeforeIt) {
    const struct {
        std::uint32_t style;
        std::optional<Point> press;
        Point release;
        std::optional<std::uint32_t> command;
    } cases[] = {
        {kAllButtons, Point{420, 10}, {420, 10}, caption_command::kClose},
        {kAllButtons, Point{400, 10}, {400, 10}, caption_command::kMaximise},
        {kAllButtons | kMaximised, Point{400, 10}, {400, 10}, caption_command::kRestore},
        {kAllButtons, Point{380, 10}, {380, 10}, caption_command::kMinimise},
        {kAllButtons, Point{420, 10}, {380, 10}, std::nullopt},  // let go over another button
        {kAllButtons, Point{420, 10}, {200, 10}, std::nullopt},  // let go off the buttons
        {kAllButtons, std::nullopt, {420, 10}, std::nullopt},    // dragged onto the button
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.release));
        const CaptionLayout layout = LayoutCaption(kArt, 436, c.style, true);
        CaptionButtonPress press;
        if (c.press) {
            press.Press(layout, *c.press);
        }
        press.Press(layout, c.release);
        EXPECT_EQ(press.Release(layout, c.release, c.style), c.command);
        for (const CaptionButton button : kCaptionButtons) {
            EXPECT_FALSE(press.Held(button));
        }
        // Nothing is left held for a later release.
        press.Press(layout, c.release);
        EXPECT_EQ(press.Release(layout, c.release, c.style), std::nullopt);
    }
}

TEST(CaptionLayout, TitleIsBoldWhileActiveAndMenuBarNeverBold) {
    const controls::FontDescription plain = controls::SongTi(9);
    const controls::FontDescription bold = controls::SongTi(9, true);
    EXPECT_TRUE(TitleFont(plain, true).bold);
    EXPECT_FALSE(TitleFont(plain, false).bold);
    EXPECT_TRUE(TitleFont(bold, false).bold);
    EXPECT_FALSE(MenuBarFont(bold).bold);
    EXPECT_EQ(TitleFont(plain, true).name, plain.name);
    EXPECT_EQ(MenuBarFont(bold).size, bold.size);
}

}  // namespace
}  // namespace orvell::skin
