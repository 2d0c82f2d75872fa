// The drawn popups: which items the bar keeps during a menu loop and their columns, the typed letters,
// and the walk along the bar while a popup is open. (Sizes, places and looks are checked on real
// pixels by the window suite.)
#include "skin/menu_bar_popups.h"

#include <gtest/gtest.h>

#include "skin/menu_bar_tracking.h"
#include "support/test_printers.h"

namespace orvell::skin {
namespace {

PopupEntry Item(std::uintptr_t menu, int position, std::wstring_view text, int captionWidth,
                int shortcutWidth = 0) {
    PopupEntry entry;
    entry.menu = menu;
    entry.position = position;
    entry.text = ParsePopupText(text);
    entry.captionTextWidth = captionWidth;
    entry.shortcutTextWidth = shortcutWidth;
    return entry;
}

TEST(MenuBarPopups, EachPopupGetsItsOwnColumnsAndASeenPopupIsRefilledInPlace) {
    PopupEntries entries;
    ASSERT_FALSE(entries.BeginPopup(10));
    EXPECT_EQ(entries.Record(Item(10, 0, L"&Open\tCtrl+O", 40, 30), false), 1);
    EXPECT_EQ(entries.Record(Item(10, 1, L"Save &As...", 70), false), 2);
    entries.FinishPopup(10);
    ASSERT_FALSE(entries.BeginPopup(20));
    EXPECT_EQ(entries.Record(Item(20, 0, L"&Help\tF1", 30, 12), false), 3);
    entries.FinishPopup(20);

    // Opened again in the same loop: the converted items are not recorded again, a changed one is
    // refilled, and the columns still cover every item of the popup.
    ASSERT_TRUE(entries.BeginPopup(10));
    EXPECT_EQ(entries.Record(Item(10, 1, L"Save &as copy", 90), true), 2);
    entries.FinishPopup(10);

    ASSERT_EQ(entries.Count(), 3);
    const struct {
        int number;
        int caption;
        int shortcut;
    } columns[] = {{1, 90, 30}, {2, 90, 30}, {3, 30, 12}};
    for (const auto& c : columns) {
        EXPECT_EQ(entries.Entry(c.number)->captionWidth, c.caption) << c.number;
        EXPECT_EQ(entries.Entry(c.number)->shortcutWidth, c.shortcut) << c.number;
    }
    EXPECT_EQ(entries.Entry(4), nullptr);  // data that is no entry number of ours

    // Typed letters find the item in that popup only, lower case as upper.
    EXPECT_EQ(entries.MenuChar(10, L'a'), 0x20001u);
    EXPECT_EQ(entries.MenuChar(10, L'O'), 0x20000u);
    EXPECT_EQ(entries.MenuChar(10, L'h'), 0u);
    EXPECT_EQ(entries.MenuChar(20, L'h'), 0x20000u);

    entries.Clear();  // the loop ended: a popup opened now is new again
    EXPECT_FALSE(entries.BeginPopup(10));
}

using Kind = MenuLoopInput::Kind;

TEST(MenuBarTracking, KeysAndThePointerWalkAlongTheBarWhileAPopupIsOpen) {
    // Four bar items; item 3 has no popup.
    const auto hasPopup = [](int i) { return i != 3; };
    const struct {
        const char* what;
        std::uint32_t selectFlags;  // WM_MENUSELECT before the message; 0xFFFF none
        bool selectInRoot;
        MenuLoopInput input;
        PopupTracking::Decision decision;
        int next;  // the popup that opens after this one, -1 for none
    } cases[] = {
        {"Right on a plain item", 0x0, true, {Kind::KeyDown, 0x27, {}, 0}, {true, true}, 2},
        {"Right on a submenu opens it", 0x10, true, {Kind::KeyDown, 0x27, {}, 0}, {false, false}, -1},
        {"Left in the root popup", 0x0, true, {Kind::KeyDown, 0x25, {}, 0}, {true, true}, 4},
        {"Left in a submenu closes it", 0x0, false, {Kind::KeyDown, 0x25, {}, 0}, {false, false}, -1},
        {"Esc closes as usual", 0x0, true, {Kind::KeyDown, 0x1B, {}, 0}, {false, false}, -1},
        {"onto another item", 0xFFFF, true, {Kind::MouseMove, 0, {5, 5}, 4}, {false, true}, 4},
        {"onto an item without popup", 0xFFFF, true, {Kind::MouseMove, 0, {5, 5}, 3}, {false, false}, -1},
        {"the pointer resting where it was",
         0xFFFF,
         true,
         {Kind::MouseMove, 0, {1, 1}, 4},
         {false, false},
         -1},
        {"click on the open item", 0xFFFF, true, {Kind::LeftButtonDown, 0, {5, 5}, 1}, {true, false}, -1},
        {"click elsewhere", 0xFFFF, true, {Kind::LeftButtonDown, 0, {5, 5}, 0}, {false, false}, -1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        PopupTracking tracking;
        ASSERT_TRUE(tracking.Begin(1));
        ASSERT_EQ(tracking.OpenNext({1, 1}), 1);
        if (c.selectFlags != 0xFFFF) {
            tracking.MenuSelect(c.selectFlags, true, c.selectInRoot);
        }
        EXPECT_EQ(tracking.MenuInput(c.input, 4, hasPopup), c.decision);
        tracking.Closed();
        EXPECT_EQ(tracking.OpenNext({1, 1}), c.next);
    }
}

TEST(MenuBarTracking, ALoopRunsOnceAtATimeAndASecondRequestOnlyRetargets) {
    const auto all = [](int) { return true; };
    PopupTracking tracking;
    ASSERT_TRUE(tracking.Begin(2));
    EXPECT_FALSE(tracking.Begin(1));
    ASSERT_EQ(tracking.OpenNext({}), 2);
    tracking.MenuSelect(0xFFFF, false, false);  // the loop's closing notice changes nothing
    EXPECT_TRUE(tracking.SwitchToItem(3, all));
    EXPECT_FALSE(tracking.SwitchToItem(1, all));  // the popup is closing already: once is enough
    EXPECT_FALSE(tracking.SwitchToItem(2, all));  // the open one
    tracking.Closed();
    EXPECT_EQ(tracking.OpenNext({}), 1);
    tracking.Closed();
    EXPECT_EQ(tracking.OpenNext({}), -1);
    tracking.End();
    EXPECT_FALSE(tracking.Busy());
    EXPECT_TRUE(tracking.Begin(1));
}

}  // namespace
}  // namespace orvell::skin
