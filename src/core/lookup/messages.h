#pragma once

#include <string>

#include "lookup/types.h"

namespace orvell::lookup {

// What may be looked up, shown after a change of type or mode.
std::wstring Tip(Language language, SearchMode mode, TableKind table);

// The tip a language switch shows; two of them are worded slightly differently from Tip().
std::wstring LanguageSwitchTip(Language language, SearchMode mode, TableKind table);

std::wstring EmptyInputMessage(Language language, SearchMode mode, TableKind table);
std::wstring OutOfRangeMessage(Language language, SearchMode mode, TableKind table);

}  // namespace orvell::lookup
