#pragma once

#include <string_view>

namespace orvell::app {

// Whether a command button's caption gives it key as its access key: "&" marks the letter after it,
// "&&" is a plain "&". Letters compare as the XP buttons compare theirs, so Alt+S and Alt+s click
// "查询(&S)" alike.
bool CaptionHasAccessKey(std::wstring_view caption, wchar_t key);

}  // namespace orvell::app
