#include "app/hotkey_watch.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <functional>

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

    CountingWatch() {
        watch.SetKeyCode(kKey);
        watch.SetAltKey(true);
        watch.SetShiftKey(true);
    }
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
    const Step steps[] = {
        {"made, not yet active", [](HotkeyWatch&) {}, 0, 0},
        {"Activate", [](HotkeyWatch& w) { w.Activate(); }, kAltShift, kKey},
        {"Suspended", [](HotkeyWatch& w) { w.SetSuspended(true); }, 0, 0},
        {"Activate while suspended", [](HotkeyWatch& w) { w.Activate(); }, 0, 0},
        {"no longer suspended", [](HotkeyWatch& w) { w.SetSuspended(false); }, kAltShift, kKey},
        {"Deactivate", [](HotkeyWatch& w) { w.Deactivate(); }, 0, 0},
        {"resumed while deactivated", [](HotkeyWatch& w) { w.SetSuspended(false); }, 0, 0},
        {"Activate again", [](HotkeyWatch& w) { w.Activate(); }, kAltShift, kKey},
        {"a key code that names no key", [](HotkeyWatch& w) { w.SetKeyCode(0); }, 0, 0},
        {"the key code back", [](HotkeyWatch& w) { w.SetKeyCode(kKey); }, kAltShift, kKey},
        {"another key", [](HotkeyWatch& w) { w.SetKeyCode(kOtherKey); }, kAltShift, kOtherKey},
        {"Ctrl too", [](HotkeyWatch& w) { w.SetCtrlKey(true); }, kAltShift | MOD_CONTROL, kOtherKey},
        {"no modifiers",
         [](HotkeyWatch& w) {
             w.SetAltKey(false);
             w.SetShiftKey(false);
             w.SetCtrlKey(false);
         },
         0, kOtherKey},
        // As every timer tick does.
        {"the same values again",
         [](HotkeyWatch& w) {
             w.SetKeyCode(kOtherKey);
             w.SetAltKey(false);
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
    watch.SetKeyCode(kKey);
    watch.SetCtrlKey(true);
    watch.Activate();
    ASSERT_TRUE(watch.IsRegistered());

    ASSERT_TRUE(test_support::SendChord({VK_CONTROL, static_cast<WORD>(kKey)}));

    EXPECT_TRUE(test_support::PumpUntil([&] { return presses > 0; }));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(eventThread, ::GetCurrentThreadId());
}

}  // namespace
}  // namespace orvell::win
