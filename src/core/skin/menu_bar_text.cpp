#include "skin/menu_bar_text.h"

#include <cwctype>

namespace orvell::skin {

PopupItemText ParsePopupText(std::wstring_view text) {
    PopupItemText parsed;
    const std::size_t tab = text.find(L'\t');
    if (tab == std::wstring_view::npos) {
        parsed.caption = text;
    } else {
        parsed.caption = text.substr(0, tab);
        parsed.shortcut = text.substr(tab + 1);
    }
    parsed.accelerator = AccessLetter(parsed.caption);
    return parsed;
}

wchar_t UpperKey(wchar_t ch) {
    return static_cast<wchar_t>(std::towupper(static_cast<std::wint_t>(ch)));
}

wchar_t AccessLetter(std::wstring_view text) {
    const std::size_t amp = text.find(L'&');
    if (amp == std::wstring_view::npos || amp + 1 >= text.size()) {
        return 0;
    }
    return UpperKey(text[amp + 1]);
}

int AltKeyItem(const std::vector<std::wstring>& barTexts, int vKey) {
    if (vKey <= 0) {
        return 0;
    }
    for (std::size_t i = 0; i < barTexts.size(); ++i) {
        const wchar_t letter = AccessLetter(barTexts[i]);
        if (letter != 0 && static_cast<int>(letter) == vKey) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

}  // namespace orvell::skin
