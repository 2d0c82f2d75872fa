#pragma once

#include <string_view>

#include "lookup/types.h"

namespace orvell::app {

using lookup::Language;

// The program's name: the window's title until a language file gives one, the title of its message
// boxes and the tray icon's tip.
inline constexpr std::wstring_view kProductName = L"Orvell";

// The tray icon's tip after a start with Windows, when the icon is all the user sees: it says how to
// open the window, in the language of the setting.
std::wstring_view HiddenStartTrayTip(Language language);

// The hidden label that tells whether the main window is hidden in the notification area.
std::wstring_view TrayFlagText(bool hidden);

// When the start-up entry could be written under neither Run key: at a start with Windows the option
// is turned off, from the menu it is never turned on.
enum class StartupEntryFailure { AtStart, WhenTurnedOn };
std::wstring_view StartupEntryFailedMessage(StartupEntryFailure failure, Language language);

}  // namespace orvell::app
