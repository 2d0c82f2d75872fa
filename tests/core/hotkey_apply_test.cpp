#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/settings.h"
#include "keyboard/hotkey_apply.h"

namespace orvell::keyboard {
namespace {

using Values = std::map<std::wstring, std::int32_t, std::less<>>;
using Calls = std::vector<std::string>;

// Records what reaches the watch, in order.
class RecordingControl final : public HotkeyControl {
public:
    void Activate() override { calls.push_back("Activate"); }
    void Deactivate() override { calls.push_back("Deactivate"); }
    void SetKeyCode(std::int32_t keyCode) override { calls.push_back("KeyCode " + std::to_string(keyCode)); }
    void SetSuspended(bool suspended) override { calls.push_back(Flag("Suspended", suspended)); }
    void SetShiftKey(bool on) override { calls.push_back(Flag("Shift", on)); }
    void SetCtrlKey(bool on) override { calls.push_back(Flag("Ctrl", on)); }
    void SetAltKey(bool on) override { calls.push_back(Flag("Alt", on)); }

    Calls calls;

private:
    static std::string Flag(const char* name, bool on) { return std::string(name) + (on ? " on" : " off"); }
};

TEST(ApplyHotkey, EachCheckValue) {
    struct Case {
        const char* name;
        Values before;
        Calls calls;
        Values after;
        int writes;
        int deletes;
    };
    const Case cases[] = {
        {"fresh settings: the key alone, and Check comes into being",
         {{L"HotKey", 123}},
         {"Activate", "Alt off", "Ctrl off", "Shift off", "KeyCode 123"},
         {{L"HotKey", 123}, {L"Check", 0}},
         1,
         0},
        {"Check 0 leaves a stored Combo unread and untouched",
         {{L"HotKey", 119}, {L"Check", 0}, {L"Combo", 3}},
         {"Activate", "Alt off", "Ctrl off", "Shift off", "KeyCode 119"},
         {{L"HotKey", 119}, {L"Check", 0}, {L"Combo", 3}},
         1,
         0},
        {"Ctrl+A",
         {{L"HotKey", 65}, {L"Check", 1}, {L"Combo", 2}},
         {"Activate", "Alt off", "Ctrl on", "Shift off", "KeyCode 65"},
         {{L"HotKey", 65}, {L"Check", 1}, {L"Combo", 2}},
         2,
         0},
        {"Check 1 with Ctrl+Shift: Combo deleted, the bare key",
         {{L"HotKey", 65}, {L"Check", 1}, {L"Combo", 3}},
         {"Activate", "Alt off", "Ctrl off", "Shift off", "KeyCode 65"},
         {{L"HotKey", 65}, {L"Check", 1}},
         1,
         1},
        {"Check 1 without Combo",
         {{L"HotKey", 65}, {L"Check", 1}},
         {"Activate", "Alt off", "Ctrl off", "Shift off", "KeyCode 65"},
         {{L"HotKey", 65}, {L"Check", 1}},
         1,
         1},
        {"Check 2 written by hand: the watch keeps what it had, nothing is written",
         {{L"HotKey", 65}, {L"Check", 2}, {L"Combo", 3}},
         {"Activate"},
         {{L"HotKey", 65}, {L"Check", 2}, {L"Combo", 3}},
         0,
         0},
        {"Check -1", {{L"Check", -1}}, {"Activate"}, {{L"Check", -1}}, 0, 0},
        {"no hotkey stored: the value goes to the watch as it is",
         {},
         {"Activate", "Alt off", "Ctrl off", "Shift off", "KeyCode 0"},
         {{L"Check", 0}},
         1,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        app::MemorySettingsStore store;
        store.values = c.before;
        RecordingControl control;

        ApplyHotkey(store, control);

        EXPECT_EQ(control.calls, c.calls);
        EXPECT_EQ(store.values, c.after);
        EXPECT_EQ(store.writeCount, c.writes);
        EXPECT_EQ(store.deleteCount, c.deletes);
    }
}

TEST(ApplyCombo, OnlyTheSixOfferedCombinationsAreKept) {
    struct Case {
        std::int32_t combo;  // 0: missing
        bool alt;
        bool ctrl;
        bool shift;
        bool kept;
    };
    const Case cases[] = {
        {1, false, false, true, true},   {2, false, true, false, true},   {4, true, false, false, true},
        {5, true, false, true, true},    {6, true, true, false, true},    {7, true, true, true, true},
        {0, false, false, false, false}, {3, false, false, false, false}, {8, false, false, false, false},
        {15, false, false, false, false}, {-1, false, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "Combo " << c.combo);
        app::MemorySettingsStore store;
        if (c.combo != 0) {
            store.values = {{L"Combo", c.combo}};
        }
        RecordingControl control;

        ApplyCombo(store, control);

        const auto flag = [](const char* name, bool on) { return std::string(name) + (on ? " on" : " off"); };
        EXPECT_EQ(control.calls, (Calls{flag("Alt", c.alt), flag("Ctrl", c.ctrl), flag("Shift", c.shift)}));
        EXPECT_EQ(store.values, (c.kept ? Values{{L"Combo", c.combo}} : Values{}));
        EXPECT_EQ(store.writeCount, c.kept ? 1 : 0);
        EXPECT_EQ(store.deleteCount, c.kept ? 0 : 1);
    }
}

}  // namespace
}  // namespace orvell::keyboard
