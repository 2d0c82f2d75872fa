#pragma once

#include <windows.h>
#include <windowsx.h>

#include <cstdint>
#include <optional>

#include "controls/control_events.h"

namespace orvell::win {

// The drawn controls' input in the terms their models take: the Shift, Ctrl and Alt bits held now,
// the mouse buttons a mouse message says are down, and its position as the models' numbers.
inline std::int16_t ShiftState() {
    std::int16_t shift = 0;
    if (::GetKeyState(VK_SHIFT) < 0) {
        shift |= controls::kShiftBit;
    }
    if (::GetKeyState(VK_CONTROL) < 0) {
        shift |= controls::kCtrlBit;
    }
    if (::GetKeyState(VK_MENU) < 0) {
        shift |= controls::kAltBit;
    }
    return shift;
}

inline std::int16_t HeldButtons(WPARAM wParam) {
    std::int16_t buttons = 0;
    if ((wParam & MK_LBUTTON) != 0) {
        buttons |= controls::kLeftButton;
    }
    if ((wParam & MK_RBUTTON) != 0) {
        buttons |= controls::kRightButton;
    }
    if ((wParam & MK_MBUTTON) != 0) {
        buttons |= controls::kMiddleButton;
    }
    return buttons;
}

inline float PointerX(LPARAM lParam) {
    return static_cast<float>(GET_X_LPARAM(lParam));
}
inline float PointerY(LPARAM lParam) {
    return static_cast<float>(GET_Y_LPARAM(lParam));
}

// The mouse button a button message is about, and whether it went down; nothing for other messages
// (a double click's second press included).
struct MouseButtonMessage {
    std::int16_t button;
    bool down;
};
inline std::optional<MouseButtonMessage> MouseButtonOf(UINT message) {
    switch (message) {
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return MouseButtonMessage{controls::kLeftButton, message == WM_LBUTTONDOWN};
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
            return MouseButtonMessage{controls::kRightButton, message == WM_RBUTTONDOWN};
        case WM_MBUTTONDOWN:
        case WM_MBUTTONUP:
            return MouseButtonMessage{controls::kMiddleButton, message == WM_MBUTTONDOWN};
        default:
            return std::nullopt;
    }
}

// The capture taken from the control, or its mode cancelled (a menu, a dialog): a left press on it no
// longer ends in a click. True when the message was one of those.
inline bool ForgetPressOnCaptureLoss(HWND control, bool& leftDown, UINT message, LPARAM lParam) {
    switch (message) {
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != control) {
                leftDown = false;
            }
            return true;
        case WM_CANCELMODE:
            leftDown = false;
            if (::GetCapture() == control) {
                ::ReleaseCapture();
            }
            return true;
        default:
            return false;
    }
}

// The focus, keyboard and caption messages that the drawn controls hand to their models alike; nothing
// for any other message. Text set from outside is a new caption; the window text follows from it.
template <typename Model>
std::optional<LRESULT> ForwardToModel(Model& model, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_SETFOCUS:
            model.OnGotFocus();
            return 0;
        case WM_KILLFOCUS:
            model.OnLostFocus();
            return 0;
        case WM_KEYDOWN:
            model.OnKeyDown(static_cast<std::int16_t>(wParam), ShiftState());
            return 0;
        case WM_KEYUP:
            model.OnKeyUp(static_cast<std::int16_t>(wParam), ShiftState());
            return 0;
        case WM_CHAR:
            model.OnKeyPress(static_cast<std::int16_t>(wParam));
            return 0;
        case WM_SETTEXT:
            model.SetCaption(lParam != 0 ? reinterpret_cast<const wchar_t*>(lParam) : L"");
            return TRUE;
        default:
            return std::nullopt;
    }
}

}  // namespace orvell::win
