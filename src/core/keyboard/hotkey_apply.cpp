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
    // Start-up stores F12 for a missing hotkey; where that could not be stored the key still works.
    const std::int32_t stored = store.Read(app::setting::kHotKey);
    const std::int32_t keyCode = stored != 0 ? stored : app::kDefaultHotKey;
    const std::int32_t check = store.Read(app::setting::kCheck);
    if (check == 1) {
        store.Write(app::setting::kCheck, 1);
        control.SetHotkey(ApplyCombo(store, keyCode));
    } else if (check == 0) {
        store.Write(app::setting::kCheck, 0);
        control.SetHotkey(Hotkey{keyCode});
    }
}

Hotkey ApplyCombo(app::SettingsStore& store, std::int32_t keyCode) {
    const std::int32_t combo = store.Read(app::setting::kCombo);
    if (!IsOfferedCombo(combo)) {
        store.Delete(app::setting::kCombo);
        return Hotkey{keyCode};
    }
    store.Write(app::setting::kCombo, combo);
    return Hotkey{keyCode, (combo & kShiftBit) != 0, (combo & kCtrlBit) != 0, (combo & kAltBit) != 0};
}

}  // namespace orvell::keyboard
