#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "lookup/types.h"

namespace orvell::lookup {

// The complete texts of the output box for each kind of answer. Callers pass the texts as the
// answer needs them (trimmed or as stored, value in its display form).

std::wstring KeyNameResult(std::wstring_view keyName, std::wstring_view code);

// character and value as shown: trimmed character, value in its display form
std::wstring SearchResult(Language language, std::wstring_view character, std::wstring_view value);

std::wstring ShortReversePlain(Language language, std::wstring_view value, std::wstring_view character);
std::wstring ShortReverseTable(Language language, bool threeDigits, std::wstring_view value,
                               std::wstring_view character);

std::wstring FullReversePlain(Language language, std::wstring_view value, std::wstring_view character);
// The full table's row layout depends on the entry index (its character column is sized for the
// entry); an index outside 0 to 217 has no layout.
std::optional<std::wstring> FullReverseTable(Language language, int index, std::wstring_view value,
                                             std::wstring_view character);

// A short-table value as the answers show it: "065" shows as "65", "100" and above stay.
std::wstring_view ShortDisplayValue(std::wstring_view value);

// The lenient numeric reading of a text: blanks skipped, the longest leading decimal number taken,
// 0 when the text does not start with one ("4a" is 4, "ab" is 0).
long long NumericValue(std::wstring_view text);

}  // namespace orvell::lookup
