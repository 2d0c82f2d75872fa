#pragma once

#include <string>
#include <string_view>

namespace orvell::controls {

// The upper-case form of a character as access keys compare them: ASCII and Latin-1 letters and the
// full-width Latin letters of Chinese input; other characters are their own upper case.
wchar_t UpperCase(wchar_t c);

// Adds each character of text, upper-cased, that is not "&" and not yet among keys.
void AddAccessKeys(std::wstring& keys, std::wstring_view text);

}  // namespace orvell::controls
