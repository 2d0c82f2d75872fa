#include "app/tray_icon.h"

#include <algorithm>
#include <system_error>
#include <utility>

namespace orvell::win {

namespace {

// szTip holds 128 characters with its terminator.
constexpr std::size_t kMaxTip = 127;

// One call to the shell. Whatever goes wrong in it (a refusal, or an exception from a replaced call)
// is a call that did not succeed: the icon is then simply not up, and the taskbar's next broadcast
// brings it back, so nothing of it reaches the windows that asked.
bool Ask(TrayIcon::NotifyFunction notify, DWORD message, NOTIFYICONDATAW data) noexcept {
    try {
        return notify(message, &data) != FALSE;
    } catch (...) {
        return false;
    }
}

}  // namespace

TrayIcon::TrayIcon(HWND owner, UINT id, NotifyFunction notify)
    : m_owner(owner),
      m_id(id),
      m_notify(notify),
      m_taskbarCreated(::RegisterWindowMessageW(L"TaskbarCreated")) {
    WindowClass windowClass;
    windowClass.name = L"OrvellTrayIcon";
    windowClass.style = 0;
    windowClass.background = nullptr;
    // A hidden top-level window rather than a message-only one: only top-level windows hear the
    // TaskbarCreated broadcast.
    WindowCreation creation;
    creation.style = WS_POPUP;
    creation.x = 0;
    creation.y = 0;
    creation.width = 0;
    creation.height = 0;
    if (Create(windowClass, creation) && m_taskbarCreated != 0) {
        // An elevated program (one allowed to write the machine-wide Run key) would otherwise not
        // hear the broadcast of a taskbar running without elevation.
        ::ChangeWindowMessageFilterEx(Handle(), m_taskbarCreated, MSGFLT_ALLOW, nullptr);
    }
}

TrayIcon::~TrayIcon() {
    // The first call's thread names our window to the shell: it ends before the window does.
    Settle();
    Remove();
}

void TrayIcon::SetIcon(HICON icon) {
    // Each change is a call into the shell's process that waits for its answer: the same icon or tip
    // again (the hotkey's show sets the tip it already has) would hold up the window's paint for it.
    if (icon == m_icon) {
        return;
    }
    m_icon = icon;
    Modify();
}

void TrayIcon::SetPopupMenu(HMENU menu) {
    m_menu = menu;
}

void TrayIcon::SetTip(std::wstring_view tip) {
    std::size_t length = std::min(tip.size(), kMaxTip);
    // Never keep half of a surrogate pair.
    if (length < tip.size() && length > 0 && IS_HIGH_SURROGATE(tip[length - 1])) {
        --length;
    }
    if (tip.substr(0, length) == m_tip) {
        return;
    }
    m_tip.assign(tip.substr(0, length));
    Modify();
}

void TrayIcon::SetOnDoubleClick(std::function<void()> onDoubleClick) {
    m_onDoubleClick = std::move(onDoubleClick);
}

void TrayIcon::Show() {
    Settle();
    m_wanted = true;
    if (m_shown) {
        Modify();
        return;
    }
    if (Handle() == nullptr) {
        return;
    }
    // The data travel by value: the thread reads nothing of this object. A system that cannot start
    // the thread gets the call here and now, only later.
    try {
        m_adding = std::async(std::launch::async,
                              [notify = m_notify, data = Data(NIF_MESSAGE | NIF_ICON | NIF_TIP)] {
                                  return Ask(notify, NIM_ADD, data);
                              });
    } catch (const std::system_error&) {
        m_shown = Add();
    }
}

void TrayIcon::Settle() {
    if (m_adding.valid()) {
        m_shown = m_adding.get();
    }
}

NOTIFYICONDATAW TrayIcon::Data(UINT flags) const {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = Handle();
    data.uID = m_id;
    data.uFlags = flags;
    data.uCallbackMessage = kCallbackMessage;
    data.hIcon = m_icon;
    std::copy(m_tip.begin(), m_tip.end(), data.szTip);
    data.szTip[m_tip.size()] = L'\0';
    return data;
}

bool TrayIcon::Add() {
    if (Handle() == nullptr) {
        return false;
    }
    return Ask(m_notify, NIM_ADD, Data(NIF_MESSAGE | NIF_ICON | NIF_TIP));
}

void TrayIcon::Modify() {
    Settle();
    if (m_shown) {
        Ask(m_notify, NIM_MODIFY, Data(NIF_ICON | NIF_TIP));
    }
}

void TrayIcon::Remove() {
    if (m_shown) {
        Ask(m_notify, NIM_DELETE, Data(0));
        m_shown = false;
    }
}

void TrayIcon::ShowMenu() {
    const HWND owner = m_owner;
    if (m_menu == nullptr || owner == nullptr) {
        return;
    }
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // Without the owner in front the menu would not close when the user clicks elsewhere, and the
    // message after it lets the next click on the icon open it again.
    ::SetForegroundWindow(owner);
    ::TrackPopupMenuEx(m_menu, TPM_RIGHTBUTTON, cursor.x, cursor.y, owner, nullptr);
    ::PostMessageW(owner, WM_NULL, 0, 0);
}

void TrayIcon::OnNotify(UINT mouseMessage) {
    switch (mouseMessage) {
        case WM_RBUTTONUP:
            ShowMenu();
            break;
        case WM_LBUTTONDBLCLK:
            if (m_onDoubleClick) {
                m_onDoubleClick();
            }
            break;
        default:
            break;
    }
}

void TrayIcon::OnTaskbarCreated() {
    // A new taskbar knows no icons: add ours again. This also puts up an icon that was refused
    // because the program started before the taskbar, as a start with Windows may.
    Settle();
    if (m_wanted) {
        m_shown = Add();
    }
}

LRESULT TrayIcon::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kCallbackMessage && static_cast<UINT>(wParam) == m_id) {
        OnNotify(static_cast<UINT>(lParam));
        return 0;
    }
    if (message == m_taskbarCreated && m_taskbarCreated != 0) {
        OnTaskbarCreated();
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

}  // namespace orvell::win
