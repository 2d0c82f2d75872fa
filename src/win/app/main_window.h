#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <memory>
#include <string>

#include "app/language.h"
#include "app/main_controls.h"
#include "app/main_menu.h"
#include "app/settings.h"
#include "app/shell_texts.h"
#include "app/startup_entry.h"
#include "app/tray_presence.h"
#include "keyboard/hotkey_window.h"
#include "keyboard/key_code_test_window.h"
#include "lookup/lookup.h"
#include "platform/modal_window.h"
#include "platform/system_library.h"
#include "platform/window.h"
#include "skin/neo_caption.h"
#include "text/text_files.h"
#include "windows/about_window.h"
#include "windows/help_window.h"

namespace orvell::win {

// What the main window works with; the program passes the real ones, tests their own.
struct MainWindowServices {
    app::SettingsStore& settings;
    app::RunKeys& runKeys;
    text::TextFiles& files;
    std::wstring exePath;
    // Message boxes (the start-up entry that cannot be written); tests record them instead.
    std::function<void(HWND owner, const std::wstring& text)> showMessage;
    // The shell's notification-area call; tests stand in for it.
    BOOL(WINAPI* trayNotify)(DWORD, PNOTIFYICONDATAW) = &ShellNotifyIcon;
    // Asks the settings to post the window a message whenever they change, from any program. Given,
    // the hotkey timer stops once the hotkey is in place and starts again at such a message, so the
    // program sleeps while nothing happens; without it the timer ticks for the program's life. The
    // message's wParam says a change (kSettingsChangedNote) or the settings' first failure of the run
    // (kSettingsFailedNote, shown in a message box). Called with no window when the window goes.
    std::function<void(HWND window, UINT message)> watchSettings = nullptr;
};

// frmTest: the program's main window, with the lookup, the lists, the menus, the screen and
// language settings, the hotkey and the tray icon. Everything reaches it as a message: clicks and
// keys on its controls, menu commands, its timer, the hotkey and the tray icon's clicks.
class MainWindow final : public Window {
public:
    using Control = app::MainControl;

    explicit MainWindow(MainWindowServices services);
    // Destroys the window while the controls, menus and fonts it uses are still there.
    ~MainWindow() override;

    // Creates the window and runs the start-up sequence; the window shows itself unless it starts
    // hidden in the notification area.
    bool Open();

    // For the message loop: the menu shortcuts and the buttons' access keys, before the focused
    // control sees the key.
    bool PreTranslate(MSG& message);

    // For the tests: the controls, the menus, and the windows the hotkey and the tray icon report to.
    HWND Child(Control control) const { return m_controls.Child(control); }
    const XpButtonWindow* XpButton(Control control) const { return m_controls.XpButton(control); }
    const MainMenus& Menus() const { return m_menus; }
    HotkeyWatch& Hotkey() { return m_tray->Hotkey(); }
    TrayIcon& Tray() { return m_tray->Icon(); }
    const KeyCodeTestWindow& KeyCodeTest() const { return m_keyCodeTest; }
    HotkeyWindow& HotkeySetting() { return m_hotkeySetting; }
    HelpWindow& Help() { return m_help; }
    AboutWindow& About() { return m_about; }
    const cNeoCaption& Caption() const { return m_caption; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void AttachSkin(SIZE client);
    SIZE WindowSizeFor(SIZE client) const;
    void OnDpiChanged(int dpi, const RECT& suggested);
    void FitRegionToFrame();
    bool TranslateShortcutUnderCapture(const MSG& message);
    bool ClickByAltKey(UINT vKey);
    static LRESULT CALLBACK ChildProc(HWND child, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    LRESULT OnChildMessage(Control control, HWND child, UINT message, WPARAM wParam, LPARAM lParam);

    // The window's own events.
    void OnCommand(UINT id, UINT notification);
    void OnControlClicked(Control control);
    void OnTimer(UINT_PTR id);
    void StartHotkeyTimer();
    LRESULT OnEraseBackground(HDC dc);
    void OnRightButtonDown(POINT at);
    bool OnSysCommand(WPARAM command, LPARAM lParam);
    void OnDestroy();

    // The controls' events.
    LRESULT OnInputCharacter(HWND text1, WPARAM wParam, LPARAM lParam);
    LRESULT OnOutputDoubleClick(HWND text2, WPARAM wParam, LPARAM lParam);
    // The output box's shortcut menu at the pointer, or at the box for the keyboard (at is -1).
    void ShowOutputMenu(HWND text2, LPARAM at);
    void OnOutputMenuCommand(UINT id);
    void OnOptionClicked(Control control);

    void StartUp();
    void StartHidden();
    void StartShown();
    void ExitProgram();

    // A lookup operation between reading the controls and showing its view.
    template <typename Operation>
    void RunOperation(Operation&& operation) {
        m_controls.Read(m_view);
        operation(m_view);
        m_controls.Apply(m_view);
    }

    void SwitchLanguage(app::Language language);
    void SetScreen(bool eightHundred);
    void ToggleRunAtStartup();
    void TurnRunAtStartupOn(app::StartupEntryFailure failure);
    void TurnRunAtStartupOff();
    void ShowShortcutMenu();
    // A secondary window, or the open one brought to the front. It opens over the one on top if any is
    // open (the tray menu still works then), so that they close in the order they opened and this
    // window stays blocked until the last has closed. The hotkey is off while any is open.
    // afterClosing runs when it closes, or at once when it could not open.
    void OpenSecondary(ModalWindow& window, const std::function<bool()>& open,
                       const std::function<void()>& afterClosing = nullptr);
    // Help and About; the menu bar's items mark the shortcut menu's as taken while their window is open.
    void OpenHelp(HWND owner, help::HelpPage page);
    void OpenAbout();

    MainWindowServices m_services;
    lookup::Lookup m_lookup;
    lookup::LookupView m_view;
    app::LanguageLines m_languageLines;
    MainMenus m_menus;
    // The drawn caption, borders and menu bar in place of the system's frame.
    cNeoCaption m_caption;
    // An Alt that a button's access key used opens no menu when it is let go.
    bool m_altKeyUsed = false;
    MainControls m_controls;
    std::unique_ptr<TrayPresence> m_tray;  // from Open until the window goes
    // Owned by this window: the system closes them before it.
    KeyCodeTestWindow m_keyCodeTest;
    HotkeyWindow m_hotkeySetting;
    HelpWindow m_help;
    AboutWindow m_about;
};

}  // namespace orvell::win
