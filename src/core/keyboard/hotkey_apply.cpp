#include "keyboard/hotkey_apply.h"

namespace orvell::keyboard {

namespace {

// The modifier bits of "Combo", as key events deliver them.
constexpr std::int32_t kShiftBit = 1;
constexpr std::int32_t kCtrlBit = 2;
constexpr std::int32_t kAltBit = 4;

bool IsOfferedCombo(std::int32_t combo) {
    switch (combo) {
        case 1:
        case 2:
        case 4:
        case 5:
        case 6:
        case 7:
            return true;
        default:
            return false;
    }
}

}  // namespace

void ApplyHotkey(app::SettingsStore& store, HotkeyControl& control) {
    control.Activate();
    const std::int32_t keyCode = store.Read(app::setting::kHotKey);
    const std::int32_t check = store.Read(app::setting::kCheck);
    if (check == 1) {
        store.Write(app::setting::kCheck, 1);
        ApplyCombo(store, control);
        control.SetKeyCode(keyCode);
    } else if (check == 0) {
        store.Write(app::setting::kCheck, 0);
        control.SetAltKey(false);
        control.SetCtrlKey(false);
        control.SetShiftKey(false);
        control.SetKeyCode(keyCode);
    }
}

void ApplyCombo(app::SettingsStore& store, HotkeyControl& control) {
    const std::int32_t combo = store.Read(app::setting::kCombo);
    const bool offered = IsOfferedCombo(combo);
    control.SetAltKey(offered && (combo & kAltBit) != 0);
    control.SetCtrlKey(offered && (combo & kCtrlBit) != 0);
    control.SetShiftKey(offered && (combo & kShiftBit) != 0);
    if (offered) {
        store.Write(app::setting::kCombo, combo);
    } else {
        store.Delete(app::setting::kCombo);
    }
}

}  // namespace orvell::keyboard
