// How the check box answers the mouse, the keyboard, the focus and its hover timer: the cell it shows,
// its value and the events it raises, in their order.
#include "controls/xp_check_box.h"

namespace orvell::controls {

namespace {

constexpr std::int16_t kSpace = 32;

}  // namespace

void XpCheckBox::MouseDownStep(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!m_props.enabled) {
        return;
    }
    Show(CellOf(m_props.value, BoxLook::Pressed));
    m_mouseDown = true;
    m_events->MouseDown(button, shift, x, y);
}

// Raises MouseMove once as the pointer arrives, not on every move: the hovered cell is remembered, and
// while it shows nothing more happens.
void XpCheckBox::MouseMoveStep(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!m_props.enabled || m_displayed == m_remembered || m_mouseDown) {
        return;
    }
    StartTimer();
    const int hovered = CellOf(m_props.value, BoxLook::Hovered);
    Show(hovered);
    m_remembered = hovered;
    m_events->MouseMove(button, shift, x, y);
}

void XpCheckBox::OnMouseDown(std::int16_t button, std::int16_t shift, float x, float y) {
    MouseDownStep(button, shift, x, y);
    // The timer also watches a press: a button released away from the control clicks nothing and
    // would otherwise leave the pressed cell showing until the pointer came back.
    if (m_mouseDown) {
        StartTimer();
    }
}

void XpCheckBox::OnMouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    MouseMoveStep(button, shift, x, y);
}

void XpCheckBox::OnMouseUp(std::int16_t button, std::int16_t shift, float x, float y) {
    if (!m_props.enabled) {
        m_mouseDown = false;
        return;
    }
    m_events->MouseUp(button, shift, x, y);
    m_mouseDown = false;
}

// Click comes first, while Value still holds the value being left; grey goes to unchecked.
void XpCheckBox::OnClick() {
    if (!m_props.enabled) {
        return;
    }
    m_events->Click();
    SetValue(m_props.value == check_value::kUnchecked ? check_value::kChecked : check_value::kUnchecked);
    ShowNormal();
    m_host.ValueClicked();
}

void XpCheckBox::OnKeyDown(std::int16_t keyCode, std::int16_t shift) {
    m_events->KeyDown(keyCode, shift);
}

// Space presses the box; its release clicks it. Other characters raise nothing.
void XpCheckBox::OnKeyPress(std::int16_t keyAscii) {
    if (keyAscii != kSpace) {
        return;
    }
    m_events->KeyPress(keyAscii);
    m_events->Click();
    MouseDownStep(kLeftButton, 0, 0, 0);
    m_spaceDown = m_props.enabled;
}

void XpCheckBox::OnKeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (keyCode != kSpace) {
        return;
    }
    m_events->KeyUp(keyCode, shift);
    // A Space that went down elsewhere (held while the focus came here) does not change the value.
    if (m_spaceDown) {
        OnClick();
    }
    m_spaceDown = false;
    m_mouseDown = false;
}

// The hovered cell shows for as long as the box has the focus, wherever the pointer is.
void XpCheckBox::OnGotFocus() {
    m_focused = true;
    MouseMoveStep(0, 0, 0, 0);
    StopTimer();
    m_host.Invalidate();
}

// The hovered cell shows and the timer runs, so that its next tick puts the normal cell back unless the
// pointer is over the box.
void XpCheckBox::OnLostFocus() {
    m_focused = false;
    if (m_spaceDown) {
        // The Space held here no longer presses the box.
        m_spaceDown = false;
        m_mouseDown = false;
    }
    // A cell an enabled box never shows, so the step below goes ahead.
    m_remembered = CellOf(check_value::kGrey, BoxLook::Disabled);
    MouseMoveStep(0, 0, 0, 0);
    m_host.Invalidate();
}

void XpCheckBox::OnHoverTick(float x, float y) {
    if (!m_timerRunning || Contains(x, y) || m_mouseDown) {
        return;
    }
    ShowNormal();
    StopTimer();
    m_events->MouseOut();
}

}  // namespace orvell::controls
