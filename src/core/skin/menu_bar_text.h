#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace orvell::skin {

// A popup item's text split for drawing: the caption before a TAB, the shortcut after it (empty
// without a TAB), and the caption's access letter, upper-cased (0 for none).
struct PopupItemText {
    std::wstring caption;
    std::wstring shortcut;
    wchar_t accelerator = 0;
    friend bool operator==(const PopupItemText&, const PopupItemText&) = default;
};
PopupItemText ParsePopupText(std::wstring_view text);

// Upper case as the access keys compare letters.
wchar_t UpperKey(wchar_t ch);

// The access letter of a menu text, upper-cased: the character after its first "&", when that "&" is
// not the text's last character; 0 for none.
wchar_t AccessLetter(std::wstring_view text);

// The first of the bar's item texts (numbered from 1) whose access letter is the key with code vKey
// (a letter key's code is its upper-case letter), or 0.
int AltKeyItem(const std::vector<std::wstring>& barTexts, int vKey);

}  // namespace orvell::skin
