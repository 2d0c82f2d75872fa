#include "keyboard/hotkey_rules.h"

#include <gtest/gtest.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "keyboard/key_names.h"

namespace orvell::keyboard {

void PrintTo(const HotkeyChoice& choice, std::ostream* out) {
    *out << "{key " << choice.keyCode << (choice.combination ? ", ticked" : ", cleared") << ", item "
         << choice.comboIndex << "}";
}

namespace {

using Values = std::map<std::wstring, std::int32_t, std::less<>>;

constexpr int kAlt = 0;
constexpr int kCtrl = 1;
constexpr int kShift = 2;
constexpr int kCtrlAlt = 3;
// "Combo" as each list item stores it: Alt, Ctrl, Shift, Ctrl+Alt, Alt+Shift, Ctrl+Shift+Alt.
constexpr std::int32_t kStoredCombo[] = {4, 2, 1, 6, 5, 7};

TEST(HotkeyRules, ConflictingKeysAreRefusedAndF12AloneIsStored) {
    using enum HotkeyConflict;
    struct Group {
        HotkeyConflict conflict;
        bool combination;
        int comboIndex;
        std::vector<int> keys;
    };
    const Group groups[] = {
        {AltShortcut, true, kAlt, {'A', 'E', 'F', 'H', 'O', 'S', 'X', 'Y'}},
        {None, true, kAlt, {'B', 'G', 'Z', 116, 27, 'C'}},
        {FunctionKeyShortcut, false, kAlt, {112, 116, 119}},
        {SearchCharacter, false, kAlt, {8, 9, 13, '0', '9', 'A', 'Z', 96, 106, 107, 109, 111}},
        {None, false, kAlt, {120, 123, 27, 32, 46, 145}},
        {SearchCharacter, false, kCtrl, {'9'}},  // the list's item does not count while the box is cleared
        {StartMenu, true, kCtrl, {27}},
        {CtrlShortcut, true, kCtrl, {'C', 'D', 'V'}},
        {None, true, kCtrl, {'A', 'B', 'E'}},
        {None, true, kShift, {'A', 27, 'C'}},
        {None, true, kCtrlAlt, {'A', 27, 'V'}},
        {None, true, 4, {'A', 'C'}},
        {None, true, 5, {'A', 27}},
        {None, true, -1, {'A'}},
    };
    for (const auto& [conflict, combination, comboIndex, keys] : groups) {
        for (const int key : keys) {
            const HotkeyChoice choice{key, combination, comboIndex};
            SCOPED_TRACE(testing::PrintToString(choice));
            EXPECT_EQ(FindConflict(choice), conflict);
            app::MemorySettingsStore store;
            store.values = {{L"HotKey", 119}, {L"Check", 1}, {L"Combo", 6}};

            const SetOutcome outcome = SetHotkey(store, choice, Language::English);

            const bool refused = conflict != None;
            EXPECT_EQ(outcome.result, refused ? SetResult::Refused : SetResult::Stored);
            EXPECT_EQ(outcome.conflict, conflict);
            EXPECT_EQ(outcome.message.has_value(), refused);
            const HotkeyChoice after = refused ? HotkeyChoice{123, false, choice.comboIndex} : choice;
            EXPECT_EQ(outcome.choice, after);
            // The store ends as the window shows it; with no list item the stored "Combo" stays.
            const bool item = choice.comboIndex >= 0;
            EXPECT_EQ(store.values, (Values{{L"HotKey", after.keyCode},
                                            {L"Check", after.combination},
                                            {L"Combo", item ? kStoredCombo[choice.comboIndex] : 6}}));
            EXPECT_EQ(LoadHotkeyChoice(store),
                      (HotkeyChoice{after.keyCode, after.combination, item ? choice.comboIndex : kCtrlAlt}));
        }
    }
}

TEST(HotkeyRules, EachOutcomeShowsItsTextsInBothLanguages) {
    const auto chinese = Language::Chinese;
    const auto english = Language::English;
    const wchar_t* const refusedChinese =
        L"抱歉！设置快捷键不成功！将更改为默认的F12为快捷键。您可以重新设置快捷键。";
    const wchar_t* const refusedEnglish =
        L"Sorry!The setting is unsuccessful.The hotkey is still F12.You can reinstall the hotkey.";
    const wchar_t* const refusedAltEnglish =
        L"Sorry!The setting is unsuccessful.The hotkey is still  F12.You can reinstall the hotkey.";
    const wchar_t* const ownChinese =
        L"您设置的热键与本程序内置的快捷键相同！\r\n\r\n如果要用此键请选择其它组合键。\r\n\r\n"
        L"查看详细内置快捷键，请双击“设置”窗口。";
    const wchar_t* const ownEnglish =
        L"Your setting key is repeated with the program's inner hotkey!\r\n\r\n"
        L"If you want to use this key,please use the other Key Combination.\r\n\r\n"
        L"Look over much more program's inner hotkeys,please double click the setting form.";
    const wchar_t* const searchChinese =
        L"您设置的热键可能与要查询的字符相冲突！\r\n\r\n如果要用此键请选择组合键。\r\n\r\n"
        L"查看更多详细字符，请双击“设置”窗口。";
    const wchar_t* const searchEnglish =
        L"Your setting key may collide with the srarching character!\r\n\r\n"
        L"If you want to use this key,please use the Key Combination.\r\n\r\n"
        L"Look over much more searching character,please double click the setting form.";
    const wchar_t* const startChinese =
        L"您设置的热键与Windows系统“开始”菜单快捷键相同！\r\n\r\n如果要用此键请选择其它组合键。";
    const wchar_t* const startEnglish =
        L"Your setting key is the same as the Windows Start Menu hotkey!\r\n\r\n"
        L"If you want to use this key,please use the other Key Combination.";
    const wchar_t* const storedChinese = L"恭喜！设置已成功！请记住新的快捷键。\r\n请按“退出”键退出。";
    const wchar_t* const storedEnglish =
        L"Congratulation!The setting is now successful!Please remember the new hotkey."
        L"Please press Exit key to exit.";
    const wchar_t* const noKeyChinese = L"您还没有设置任何热键，快捷键依然为 F12 。\r\n\r\n是否退出？";
    const wchar_t* const noKeyEnglish =
        L"You haven't setted any hotkey,the hotkey is still  F12.\r\n\r\nDo you wand to eixt now ?";
    struct Case {
        HotkeyChoice choice;
        Language language;
        const wchar_t* label;    // nullptr: unchanged
        const wchar_t* message;  // nullptr: none
    };
    const Case cases[] = {
        {{'A', true, kAlt}, chinese, refusedChinese, ownChinese},
        {{'A', true, kAlt}, english, refusedAltEnglish, ownEnglish},
        {{'V', true, kCtrl}, english, refusedEnglish, ownEnglish},
        {{9, false, kAlt}, chinese, refusedChinese, searchChinese},
        {{9, false, kAlt}, english, refusedEnglish, searchEnglish},
        {{27, true, kCtrl}, chinese, refusedChinese, startChinese},
        {{27, true, kCtrl}, english, refusedEnglish, startEnglish},
        {{'A', true, kCtrl}, chinese, storedChinese, nullptr},
        {{'A', true, kCtrl}, english, storedEnglish, nullptr},
        {{0, false, kAlt}, chinese, nullptr, noKeyChinese},
        {{20, true, kAlt}, english, nullptr, noKeyEnglish},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.choice) + (c.language == chinese ? " Chinese" : " English"));
        app::MemorySettingsStore store;
        const SetOutcome outcome = SetHotkey(store, c.choice, c.language);
        ASSERT_EQ(outcome.label.has_value(), c.label != nullptr);
        if (c.label) {
            EXPECT_EQ(outcome.label->text, c.label);
            EXPECT_EQ(outcome.label->top, c.language == chinese ? 700 : 540);
        }
        ASSERT_EQ(outcome.message.has_value(), c.message != nullptr);
        if (c.message) {
            EXPECT_EQ(outcome.message->title, c.language == chinese ? L"注意" : L"Notice");
            EXPECT_EQ(outcome.message->text, c.message);
        }
    }
}

TEST(HotkeyRules, WithoutAKeyNothingIsStoredUntilTheUserLeaves) {
    // A stored key without a name (Caps Lock) leaves the key field empty, as a missing one does.
    for (const int key : {0, 20}) {
        app::MemorySettingsStore store;
        store.values = {{L"HotKey", key}, {L"Check", 1}, {L"Combo", 2}};
        const Values before = store.values;
        EXPECT_EQ(SetHotkey(store, LoadHotkeyChoice(store), Language::English).result, SetResult::NoKey);
        EXPECT_EQ(store.values, before);
        EXPECT_EQ(store.writeCount, 0);

        LeaveWithoutKey(store);
        EXPECT_EQ(store.values, (Values{{L"HotKey", 123}, {L"Check", 0}, {L"Combo", 0}}));
    }
}

TEST(HotkeyRules, TheWindowOpensOnTheStoredChoiceOrOnAlt) {
    const std::pair<Values, HotkeyChoice> cases[] = {
        {{}, {0, false, kAlt}},
        {{{L"HotKey", 65}, {L"Check", 1}, {L"Combo", 7}}, {65, true, 5}},
        {{{L"HotKey", 20}, {L"Check", 2}, {L"Combo", 1}}, {20, false, kShift}},
        {{{L"Check", 1}, {L"Combo", 3}}, {0, true, kAlt}},
    };
    for (const auto& [stored, choice] : cases) {
        app::MemorySettingsStore store;
        store.values = stored;
        EXPECT_EQ(LoadHotkeyChoice(store), choice);
    }
}

TEST(HotkeyRules, AKeyWithoutANamePutsBackF12) {
    for (int code = -1; code <= 256; ++code) {
        const bool named = !HotkeyKeyName(code).empty();
        EXPECT_EQ(KeyForKeyDown(code), named ? code : 123) << "code " << code;
    }
}

}  // namespace
}  // namespace orvell::keyboard
