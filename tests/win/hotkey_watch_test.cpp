#include "app/hotkey_watch.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "app/settings.h"
#include "keyboard/hotkey_apply.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::HotkeyTaken;
using test_support::PumpPending;

constexpr UINT kKey = VK_F9;
constexpr UINT kOtherKey = VK_F10;
constexpr UINT kAltShift = MOD_ALT | MOD_SHIFT;
constexpr int kProbeId = 0x7777;

// A watch with a counter of its events, set to Alt+Shift+F9.
struct CountingWatch {
    int presses = 0;
    HotkeyWatch watch{[this] { ++presses; }};

    CountingWatch() { watch.SetHotkey({kKey, true, false, true}); }
    void Press(WPARAM id = HotkeyWatch::kHotkeyId) {
        ::PostMessageW(watch.Handle(), WM_HOTKEY, id, MAKELPARAM(kAltShift, kKey));
        PumpPending();
    }
};

// After each step the window system holds the wanted key, or none, and no longer the one before: a
// new key or modifier is taken at once, the old one given back.
TEST(HotkeyWatch, HoldsTheKeyOnlyWhileActiveAndNotSuspended) {
    ASSERT_FALSE(HotkeyTaken(kAltShift, kKey)) << "another program holds the test's key";
    struct Step {
        const char* name;
        std::function<void(HotkeyWatch&)> act;
        UINT modifiers;
        UINT key;  // 0: none held
    };
    const auto set = [](keyboard::Hotkey hotkey) { return [=](HotkeyWatch& w) { w.SetHotkey(hotkey); }; };
    const Step steps[] = {
        {"made, not yet active", [](HotkeyWatch&) {}, 0, 0},
        {"Activate", [](HotkeyWatch& w) { w.Activate(); }, kAltShift, kKey},
        {"Suspended", [](HotkeyWatch& w) { w.SetSuspended(true); }, 0, 0},
        {"Activate while suspended", [](HotkeyWatch& w) { w.Activate(); }, 0, 0},
        {"no longer suspended", [](HotkeyWatch& w) { w.SetSuspended(false); }, kAltShift, kKey},
        {"Deactivate", [](HotkeyWatch& w) { w.Deactivate(); }, 0, 0},
        {"resumed while deactivated", [](HotkeyWatch& w) { w.SetSuspended(false); }, 0, 0},
        {"Activate again", [](HotkeyWatch& w) { w.Activate(); }, kAltShift, kKey},
        {"a key code that names no key", set({0, true, false, true}), 0, 0},
        {"the key code back", set({kKey, true, false, true}), kAltShift, kKey},
        {"another key", set({kOtherKey, true, false, true}), kAltShift, kOtherKey},
        {"Ctrl too", set({kOtherKey, true, true, true}), kAltShift | MOD_CONTROL, kOtherKey},
        {"no modifiers", set({kOtherKey}), 0, kOtherKey},
        // As every timer tick does.
        {"the same values again",
         [](HotkeyWatch& w) {
             w.SetHotkey({kOtherKey});
             w.Activate();
         },
         0, kOtherKey},
    };
    {
        CountingWatch counting;
        const Step* previous = &steps[0];
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            step.act(counting.watch);
            EXPECT_EQ(counting.watch.IsRegistered(), step.key != 0);
            if (step.key != 0) {
                EXPECT_TRUE(HotkeyTaken(step.modifiers, step.key));
            }
            if (previous->key != 0 && (previous->key != step.key || previous->modifiers != step.modifiers)) {
                EXPECT_FALSE(HotkeyTaken(previous->modifiers, previous->key)) << "the old key is given back";
            }
            previous = &step;
        }
    }
    EXPECT_FALSE(HotkeyTaken(0, kOtherKey)) << "the watch gives the key back when it goes";
}

// Every chord the watch asked the window system for, without MOD_NOREPEAT.
std::vector<std::pair<UINT, UINT>> g_registered;
BOOL WINAPI RecordRegistration(HWND window, int id, UINT modifiers, UINT key) {
    g_registered.emplace_back(modifiers & ~MOD_NOREPEAT, key);
    return ::RegisterHotKey(window, id, modifiers, key);
}

// A new stored hotkey is taken in one registration: a chord on the way (the old key with part of the
// new modifiers, or bare) would be held system-wide for a moment, taken from whoever uses it.
TEST(HotkeyWatch, AChangedHotkeyIsRegisteredInOneStepWithoutTheChordsBetween) {
    using Values = std::map<std::wstring, std::int32_t, std::less<>>;
    struct Step {
        const char* name;
        Values stored;
        UINT modifiers;
        UINT key;
    };
    const Step steps[] = {
        {"Ctrl+Alt+F9", {{L"HotKey", VK_F9}, {L"Check", 1}, {L"Combo", 6}}, MOD_CONTROL | MOD_ALT, VK_F9},
        {"Shift+F10", {{L"HotKey", VK_F10}, {L"Check", 1}, {L"Combo", 1}}, MOD_SHIFT, VK_F10},
        {"F11 alone", {{L"HotKey", VK_F11}, {L"Check", 0}}, 0, VK_F11},
        {"Alt+F11", {{L"HotKey", VK_F11}, {L"Check", 1}, {L"Combo", 4}}, MOD_ALT, VK_F11},
        {"F9 alone", {{L"HotKey", VK_F9}, {L"Check", 0}}, 0, VK_F9},
    };
    HotkeyWatch watch([] {}, &RecordRegistration);
    app::MemorySettingsStore store;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        store.values = step.stored;
        g_registered.clear();
        keyboard::ApplyHotkey(store, watch);
        EXPECT_EQ(g_registered, (std::vector<std::pair<UINT, UINT>>{{step.modifiers, step.key}}));
        EXPECT_TRUE(HotkeyTaken(step.modifiers, step.key));
    }
}

TEST(HotkeyWatch, RaisesOneEventPerPressAndNoneWhileSuspendedOrDeactivated) {
    CountingWatch counting;
    counting.watch.Activate();
    counting.watch.Activate();
    ASSERT_TRUE(counting.watch.IsRegistered());
    counting.Press();
    EXPECT_EQ(counting.presses, 1);

    counting.watch.Deactivate();
    counting.Press();
    EXPECT_EQ(counting.presses, 1) << "deactivated";

    counting.watch.Activate();
    ::PostMessageW(counting.watch.Handle(), WM_HOTKEY, HotkeyWatch::kHotkeyId, 0);
    counting.watch.SetSuspended(true);
    PumpPending();
    EXPECT_EQ(counting.presses, 1) << "a press still queued when a window suspends the watch";

    counting.watch.SetSuspended(false);
    counting.Press(HotkeyWatch::kHotkeyId + 1);
    EXPECT_EQ(counting.presses, 1) << "another hotkey's id";

    counting.Press();
    EXPECT_EQ(counting.presses, 2);
}

TEST(HotkeyWatch, AKeyHeldByAnotherProgramIsTakenWhenItIsFree) {
    ASSERT_NE(::RegisterHotKey(nullptr, kProbeId, kAltShift, kKey), 0) << "the test could not take the key";
    CountingWatch counting;
    counting.watch.Activate();
    EXPECT_FALSE(counting.watch.IsRegistered());
    counting.Press();
    EXPECT_EQ(counting.presses, 0);

    ::UnregisterHotKey(nullptr, kProbeId);
    counting.watch.Activate();
    EXPECT_TRUE(counting.watch.IsRegistered());
    EXPECT_TRUE(HotkeyTaken(kAltShift, kKey));
    counting.Press();
    EXPECT_EQ(counting.presses, 1);
}

TEST(HotkeyWatch, ARealKeyPressRaisesTheEventOnTheWatchesThread) {
    DWORD eventThread = 0;
    int presses = 0;
    HotkeyWatch watch([&] {
        ++presses;
        eventThread = ::GetCurrentThreadId();
    });
    watch.SetHotkey({kKey, false, true, false});
    watch.Activate();
    ASSERT_TRUE(watch.IsRegistered());

    ASSERT_TRUE(test_support::SendChord({VK_CONTROL, static_cast<WORD>(kKey)}));

    EXPECT_TRUE(test_support::PumpUntil([&] { return presses > 0; }));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(eventThread, ::GetCurrentThreadId());
}

}  // namespace
}  // namespace orvell::win
