#include "app/main_window.h"

// The main window's keyboard before the controls see it, and the messages of its controls.

#include <windowsx.h>

#include <utility>

#include "app/clipboard.h"

namespace orvell::win {

using lookup::LookupView;
using Control = MainWindow::Control;

bool MainWindow::PreTranslate(MSG& message) {
    if (!Handle() || (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd))) {
        return false;
    }
    if (!::IsWindowEnabled(Handle())) {
        // Blocked under a secondary window or a message box, yet perhaps brought to the front: no key
        // may act here (F4 would end the program under the open window).
        return message.message >= WM_KEYFIRST && message.message <= WM_KEYLAST;
    }
    if (TranslateShortcutUnderCapture(message) ||
        ::TranslateAcceleratorW(Handle(), m_menus.Accelerators(), &message)) {
        return true;
    }
    if (message.message == WM_KEYDOWN && message.wParam == VK_TAB && ::GetKeyState(VK_CONTROL) >= 0 &&
        ::GetKeyState(VK_MENU) >= 0) {
        m_controls.MoveFocusByTab(::GetKeyState(VK_SHIFT) < 0);
        return true;
    }
    const bool keyDown = message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN;
    if (keyDown && (message.wParam == VK_MENU ? (HIWORD(message.lParam) & KF_REPEAT) == 0
                                              : (HIWORD(message.lParam) & KF_ALTDOWN) == 0)) {
        // A fresh Alt, or a key without Alt: the Alt of an Alt+letter is over, even when its release
        // went to another window (Alt+Y hides this one before the Alt is let go).
        m_altKeyUsed = false;
    }
    // A button's access key beats a menu's with the same letter ("查询(&S)" and "设置(&S)"); the drawn
    // menu bar's keyboard hook, which sees the key before this, asks the buttons first as well.
    return message.message == WM_SYSKEYDOWN && (HIWORD(message.lParam) & KF_ALTDOWN) != 0 &&
           ClickByAltKey(static_cast<UINT>(message.wParam));
}

bool MainWindow::ClickByAltKey(UINT vKey) {
    const UINT character = ::MapVirtualKeyW(vKey, MAPVK_VK_TO_CHAR);
    if (character != 0 && m_controls.ClickByAccessKey(static_cast<wchar_t>(LOWORD(character)))) {
        m_altKeyUsed = true;
        return true;
    }
    return false;
}

bool MainWindow::TranslateShortcutUnderCapture(const MSG& message) {
    // The system sends no menu command while a window holds the mouse capture (it still reports the key
    // as translated), and an XP button holds it all the while the pointer rests on it: then the
    // shortcut keys are matched here, so they work wherever the pointer is. The capture is asked last:
    // the question goes to the system's server, and every message of the loop passes here (the input
    // box's caret blink too, which would wake the program once more each time).
    if ((message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) || ::GetCapture() == nullptr) {
        return false;
    }
    ACCEL shortcuts[64];
    const int count = ::CopyAcceleratorTableW(m_menus.Accelerators(), shortcuts, 64);
    const auto held = [](int key) { return ::GetKeyState(key) < 0; };
    for (int i = 0; i < count; ++i) {
        const ACCEL& shortcut = shortcuts[i];
        if ((shortcut.fVirt & FVIRTKEY) != 0 && shortcut.key == message.wParam &&
            held(VK_CONTROL) == ((shortcut.fVirt & FCONTROL) != 0) &&
            held(VK_SHIFT) == ((shortcut.fVirt & FSHIFT) != 0) &&
            held(VK_MENU) == ((shortcut.fVirt & FALT) != 0)) {
            ::SendMessageW(Handle(), WM_COMMAND, MAKEWPARAM(shortcut.cmd, 1), 0);
            return true;
        }
    }
    return false;
}

bool MainWindow::OnSysCommand(WPARAM command, LPARAM lParam) {
    // Alt alone, F10 and Alt+letters reach the window as the keyboard's menu command: the menus are
    // drawn, so the drawn bar opens them. Letting go of an Alt that a button took opens none.
    if ((command & 0xFFF0) != SC_KEYMENU) {
        return false;
    }
    if (lParam == 0 && std::exchange(m_altKeyUsed, false)) {
        return true;
    }
    return m_caption.KeyMenu(lParam);
}

LRESULT CALLBACK MainWindow::ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                       DWORD_PTR self) {
    return reinterpret_cast<MainWindow*>(self)->OnChildMessage(static_cast<Control>(id), child, message,
                                                               wParam, lParam);
}

LRESULT MainWindow::OnChildMessage(Control control, HWND child, UINT message, WPARAM wParam, LPARAM lParam) {
    const bool input = control == Control::Text1;
    switch (message) {
        case WM_CHAR:
            if (input) {
                return OnInputCharacter(child, wParam, lParam);
            }
            break;
        case WM_KEYDOWN:
            if (input && wParam == VK_DELETE) {
                RunOperation(lookup::ClearInput);
            }
            break;
        case WM_LBUTTONDOWN:
        case WM_MBUTTONDOWN:
            if (input) {
                RunOperation(lookup::ClearInput);
            }
            break;
        case WM_RBUTTONDOWN:
            if (input) {
                RunOperation(lookup::ClearInput);
            } else if (app::IsOption(control)) {
                ShowShortcutMenu();
                return 0;
            }
            break;
        case WM_CONTEXTMENU:
            if (input) {
                return 0;  // the input box offers no menu
            }
            if (control == Control::Text2) {
                ShowOutputMenu(child, lParam);
                return 0;
            }
            break;
        case WM_SYSKEYDOWN:
        case WM_SYSKEYUP:
            // Shift+F10 is the keyboard's way to the menu, as the menu key is; F10 alone stays the
            // menu bar's.
            if (control == Control::Text2 && wParam == VK_F10 && ::GetKeyState(VK_SHIFT) < 0) {
                if (message == WM_SYSKEYDOWN) {
                    ShowOutputMenu(child, -1);
                }
                return 0;
            }
            break;
        case WM_LBUTTONDBLCLK:
            if (control == Control::Text2) {
                return OnOutputDoubleClick(child, wParam, lParam);
            }
            break;
        default:
            break;
    }
    return m_controls.Forward(child, message, wParam, lParam);
}

LRESULT MainWindow::OnInputCharacter(HWND text1, WPARAM wParam, LPARAM lParam) {
    const int key = static_cast<int>(wParam);
    RunOperation([key](LookupView& view) { lookup::KeyPress(view, key); });
    if (key == VK_RETURN) {
        return 0;  // the box is empty already; a single-line box would only beep
    }
    return m_controls.Forward(text1, WM_CHAR, wParam, lParam);
}

LRESULT MainWindow::OnOutputDoubleClick(HWND text2, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = m_controls.Forward(text2, WM_LBUTTONDBLCLK, wParam, lParam);
    ::SendMessageW(text2, EM_SETSEL, 0, -1);
    CopyToClipboard(Handle(), GetText(text2));
    return result;
}

void MainWindow::ShowOutputMenu(HWND text2, LPARAM at) {
    POINT point{GET_X_LPARAM(at), GET_Y_LPARAM(at)};
    if (at == -1) {
        RECT box{};
        ::GetClientRect(text2, &box);
        point = {box.left + 8, box.top + 8};
        ::ClientToScreen(text2, &point);
    }
    DWORD selectionStart = 0;
    DWORD selectionEnd = 0;
    ::SendMessageW(text2, EM_GETSEL, reinterpret_cast<WPARAM>(&selectionStart),
                   reinterpret_cast<LPARAM>(&selectionEnd));
    const unique_hmenu menu = OutputMenu(m_view.language, m_view.answerCode, selectionEnd > selectionStart);
    ::TrackPopupMenuEx(menu.Get(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, point.x, point.y, Handle(), nullptr);
}

void MainWindow::OnOutputMenuCommand(UINT id) {
    HWND text2 = Child(Control::Text2);
    if (id == menu_id::kOutputCopy) {
        ::SendMessageW(text2, WM_COPY, 0, 0);
    } else if (id == menu_id::kOutputSelectAll) {
        ::SendMessageW(text2, EM_SETSEL, 0, -1);
    } else if (const auto literal = m_view.answerCode
                                        ? lookup::CodeLiteral(*CopyAsFormat(id), *m_view.answerCode)
                                        : std::nullopt) {
        CopyToClipboard(Handle(), *literal);
    }
}

}  // namespace orvell::win
