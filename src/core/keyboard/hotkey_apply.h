#pragma once

#include "app/settings.h"
#include "keyboard/hotkey_control.h"

namespace orvell::keyboard {

// Pushes the stored hotkey into the watch; the main window runs it at every tick of its 100 ms timer,
// so what the hotkey setting window stores is live at the next tick. With "Check" 1 the modifiers come
// from "Combo", with 0 (or missing) the key goes alone; any other "Check" leaves the watch and the
// store as they were. "Check" is written back each time, so it exists after the first tick. A missing
// "HotKey" is F12, as start-up stores it.
void ApplyHotkey(app::SettingsStore& store, HotkeyControl& control);

// The key with the modifiers of "Combo". Only the combinations the setting window offers
// (1, 2, 4, 5, 6, 7) are kept and written back; anything else (Ctrl+Shift, none, missing) is deleted
// and leaves the key without modifiers.
Hotkey ApplyCombo(app::SettingsStore& store, std::int32_t keyCode);

}  // namespace orvell::keyboard
