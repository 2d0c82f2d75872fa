#include "app/hotkey_watch.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <vector>


namespace orvell::win {
namespace {

constexpr UINT kKey = VK_F9;
constexpr UINT kOtherKey = VK_F10;
constexpr int kProbeId = 0x7777;

// Handles every message this thread has queued.
void PumpPending() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Pumps until done() holds or about two seconds have passed; true when it held.
bool PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG end = ::GetTickCount64() + 2000;
    while (!done()) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= end) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

// Asks the window system itself whether some window holds the key: our own registration then fails
// as a duplicate. The answer does not rest on what the watch believes.
bool KeyIsTaken(UINT modifiers, UINT key) {
    if (::RegisterHotKey(nullptr, kProbeId, modifiers, key) != 0) {
        ::UnregisterHotKey(nullptr, kProbeId);
        return false;
    }
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
    return true;
}

// A watch with a counter of its events, set to Alt+Shift+F9.
struct CountingWatch {
    int presses = 0;
    HotkeyWatch watch{[this] { ++presses; }};

    CountingWatch() {
        watch.SetKeyCode(kKey);
        watch.SetAltKey(true);
        watch.SetShiftKey(true);
    }
    void Press() {
        ::PostMessageW(watch.Handle(), WM_HOTKEY, HotkeyWatch::kHotkeyId,
                       MAKELPARAM(MOD_ALT | MOD_SHIFT, kKey));
        PumpPending();
    }
};

constexpr UINT kAltShift = MOD_ALT | MOD_SHIFT;

TEST(HotkeyWatch, HoldsTheKeyOnlyWhileActiveAndNotSuspended) {
    ASSERT_FALSE(KeyIsTaken(kAltShift, kKey)) << "another program holds the test's key";
    struct Step {
        const char* name;
        std::function<void(HotkeyWatch&)> act;
        bool held;
    };
    const Step steps[] = {
        {"made, not yet active", [](HotkeyWatch&) {}, false},
        {"Activate", [](HotkeyWatch& w) { w.Activate(); }, true},
        {"Activate nine times more, as the timer does",
         [](HotkeyWatch& w) {
             for (int i = 0; i < 9; ++i) {
                 w.Activate();
             }
         },
         true},
        {"Suspended", [](HotkeyWatch& w) { w.SetSuspended(true); }, false},
        {"Activate while suspended", [](HotkeyWatch& w) { w.Activate(); }, false},
        {"no longer suspended", [](HotkeyWatch& w) { w.SetSuspended(false); }, true},
        {"Deactivate", [](HotkeyWatch& w) { w.Deactivate(); }, false},
        {"resumed while deactivated", [](HotkeyWatch& w) { w.SetSuspended(false); }, false},
        {"Activate again", [](HotkeyWatch& w) { w.Activate(); }, true},
        {"a key code that names no key", [](HotkeyWatch& w) { w.SetKeyCode(0); }, false},
        {"Activate with it", [](HotkeyWatch& w) { w.Activate(); }, false},
        {"the key code back", [](HotkeyWatch& w) { w.SetKeyCode(kKey); }, true},
    };
    {
        CountingWatch counting;
        ASSERT_NE(counting.watch.Handle(), nullptr);
        for (const Step& step : steps) {
            SCOPED_TRACE(step.name);
            step.act(counting.watch);
            EXPECT_EQ(counting.watch.IsRegistered(), step.held);
            EXPECT_EQ(KeyIsTaken(kAltShift, kKey), step.held);
        }
        ASSERT_TRUE(counting.watch.IsRegistered());
    }
    EXPECT_FALSE(KeyIsTaken(kAltShift, kKey)) << "the watch gives the key back when it goes";
}

TEST(HotkeyWatch, ANewKeyOrModifierIsTakenAtOnceWhileRegistered) {
    CountingWatch counting;
    HotkeyWatch& watch = counting.watch;
    watch.Activate();
    ASSERT_TRUE(watch.IsRegistered());

    watch.SetKeyCode(kOtherKey);
    EXPECT_TRUE(KeyIsTaken(kAltShift, kOtherKey));
    EXPECT_FALSE(KeyIsTaken(kAltShift, kKey)) << "the old key is given back";

    watch.SetCtrlKey(true);
    EXPECT_TRUE(KeyIsTaken(kAltShift | MOD_CONTROL, kOtherKey));
    EXPECT_FALSE(KeyIsTaken(kAltShift, kOtherKey));

    watch.SetAltKey(false);
    watch.SetShiftKey(false);
    watch.SetCtrlKey(false);
    EXPECT_TRUE(KeyIsTaken(0, kOtherKey)) << "the key alone";
    EXPECT_FALSE(KeyIsTaken(MOD_CONTROL, kOtherKey));
    EXPECT_TRUE(watch.IsRegistered());

    // Writing the same values again, as every timer tick does, keeps the registration as it is.
    watch.SetKeyCode(kOtherKey);
    watch.SetAltKey(false);
    watch.Activate();
    EXPECT_TRUE(KeyIsTaken(0, kOtherKey));
}

TEST(HotkeyWatch, RaisesOneEventPerPressAndNoneWhileSuspendedOrDeactivated) {
    CountingWatch counting;
    for (int i = 0; i < 10; ++i) {
        counting.watch.Activate();
    }
    ASSERT_TRUE(counting.watch.IsRegistered());
    counting.Press();
    EXPECT_EQ(counting.presses, 1);

    counting.watch.SetSuspended(true);
    counting.watch.Activate();
    counting.Press();
    EXPECT_EQ(counting.presses, 1) << "suspended";

    counting.watch.SetSuspended(false);
    counting.watch.Deactivate();
    counting.Press();
    EXPECT_EQ(counting.presses, 1) << "deactivated";

    counting.watch.Activate();
    ::PostMessageW(counting.watch.Handle(), WM_HOTKEY, HotkeyWatch::kHotkeyId, 0);
    counting.watch.SetSuspended(true);
    PumpPending();
    EXPECT_EQ(counting.presses, 1) << "a press still queued when a window suspends the watch";

    counting.watch.SetSuspended(false);
    ::PostMessageW(counting.watch.Handle(), WM_HOTKEY, HotkeyWatch::kHotkeyId + 1, 0);
    PumpPending();
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
    EXPECT_TRUE(KeyIsTaken(kAltShift, kKey));
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

    const auto key = [](WORD code, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = code;
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        return input;
    };
    INPUT inputs[] = {key(VK_CONTROL, false), key(static_cast<WORD>(kKey), false),
                      key(static_cast<WORD>(kKey), true), key(VK_CONTROL, true)};
    ASSERT_EQ(::SendInput(4, inputs, sizeof(INPUT)), 4u);

    EXPECT_TRUE(PumpUntil([&] { return presses > 0; }));
    EXPECT_EQ(presses, 1);
    EXPECT_EQ(eventThread, ::GetCurrentThreadId());
}

}  // namespace
}  // namespace orvell::win
