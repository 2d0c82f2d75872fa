#include "keyboard/key_names.h"

#include <array>
#include <string_view>
#include <utility>

namespace orvell::keyboard {

namespace {

constexpr int kModifierBits = shift_mask::kShift | shift_mask::kCtrl | shift_mask::kAlt;

constexpr std::array<std::wstring_view, 8> kModifierTexts = {
    L"", L"Shift", L"Ctrl", L"Ctrl + Shift", L"Alt", L"Alt + Shift", L"Ctrl + Alt", L"Ctrl + Shift + Alt",
};

// The keys named by a word or a sign, in the three places a key is named; an empty name means that
// place does not name the key. The two windows were written with different spellings and the key-code
// test names some keys only when a modifier is held, so the columns differ on purpose.
struct NamedKey {
    int code;
    std::wstring_view plain;     // key-code test, no modifier held
    std::wstring_view modified;  // key-code test, after the modifier text
    std::wstring_view hotkey;    // hotkey setting window
};

constexpr NamedKey kNamedKeys[] = {
    {8, L"Backspace", L"Backspace", L"BackSpace"},
    {9, L"Tab", L"Tab", L"Tab"},
    {12, L"", L"Num 5", L""},  // numeric-pad 5 with Num Lock off
    {13, L"Enter", L"Enter", L"Enter"},
    {19, L"Pause Break", L"Pause Break", L"Pause Break"},
    {20, L"Caps Lock", L"Caps Lock", L""},
    {27, L"Esc", L"Esc", L"Esc"},
    {32, L"Space", L"Space", L"Space"},
    {33, L"Page Up", L"Page Up", L"Page Up"},
    {34, L"Page Down", L"Page Down", L"Page Down"},
    {35, L"End", L"End", L"End"},
    {36, L"Home", L"Home", L"Home"},
    {37, L"←", L"←", L"Left Arrow(←)"},
    {38, L"↑", L"↑", L"Up Arrow(↑)"},
    {39, L"→", L"→", L"Right Arrow(→)"},
    {40, L"↓", L"↓", L"Down Arrow(↓)"},
    {45, L"Insert", L"Insert", L"Insert"},
    {46, L"Delete", L"Delete", L"Delete"},
    {106, L"Num *", L"Num *", L"Num *"},
    {107, L"Num +", L"Num +", L"Num +"},
    {109, L"Num -", L"Num -", L"Num -"},
    {110, L"", L".(Del)", L""},
    {111, L"Num /", L"Num /", L"Num /"},
    {144, L"Num Lock", L"Num Lock", L"Num Lock"},
    {145, L"Scrol Lock", L"Scroll Lock", L"Scroll Lock"},
    {186, L"", L";", L""},
    {187, L"", L"=", L""},
    {188, L"", L",", L""},
    {189, L"", L"-", L""},
    {190, L"", L".", L""},
    {191, L"", L"/", L""},
    {192, L"", L"`", L""},
    {219, L"", L"[", L""},
    {220, L"", L"\\", L""},
    {221, L"", L"]", L""},
    {222, L"", L"'", L""},
};

// Keys numbered in a row: the name is the prefix and the key's place in the row.
struct NumberedKeys {
    int first;
    int last;
    std::wstring_view prefix;
    int firstNumber;
};

constexpr NumberedKeys kNumPadDigits = {96, 105, L"Num ", 0};
constexpr NumberedKeys kFunctionKeys = {112, 123, L"F", 1};

// The characters whose typing names the key: the numeric pad also types "*", "+", "-", "/" and the
// digits, and its own name, set when the key went down, must stay on display.
struct CharacterRange {
    int first;
    int last;
};

constexpr CharacterRange kNamedCharacters[] = {
    {'\'', '\''}, {',', ','}, {'.', '.'},
    {';', ';'},   {'=', '='}, {'A', ']'},  // the capital letters, then [ \ ]
    {'`', 'z'},                            // the grave accent, then the small letters
};

constexpr std::optional<NamedKey> FindNamedKey(int code) {
    for (const NamedKey& key : kNamedKeys) {
        if (key.code == code) {
            return key;
        }
    }
    return std::nullopt;
}

bool Contains(const NumberedKeys& keys, int code) {
    return code >= keys.first && code <= keys.last;
}

std::wstring NumberedName(const NumberedKeys& keys, int code) {
    return std::wstring(keys.prefix) + std::to_wstring(keys.firstNumber + code - keys.first);
}

// Digit and letter keys have the codes of the characters on them.
bool IsDigitKey(int code) {
    return code >= '0' && code <= '9';
}
bool IsLetterKey(int code) {
    return code >= 'A' && code <= 'Z';
}

using Column = std::wstring_view NamedKey::*;

// The name of a key in one of the three places, empty when that place does not name it.
std::wstring KeyName(int code, Column column, bool letters, bool numPadDigits) {
    if (IsDigitKey(code) || (letters && IsLetterKey(code))) {
        return std::wstring(1, static_cast<wchar_t>(code));
    }
    if (numPadDigits && Contains(kNumPadDigits, code)) {
        return NumberedName(kNumPadDigits, code);
    }
    if (Contains(kFunctionKeys, code)) {
        return NumberedName(kFunctionKeys, code);
    }
    const std::optional<NamedKey> named = FindNamedKey(code);
    return named ? std::wstring((*named).*column) : std::wstring();
}

std::optional<std::wstring> NonEmpty(std::wstring name) {
    return name.empty() ? std::nullopt : std::optional<std::wstring>(std::move(name));
}

}  // namespace

std::wstring ModifierText(int mask) {
    return std::wstring(kModifierTexts[static_cast<std::size_t>(mask & kModifierBits)]);
}

std::optional<std::wstring> PlainKeyName(int code) {
    return NonEmpty(KeyName(code, &NamedKey::plain, false, true));
}

std::optional<std::wstring> TypedCharName(int character) {
    for (const CharacterRange& range : kNamedCharacters) {
        if (character >= range.first && character <= range.last) {
            return std::wstring(1, static_cast<wchar_t>(character));
        }
    }
    return std::nullopt;
}

std::wstring ModifiedKeyName(int code, int mask) {
    const int modifiers = mask & kModifierBits;
    std::wstring name;
    if (modifiers == shift_mask::kCtrl && code == 19) {
        // With Ctrl held the platform reports the Num Lock key as Pause.
        name = L"Num Lock";
    } else {
        // Shift held together with Ctrl or Alt leaves the numeric-pad digits unnamed.
        const bool shiftWithOthers = (modifiers & shift_mask::kShift) != 0 && modifiers != shift_mask::kShift;
        name = KeyName(code, &NamedKey::modified, true, !shiftWithOthers);
    }
    std::wstring text = ModifierText(modifiers);
    if (text.empty() || name.empty()) {
        return text + name;
    }
    return text + L" + " + name;
}

std::optional<std::wstring> ReleaseName(int code, int mask) {
    // Print Screen reaches the program only when it is released.
    if (code == 44 && (mask & kModifierBits) == 0) {
        return L"Print Scrn SysRq";
    }
    if (code == 116) {
        return L"F5";
    }
    return std::nullopt;
}

std::wstring HotkeyKeyName(int code) {
    return KeyName(code, &NamedKey::hotkey, true, true);
}

}  // namespace orvell::keyboard
