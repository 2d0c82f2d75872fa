#include "platform/dpi.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "support/test_printers.h"

namespace orvell::win {
namespace {

TEST(TwipsScale, ConvertsEachAxisAtItsOwnDpi) {
    // The main window's client area, 6240 x 5235 twips, and a pixel's worth of twips.
    struct Case {
        Dpi dpi;
        int twips;
        int expectedX;
        int expectedY;
    };
    const Case cases[] = {
        {{96, 96}, 6240, 416, 416},  {{96, 96}, 15, 1, 1},         {{96, 96}, 7, 0, 0},
        {{96, 96}, 8, 1, 1},         {{120, 120}, 5235, 436, 436}, {{144, 96}, 6240, 624, 416},
        {{96, 192}, 5235, 349, 698}, {{120, 144}, 195, 16, 20},    {{96, 96}, -300, -20, -20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message()
                     << c.twips << " twips at " << c.dpi.x << " x " << c.dpi.y << " dpi");
        const TwipsScale scale(c.dpi);
        EXPECT_EQ(scale.X(c.twips), c.expectedX);
        EXPECT_EQ(scale.Y(c.twips), c.expectedY);
    }
}

TEST(TwipsScale, ConvertsPositionAndSizeSeparately) {
    // Converting the right edge instead of the width would make a control grow or shrink a pixel
    // depending on where it stands.
    struct Case {
        Dpi dpi;
        int left, top, width, height;
        Rect expected;
    };
    const Case cases[] = {
        {{96, 96}, 10, 10, 10, 10, {1, 1, 2, 2}},
        {{120, 120}, 100, 100, 195, 195, {8, 8, 24, 24}},
        {{120, 120}, 2520, 760, 975, 450, {210, 63, 291, 101}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TwipsScale(c.dpi).Bounds(c.left, c.top, c.width, c.height), c.expected);
    }
}

}  // namespace
}  // namespace orvell::win
