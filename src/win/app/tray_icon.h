#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <future>
#include <string>
#include <string_view>

#include "platform/system_library.h"
#include "platform/window.h"

namespace orvell::win {

// The program's icon in the notification area. Show puts it up; the object removes it when it goes,
// and puts it back when the taskbar is recreated (Explorer restarted). It is known to the shell by its
// window and id, not by a GUID, which would tie it to the exe's path. Clicks arrive at a hidden window
// of its own: a right click pops up the menu for the owner, whose WM_COMMAND gets the choice.
class TrayIcon : private Window {
public:
    // The shell call, replaceable so tests can watch what the shell is asked and answers. A call that
    // fails or throws counts as refused: the icon is not up, and comes up with the next taskbar.
    using NotifyFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAW);

    TrayIcon(HWND owner, UINT id, NotifyFunction notify = &ShellNotifyIcon);
    ~TrayIcon() override;

    // Neither the icon nor the menu is owned; both must outlive their use here. A shown icon is
    // updated at once when the icon or the tip changes.
    void SetIcon(HICON icon);
    // A popup menu (a submenu's handle); null means a right click shows nothing.
    void SetPopupMenu(HMENU menu);
    // The tooltip; the shell keeps 127 characters, so a longer one is cut there.
    void SetTip(std::wstring_view tip);
    const std::wstring& Tip() const noexcept { return m_tip; }
    void SetOnDoubleClick(std::function<void()> onDoubleClick);

    // Puts the icon up with its current icon and tip; again, it keeps one icon and refreshes it. When
    // there is no taskbar yet the icon comes up as soon as one is created. The first call returns at
    // once and the shell is asked on a thread of its own: under Wine the first icon of a session makes
    // the shell build its notification area first, which would keep the window from showing for a
    // quarter of a second. Every later call to the shell waits for that answer, so calls keep their order.
    void Show();
    // Whether the shell holds the icon now (waits for the answer to a first Show).
    bool IsShown() {
        Settle();
        return m_shown;
    }

    // The hidden window the shell reports to, and the message it uses.
    using Window::Handle;
    UINT Id() const noexcept { return m_id; }
    static constexpr UINT kCallbackMessage = WM_APP + 0x100;

private:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

    NOTIFYICONDATAW Data(UINT flags) const;
    void Settle();
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
    std::future<bool> m_adding;  // the first Show's answer, until it is settled
};

}  // namespace orvell::win
