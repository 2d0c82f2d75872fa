// The drawn popups: which items the bar keeps during a menu loop, their sizes and places, the typed
// letters, and the walk along the bar while a popup is open.
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
        SCOPED_TRACE(c.number);
        const PopupEntry* entry = entries.Entry(c.number);
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->captionWidth, c.caption);
        EXPECT_EQ(entry->shortcutWidth, c.shortcut);
    }
    EXPECT_EQ(entries.Entry(2)->text.caption, L"Save &as copy");
    EXPECT_EQ(entries.Entry(0), nullptr);
    EXPECT_EQ(entries.Entry(4), nullptr);

    // Typed letters find the item in that popup only, lower case as upper.
    EXPECT_EQ(entries.MenuChar(10, L'a'), 0x20001u);
    EXPECT_EQ(entries.MenuChar(10, L'O'), 0x20000u);
    EXPECT_EQ(entries.MenuChar(10, L'h'), 0u);
    EXPECT_EQ(entries.MenuChar(20, L'h'), 0x20000u);

    entries.Clear();
    EXPECT_EQ(entries.Count(), 0);
    EXPECT_FALSE(entries.BeginPopup(10));
}

TEST(MenuBarPopups, MeasuredSizesLeaveRoomForTheCheckColumnAndTheShortcutColumn) {
    PopupEntry plain = Item(1, 0, L"Open", 0);
    plain.captionWidth = 50;
    PopupEntry withShortcut = Item(1, 1, L"Open\tCtrl+O", 0);
    withShortcut.captionWidth = 50;
    withShortcut.shortcutWidth = 40;
    PopupEntry separator = Item(1, 2, L"", 0);
    separator.separator = true;
    separator.captionWidth = 50;
    EXPECT_EQ(MeasurePopupItem(plain, 12), (ItemSize{80, 20}));
    EXPECT_EQ(MeasurePopupItem(withShortcut, 12), (ItemSize{128, 20}));
    EXPECT_EQ(MeasurePopupItem(separator, 12), (ItemSize{80, 6}));
}

TEST(MenuBarPopups, AnItemsPartsLieWhereItsColumnsAre) {
    const PopupItemPlaces places = PlacePopupItem(128, 20, 50);
    EXPECT_EQ(places.separatorBand, (Rect{8, 9, 120, 11}));
    EXPECT_EQ(places.checkBox, (Rect{6, 4, 19, 16}));
    EXPECT_EQ(places.caption, (Rect{24, 0, 128, 20}));
    EXPECT_EQ(places.shortcut, (Rect{82, 0, 128, 20}));
    EXPECT_EQ(places.edge, (Rect{2, 0, 126, 20}));
    EXPECT_EQ(PlacePopupItem(60, 7, 0).separatorBand, (Rect{8, 2, 52, 4}));
}

TEST(MenuBarPopups, TypeAndStateBitsChooseTheLook) {
    const struct {
        std::uint32_t type, state;
        bool separator, disabled, checked, radio, highlighted, edge;
    } cases[] = {
        {0x0, 0x0, false, false, false, false, false, false},
        {0x800, 0x0, true, false, false, false, false, false},
        {0x0, 0x1, false, true, false, false, false, false},  // grayed only, as EnableMenuItem leaves it
        {0x0, 0x83, false, true, false, false, true, false},  // highlighted but disabled: no edge
        {0x200, 0x88, false, false, true, true, true, true},
        {0x100, 0x8, false, false, true, false, false, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.type << " " << c.state);
        const PopupItemLook look = PopupItemLookOf(c.type, c.state);
        EXPECT_EQ(look.separator, c.separator);
        EXPECT_EQ(look.disabled, c.disabled);
        EXPECT_EQ(look.checked, c.checked);
        EXPECT_EQ(look.radio, c.radio);
        EXPECT_EQ(look.highlighted, c.highlighted);
        EXPECT_EQ(look.Edge(), c.edge);
    }
    EXPECT_EQ(CheckGlyph(true), L"h");
    EXPECT_EQ(CheckGlyph(false), L"b");
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
        {"Down stays inside", 0x0, true, {Kind::KeyDown, 0x28, {}, 0}, {false, false}, -1},
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
        EXPECT_EQ(tracking.Escaped(), c.input.key == 0x1B);
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
