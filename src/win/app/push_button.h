#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "common/geometry.h"

namespace orvell::win {

// A plain command button. A click, by mouse, keyboard focus or its access key ("&" before a letter),
// reaches the parent as WM_COMMAND with BN_CLICKED and the button's id; the parent decides what it
// does. The button is a child window and lives as long as its parent.
class PushButton {
public:
    // Bounds in the parent's client pixels. The font is not owned and must outlive the button. False
    // when the button exists already or the window system refuses.
    bool Create(HWND parent, int id, std::wstring_view caption, const Rect& bounds, HFONT font);

    void SetCaption(std::wstring_view caption);
    std::wstring Caption() const;
    HWND Handle() const noexcept { return m_button; }

private:
    HWND m_button = nullptr;
};

}  // namespace orvell::win
