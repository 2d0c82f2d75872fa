// Where the title bar's pieces go, in twips and in the pixels of screens of several DPIs.
#include "skin/title_bar_layout.h"

#include <gtest/gtest.h>

#include "support/test_printers.h"

namespace orvell::skin {
namespace {

bool Covers(const std::vector<ArtBlit>& blits, Point at) {
    return std::any_of(blits.begin(), blits.end(), [&](const ArtBlit& b) { return b.target.Contains(at); });
}

TEST(TitleBarLayout, TheStripRepeatsItsMiddleUnderItsEndsAtAnyWidth) {
    const struct {
        int width;
        bool nomin;
        int tiles;
        Rect rightEnd;
    } cases[] = {{3000, false, 11, {2000, 0, 3000, 450}},
                 {2999, true, 10, {1999, 0, 2999, 450}},
                 {900, false, 4, {-100, 0, 900, 450}}};  // narrower than the right end: over the left end
    for (const auto& c : cases) {
        SCOPED_TRACE(c.width);
        const std::vector<ArtPiece> pieces = TitleStripPieces(c.width, c.nomin);
        ASSERT_EQ(pieces.size(), static_cast<std::size_t>(c.tiles + (c.nomin ? 3 : 2)));
        EXPECT_EQ(pieces[c.tiles - 1],
                  (ArtPiece{{300, 0, 600, 450}, {300 * c.tiles, 0, 300 * c.tiles + 300, 450}}));
        EXPECT_EQ(pieces[c.tiles], (ArtPiece{{0, 0, 450, 450}, {0, 0, 450, 450}}));
        EXPECT_EQ(pieces[c.tiles + 1], (ArtPiece{{410, 0, 1410, 450}, c.rightEnd}));
    }
    EXPECT_EQ(TitleStripPieces(3000, true).back(), (ArtPiece{{210, 0, 610, 450}, {2170, 0, 2570, 450}}));
    EXPECT_EQ(MinButtonPiece(3000).target, (Rect{2280, 70, 2565, 355}));
    EXPECT_EQ(CloseButtonPiece(3000).target, (Rect{2640, 70, 2925, 355}));
}

// Pixels: no gap at any DPI, the 96-dpi copy pixel for pixel, the buttons over the skin's idle
// buttons (tools/make_skin.py draws them at (46, 5) and (70, 5)), Nomin's piece over the minimise one.
TEST(TitleBarLayout, PixelPiecesLeaveNoGapAndLieOverTheIdleButtons) {
    for (const int dpi : {96, 100, 110, 120, 144, 168, 192}) {
        for (const int width : {1, 40, 66, 67, 201, 283}) {
            SCOPED_TRACE(testing::Message() << dpi << " dpi, " << width << " pixels");
            ASSERT_EQ(TwipsToPixels(PixelsToTwips(width, dpi), dpi), width);
            const TitleBarPlan plan = PlanTitleBar(width, false, dpi, dpi);
            const std::vector<ArtBlit> border = PlanHostBorder(width, 150, dpi, dpi);
            const int edge = TwipsToPixels(60, dpi);
            for (int x = 0; x < width; ++x) {
                ASSERT_TRUE(Covers(plan.strip, {x, plan.height - 1})) << x;
                for (int y = plan.height; y < 150; ++y) {
                    const bool framed = x < edge || x >= width - edge || y >= 150 - edge;
                    ASSERT_TRUE(!framed || Covers(border, {x, y})) << testing::PrintToString(Point{x, y});
                }
            }
            if (dpi == 96) {
                for (const ArtBlit& blit : plan.strip) {
                    EXPECT_EQ(blit.source.Width(), blit.target.Width());
                }
                const Rect& rightEnd = plan.strip.back().target;
                EXPECT_EQ(plan.minButton->target, (Rect{width - 48, 5, width - 29, 24}));
                EXPECT_EQ(plan.minButton->target.left - rightEnd.left, 46 - 27);
                EXPECT_EQ(plan.closeButton.target.left - rightEnd.left, 70 - 27);
                EXPECT_EQ(plan.captionClip, (Rect{8, 0, std::max(width - 48, 8), 27}));
                const TitleBarPlan nomin = PlanTitleBar(width, true, dpi, dpi);
                const Rect& patch = nomin.strip.back().target;
                EXPECT_TRUE(patch.left <= width - 48 && patch.right >= width - 29 && patch.bottom >= 24);
                EXPECT_EQ(nomin.captionClip.right, std::max(width - 24, 8));
            }
        }
    }
}

TEST(TitleBarLayout, PointsFindTheButtonsTheyAreOn) {
    const struct {
        Point at;
        bool nomin;
        TitleBarPart part;
    } cases[] = {{{152, 5}, false, TitleBarPart::MinButton},    {{170, 23}, false, TitleBarPart::MinButton},
                 {{171, 10}, false, TitleBarPart::Bar},         {{160, 24}, false, TitleBarPart::Bar},
                 {{194, 23}, false, TitleBarPart::CloseButton}, {{195, 10}, false, TitleBarPart::Bar},
                 {{152, 5}, true, TitleBarPart::Bar},           {{180, 10}, true, TitleBarPart::CloseButton}};
    for (const auto& c : cases) {
        EXPECT_EQ(PartAt(PlanTitleBar(200, c.nomin, 96, 96), c.at), c.part) << testing::PrintToString(c.at);
    }
}

}  // namespace
}  // namespace orvell::skin
