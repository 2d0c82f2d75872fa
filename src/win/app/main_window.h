#pragma once

#include <windows.h>
#include <shellapi.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "app/language.h"
#include "app/main_menu.h"
#include "app/push_button.h"
#include "app/settings.h"
#include "app/startup_entry.h"
#include "controls/xp_button_window.h"
#include "lookup/lookup.h"
#include "platform/dpi.h"
#include "platform/unique_handle.h"
#include "platform/window.h"
#include "text/text_files.h"

namespace orvell::win {

class HotkeyWatch;
class TrayIcon;

// What the main window works with; the program passes the real ones, tests their own.
struct MainWindowServices {
    app::SettingsStore& settings;
    app::RunKeys& runKeys;
    text::TextFiles& files;
    std::wstring exePath;
    // Message boxes (the start-up entry that cannot be written); tests record them instead.
    std::function<void(HWND owner, const std::wstring& text)> showMessage;
    // The shell's notification-area call; tests stand in for it.
    BOOL(WINAPI* trayNotify)(DWORD, PNOTIFYICONDATAW) = &::Shell_NotifyIconW;
};

// frmTest: the program's main window, with the lookup, the lists, the menus, the screen and
// language settings, the hotkey and the tray icon.
class MainWindow final : public Window {
public:
    explicit MainWindow(MainWindowServices services);
    ~MainWindow() override;

    // Creates the window and runs the start-up sequence; the window shows itself unless it starts
    // hidden in the notification area.
    bool Open();

    // For the message loop: the menu shortcuts and the buttons' access keys, before the focused
    // control sees the key.
    bool PreTranslate(MSG& message);

    // Child controls (frmTest's names), for the tests.
    enum class Control {
        Frame1,
        Option1_0,
        Option1_1,
        Option1_2,
        Frame2,
        Label1,
        Option2_0,
        Option2_1,
        Label2,
        Text1,
        Command1,
        Frame3,
        Text2,
        Text3,
        Text4,
        Command2,
        Command3,
        Command4,
        Label3,
    };
    HWND Child(Control control) const;
    // The XP-style buttons (Command2, Command3); null for any other control.
    const XpButtonWindow* XpButton(Control control) const;
    const lookup::LookupView& View() const { return m_view; }
    const MainMenus& Menus() const { return m_menus; }
    HotkeyWatch& Hotkey() { return *m_hotkey; }
    TrayIcon& Tray() { return *m_tray; }

    // The handlers, as the window's events run them.
    void OnCommand(UINT id);
    void OnHotkeyPressed();
    void OnTimer();
    void ShowFromTrayIcon();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct ChildGeometry {
        int left, top, width, height;  // twips, relative to the window's client area
    };

    void CreateControls();
    HWND MakeChild(Control control, const wchar_t* className, const wchar_t* text, DWORD style,
                   ChildGeometry geometry);
    ChildGeometry Absolute(Control control) const;  // in the window's client area
    void Place(Control control);
    void StartUp();
    void ExitProgram();

    // The lookup's view of the controls, and back.
    void ReadControls();
    void ApplyView();
    template <typename Operation>
    void RunOperation(Operation&& operation) {
        ReadControls();
        operation(m_view);
        ApplyView();
    }

    void SwitchLanguage(app::Language language);
    void SetScreen(bool eightHundred);
    void ToggleRunAtStartup();
    void HideToTray(bool fromButton);
    void ShowFromTray();
    void SetTrayTip();
    void ShowShortcutMenu();
    void CopyOutputToClipboard();
    void OnOptionClicked(Control control);
    bool OnAccessKey(wchar_t key);

    LRESULT OnControlColour(HDC dc, HWND control);
    HFONT OutputFont();

    static LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                      DWORD_PTR self);
    LRESULT OnChildMessage(Control control, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    MainWindowServices m_services;
    lookup::Lookup m_lookup;
    lookup::LookupView m_view;
    lookup::LookupView m_shown;  // what the controls show now
    app::LanguageLines m_languageLines;
    MainMenus m_menus;
    TwipsScale m_scale;

    std::map<Control, HWND> m_children;
    std::map<Control, ChildGeometry> m_geometry;
    PushButton m_command1;
    XpButtonWindow m_command2;
    XpButtonWindow m_command3;
    PushButton m_command4;
    std::unique_ptr<HotkeyWatch> m_hotkey;
    std::unique_ptr<TrayIcon> m_tray;
    unique_hicon m_icon;
    unique_hicon m_smallIcon;

    unique_hbrush m_background;
    unique_hbrush m_white;
    unique_hfont m_font;
    std::map<std::pair<int, bool>, unique_hfont> m_outputFonts;
    bool m_started = false;
};

}  // namespace orvell::win
