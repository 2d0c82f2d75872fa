// The drawn menu bar's own rules: where its items go, how they look, the hover timer and the keys.
#include <gtest/gtest.h>

#include "skin/menu_bar_layout.h"
#include "skin/menu_bar_text.h"
#include "support/test_printers.h"

namespace orvell::skin {
namespace {

// Each character 7 pixels wide, 12 high.
TextSize FixedWidth(std::wstring_view text) {
    return TextSize{static_cast<int>(text.size()) * 7, 12};
}

TEST(MenuBarLayout, OnlyPopupsAreDrawnOneAfterAnotherAndTheirZonesFollowTheBarOffset) {
    const std::vector<BarMenuItem> menu = {
        {L"&File", true}, {L"Go!", false}, {L"&Edit", true}, {L"搜索(&S)", true}};
    const std::vector<BarItem> bar = LayOutBar(menu, FixedWidth, 90, -22);
    ASSERT_EQ(bar.size(), 3u);
    const struct {
        int position;
        Rect text;
    } expected[] = {{0, {8, 2, 43, 14}}, {2, {54, 2, 89, 14}}, {3, {100, 2, 142, 14}}};
    for (std::size_t i = 0; i < bar.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(bar[i].position, expected[i].position);
        EXPECT_EQ(bar[i].text, expected[i].text);
        const Rect& t = expected[i].text;
        EXPECT_EQ(bar[i].hot, (Rect{t.left - 2, t.top - 2, t.right + 2, t.bottom + 2}));
        EXPECT_EQ(bar[i].zone, (Rect{t.left + 88, t.top - 24, t.right + 92, t.bottom - 20}));
    }
    EXPECT_TRUE(LayOutBar({{L"Only", false}, {L"Commands", false}}, FixedWidth, 0, 0).empty());

    // Points: zones are half-open, the first holding one wins, between items is none.
    const struct {
        Point at;
        int item;
    } points[] = {{{96, -22}, 1}, {{134, -7}, 1},  {{135, -20}, 0}, {{142, -20}, 2},
                  {{95, -20}, 0}, {{100, -23}, 0}, {{233, -10}, 3}, {{234, -10}, 0}};
    for (const auto& p : points) {
        EXPECT_EQ(ItemAt(bar, p.at), p.item) << testing::PrintToString(p.at);
    }
}

TEST(MenuBarLayout, ScreenPointsAndPopupPlacesUseTheWindowOriginBelowTheCaption) {
    const Point window{200, 100};
    EXPECT_EQ(ScreenToBar({300, 130}, window, 48), (Point{100, -18}));
    EXPECT_EQ(BarToScreen({96, -24, 139, -6}, window, 48), (Rect{296, 124, 339, 142}));
}

TEST(MenuBarLayout, DownAndOverChooseTheItemsLook) {
    const struct {
        int down;
        int over;
        BarItemLook look;
    } cases[] = {{2, 2, BarItemLook::Sunken},
                 {2, 0, BarItemLook::Raised},
                 {-1, 2, BarItemLook::Raised},
                 {1, 3, BarItemLook::Plain},
                 {0, 0, BarItemLook::Plain}};
    for (const auto& c : cases) {
        EXPECT_EQ(LookOf(2, c.down, c.over), c.look) << c.down << ", " << c.over;
    }
}

TEST(MenuBarLayout, TheHoverTimerRunsOnlyWhileAnItemIsHotOrDown) {
    const struct {
        int under, over, down;
        bool button;
        HoverStep step;
    } cases[] = {
        {2, 0, 0, false, {2, 0, true, 50}},    // onto an item: hot, checked again soon
        {2, 2, 0, false, {2, 0, false, 50}},   // still there: no repaint
        {0, 2, 0, false, {0, 0, true, 0}},     // off the bar: plain again, timer stops
        {0, 0, -1, false, {0, -1, false, 0}},  // after a popup closed: nothing keeps the timer going
        {0, 0, 3, true, {0, 3, false, 50}},    // pressed item, button still down: wait
        {0, 0, 3, false, {0, 0, true, 50}},    // button let go off the bar: released
        {3, 3, 3, false, {3, 0, true, 50}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HoverCheck(c.under, c.over, c.down, c.button), c.step)
            << c.under << ", " << c.over << ", " << c.down << ", " << c.button;
    }
}

TEST(MenuBarLayout, NextItemWrapsAtBothEnds) {
    const struct {
        int from;
        bool backwards;
        int count;
        int next;
    } cases[] = {{1, false, 3, 2}, {3, false, 3, 1}, {1, true, 3, 3},
                 {2, true, 3, 1},  {1, false, 1, 1}, {0, true, 0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(NextItem(c.from, c.backwards, c.count), c.next) << c.from << (c.backwards ? " back" : "");
    }
}

TEST(MenuBarText, AltLetterFindsTheBarItemWhoseAccessLetterItIs) {
    const std::vector<std::wstring> bar = {L"&File", L"e&dit", L"查看(&V)", L"Tail&", L"&&x"};
    const struct {
        int key;
        int item;
    } cases[] = {{'F', 1}, {'D', 2}, {'V', 3}, {'L', 0}, {'X', 0}, {'Q', 0}, {0, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(AltKeyItem(bar, c.key), c.item) << c.key;
    }
}

TEST(MenuBarText, ATabSplitsCaptionFromShortcutAndTheFirstAmpersandGivesTheLetter) {
    const struct {
        std::wstring_view text;
        PopupItemText parsed;
    } cases[] = {
        {L"&Open...\tCtrl+O", {L"&Open...", L"Ctrl+O", L'O'}},
        {L"退出(&x)\tAlt+F4", {L"退出(&x)", L"Alt+F4", L'X'}},
        {L"Plain", {L"Plain", L"", 0}},
        {L"End&\tF1", {L"End&", L"F1", 0}},
        {L"a&b&c", {L"a&b&c", L"", L'B'}},
        {L"\tF2", {L"", L"F2", 0}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ParsePopupText(c.text), c.parsed) << testing::PrintToString(std::wstring(c.text));
    }
}

}  // namespace
}  // namespace orvell::skin
