#include "skin/menu_bar_tracking.h"

#include "skin/menu_bar_layout.h"
#include "skin/menu_bar_popups.h"

namespace orvell::skin {

bool PopupTracking::Begin(int item) {
    if (m_busy) {
        return false;
    }
    m_busy = true;
    m_next = item;
    return true;
}

int PopupTracking::OpenNext(Point pointer) {
    if (!m_busy || m_next < 0) {
        return -1;
    }
    m_current = m_next;
    m_next = -1;
    m_open = true;
    m_noSubmenu = true;
    m_inRoot = true;
    m_lastPoint = pointer;
    return m_current;
}

void PopupTracking::Closed() {
    m_open = false;
}

void PopupTracking::End() {
    m_busy = false;
    m_open = false;
    m_next = -1;
}

void PopupTracking::MenuSelect(std::uint32_t flags, bool menuGiven, bool inRootPopup) {
    if (!m_open || (flags == 0xFFFF && !menuGiven)) {
        return;
    }
    m_noSubmenu = (flags & menu_bits::kPopup) == 0;
    m_inRoot = inRootPopup;
}

bool PopupTracking::SwitchToItem(int i, const std::function<bool(int)>& hasPopup) {
    if (i <= 0 || i == m_current || !hasPopup(i)) {
        return false;
    }
    const bool pending = m_next >= 0;
    m_next = i;
    return !pending;
}

PopupTracking::Decision PopupTracking::MenuInput(const MenuLoopInput& input, int count,
                                                 const std::function<bool(int)>& hasPopup) {
    Decision decision;
    switch (input.kind) {
        case MenuLoopInput::Kind::KeyDown:
            if (input.key == kKeyLeft && m_inRoot) {
                decision.closePopup = SwitchToItem(NextItem(m_current, true, count), hasPopup);
                decision.consumed = true;
            } else if (input.key == kKeyRight && m_noSubmenu) {
                decision.closePopup = SwitchToItem(NextItem(m_current, false, count), hasPopup);
                decision.consumed = true;
            }
            break;
        case MenuLoopInput::Kind::MouseMove:
            // A popup opened from the keyboard gets a move where the pointer rests: only a real move
            // over another item walks to it.
            if (input.point != m_lastPoint && input.itemAtPoint >= 1 && input.itemAtPoint != m_current) {
                decision.closePopup = SwitchToItem(input.itemAtPoint, hasPopup);
            }
            m_lastPoint = input.point;
            break;
        case MenuLoopInput::Kind::LeftButtonDown:
            decision.consumed = input.itemAtPoint >= 1 && input.itemAtPoint == m_current;
            break;
        case MenuLoopInput::Kind::Other:
            break;
    }
    return decision;
}

}  // namespace orvell::skin
