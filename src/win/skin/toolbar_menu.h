#pragma once

#include <windows.h>

#include "skin/menu_bar_tracking.h"
#include "skin/subclass.h"

namespace orvell::win {

class cMenuBar;

// The popup loop of the drawn menu bar: opens a bar item's popup under it and, while it is open, lets
// Left and Right (and the pointer moving onto another item) close it and open the neighbour's, until
// the user chooses a command, presses Esc or clicks elsewhere. It watches WM_MENUSELECT on the window
// to know whether Right would open a submenu and Left close one.
class cToolbarMenu final : public ISubclass, public IMenuTracker {
public:
    cToolbarMenu() = default;
    ~cToolbarMenu() override;
    cToolbarMenu(const cToolbarMenu&) = delete;
    cToolbarMenu& operator=(const cToolbarMenu&) = delete;

    // Raises the dispatcher's errors.
    void Attach(HWND window, cMenuBar* owner);
    void Detach() noexcept;

    // Runs the loop from item's popup; the result of the last popup's TrackPopupMenuEx. Does nothing
    // (FALSE) while a loop runs.
    BOOL TrackPopups(int item);
    bool Busy() const { return m_tracking.Busy(); }

    bool MenuInput(const MSG& message) override;
    EMsgResponse MsgResponse() override { return mrBeforeOld; }
    LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override;

private:
    bool HasPopup(int i) const;

    HWND m_window = nullptr;
    cMenuBar* m_owner = nullptr;
    HMENU m_rootPopup = nullptr;
    skin::PopupTracking m_tracking;
};

}  // namespace orvell::win
