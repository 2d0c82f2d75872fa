// Key naming and the hotkey rules, on what keys, characters and the stored settings can hold: any
// code, any modifier bits, and settings edited by hand to any 32-bit value. The input is a sequence of
// steps, each an event of the key-code test or of the hotkey setting window.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "app/settings.h"
#include "keyboard/hotkey_apply.h"
#include "keyboard/hotkey_rules.h"
#include "keyboard/key_code_test.h"
#include "keyboard/key_names.h"

using namespace orvell;
using namespace orvell::keyboard;

namespace {

class Watch final : public HotkeyControl {
public:
    void Activate() override {}
    void Deactivate() override {}
    void SetHotkey(const Hotkey&) override {}
    void SetSuspended(bool) override {}
};

// Mostly key-sized numbers, sometimes anything.
int Code(FuzzedDataProvider& input) {
    return input.ConsumeBool() ? input.ConsumeIntegral<std::uint8_t>() : input.ConsumeIntegral<int>();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    app::MemorySettingsStore store;
    KeyCodeTest test;
    Watch watch;
    while (input.remaining_bytes() > 0) {
        const int code = Code(input);
        const int mask = Code(input);
        switch (input.ConsumeIntegralInRange(0, 7)) {
            case 0:
                test.KeyDown(code, mask);
                break;
            case 1:
                test.KeyPress(code);
                break;
            case 2:
                test.KeyUp(code, mask);
                break;
            case 3:
                test.MouseDownOnCell(code, static_cast<MouseButton>((mask & 0xFF) % 3));
                break;
            case 4: {  // a setting edited outside the program
                const std::wstring_view names[] = {app::setting::kHotKey, app::setting::kCheck,
                                                   app::setting::kCombo, app::setting::kLanguage};
                store.values[std::wstring(names[code & 3])] = input.ConsumeIntegral<std::int32_t>();
                break;
            }
            case 5:
                ApplyHotkey(store, watch);
                app::LoadStartupSettings(store);
                break;
            case 6: {  // the setting window opened, a key typed into its field, the box and list changed
                HotkeyChoice choice = LoadHotkeyChoice(store);
                choice.keyCode = KeyForKeyDown(code);
                if (HotkeyKeyName(choice.keyCode).empty()) {
                    std::abort();  // the field only ever shows a key it can name
                }
                choice.combination = (mask & 1) != 0;
                choice.comboIndex = ComboIndexFor(mask >> 1);
                const SetOutcome outcome =
                    SetHotkey(store, choice, mask & 8 ? Language::English : Language::Chinese);
                if (outcome.result == SetResult::Refused &&
                    FindConflict(LoadHotkeyChoice(store)) != HotkeyConflict::None) {
                    std::abort();  // a refusal leaves a hotkey that is allowed
                }
                break;
            }
            default:
                ModifiedKeyName(code, mask);
                ReleaseName(code, mask);
                PlainKeyName(code);
                TypedCharName(code);
                ModifierText(mask);
                ClosesKeyCodeTest(code, mask);
                break;
        }
    }
    return 0;
}
