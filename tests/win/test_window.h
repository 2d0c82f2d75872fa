#pragma once

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "common/geometry.h"
#include "platform/window.h"

namespace orvell::win::test_support {

// Handles every message this thread has queued.
inline void PumpPending() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Pumps until done() holds or about two seconds have passed; true when it held. It looks again every
// 10 ms as well: some conditions change on another thread without a message to wake this one.
inline bool PumpUntil(const std::function<bool()>& done) {
    const ULONGLONG end = ::GetTickCount64() + 2000;
    while (!done()) {
        if (::GetTickCount64() >= end) {
            return false;
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        PumpPending();
    }
    return true;
}

// Types a chord as a user does, through the system's input queue: the keys pressed in order and let go
// in reverse. True when the system took every event.
inline bool SendChord(const std::vector<WORD>& keys) {
    std::vector<INPUT> inputs(keys.size() * 2, INPUT{INPUT_KEYBOARD, {}});
    for (std::size_t i = 0; i < keys.size(); ++i) {
        inputs[i].ki.wVk = keys[i];
        inputs[inputs.size() - 1 - i].ki = KEYBDINPUT{keys[i], 0, KEYEVENTF_KEYUP, 0, 0};
    }
    return ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

// A mouse event for the system's input queue; with MOUSEEVENTF_ABSOLUTE, at is a point of the screen.
inline INPUT MouseInput(DWORD flags, Point at = {}) {
    INPUT input{INPUT_MOUSE, {}};
    input.mi.dwFlags = flags;
    input.mi.dx = MulDiv(at.x, 65535, ::GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, ::GetSystemMetrics(SM_CYSCREEN) - 1);
    return input;
}

// Presses or lets go of the left mouse button where the pointer is, through the system's input queue.
inline bool SendLeftButton(bool down) {
    INPUT input = MouseInput(down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP);
    return ::SendInput(1, &input, sizeof input) == 1;
}

// Moves the pointer to a point of the screen as a mouse does, through the system's input queue.
inline bool MovePointer(Point to) {
    INPUT input = MouseInput(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, to);
    return ::SendInput(1, &input, sizeof input) == 1;
}

// A mouse message's position: each coordinate a signed 16-bit number, as the system packs them.
inline LPARAM MouseAt(Point p) {
    return MAKELPARAM(static_cast<WORD>(static_cast<SHORT>(p.x)), static_cast<WORD>(static_cast<SHORT>(p.y)));
}

// A message with its parameters, as the tables of input sequences hold them.
struct Sent {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};
inline void SendAll(HWND window, std::span<const Sent> messages) {
    for (const Sent& m : messages) {
        ::SendMessageW(window, m.message, m.wParam, m.lParam);
    }
}

// A left click at a point of the window's client area: the press and the release, sent.
inline void Click(HWND window, Point at) {
    ::SendMessageW(window, WM_LBUTTONDOWN, MK_LBUTTON, MouseAt(at));
    ::SendMessageW(window, WM_LBUTTONUP, 0, MouseAt(at));
}

// A window's bounds on the screen, or in the client coordinates of another window.
inline Rect BoundsIn(HWND window, HWND in = HWND_DESKTOP) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(HWND_DESKTOP, in, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
}

inline void CALLBACK LetGoOfTheButton(HWND, UINT, UINT_PTR, DWORD) {
    ::PostMessageW(nullptr, WM_LBUTTONUP, 0, 0);
}

// Drags with the left button from one client point of the window to another. The system's move loop
// runs inside the press until the release, so the whole drag is queued first, each message with the
// pointer where it was then, as real input comes. Should the loop miss the release, a timer lets go.
inline void Drag(HWND window, Point from, Point to) {
    const auto post = [&](UINT message, WPARAM keys, Point at) {
        POINT screen{at.x, at.y};
        ::ClientToScreen(window, &screen);
        ::SetCursorPos(screen.x, screen.y);
        ::PostMessageW(window, message, keys, MouseAt(at));
    };
    post(WM_LBUTTONDOWN, MK_LBUTTON, from);
    post(WM_MOUSEMOVE, MK_LBUTTON, to);
    ::PostMessageW(window, WM_LBUTTONUP, 0, MouseAt(to));
    const UINT_PTR safety = ::SetTimer(nullptr, 0, 2000, &LetGoOfTheButton);
    PumpPending();
    ::KillTimer(nullptr, safety);
}

// Asks the window system itself whether some window holds the hotkey: a registration of the test's
// own then fails as a duplicate. The answer does not rest on what the program believes.
inline bool HotkeyTaken(UINT modifiers, UINT key) {
    constexpr int kProbeId = 0x7776;
    if (::RegisterHotKey(nullptr, kProbeId, modifiers, key) != 0) {
        ::UnregisterHotKey(nullptr, kProbeId);
        return false;
    }
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_HOTKEY_ALREADY_REGISTERED));
    return true;
}

// The text a tooltip control holds for one of its tools.
inline std::wstring TooltipText(HWND tooltip, HWND owner, UINT_PTR id) {
    wchar_t text[128] = {};
    TOOLINFOW tool{};
    tool.cbSize = TTTOOLINFOW_V2_SIZE;
    tool.hwnd = owner;
    tool.uId = id;
    tool.lpszText = text;
    ::SendMessageW(tooltip, TTM_GETTEXTW, std::size(text), reinterpret_cast<LPARAM>(&tool));
    return text;
}

// A top-level window of the tests' own for controls and menus to report to: records each WM_COMMAND
// (notification code and id) and shows every message to onMessage.
class HostWindow final : public Window {
public:
    bool Open() {
        WindowClass windowClass;
        windowClass.name = L"OrvellTestHost";
        return Create(windowClass, WindowCreation{L"", WS_OVERLAPPEDWINDOW, 0, 30, 30, 300, 200});
    }

    std::vector<std::pair<int, int>> commands;
    std::function<void(UINT message)> onMessage;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (onMessage) {
            onMessage(message);
        }
        if (message == WM_COMMAND) {
            commands.emplace_back(HIWORD(wParam), LOWORD(wParam));
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

}  // namespace orvell::win::test_support
