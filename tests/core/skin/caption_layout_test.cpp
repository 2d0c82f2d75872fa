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

// The middle is tiled from the left end to the right end, the last tile cut there.
TEST(CaptionLayout, EndsMiddleTitleAndMenuBarFollowTheWidthUntilTooNarrow) {
    const struct {
        int width, rightEnd;
        bool tooNarrow;
        std::size_t tiles;
        int lastTile;
    } cases[] = {{436, 336, false, 5, 38},
                 {294, 194, false, 2, 52},
                 {201, 101, false, 1, 11},
                 {200, 101, true, 1, 11}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const CaptionLayout layout = LayoutCaption(kArt, c.width, kMainStyle, true);
        EXPECT_EQ(layout.rightEnd, c.rightEnd);
        EXPECT_EQ(layout.tooNarrow, c.tooNarrow);
        EXPECT_EQ(layout.art[0], (CaptionCopy{{0, 0}, {0, 0, 90, 48}}));
        EXPECT_EQ(layout.art[1], (CaptionCopy{{140, 0}, {c.rightEnd, 0, c.rightEnd + 101, 48}}));
        ASSERT_EQ(layout.art.size(), c.tiles + 2);
        EXPECT_EQ(layout.art.back().target.left, 90 + 52 * static_cast<int>(c.tiles - 1));
        EXPECT_EQ(layout.art.back().target.Width(), c.lastTile);
        EXPECT_EQ(layout.title, c.tooNarrow ? std::nullopt : std::optional(Rect{92, 11, c.width - 96, 29}));
        EXPECT_EQ(layout.menuBar, (MenuBarPlacement{90, 24, c.rightEnd - 90, 24, -22}));
    }
    EXPECT_TRUE(TitleFont(controls::SongTi(9), true).bold && !TitleFont(controls::SongTi(9), false).bold);
    EXPECT_FALSE(MenuBarFont(controls::SongTi(9, true)).bold);
    const CaptionLayout inactive = LayoutCaption(kArt, 436, kMainStyle, false);
    EXPECT_EQ(inactive.art[0].source.x, 400);
    EXPECT_EQ(inactive.art[1].source.x, 540);
    EXPECT_EQ(inactive.art[2].source.x, 491);
}

TEST(CaptionLayout, ButtonsStandFromTheRightByStyleAndTheyAndTheLogoAnswerAsTheWindowMenu) {
    using R = std::optional<Rect>;
    const struct {
        std::uint32_t style;
        R close, maximise, minimise;
    } cases[] = {{kMainStyle, Rect{411, 5, 431, 25}, std::nullopt, Rect{391, 5, 411, 25}},
                 {kAllButtons, Rect{411, 5, 431, 25}, Rect{391, 5, 411, 25}, Rect{371, 5, 391, 25}},
                 {kMinimiseBox, std::nullopt, std::nullopt, Rect{411, 5, 431, 25}},
                 {0, std::nullopt, std::nullopt, std::nullopt}};
    for (const auto& c : cases) {
        const CaptionLayout layout = LayoutCaption(kArt, 436, c.style, true);
        EXPECT_EQ(layout.buttons, (std::array<R, 3>{c.close, c.maximise, c.minimise})) << std::hex << c.style;
    }
    // The logo's last pixel and the one beyond it; no maximise button, so nothing left of minimise; the
    // menu bar's corners and beyond.
    const CaptionLayout layout = LayoutCaption(kArt, 436, kMainStyle, true);
    EXPECT_TRUE(IsSystemMenuArea(layout, {41, 42}) && !IsSystemMenuArea(layout, {42, 20}));
    EXPECT_TRUE(IsSystemMenuArea(layout, {391, 24}) && !IsSystemMenuArea(layout, {390, 10}));
    EXPECT_TRUE(IsMenuBarArea(layout, {90, 24}) && IsMenuBarArea(layout, {335, 47}));
    EXPECT_FALSE(IsMenuBarArea(layout, {89, 30}) || IsMenuBarArea(layout, {336, 30}) ||
                 IsMenuBarArea(layout, {200, 23}));
    // The window suite reads the close and minimise images; maximised, the maximise slot shows restore.
    EXPECT_EQ(ButtonImage(kArt, CaptionButton::Maximise, kAllButtons, true), (Point{278, 20}));
    EXPECT_EQ(ButtonImage(kArt, CaptionButton::Maximise, kAllButtons | kMaximised, false), (Point{259, 0}));
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
        EXPECT_EQ(SideBorderCopies(kArt, c.height), c.copies) << c.height;
        EXPECT_EQ(BottomBorderTop(kArt, c.height), c.bottomTop) << c.height;
    }
    const std::vector<int> tiles = BottomEdgeTiles(kArt, 436);
    ASSERT_EQ(tiles.size(), 42u);
    EXPECT_EQ(tiles.front(), 10);
    EXPECT_EQ(tiles.back(), 420);  // the corner at 426 covers the rest
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
        {kAllButtons, std::nullopt, {420, 10}, std::nullopt},  // dragged onto the button
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
        press.Press(layout, c.release);  // nothing is left held for a later release
        EXPECT_EQ(press.Release(layout, c.release, c.style), std::nullopt);
    }
}

// Pressed on the close button; then the pointer moves before the release over it.
TEST(CaptionLayout, APressLetGoAwayFromTheFrameHoldsNothing) {
    const struct {
        const char* name;
        std::optional<CaptionButton> under;
        bool buttonDown;
        std::optional<std::uint32_t> command;
    } cases[] = {
        {"dragged off and back, still down", CaptionButton::Minimise, true, caption_command::kClose},
        {"let go over the button: its release is on its way", CaptionButton::Close, false,
         caption_command::kClose},
        {"let go elsewhere, then dragged onto the button", CaptionButton::Minimise, false, std::nullopt},
        {"let go away from the frame", std::nullopt, false, std::nullopt},
    };
    const CaptionLayout layout = LayoutCaption(kArt, 436, kAllButtons, true);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        CaptionButtonPress press;
        press.Press(layout, {420, 10});
        press.Hover(c.under, c.buttonDown);
        press.Press(layout, {420, 10});
        EXPECT_EQ(press.Release(layout, {420, 10}, kAllButtons), c.command);
    }
}

}  // namespace
}  // namespace orvell::skin
