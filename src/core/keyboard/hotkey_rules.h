#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "lookup/types.h"

namespace orvell::keyboard {

using lookup::Language;

// The hotkey setting window's list of modifier combinations, in its order, with the "Combo" value each
// item stores. Ctrl+Shift is not offered.
struct ComboItem {
    std::wstring_view text;
    std::int32_t combo;
};

inline constexpr std::array<ComboItem, 6> kComboItems = {{
    {L"Alt", 4},
    {L"Ctrl", 2},
    {L"Shift", 1},
    {L"Ctrl+Alt", 6},
    {L"Alt+Shift", 5},
    {L"Ctrl+Shift+Alt", 7},
}};

// The list item a stored "Combo" selects; a value the list does not offer selects "Alt".
int ComboIndexFor(std::int32_t combo);

// What the window's controls hold. The key field shows HotkeyKeyName(keyCode), which is empty for a
// stored key without a name; the combination list is enabled exactly while the box is ticked.
struct HotkeyChoice {
    std::int32_t keyCode = app::kDefaultHotKey;
    bool combination = false;  // the "Key Combination" box ticked
    int comboIndex = 0;        // into kComboItems; any other index is no selection
    friend bool operator==(const HotkeyChoice&, const HotkeyChoice&) = default;
};

// The choice the window opens with: the stored hotkey as it stands.
HotkeyChoice LoadHotkeyChoice(const app::SettingsStore& store);

// The key a key-down in the key field chooses. A key the window cannot name (Shift, Caps Lock) puts
// back F12, so the field never shows a key it could not store.
std::int32_t KeyForKeyDown(int code);

// The keys the window refuses, so that the hotkey never takes a key the program or Windows needs,
// in the order they are checked.
enum class HotkeyConflict {
    None,
    AltShortcut,          // Alt with one of the program's own access keys
    FunctionKeyShortcut,  // F1 to F8 alone: the program's own shortcuts
    SearchCharacter,      // a key alone that types into the search box
    StartMenu,            // Ctrl+Esc opens the Windows Start menu
    CtrlShortcut,         // Ctrl+C, Ctrl+D, Ctrl+V: the program's own shortcuts
};

HotkeyConflict FindConflict(const HotkeyChoice& choice);

struct MessageText {
    std::wstring title;
    std::wstring text;
};

enum class SetResult {
    Stored,   // the choice is the hotkey now
    Refused,  // a conflict: F12 alone is the hotkey now
    NoKey,    // the key field is empty: ask whether to leave; nothing was stored
};

struct LabelText {
    std::wstring text;
    int top;  // twips
};

// What the window shows after the set button, in this order: the label, then the message box (an OK
// box for a refusal, a Yes/No question when there is no key, both with the information icon), then,
// once the box is closed, the controls as `choice` holds them.
struct SetOutcome {
    SetResult result = SetResult::Stored;
    HotkeyConflict conflict = HotkeyConflict::None;
    std::optional<LabelText> label;  // unchanged when there is no key
    std::optional<MessageText> message;
    HotkeyChoice choice;
};

// The set button: stores "HotKey", "Check" and "Combo" for the choice, or F12 alone when the choice
// conflicts. "Combo" keeps the selected item even then, so the list and the store agree.
SetOutcome SetHotkey(app::SettingsStore& store, const HotkeyChoice& choice, Language language);

// The user answered Yes to leaving without a key: the hotkey is F12 alone.
void LeaveWithoutKey(app::SettingsStore& store);

// The window's texts and the geometry that goes with them, in twips: the English texts are longer.
struct HotkeyWindowLook {
    std::wstring_view caption;  // the window, its title bar and the set button
    std::wstring_view exitCaption;
    std::wstring_view checkCaption;
    std::wstring_view prompt;
    int promptTop;
    int checkLeft;
    int checkTop;
    int checkWidth;
    int buttonWidth;  // both buttons
};

HotkeyWindowLook HotkeyWindowLookFor(Language language);

}  // namespace orvell::keyboard
