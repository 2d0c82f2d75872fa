#pragma once

#include <windows.h>

#include <functional>
#include <utility>
#include <vector>

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

// A top-level window of the tests' own for controls and menus to report to: records each WM_COMMAND
// (notification code and id) and shows every message to onMessage.
class HostWindow final : public Window {
public:
    bool Open() {
        WindowClass windowClass;
        windowClass.name = L"OrvellTestHost";
        WindowCreation creation;
        creation.x = 30;
        creation.y = 30;
        creation.width = 300;
        creation.height = 200;
        return Create(windowClass, creation);
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
