#include "keyboard/hotkey_apply.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/settings.h"

namespace orvell::keyboard {
namespace {

using Values = std::map<std::wstring, std::int32_t, std::less<>>;

// What the watch ends up holding, as "active Ctrl+65"; it starts with a key of its own (119, F8).
class FakeWatch final : public HotkeyControl {
public:
    void Activate() override { m_active = true; }
    void Deactivate() override { m_active = false; }
    void SetHotkey(const Hotkey& hotkey) override { m_hotkey = hotkey; }
    void SetSuspended(bool) override {}

    std::string State() const {
        return std::string(m_active ? "active " : "inactive ") + (m_hotkey.alt ? "Alt+" : "") +
               (m_hotkey.ctrl ? "Ctrl+" : "") + (m_hotkey.shift ? "Shift+" : "") +
               std::to_string(m_hotkey.keyCode);
    }

private:
    bool m_active = false;
    Hotkey m_hotkey{119, true, true, true};
};

constexpr std::int32_t kMissing = -99;

// HotKey as given (65 unless told) with Check and Combo as given, each left out when missing.
Values Stored(std::int32_t check, std::int32_t combo, std::int32_t hotKey = 65) {
    Values values{{L"HotKey", hotKey}, {L"Check", check}, {L"Combo", combo}};
    std::erase_if(values, [](const auto& value) { return value.second == kMissing; });
    return values;
}

// "Check" 0 (or missing, which writes it) gives the key alone and leaves "Combo" unread; 1 takes only
// the six combinations the setting window offers and deletes any other; a value written by hand
// leaves the watch as it was and the store alone.
TEST(ApplyHotkey, CheckDecidesTheModifiersAndOnlyTheSixOfferedCombinationsAreKept) {
    struct Case {
        std::int32_t check, combo;
        const char* watch;
        std::int32_t checkAfter, comboAfter;
        std::int32_t hotKey = 65;
    };
    const Case cases[] = {
        {kMissing, 2, "active 65", 0, 2},
        {0, 2, "active 65", 0, 2},
        {2, 3, "active Alt+Ctrl+Shift+119", 2, 3},
        {1, 1, "active Shift+65", 1, 1},
        {1, 2, "active Ctrl+65", 1, 2},
        {1, 4, "active Alt+65", 1, 4},
        {1, 5, "active Alt+Shift+65", 1, 5},
        {1, 6, "active Alt+Ctrl+65", 1, 6},
        {1, 7, "active Alt+Ctrl+Shift+65", 1, 7},
        {1, kMissing, "active 65", 1, kMissing},
        {1, 3, "active 65", 1, kMissing},  // Ctrl+Shift is not offered
        {1, 8, "active 65", 1, kMissing},
        {1, 15, "active 65", 1, kMissing},
        // A hotkey start-up could not store: F12, as start-up means it to be.
        {0, kMissing, "active 123", 0, kMissing, kMissing},
        {1, 6, "active Alt+Ctrl+123", 1, 6, kMissing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "Check " << c.check << ", Combo " << c.combo);
        app::MemorySettingsStore store;
        store.values = Stored(c.check, c.combo, c.hotKey);
        FakeWatch watch;

        ApplyHotkey(store, watch);

        EXPECT_EQ(watch.State(), c.watch);
        EXPECT_EQ(store.values, Stored(c.checkAfter, c.comboAfter, c.hotKey));
    }
}

}  // namespace
}  // namespace orvell::keyboard
