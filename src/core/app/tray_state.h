#pragma once

#include <string_view>

#include "app/shell_texts.h"

namespace orvell::app {

// Whether the main window is hidden in the notification area, the state the hotkey toggles: a press
// hides a shown window and brings a hidden one back. The hidden label Label3 shows it, for whoever
// reads the window's controls.
struct TrayState {
    bool hidden = false;

    std::wstring_view FlagText() const { return TrayFlagText(hidden); }
};

}  // namespace orvell::app
