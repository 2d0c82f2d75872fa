#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <string>
#include <string_view>

#include "platform/window.h"

namespace orvell::win {

// The program's icon in the notification area. Show puts it up; the object removes it when it goes,
// and puts it back when the taskbar is recreated (Explorer restarted). It is known to the shell by its
// window and id, not by a GUID, which would tie it to the exe's path. Clicks arrive at a hidden window
// of its own: a right click pops up the menu for the owner, whose WM_COMMAND gets the choice.
class TrayIcon : private Window {
public:
    // The shell call, replaceable so tests can watch what the shell is asked and answers.
    using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);

    TrayIcon(HWND owner, UINT id, NotifyFunction notify = &::Shell_NotifyIconW);
    ~TrayIcon() override;

    // Neither the icon nor the menu is owned; both must outlive their use here. A shown icon is
    // updated at once.
    void SetIcon(HICON icon);
    // A popup menu (a submenu's handle); null means a right click shows nothing.
    void SetPopupMenu(HMENU menu);
    // The tooltip; the shell keeps 127 characters, so a longer one is cut there.
    void SetTip(std::wstring_view tip);
    const std::wstring& Tip() const noexcept { return m_tip; }
    void SetOnDoubleClick(std::function<void()> onDoubleClick);

    // Puts the icon up with its current icon and tip; again, it keeps one icon and refreshes it. When
    // there is no taskbar yet the icon comes up as soon as one is created.
    void Show();
    // Whether the shell holds the icon now.
    bool IsShown() const noexcept { return m_shown; }

    // The hidden window the shell reports to, and the message it uses.
    using Window::Handle;
    UINT Id() const noexcept { return m_id; }
    static constexpr UINT kCallbackMessage = WM_APP + 0x100;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    NOTIFYICONDATAW Data(UINT flags) const;
    bool Add();
    void Modify();
    void Remove();
    void ShowMenu();
    void OnNotify(UINT mouseMessage);
    void OnTaskbarCreated();

    HWND m_owner;
    UINT m_id;
    NotifyFunction m_notify;
    UINT m_taskbarCreated;
    HICON m_icon = nullptr;
    HMENU m_menu = nullptr;
    std::wstring m_tip;
    std::function<void()> m_onDoubleClick;
    bool m_wanted = false;  // Show was asked for
    bool m_shown = false;
};

}  // namespace orvell::win
