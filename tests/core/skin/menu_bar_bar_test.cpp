// The drawn menu bar's own rules: the hover timer and the access letters. (Where its items go is
// checked on real pixels by the window suite.)
#include <gtest/gtest.h>

#include "skin/menu_bar_layout.h"
#include "skin/menu_bar_text.h"

namespace orvell::skin {
namespace {

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
    };
    for (const auto& c : cases) {
        EXPECT_EQ(HoverCheck(c.under, c.over, c.down, c.button), c.step)
            << c.under << ", " << c.over << ", " << c.down << ", " << c.button;
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
