#include "keyboard/hotkey_rules.h"

#include <span>

#include "keyboard/key_names.h"

namespace orvell::keyboard {

namespace {

constexpr int kAltItem = 0;
constexpr int kCtrlItem = 1;

struct KeyRange {
    int first;
    int last;
};

constexpr KeyRange kAltShortcutKeys[] = {{'A', 'A'}, {'E', 'F'}, {'H', 'H'},
                                         {'O', 'O'}, {'S', 'S'}, {'X', 'Y'}};
constexpr KeyRange kFunctionShortcutKeys[] = {{112, 119}};
// Backspace, Tab, Enter, the digits, the letters, the numeric-pad digits and its * + - / keys.
constexpr KeyRange kSearchCharacterKeys[] = {{8, 9},    {13, 13},   {'0', '9'}, {'A', 'Z'},
                                             {96, 107}, {109, 109}, {111, 111}};
constexpr KeyRange kStartMenuKeys[] = {{27, 27}};
constexpr KeyRange kCtrlShortcutKeys[] = {{'C', 'D'}, {'V', 'V'}};

struct Notice {
    std::wstring_view chinese;
    std::wstring_view english;
};

constexpr Notice kOwnShortcutNotice = {
    L"您设置的热键与本程序内置的快捷键相同！\r\n\r\n如果要用此键请选择其它组合键。\r\n\r\n"
    L"查看详细内置快捷键，请双击“设置”窗口。",
    L"Your setting key is repeated with the program's inner hotkey!\r\n\r\n"
    L"If you want to use this key,please use the other Key Combination.\r\n\r\n"
    L"Look over much more program's inner hotkeys,please double click the setting form."};
constexpr Notice kSearchCharacterNotice = {
    L"您设置的热键可能与要查询的字符相冲突！\r\n\r\n如果要用此键请选择组合键。\r\n\r\n"
    L"查看更多详细字符，请双击“设置”窗口。",
    L"Your setting key may collide with the srarching character!\r\n\r\n"
    L"If you want to use this key,please use the Key Combination.\r\n\r\n"
    L"Look over much more searching character,please double click the setting form."};
constexpr Notice kStartMenuNotice = {
    L"您设置的热键与Windows系统“开始”菜单快捷键相同！\r\n\r\n如果要用此键请选择其它组合键。",
    L"Your setting key is the same as the Windows Start Menu hotkey!\r\n\r\n"
    L"If you want to use this key,please use the other Key Combination."};
constexpr Notice kNoKeyQuestion = {
    L"您还没有设置任何热键，快捷键依然为 F12 。\r\n\r\n是否退出？",
    L"You haven't setted any hotkey,the hotkey is still  F12.\r\n\r\nDo you wand to eixt now ?"};

// The conflicts in the order they are checked. A rule without a list item applies to the key alone.
struct ConflictRule {
    HotkeyConflict conflict;
    std::optional<int> comboIndex;
    std::span<const KeyRange> keys;
    const Notice* notice;
};

constexpr ConflictRule kConflictRules[] = {
    {HotkeyConflict::AltShortcut, kAltItem, kAltShortcutKeys, &kOwnShortcutNotice},
    {HotkeyConflict::FunctionKeyShortcut, std::nullopt, kFunctionShortcutKeys, &kOwnShortcutNotice},
    {HotkeyConflict::SearchCharacter, std::nullopt, kSearchCharacterKeys, &kSearchCharacterNotice},
    {HotkeyConflict::StartMenu, kCtrlItem, kStartMenuKeys, &kStartMenuNotice},
    {HotkeyConflict::CtrlShortcut, kCtrlItem, kCtrlShortcutKeys, &kOwnShortcutNotice},
};

bool Matches(const ConflictRule& rule, const HotkeyChoice& choice) {
    const bool comboMatches =
        rule.comboIndex ? choice.combination && choice.comboIndex == *rule.comboIndex : !choice.combination;
    if (!comboMatches) {
        return false;
    }
    for (const KeyRange& range : rule.keys) {
        if (choice.keyCode >= range.first && choice.keyCode <= range.last) {
            return true;
        }
    }
    return false;
}

const ConflictRule* FindRule(const HotkeyChoice& choice) {
    for (const ConflictRule& rule : kConflictRules) {
        if (Matches(rule, choice)) {
            return &rule;
        }
    }
    return nullptr;
}

std::optional<std::int32_t> ComboAt(int index) {
    if (index < 0 || index >= static_cast<int>(kComboItems.size())) {
        return std::nullopt;
    }
    return kComboItems[static_cast<std::size_t>(index)].combo;
}

std::wstring Pick(Language language, std::wstring_view chinese, std::wstring_view english) {
    return std::wstring(language == Language::Chinese ? chinese : english);
}

MessageText Message(Language language, const Notice& notice) {
    return {Pick(language, L"注意", L"Notice"), Pick(language, notice.chinese, notice.english)};
}

LabelText SuccessLabel(Language language) {
    if (language == Language::Chinese) {
        return {L"恭喜！设置已成功！请记住新的快捷键。\r\n请按“退出”键退出。", 700};
    }
    return {
        L"Congratulation!The setting is now successful!Please remember the new hotkey."
        L"Please press Exit key to exit.",
        540};
}

LabelText RefusalLabel(Language language, HotkeyConflict conflict) {
    if (language == Language::Chinese) {
        return {L"抱歉！设置快捷键不成功！将更改为默认的F12为快捷键。您可以重新设置快捷键。", 700};
    }
    // The Alt refusal was written with two spaces before F12.
    const std::wstring_view gap = conflict == HotkeyConflict::AltShortcut ? L"  " : L" ";
    return {L"Sorry!The setting is unsuccessful.The hotkey is still" + std::wstring(gap) +
                L"F12.You can reinstall the hotkey.",
            540};
}

}  // namespace

int ComboIndexFor(std::int32_t combo) {
    for (std::size_t i = 0; i < kComboItems.size(); ++i) {
        if (kComboItems[i].combo == combo) {
            return static_cast<int>(i);
        }
    }
    return kAltItem;
}

HotkeyChoice LoadHotkeyChoice(const app::SettingsStore& store) {
    return {store.Read(app::setting::kHotKey), store.Read(app::setting::kCheck) == 1,
            ComboIndexFor(store.Read(app::setting::kCombo))};
}

std::int32_t KeyForKeyDown(int code) {
    return HotkeyKeyName(code).empty() ? app::kDefaultHotKey : code;
}

HotkeyConflict FindConflict(const HotkeyChoice& choice) {
    const ConflictRule* rule = FindRule(choice);
    return rule ? rule->conflict : HotkeyConflict::None;
}

SetOutcome SetHotkey(app::SettingsStore& store, const HotkeyChoice& choice, Language language) {
    SetOutcome outcome;
    outcome.choice = choice;
    if (HotkeyKeyName(choice.keyCode).empty()) {
        // Nothing is stored before the answer: staying in the window must not change the hotkey.
        outcome.result = SetResult::NoKey;
        outcome.message = Message(language, kNoKeyQuestion);
        return outcome;
    }
    if (const ConflictRule* rule = FindRule(choice)) {
        outcome.result = SetResult::Refused;
        outcome.conflict = rule->conflict;
        outcome.label = RefusalLabel(language, rule->conflict);
        outcome.message = Message(language, *rule->notice);
        outcome.choice.keyCode = app::kDefaultHotKey;
        outcome.choice.combination = false;
    } else {
        outcome.label = SuccessLabel(language);
    }
    store.Write(app::setting::kCheck, outcome.choice.combination ? 1 : 0);
    if (const std::optional<std::int32_t> combo = ComboAt(choice.comboIndex)) {
        store.Write(app::setting::kCombo, *combo);
    }
    store.Write(app::setting::kHotKey, outcome.choice.keyCode);
    return outcome;
}

void LeaveWithoutKey(app::SettingsStore& store) {
    store.Write(app::setting::kCombo, 0);
    store.Write(app::setting::kCheck, 0);
    store.Write(app::setting::kHotKey, app::kDefaultHotKey);
}

HotkeyWindowLook HotkeyWindowLookFor(Language language) {
    if (language == Language::Chinese) {
        return {L"设置", L"退出", L"组合键", L"请输入您要设置的快捷键（默认为：F12）", 760, 400,
                1560,    855,     975};
    }
    return {L"Setting",
            L"Exit",
            L"Key Combination",
            L"Please input the HotKey at the textbox(the default key is F12)",
            620,
            1260,
            2020,
            1800,
            1040};
}

}  // namespace orvell::keyboard
