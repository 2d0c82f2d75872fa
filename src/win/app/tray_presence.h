#pragma once

#include <windows.h>

#include <string_view>

#include "app/hotkey_watch.h"
#include "app/settings.h"
#include "app/tray_icon.h"
#include "app/tray_state.h"

namespace orvell::win {

// The program's icon at a system size (SM_CXICON, SM_CXSMICON). Shared: the system keeps one copy
// for the process and nobody destroys it, so a window class and every window may use it for good.
HICON ProgramIcon(int sizeMetric);

// The main window's presence in the notification area: the tray icon, the hotkey that hides the window
// there and brings it back, and whether it is hidden now, shown by the hidden label given.
class TrayPresence {
public:
    TrayPresence(HWND window, HWND flagLabel, HMENU shortcutMenu, TrayIcon::NotifyFunction notify);
    TrayPresence(const TrayPresence&) = delete;
    TrayPresence& operator=(const TrayPresence&) = delete;

    // At load, after the language switch. Started with Windows the window stays hidden and the tip
    // says how to open it; otherwise the tip is the product's name and the caller shows the window.
    void StartHidden(lookup::Language language);
    void StartShown();

    // The hotkey and the hide button: the window hidden, the icon up with the product's name.
    void HideToTray();
    // The hotkey: the window shown and in front, the tip the product's name.
    void ShowFromTray();
    // The tray icon's double click and the shortcut menu's list items: shown and in front; whatever
    // shows the window marks it shown, so the next hotkey press hides it.
    void ShowFromTrayIcon();
    // The product's name, as after a language switch.
    void SetTrayTip();

    // Each tick of the main window's timer: the stored hotkey into the watch.
    void ApplyHotkey(app::SettingsStore& settings);
    // No hotkey events until the next tick (load, exit).
    void DeactivateHotkey() { m_hotkey.Deactivate(); }
    // While a secondary window is open the hotkey is off, so its key can be tested and chosen there;
    // when the last one closes, whichever way, it is on again.
    void SecondaryWindowOpened();
    void SecondaryWindowClosed();

    HotkeyWatch& Hotkey() { return m_hotkey; }
    TrayIcon& Icon() { return m_trayIcon; }

private:
    void ShowIcon(std::wstring_view tip);
    void SetHidden(bool hidden);
    void OnHotkeyPressed();

    HWND m_window;
    HWND m_flagLabel;
    HMENU m_shortcutMenu;
    HICON m_smallIcon;
    TrayIcon m_trayIcon;
    HotkeyWatch m_hotkey;
    app::TrayState m_state;
    int m_openSecondaryWindows = 0;
};

}  // namespace orvell::win
