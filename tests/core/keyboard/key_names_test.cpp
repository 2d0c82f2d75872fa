#include "keyboard/key_names.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

namespace orvell::keyboard {
namespace {

using Name = std::optional<std::wstring>;

TEST(KeyNames, ModifierTextWritesShiftLastAndIgnoresUnknownBits) {
    const std::wstring expected[] = {L"",    L"Shift",       L"Ctrl",       L"Ctrl + Shift",
                                     L"Alt", L"Alt + Shift", L"Ctrl + Alt", L"Ctrl + Shift + Alt"};
    for (int mask = 0; mask < 8; ++mask) {
        EXPECT_EQ(ModifierText(mask), expected[mask]) << "mask " << mask;
        EXPECT_EQ(ModifierText(mask | 8), expected[mask]) << "mask " << (mask | 8);
    }
}

TEST(KeyNames, EachVocabularyNamesItsKeysWithItsOwnSpelling) {
    struct Case {
        int code;
        const wchar_t* plain;  // nullptr: no plain name
        const wchar_t* withCtrl;
        const wchar_t* hotkey;
    };
    const Case cases[] = {
        {8, L"Backspace", L"Ctrl + Backspace", L"BackSpace"},
        {12, nullptr, L"Ctrl + Num 5", L""},
        {19, L"Pause Break", L"Ctrl + Num Lock", L"Pause Break"},
        {20, L"Caps Lock", L"Ctrl + Caps Lock", L""},
        {37, L"←", L"Ctrl + ←", L"Left Arrow(←)"},
        {40, L"↓", L"Ctrl + ↓", L"Down Arrow(↓)"},
        {48, L"0", L"Ctrl + 0", L"0"},
        {65, nullptr, L"Ctrl + A", L"A"},
        {96, L"Num 0", L"Ctrl + Num 0", L"Num 0"},
        {110, nullptr, L"Ctrl + .(Del)", L""},
        {111, L"Num /", L"Ctrl + Num /", L"Num /"},
        {112, L"F1", L"Ctrl + F1", L"F1"},
        {145, L"Scrol Lock", L"Ctrl + Scroll Lock", L"Scroll Lock"},
        {186, nullptr, L"Ctrl + ;", L""},
        {189, nullptr, L"Ctrl + -", L""},
        {220, nullptr, L"Ctrl + \\", L""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PlainKeyName(c.code), c.plain ? Name(c.plain) : std::nullopt) << "code " << c.code;
        EXPECT_EQ(ModifiedKeyName(c.code, 2), c.withCtrl) << "code " << c.code;
        EXPECT_EQ(HotkeyKeyName(c.code), c.hotkey) << "code " << c.code;
    }
    const int unnamed[] = {-1,  0,   16,  41,  44,  47,  58,  64,  91,  95,
                           108, 124, 143, 146, 185, 193, 218, 223, 255, 321};
    for (const int code : unnamed) {
        EXPECT_EQ(PlainKeyName(code), std::nullopt) << "code " << code;
        EXPECT_EQ(ModifiedKeyName(code, 2), L"Ctrl") << "code " << code;
        EXPECT_EQ(HotkeyKeyName(code), L"") << "code " << code;
    }
}

TEST(KeyNames, TheMaskChangesOnlyTheNamesOfNumLockAndTheNumericPadDigits) {
    struct Case {
        int code;
        int mask;
        const wchar_t* name;
    };
    const Case cases[] = {
        {112, 7, L"Ctrl + Shift + Alt + F1"},
        {19, 4, L"Alt + Pause Break"},
        {97, 1, L"Shift + Num 1"},
        {96, 6, L"Ctrl + Alt + Num 0"},
        {111, 7, L"Ctrl + Shift + Alt + Num /"},
        {65, 10, L"Ctrl + A"},
        {65, 0, L"A"},  // no modifier bit: the key name alone
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ModifiedKeyName(c.code, c.mask), c.name) << "code " << c.code << " mask " << c.mask;
    }
    // Modifier keys, and the numeric-pad digits while Shift is held with Ctrl or Alt.
    const std::pair<int, int> modifiersAlone[] = {{16, 1}, {16, 3},  {17, 2},  {18, 4},
                                                  {97, 3}, {100, 5}, {105, 7}, {17, 0}};
    for (const auto& [code, mask] : modifiersAlone) {
        EXPECT_EQ(ModifiedKeyName(code, mask), ModifierText(mask)) << "code " << code << " mask " << mask;
    }
}

TEST(KeyNames, TypedCharactersNameOnlyLettersAndTheUnsharedPunctuation) {
    const int named[] = {39, 44, 46, 59, 61, 65, 90, 91, 92, 93, 96, 97, 122};
    const int unnamed[] = {-1, 0, 38, 40, 42, 43, 45, 47, 48, 57, 58, 60, 62, 64, 94, 95, 123, 255, 256 + 97};
    for (const int character : named) {
        EXPECT_EQ(TypedCharName(character), std::wstring(1, static_cast<wchar_t>(character)))
            << "character " << character;
    }
    for (const int character : unnamed) {
        EXPECT_EQ(TypedCharName(character), std::nullopt) << "character " << character;
    }
}

TEST(KeyNames, ReleaseNamesPrintScreenWithoutModifiersAndF5Always) {
    const std::pair<int, int> unnamed[] = {{44, 2}, {44, 1}, {115, 0}, {117, 2}, {45, 0}, {43, 0}};
    for (const auto& [code, mask] : unnamed) {
        EXPECT_EQ(ReleaseName(code, mask), std::nullopt) << "code " << code << " mask " << mask;
    }
    EXPECT_EQ(ReleaseName(44, 0), L"Print Scrn SysRq");
    for (int mask = 0; mask < 8; ++mask) {
        EXPECT_EQ(ReleaseName(116, mask), L"F5") << "mask " << mask;
    }
}

}  // namespace
}  // namespace orvell::keyboard
