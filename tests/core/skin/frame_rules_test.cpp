// The timer table and interval rule, and the frame's hit-testing.
#include "skin/frame_rules.h"

#include <gtest/gtest.h>

#include "skin/timer_rules.h"

namespace orvell::skin {
namespace {

TEST(TimerRules, SlotsFillFromTheLowestFreeOneAndTheHighestMarkStays) {
    TimerTable table;
    int timers[TimerTable::kSlots + 1] = {};
    for (int i = 0; i < TimerTable::kSlots; ++i) {
        ASSERT_TRUE(table.Add(&timers[i], 1000 + i));
    }
    EXPECT_FALSE(table.Add(&timers[TimerTable::kSlots], 5000));
    EXPECT_TRUE(table.Remove(1004));
    EXPECT_FALSE(table.Remove(1004));
    EXPECT_TRUE(table.Remove(1099));
    EXPECT_EQ(table.HighestSlot(), TimerTable::kSlots);
    EXPECT_TRUE(table.Add(&timers[TimerTable::kSlots], 5000));  // slot 5, not the last one
    EXPECT_EQ(table.Find(5000), &timers[TimerTable::kSlots]);
    EXPECT_EQ(table.Find(1004), nullptr);
    EXPECT_TRUE(table.Add(&timers[4], 5001));
    EXPECT_FALSE(table.Add(&timers[4], 5002));
}

TEST(TimerRules, OnlyANewPositiveIntervalRestartsAndOnlyARunningTimerStops) {
    using enum IntervalChange;
    const struct {
        int current, requested;
        IntervalChange change;
    } cases[] = {{0, 50, kRestart}, {50, 50, kKeep}, {50, 100, kRestart}, {50, 0, kStop},
                 {50, -3, kStop},   {0, -3, kKeep},  {0, 0, kKeep}};
    for (const auto& c : cases) {
        EXPECT_EQ(DecideInterval(c.current, c.requested), c.change) << c.current << " -> " << c.requested;
    }
}

TEST(FrameRules, EveryPartOfTheFrameHasItsCode) {
    // 200 × 150 with borders of 4 and 6, a caption band of 18 below the top band, 40 in all on top.
    const Margins margins{4, 40, 4, 6};
    const struct {
        Point at;
        bool sizable;
        int code;
    } cases[] = {
        {{0, 0}, true, hit::kTopLeft},
        {{4, 100}, true, hit::kLeft},
        {{3, 144}, true, hit::kBottomLeft},
        {{196, 6}, true, hit::kTopRight},
        {{199, 70}, true, hit::kRight},
        {{199, 149}, true, hit::kBottomRight},
        {{100, 6}, true, hit::kTop},
        {{100, 144}, true, hit::kBottom},
        {{100, 7}, true, hit::kCaption},
        {{100, 24}, true, hit::kCaption},
        {{18, 10}, true, hit::kSysMenu},
        {{19, 10}, true, hit::kCaption},
        {{100, 25}, true, hit::kClient},  // below the caption band, still in the top margin: the menu bar
        {{100, 80}, true, hit::kClient},
        {{200, 10}, true, hit::kClient},
        {{-1, 10}, true, hit::kClient},
        // Without a thick frame no sizing code: the borders are client area, the caption band is not.
        {{0, 0}, false, hit::kClient},
        {{2, 10}, false, hit::kClient},
        {{100, 2}, false, hit::kClient},
        {{198, 10}, false, hit::kClient},
        {{199, 149}, false, hit::kClient},
        {{5, 10}, false, hit::kSysMenu},
        {{100, 7}, false, hit::kCaption},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrameHitTest(c.at, 200, 150, margins, c.sizable, 18), c.code)
            << c.at.x << "," << c.at.y << (c.sizable ? " sizable" : "");
    }
    EXPECT_EQ(ReportedHitCode(hit::kMenu), hit::kClient);
    EXPECT_EQ(ReportedHitCode(hit::kCaption), hit::kCaption);
}

}  // namespace
}  // namespace orvell::skin
