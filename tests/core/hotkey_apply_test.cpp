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
    void SetKeyCode(std::int32_t keyCode) override { m_keyCode = keyCode; }
    void SetSuspended(bool) override {}
    void SetShiftKey(bool on) override { m_shift = on; }
    void SetCtrlKey(bool on) override { m_ctrl = on; }
    void SetAltKey(bool on) override { m_alt = on; }

    std::string State() const {
        return std::string(m_active ? "active " : "inactive ") + (m_alt ? "Alt+" : "") +
               (m_ctrl ? "Ctrl+" : "") + (m_shift ? "Shift+" : "") + std::to_string(m_keyCode);
    }

private:
    bool m_active = false;
    bool m_alt = true;
    bool m_ctrl = true;
    bool m_shift = true;
    std::int32_t m_keyCode = 119;
};

TEST(ApplyHotkey, CheckZeroOrMissingGivesTheKeyAloneAndOtherValuesChangeNothing) {
    struct Case {
        const char* name;
        Values before;
        const char* watch;
        Values after;
        int writes;
    };
    const Case cases[] = {
        {"fresh settings: the key alone, and Check comes into being",
         {{L"HotKey", 123}},
         "active 123",
         {{L"HotKey", 123}, {L"Check", 0}},
         1},
        {"Check 0 leaves a stored Combo unread and untouched",
         {{L"HotKey", 65}, {L"Check", 0}, {L"Combo", 2}},
         "active 65",
         {{L"HotKey", 65}, {L"Check", 0}, {L"Combo", 2}},
         1},
        {"Check 2 written by hand: the watch keeps what it had, nothing is written",
         {{L"HotKey", 65}, {L"Check", 2}, {L"Combo", 3}},
         "active Alt+Ctrl+Shift+119",
         {{L"HotKey", 65}, {L"Check", 2}, {L"Combo", 3}},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::MemorySettingsStore store;
        store.values = c.before;
        FakeWatch watch;

        ApplyHotkey(store, watch);

        EXPECT_EQ(watch.State(), c.watch);
        EXPECT_EQ(store.values, c.after);
        EXPECT_EQ(store.writeCount, c.writes);
        EXPECT_EQ(store.deleteCount, 0);
    }
}

TEST(ApplyHotkey, CheckOneKeepsOnlyTheSixOfferedCombinations) {
    struct Case {
        std::int32_t combo;  // 0: missing
        const char* modifiers;
        bool kept;
    };
    const Case cases[] = {
        {1, "Shift+", true},     {2, "Ctrl+", true},     {4, "Alt+", true},
        {5, "Alt+Shift+", true}, {6, "Alt+Ctrl+", true}, {7, "Alt+Ctrl+Shift+", true},
        {0, "", false},          {3, "", false},         {8, "", false},
        {15, "", false},         {-1, "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "Combo " << c.combo);
        app::MemorySettingsStore store;
        store.values = {{L"HotKey", 65}, {L"Check", 1}};
        if (c.combo != 0) {
            store.values[L"Combo"] = c.combo;
        }
        FakeWatch watch;

        ApplyHotkey(store, watch);

        EXPECT_EQ(watch.State(), std::string("active ") + c.modifiers + "65");
        Values after{{L"HotKey", 65}, {L"Check", 1}};
        if (c.kept) {
            after[L"Combo"] = c.combo;
        }
        EXPECT_EQ(store.values, after);
        EXPECT_EQ(store.writeCount, c.kept ? 2 : 1);
        EXPECT_EQ(store.deleteCount, c.kept ? 0 : 1);
    }
}

}  // namespace
}  // namespace orvell::keyboard
