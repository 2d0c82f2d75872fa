#pragma once

#include <windows.h>

namespace orvell::win {

// The keyboard of the Help and About windows, which have no dialog manager: the window sees every key
// made on its controls before they do. Tab and Shift+Tab walk the controls, Enter presses a focused
// button, Esc closes the window, and Alt with a button's access letter presses that button. The
// window also remembers which control had the focus, to give it back when it is activated again.
class InfoKeys {
public:
    virtual ~InfoKeys() = default;

    // Routes the key messages and the focus of a control through this object; the control keeps its
    // own handling of everything else. It lives as long as the control.
    void Adopt(HWND control);
    // Gives the focus back to the control that had it last, else to the first.
    void RestoreFocus(HWND window, HWND first) const;

protected:
    // A key of the window's own, before the common ones; true when it was used.
    virtual bool OnOwnKey(HWND /*control*/, UINT /*message*/, WPARAM /*key*/) { return false; }
    // The window's buttons with an access key, searched for Alt+letter.
    virtual HWND ButtonFor(wchar_t letter) const = 0;

private:
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    bool OnKey(HWND control, UINT message, WPARAM key);

    HWND m_lastFocus = nullptr;
};

}  // namespace orvell::win
