// An XP button of the main window double-clicked with the real pointer: the move and the presses come
// through the system's input queue from a thread of their own, as a mouse's do, while the program is
// still answering the ones before.
#include <windows.h>
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <type_traits>

#include "app/main_window.h"
#include "controls/xp_button_window.h"
#include "main_window_world.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using Control = MainWindow::Control;
using test_support::MouseInput;
using test_support::PumpUntil;

// The clicks one control reports to its window.
HWND g_window = nullptr;
int g_controlId = 0;
int g_clicks = 0;
LRESULT CALLBACK CountClicks(int code, WPARAM wParam, LPARAM lParam) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && sent->hwnd == g_window && sent->message == WM_COMMAND &&
        LOWORD(sent->wParam) == g_controlId && HIWORD(sent->wParam) == BN_CLICKED) {
        ++g_clicks;
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

// Each round double-clicks another spot of the button, so no round's first press pairs with the last
// round's; the program must not lose a press that arrives while it answers the pointer's arrival.
TEST(XpButtonRealInput, ADoubleClickClicksOnceLooksPressedAndPlainOnceThePointerHasLeft) {
    test_support::MainWindowWorld world{L"XpButtonRealInput"};
    MainWindow window(world.Services());
    ASSERT_TRUE(window.Open());
    ::SetForegroundWindow(window.Handle());
    const XpButtonWindow& list = *window.XpButton(Control::Command2);
    const controls::VelloXPButton& face = list.Button();
    g_window = window.Handle();
    g_controlId = ::GetDlgCtrlID(list.Handle());
    const std::unique_ptr<std::remove_pointer_t<HHOOK>, decltype(&::UnhookWindowsHookEx)> hook(
        ::SetWindowsHookExW(WH_CALLWNDPROC, &CountClicks, nullptr, ::GetCurrentThreadId()),
        &::UnhookWindowsHookEx);
    ASSERT_NE(hook, nullptr);
    const Rect bounds = test_support::BoundsIn(list.Handle());
    // Every round the pointer comes from off the window and goes back there. Once over the button and
    // back first, so that the display has settled which window is active.
    const Rect whole = test_support::BoundsIn(window.Handle());
    const Point away{whole.right + 20, whole.bottom + 20};
    ASSERT_TRUE(PumpUntil([&] { return ::GetForegroundWindow() == window.Handle(); }));
    ASSERT_TRUE(test_support::MovePointer({bounds.left + 5, bounds.top + 5}));
    ASSERT_TRUE(PumpUntil([&] { return face.Hovered(); }));
    ASSERT_TRUE(test_support::MovePointer(away));
    ASSERT_TRUE(PumpUntil([&] { return !face.Hovered(); }));
    for (int round = 0; round < 6; ++round) {
        SCOPED_TRACE("round " + std::to_string(round));
        g_clicks = 0;
        const Point at{bounds.left + 10 + 11 * round, (bounds.top + bounds.bottom) / 2};
        std::atomic<UINT> sent{0};
        std::thread mouse([&] {
            INPUT inputs[] = {MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, at),
                              MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP),
                              MouseInput(MOUSEEVENTF_LEFTDOWN), MouseInput(MOUSEEVENTF_LEFTUP)};
            sent = ::SendInput(5, inputs, sizeof(INPUT));
        });
        EXPECT_TRUE(PumpUntil([&] { return sent == 5 && g_clicks == 1 && face.Pressed(); }))
            << "clicks " << g_clicks << ", pressed " << face.Pressed();
        mouse.join();
        EXPECT_TRUE(::IsWindowVisible(window.Child(Control::Text3)));
        EXPECT_TRUE(test_support::MovePointer(away));
        EXPECT_TRUE(PumpUntil([&] { return !face.Hovered() && !face.Pressed(); }))
            << "hovered " << face.Hovered() << ", pressed " << face.Pressed();
        EXPECT_TRUE(face.Focused());
        EXPECT_EQ(g_clicks, 1);
    }
}

}  // namespace
}  // namespace orvell::win
