#pragma once

#include <windows.h>

#include <string_view>

namespace orvell::win {

// Puts text on the clipboard as Unicode text in place of what was there. False when another program
// holds the clipboard or memory ran out.
bool CopyToClipboard(HWND owner, std::wstring_view text);

}  // namespace orvell::win
