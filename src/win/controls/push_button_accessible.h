#pragma once

#include <windows.h>

namespace orvell::win {

// The accessible object of a window that behaves as a push button without being the system's BUTTON:
// it answers WM_GETTEXT with its caption (an "&" marking its access key), BM_GETSTATE and BM_CLICK.
//
// The system's standard object of the window gives the name (the text without the "&"), the keyboard
// shortcut, location, focus and navigation; for a window class of our own it calls the window a mere
// client area, so this object adds what a push button has: its role, the pressed state and the default
// action "Press", which clicks it. (The system's own button proxy is not used: Wine does not have it.)
// oleacc is loaded only when an accessibility client first asks, so start-up does not pay for it.
//
// The window's reply to WM_GETOBJECT: the object for OBJID_CLIENT, 0 for the default procedure.
LRESULT AnswerPushButtonGetObject(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace orvell::win
