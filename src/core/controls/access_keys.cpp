#include "controls/access_keys.h"

namespace orvell::controls {

wchar_t UpperCase(wchar_t c) {
    if (c >= L'a' && c <= L'z') {
        return static_cast<wchar_t>(c - L'a' + L'A');
    }
    // Latin-1: à to þ map 0x20 down, except the division sign; ß and ÿ have no single upper case here.
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) {
        return static_cast<wchar_t>(c - 0x20);
    }
    if (c >= 0xFF41 && c <= 0xFF5A) {  // ａ to ｚ
        return static_cast<wchar_t>(c - 0x20);
    }
    return c;
}

void AddAccessKeys(std::wstring& keys, std::wstring_view text) {
    for (const wchar_t c : text) {
        const wchar_t upper = UpperCase(c);
        if (upper != L'&' && keys.find(upper) == std::wstring::npos) {
            keys += upper;
        }
    }
}

}  // namespace orvell::controls
