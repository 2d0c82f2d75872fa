#pragma once

#include <windows.h>

namespace orvell::win {

// What a drawn control stands for to screen readers and automation.
enum class ButtonKind {
    PushButton,  // answers BM_GETSTATE (pressed) and BM_CLICK
    CheckBox,    // answers BM_GETCHECK (0, 1 or 2: unchecked, checked, grey) and BM_CLICK
};

// The accessible object of a window that behaves as a push button or a check box without being the
// system's BUTTON; it answers WM_GETTEXT with its caption (an "&" marking its access key).
//
// The system's standard object of the window gives the name (the text without the "&"), the keyboard
// shortcut, location, focus and navigation; for a window class of our own it calls the window a mere
// client area, so this object adds what the control has: its role, the pressed, checked or mixed state
// and the default action ("Press"; "Check" or "Uncheck"), which clicks it. (The system's own button
// proxy is not used: Wine does not have it.) oleacc is loaded only when an accessibility client first
// asks, so start-up does not pay for it.
//
// The window's reply to WM_GETOBJECT: the object for OBJID_CLIENT, 0 for the default procedure.
LRESULT AnswerButtonGetObject(HWND window, ButtonKind kind, WPARAM wParam, LPARAM lParam);

}  // namespace orvell::win
