#pragma once

#include <windows.h>

namespace orvell::win {

// The accessible object of a window that behaves as a check box without being the system's BUTTON:
// it answers WM_GETTEXT with its caption (an "&" marking its access key), BM_GETCHECK with 0, 1 or 2
// (unchecked, checked, grey) and BM_CLICK.
//
// The system's standard object of the window gives the name, keyboard shortcut, location, focus and
// navigation; this object adds what a check box has: its role, the checked or mixed state and the
// default action, "Check" or "Uncheck", which clicks it. oleacc is loaded only when an accessibility
// client first asks.
//
// The window's reply to WM_GETOBJECT: the object for OBJID_CLIENT, 0 for the default procedure.
LRESULT AnswerCheckBoxGetObject(HWND window, WPARAM wParam, LPARAM lParam);

}  // namespace orvell::win
