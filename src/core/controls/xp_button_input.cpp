// How the button answers the mouse, the keyboard and the focus: its three state flags, the events it
// raises and the sounds it asks for.
#include "controls/xp_button.h"

namespace orvell::controls {

namespace {

constexpr std::int16_t kEnter = 13;
constexpr std::int16_t kSpace = 32;
constexpr std::int16_t kLeft = 37;
constexpr std::int16_t kUp = 38;
constexpr std::int16_t kRight = 39;
constexpr std::int16_t kDown = 40;

}  // namespace

void VelloXPButton::PlayHoverSound() {
    if (!m_props.hoverSound.empty()) {
        m_host.PlaySoundFile(m_props.hoverSound);
    }
}

void VelloXPButton::PlayClickSound() {
    if (!m_props.clickSound.empty()) {
        m_host.PlaySoundFile(m_props.clickSound);
    }
}

void VelloXPButton::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    m_events->MouseDown(button, shift, x, y);
    if (button == kLeftButton) {
        m_pressed = true;
        m_hovered = true;
        ReDraw(false);
    }
}

void VelloXPButton::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    m_events->MouseMove(button, shift, x, y);
    // Holding the capture while the pointer is over the button is how its leaving is noticed.
    m_host.CaptureMouse();
    const bool inside = Contains(x, y);
    const std::int32_t type = m_props.type;
    const bool pushType = type >= xp_type::kXp && type <= xp_type::kToolbarDropDown;
    if (!inside) {
        m_hovered = false;
        if (type == xp_type::kXp) {
            const bool wasPressed = m_pressed;
            m_pressed = false;
            RelayoutWithoutPicture();
            ReDraw(wasPressed);
        } else if (pushType && !m_focused) {
            RelayoutWithoutPicture();
            ReDraw(false);
        }
        m_events->MouseOut();
        m_host.ReleaseMouse();
        return;
    }
    if (m_hovered) {
        return;
    }
    m_hovered = true;
    m_pressed = false;
    if (type == xp_type::kXp || (pushType && !m_focused)) {
        RelayoutWithoutPicture();
        ReDraw(false);
    }
    PlayHoverSound();
    m_events->MouseMove(button, shift, x, y);
}

void VelloXPButton::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (button != kLeftButton) {
        return;
    }
    if (m_props.type == xp_type::kToolbarDropDown && x > m_layout.pictureArea.right) {
        m_events->DropDownClick();
        return;
    }
    m_events->MouseUp(button, shift, x, y);
}

void VelloXPButton::OnClick() {
    m_events->Click();
    m_pressed = false;
    m_hovered = true;
    m_focused = true;
    PlayClickSound();
    ReDraw(true);
}

void VelloXPButton::OnDoubleClick() {
    m_pressed = true;
    ReDraw(true);
}

void VelloXPButton::OnGotFocus() {
    m_focused = true;
    RelayoutWithoutPicture();
    ReDraw(false);
}

void VelloXPButton::OnLostFocus() {
    m_pressed = false;
    m_hovered = false;
    m_focused = false;
    // A Space pressed here and released after the focus came back (another control's Space may
    // bring it) must not click: only a Space held on this button does.
    m_lastKeyDown = 0;
    ReDraw(false);
}

void VelloXPButton::OnKeyDown(std::int16_t keyCode, std::int16_t shift) {
    m_events->KeyDown(keyCode, shift);
    m_lastKeyDown = keyCode;
    switch (keyCode) {
        case kSpace:
            m_hovered = true;
            if (!m_pressed) {
                m_pressed = true;
                ReDraw(true);
            }
            break;
        case kRight:
        case kDown:
            m_host.MoveFocus(true);
            ReDraw(false);
            break;
        case kLeft:
        case kUp:
            m_host.MoveFocus(false);
            ReDraw(false);
            break;
        default:
            break;
    }
}

void VelloXPButton::OnKeyPress(std::int16_t keyAscii) {
    m_events->KeyPress(keyAscii);
    if (keyAscii == kEnter) {
        OnClick();
    } else if (keyAscii != 0 && HasAccessKey(static_cast<wchar_t>(static_cast<std::uint16_t>(keyAscii)))) {
        OnClick();
    }
}

void VelloXPButton::OnKeyUp(std::int16_t keyCode, std::int16_t shift) {
    m_events->KeyUp(keyCode, shift);
    if (m_lastKeyDown == kSpace && keyCode == kSpace) {
        OnClick();
    }
}

void VelloXPButton::OnAccessKey(wchar_t key) {
    std::int16_t keyAscii = static_cast<std::int16_t>(key);
    m_events->KeyPress(keyAscii);
    OnClick();
}

}  // namespace orvell::controls
