#include "app/tray_presence.h"

#include "app/shell_texts.h"
#include "keyboard/hotkey_apply.h"
#include "platform/window.h"

namespace orvell::win {

namespace {

constexpr UINT kTrayIconId = 1;
constexpr WORD kProgramIconResource = 1;

// Hidden in the notification area the program may wait for hours: the pages its window's painting
// touched go back to the system, which gives them again (mostly from its standby list) at the next
// show.
void GiveBackWorkingSet() {
    ::SetProcessWorkingSetSize(::GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

}  // namespace

HICON ProgramIcon(int sizeMetric) {
    const int size = ::GetSystemMetrics(sizeMetric);
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr),
                                           MAKEINTRESOURCEW(kProgramIconResource), IMAGE_ICON, size, size,
                                           LR_SHARED));
}

TrayPresence::TrayPresence(HWND window, HWND flagLabel, HMENU shortcutMenu, TrayIcon::NotifyFunction notify)
    : m_window(window),
      m_flagLabel(flagLabel),
      m_shortcutMenu(shortcutMenu),
      m_smallIcon(ProgramIcon(SM_CXSMICON)),
      m_trayIcon(window, kTrayIconId, notify),
      m_hotkey([this] { OnHotkeyPressed(); }) {
    m_trayIcon.SetOnDoubleClick([this] { ShowFromTrayIcon(); });
    SetText(m_flagLabel, m_state.FlagText());
}

void TrayPresence::StartHidden(lookup::Language language) {
    ShowIcon(app::HiddenStartTrayTip(language));
    SetHidden(true);
    GiveBackWorkingSet();
}

void TrayPresence::StartShown() {
    ShowIcon(app::kProductName);
}

void TrayPresence::HideToTray() {
    ::ShowWindow(m_window, SW_HIDE);
    ShowIcon(app::kProductName);
    SetHidden(true);
    GiveBackWorkingSet();
}

void TrayPresence::ShowFromTray() {
    ShowFromTrayIcon();
    SetTrayTip();
}

void TrayPresence::ShowFromTrayIcon() {
    SetHidden(false);
    ::ShowWindow(m_window, SW_SHOW);
    ::SetForegroundWindow(m_window);
}

void TrayPresence::SetTrayTip() {
    m_trayIcon.SetTip(app::kProductName);
}

void TrayPresence::ApplyHotkey(app::SettingsStore& settings) {
    keyboard::ApplyHotkey(settings, m_hotkey);
}

void TrayPresence::SecondaryWindowOpened() {
    ++m_openSecondaryWindows;
    m_hotkey.Deactivate();
    m_hotkey.SetSuspended(true);
}

void TrayPresence::SecondaryWindowClosed() {
    if (m_openSecondaryWindows > 0 && --m_openSecondaryWindows == 0) {
        m_hotkey.Activate();
        m_hotkey.SetSuspended(false);
    }
}

void TrayPresence::ShowIcon(std::wstring_view tip) {
    m_trayIcon.SetIcon(m_smallIcon);
    // Every way up gives the icon its menu, a start with Windows too, so the icon is usable at once.
    m_trayIcon.SetPopupMenu(m_shortcutMenu);
    m_trayIcon.SetTip(tip);
    m_trayIcon.Show();
}

void TrayPresence::SetHidden(bool hidden) {
    m_state.hidden = hidden;
    SetText(m_flagLabel, m_state.FlagText());
}

void TrayPresence::OnHotkeyPressed() {
    m_hotkey.Activate();
    if (m_state.hidden) {
        ShowFromTray();
    } else {
        HideToTray();
    }
}

}  // namespace orvell::win
