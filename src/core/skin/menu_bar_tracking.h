#pragma once

#include <cstdint>
#include <functional>

#include "common/geometry.h"

namespace orvell::skin {

// A message of a running popup loop, as the tracker sees it.
struct MenuLoopInput {
    enum class Kind { KeyDown, MouseMove, LeftButtonDown, Other };
    Kind kind = Kind::Other;
    int key = 0;          // KeyDown: the virtual-key code
    Point point;          // the pointer on the screen
    int itemAtPoint = 0;  // the bar item under the pointer, 0 for none
};

inline constexpr int kKeyLeft = 0x25;
inline constexpr int kKeyRight = 0x27;

// The popup loop of the drawn bar: which bar item's popup is open, where the selection inside it is,
// and which item to open next when the user walks along the bar. The caller opens the popups; this
// decides.
//
//   if (tracking.Begin(item)) {
//       for (int cur; (cur = tracking.OpenNext(pointer)) >= 0; tracking.Closed()) { ...open it... }
//       tracking.End();
//   }
class PopupTracking {
public:
    // Starts a loop at item; false while one runs already.
    bool Begin(int item);
    // The item whose popup opens now, or -1 when the loop is over. The popup counts as open until
    // Closed, with no selection made in it yet; pointer is where the pointer rests as it opens.
    int OpenNext(Point pointer);
    void Closed();
    void End();

    bool Busy() const { return m_busy; }
    bool PopupOpen() const { return m_open; }
    int Current() const { return m_current; }

    // WM_MENUSELECT while a popup is open: the selected item's flags (0xFFFF with no menu when the loop
    // closes) and whether it lies in the popup opened from the bar.
    void MenuSelect(std::uint32_t flags, bool menuGiven, bool inRootPopup);

    struct Decision {
        bool consumed = false;
        bool closePopup = false;  // the open popup is to close, so the next one opens
        friend bool operator==(const Decision&, const Decision&) = default;
    };
    // A message of the loop. count is the number of bar items; hasPopup tells whether a bar item has
    // a popup to open.
    Decision MenuInput(const MenuLoopInput& input, int count, const std::function<bool(int)>& hasPopup);
    // Asks for item i's popup in place of the open one; true when the open one is to close for it
    // (once: a later request before it closed only changes which popup opens next).
    bool SwitchToItem(int i, const std::function<bool(int)>& hasPopup);

private:
    bool m_busy = false;
    bool m_open = false;
    int m_current = 0;
    int m_next = -1;
    bool m_noSubmenu = true;
    bool m_inRoot = true;
    Point m_lastPoint;
};

}  // namespace orvell::skin
