// Where the title bar's pieces go, in twips and in the pixels of screens of several DPIs.
#include "skin/title_bar_layout.h"

#include <gtest/gtest.h>

#include <vector>

#include "support/test_printers.h"

namespace orvell::skin {
namespace {

// The usual scales, and two odd ones of a custom scaling where a piece is no whole number of pixels.
constexpr int kDpis[] = {96, 100, 110, 120, 144, 168, 192};
// Where tools/make_skin.py draws the idle buttons in the skin, in its pixels.
constexpr Point kIdleMinInArt{46, 5};
constexpr Point kIdleCloseInArt{70, 5};

bool Covers(const std::vector<ArtBlit>& blits, Point at) {
    for (const ArtBlit& blit : blits) {
        if (blit.target.Contains(at)) {
            return true;
        }
    }
    return false;
}

// Where a point of the skin lands through a blit, at a DPI.
Point Through(const ArtBlit& blit, Point art, int dpi) {
    return Point{blit.target.left + (art.x - blit.source.left) * dpi / 96,
                 blit.target.top + (art.y - blit.source.top) * dpi / 96};
}

TEST(TitleBarLayout, TheStripRepeatsItsMiddleAndPutsTheEndsOnTop) {
    struct Case {
        int width;
        bool nomin;
        int tiles;
        Rect rightEnd;
        std::optional<Rect> patch;
    };
    const Case cases[] = {
        {3000, false, 11, {2000, 0, 3000, 450}, std::nullopt},
        {3000, true, 11, {2000, 0, 3000, 450}, Rect{2170, 0, 2570, 450}},
        {2999, false, 10, {1999, 0, 2999, 450}, std::nullopt},
        // Narrower than the right end: it starts left of the bar, over the left end.
        {900, false, 4, {-100, 0, 900, 450}, std::nullopt},
        {0, true, 1, {-1000, 0, 0, 450}, Rect{-830, 0, -430, 450}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "width " << c.width << (c.nomin ? " without minimise" : ""));
        const std::vector<ArtPiece> pieces = TitleStripPieces(c.width, c.nomin);
        ASSERT_EQ(pieces.size(), static_cast<std::size_t>(c.tiles + 2 + (c.nomin ? 1 : 0)));
        for (int i = 0; i < c.tiles; ++i) {
            EXPECT_EQ(pieces[i], (ArtPiece{{300, 0, 600, 450}, {300 * (i + 1), 0, 300 * (i + 2), 450}}));
        }
        EXPECT_GE(pieces[c.tiles - 1].target.right, c.width) << "the tiles reach the right edge";
        EXPECT_EQ(pieces[c.tiles], (ArtPiece{{0, 0, 450, 450}, {0, 0, 450, 450}}));
        EXPECT_EQ(pieces[c.tiles + 1], (ArtPiece{{410, 0, 1410, 450}, c.rightEnd}));
        if (c.patch) {
            EXPECT_EQ(pieces.back(), (ArtPiece{{210, 0, 610, 450}, *c.patch}));
        }
    }
    EXPECT_EQ(MinButtonPiece(3000), (ArtPiece{{0, 0, 285, 285}, {2280, 70, 2565, 355}}));
    EXPECT_EQ(CloseButtonPiece(3000), (ArtPiece{{0, 0, 285, 285}, {2640, 70, 2925, 355}}));
}

TEST(TitleBarLayout, TheHostBorderIsCutFromTheSkinsFrameAndNeverReadsPastIt) {
    const std::vector<ArtPiece> pieces = HostBorderPieces(4230, 4170);
    // Fifteen bottom pieces, fifteen down each side, two corners.
    ASSERT_EQ(pieces.size(), 15u + 14u + 14u + 2u);
    for (const ArtPiece& piece : pieces) {
        SCOPED_TRACE(testing::PrintToString(piece.target));
        EXPECT_GE(piece.source.left, 0);
        EXPECT_GE(piece.source.top, 0);
        EXPECT_LE(piece.source.right, bform::kSkinWidth);
        EXPECT_LE(piece.source.bottom, bform::kSkinHeight);
        EXPECT_EQ(piece.source.Width(), piece.target.Width());
        EXPECT_EQ(piece.source.Height(), piece.target.Height());
    }
    EXPECT_EQ(pieces[0], (ArtPiece{{300, 1215, 600, 1275}, {300, 4110, 600, 4170}})) << "bottom";
    EXPECT_EQ(pieces[15], (ArtPiece{{0, 800, 60, 1275}, {0, 300, 60, 775}})) << "left side";
    EXPECT_EQ(pieces[29], (ArtPiece{{1350, 800, 1410, 1275}, {4170, 300, 4230, 775}})) << "right side";
    EXPECT_EQ(pieces[43], (ArtPiece{{0, 1215, 450, 1275}, {0, 4110, 450, 4170}})) << "bottom-left corner";
    EXPECT_EQ(pieces[44], (ArtPiece{{910, 1215, 1410, 1275}, {3730, 4110, 4230, 4170}})) << "bottom-right";
}

TEST(TitleBarLayout, AtAnyDpiTheStripCoversEveryColumnAndAt96CopiesPixelForPixel) {
    for (const int dpi : kDpis) {
        for (const int width : {1, 13, 40, 60, 66, 67, 68, 100, 201, 283, 640}) {
            SCOPED_TRACE(testing::Message() << dpi << " dpi, " << width << " pixels");
            const TitleBarPlan plan = PlanTitleBar(width, false, dpi, dpi);
            EXPECT_EQ(plan.height, TwipsToPixels(405, dpi));
            for (int x = 0; x < width; ++x) {
                ASSERT_TRUE(Covers(plan.strip, Point{x, plan.height - 1})) << "column " << x;
            }
            for (const ArtBlit& blit : plan.strip) {
                EXPECT_GE(blit.target.bottom, plan.height);
                EXPECT_LE(blit.source.right, 94);
                if (dpi == 96) {
                    EXPECT_EQ(blit.source.Width(), blit.target.Width());
                    EXPECT_EQ(blit.source.Height(), blit.target.Height());
                }
            }
        }
    }
}

TEST(TitleBarLayout, TheButtonsLieOverTheIdleButtonsOfTheArtAndNominCoversTheMinimiseOne) {
    for (const int width : {60, 150, 200, 333, 1024}) {
        SCOPED_TRACE(testing::Message() << width << " pixels");
        const TitleBarPlan plan = PlanTitleBar(width, false, 96, 96);
        const ArtBlit& rightEnd = plan.strip.back();
        ASSERT_TRUE(plan.minButton.has_value());
        EXPECT_EQ(plan.minButton->target, (Rect{width - 48, 5, width - 29, 24}));
        EXPECT_EQ(plan.closeButton.target, (Rect{width - 24, 5, width - 5, 24}));
        EXPECT_EQ(Through(rightEnd, kIdleMinInArt, 96), (Point{plan.minButton->target.left, 5}));
        EXPECT_EQ(Through(rightEnd, kIdleCloseInArt, 96), (Point{plan.closeButton.target.left, 5}));
        EXPECT_EQ(plan.captionClip, (Rect{8, 0, std::max(width - 48, 8), 27}))
            << "the caption stops at the button";

        const TitleBarPlan without = PlanTitleBar(width, true, 96, 96);
        EXPECT_FALSE(without.minButton.has_value());
        const ArtBlit& patch = without.strip.back();
        const Rect& button = plan.minButton->target;
        EXPECT_LE(patch.target.left, button.left);
        EXPECT_GE(patch.target.right, button.right);
        EXPECT_GE(patch.target.bottom, button.bottom);
        EXPECT_LE(patch.source.right, 46) << "plain strip, left of the idle minimise button";
        EXPECT_EQ(without.captionClip.right, std::max(width - 24, 8));
    }
    for (const int dpi : kDpis) {
        const TitleBarPlan plan = PlanTitleBar(400, false, dpi, dpi);
        const Point art = Through(plan.strip.back(), kIdleCloseInArt, dpi);
        EXPECT_LE(std::abs(art.x - plan.closeButton.target.left), 1) << dpi << " dpi";
        EXPECT_LE(std::abs(art.y - plan.closeButton.target.top), 1) << dpi << " dpi";
    }
}

TEST(TitleBarLayout, PointsFindTheButtonsTheyAreOn) {
    struct Case {
        Point at;
        bool nomin;
        TitleBarPart part;
    };
    const Case cases[] = {
        {{152, 5}, false, TitleBarPart::MinButton},   {{170, 23}, false, TitleBarPart::MinButton},
        {{171, 10}, false, TitleBarPart::Bar},        {{151, 10}, false, TitleBarPart::Bar},
        {{160, 4}, false, TitleBarPart::Bar},         {{160, 24}, false, TitleBarPart::Bar},
        {{176, 5}, false, TitleBarPart::CloseButton}, {{194, 23}, false, TitleBarPart::CloseButton},
        {{195, 10}, false, TitleBarPart::Bar},        {{10, 10}, false, TitleBarPart::Bar},
        {{-5, 10}, false, TitleBarPart::Bar},         {{152, 5}, true, TitleBarPart::Bar},
        {{180, 10}, true, TitleBarPart::CloseButton},
    };
    const TitleBarPlan plans[] = {PlanTitleBar(200, false, 96, 96), PlanTitleBar(200, true, 96, 96)};
    for (const Case& c : cases) {
        EXPECT_EQ(PartAt(plans[c.nomin ? 1 : 0], c.at), c.part) << testing::PrintToString(c.at);
    }
}

TEST(TitleBarLayout, TheHostBorderFramesTheLeftRightAndBottomAtAnyDpi) {
    for (const int dpi : kDpis) {
        for (const auto& [width, height] : {std::pair{300, 200}, {40, 30}, {283, 279}, {10, 10}}) {
            SCOPED_TRACE(testing::Message() << dpi << " dpi, " << width << " x " << height);
            const std::vector<ArtBlit> blits = PlanHostBorder(width, height, dpi, dpi);
            const int border = TwipsToPixels(60, dpi);
            const int top = TwipsToPixels(300, dpi);
            for (int y = top; y < height; ++y) {
                for (int x = 0; x < width; ++x) {
                    const bool edge = x < border || x >= width - border || y >= height - border;
                    if (edge) {
                        ASSERT_TRUE(Covers(blits, Point{x, y})) << testing::PrintToString(Point{x, y});
                    }
                }
            }
            for (const ArtBlit& blit : blits) {
                EXPECT_LE(blit.source.right, 94);
                EXPECT_LE(blit.source.bottom, 85);
            }
        }
    }
    // At 96 dpi the frame's four pixels land on the host's last four.
    const std::vector<ArtBlit> blits = PlanHostBorder(300, 200, 96, 96);
    EXPECT_EQ(blits[0], (ArtBlit{{20, 81, 40, 85}, {20, 196, 40, 200}}));
    EXPECT_EQ(blits.back(), (ArtBlit{{61, 81, 94, 85}, {267, 196, 300, 200}}));
}

TEST(TitleBarLayout, WindowSizesSurviveTheTripThroughTwips) {
    for (const int dpi : kDpis) {
        for (int pixels = 0; pixels < 2000; ++pixels) {
            ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels) << dpi << " dpi";
        }
    }
    EXPECT_EQ(PixelsToTwips(200, 96), 3000);
    EXPECT_EQ(PixelsToTwips(-2, 96), -30);
}

}  // namespace
}  // namespace orvell::skin
