// The frame's timer table and interval rule, hit-testing and margins.
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
    EXPECT_EQ(table.Find(5000), nullptr);

    EXPECT_TRUE(table.Remove(1004));
    EXPECT_FALSE(table.Remove(1004));
    EXPECT_TRUE(table.Remove(1000 + TimerTable::kSlots - 1));
    EXPECT_EQ(table.HighestSlot(), TimerTable::kSlots);
    EXPECT_EQ(table.Find(1004), nullptr);
    EXPECT_TRUE(table.Add(&timers[TimerTable::kSlots], 5000));  // takes slot 5, not the last one
    EXPECT_EQ(table.Find(5000), &timers[TimerTable::kSlots]);
    EXPECT_EQ(table.Find(1005), &timers[5]);
    EXPECT_TRUE(table.Add(&timers[4], 5001));
    EXPECT_FALSE(table.Add(&timers[4], 5002));
}

TEST(TimerRules, OnlyANewPositiveIntervalRestartsAndOnlyARunningTimerStops) {
    const struct {
        int current;
        int requested;
        IntervalChange change;
    } cases[] = {{0, 50, IntervalChange::kRestart},   {50, 50, IntervalChange::kKeep},
                 {50, 100, IntervalChange::kRestart}, {50, 0, IntervalChange::kStop},
                 {50, -3, IntervalChange::kStop},     {0, -3, IntervalChange::kKeep},
                 {0, 0, IntervalChange::kKeep}};
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
        {{200, 10}, true, hit::kClient},  // outside
        {{-1, 10}, true, hit::kClient},
        // Without a thick frame no sizing code: the borders belong to what lies beside them.
        {{0, 0}, false, hit::kSysMenu},
        {{2, 100}, false, hit::kClient},
        {{100, 2}, false, hit::kCaption},
        {{198, 10}, false, hit::kCaption},
        {{199, 149}, false, hit::kClient},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FrameHitTest(c.at, 200, 150, margins, c.sizable, 18), c.code)
            << c.at.x << "," << c.at.y << (c.sizable ? " sizable" : "");
    }
    EXPECT_EQ(ReportedHitCode(hit::kMenu), hit::kClient);
    EXPECT_EQ(ReportedHitCode(hit::kCaption), hit::kCaption);
}

TEST(FrameRules, MarginsStartAsTheSystemsAndCutTheClientAreaOutOfTheWindow) {
    const Margins margins = DefaultMargins(4, 5, 18);
    EXPECT_EQ(margins, (Margins{4, 23, 4, 5}));
    EXPECT_EQ(ClientArea({10, 20, 310, 220}, margins), (Rect{14, 43, 306, 215}));
}

TEST(FrameRules, TheFrameTakesItsMessagesInOrderAndLetsTheSystemGoFirstOnlyWhereItMust) {
    const std::vector<std::uint32_t> plain = FrameMessages(false);
    ASSERT_EQ(plain.size(), 16u);
    EXPECT_EQ(plain.front(), 0x83u);
    EXPECT_EQ(plain.back(), 0x02u);  // the destroy message last: it detaches everything before it
    std::vector<std::uint32_t> mdi = FrameMessages(true);
    ASSERT_EQ(mdi.size(), 17u);
    EXPECT_EQ(mdi[15], 0x05u);
    for (const std::uint32_t message : mdi) {
        const bool systemFirst =
            message == 0x83 || message == 0x86 || message == 0xA2 || message == 0x1C || message == 0x02;
        EXPECT_EQ(FrameResponse(message), systemFirst ? mrBeforeOld : mrConsume) << message;
    }
}

}  // namespace
}  // namespace orvell::skin
