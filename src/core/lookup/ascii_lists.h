#pragma once

#include <string>
#include <string_view>

namespace orvell::lookup {

// The two fixed ASCII tables the main window can show in place of the output box: the printable
// list for "Visual Basic" and "Delphi", the full 000 to 255 list for "C".
std::wstring ShortAsciiList();
std::wstring FullAsciiList();

// The full list's text for one code (empty for codes with nothing to show, and outside 0 to 255).
std::wstring_view FullListText(int code);

}  // namespace orvell::lookup
