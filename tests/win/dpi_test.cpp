#include "platform/dpi.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "support/test_printers.h"

namespace orvell::win {
namespace {

// Twips to pixels, rounded, each axis at its own DPI (15 twips a pixel at 96).
TEST(TwipsScale, ConvertsEachAxisAtItsOwnDpi) {
    struct Case {
        Dpi dpi;
        int twips;
        int expectedX;
        int expectedY;
    };
    const Case cases[] = {
        {{96, 96}, 7, 0, 0},         {{96, 96}, 8, 1, 1},         {{96, 96}, -300, -20, -20},
        {{144, 96}, 6240, 624, 416}, {{96, 192}, 5235, 349, 698}, {{120, 144}, 195, 16, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.twips << " twips at " << c.dpi.x << " x " << c.dpi.y << " dpi");
        const TwipsScale scale(c.dpi);
        EXPECT_EQ(scale.X(c.twips), c.expectedX);
        EXPECT_EQ(scale.Y(c.twips), c.expectedY);
    }
    // Converting the right edge instead of the width would make a control grow or shrink a pixel
    // depending on where it stands: 10 twips are a pixel wherever they start.
    EXPECT_EQ(TwipsScale(Dpi{96, 96}).Bounds(10, 10, 10, 10), (Rect{1, 1, 2, 2}));
    EXPECT_EQ(TwipsScale(Dpi{120, 120}).Bounds(2520, 760, 975, 450), (Rect{210, 63, 291, 101}));
}

}  // namespace
}  // namespace orvell::win
