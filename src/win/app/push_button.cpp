#include "app/push_button.h"

#include "platform/window.h"

namespace orvell::win {

bool PushButton::Create(HWND parent, int id, std::wstring_view caption, const Rect& bounds, HFONT font) {
    if (m_button != nullptr && ::IsWindow(m_button)) {
        return false;
    }
    m_button = CreateChild(parent, L"BUTTON", caption, WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, id, bounds);
    if (m_button == nullptr) {
        return false;
    }
    if (font != nullptr) {
        ::SendMessageW(m_button, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    return true;
}

void PushButton::SetCaption(std::wstring_view caption) {
    SetText(m_button, caption);
}

std::wstring PushButton::Caption() const {
    return GetText(m_button);
}

}  // namespace orvell::win
