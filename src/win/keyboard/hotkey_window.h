#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "app/push_button.h"
#include "app/settings.h"
#include "controls/xp_check_box_window.h"
#include "keyboard/hotkey_rules.h"
#include "platform/dpi.h"
#include "platform/unique_handle.h"
#include "windows/secondary_window.h"

namespace orvell::win {

// frmHideKey: where the user chooses the global hotkey, a key alone or with one of the listed
// modifier combinations. The key is chosen by pressing it in the key field; the set button stores the
// choice, or F12 alone when the choice collides with a key the program or Windows needs, and says
// which. Nothing is stored before the set button. The texts follow the stored "Language" as the
// window opens. The object costs nothing until then: the window and its controls are made at each
// opening and go at its closing.
//
// Tab and Shift+Tab walk the controls, so Tab itself cannot be chosen in the key field; every other
// key can, Esc included. Alt+F4 still closes the window, and Enter presses a focused button.
class HotkeyWindow final : public SecondaryWindow {
public:
    enum class Control { Label1, Combo1, Text1, Check1, Command1, Command2 };

    // A message box: owner, text, title and MB_ flags in, the button pressed (IDOK, IDYES ...) out.
    using MessageBoxFunction =
        std::function<int(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags)>;

    HotkeyWindow();
    ~HotkeyWindow() override;

    // Opens the window over owner, centred on the screen, showing the stored choice. The store must
    // outlive the window. False when it is open already or the system refuses.
    bool Open(HWND owner, app::SettingsStore& settings);

    // The system's message box unless replaced.
    void SetMessageBox(MessageBoxFunction show) { m_messageBox = std::move(show); }
    // What a double click on the window's surface opens: the Help window's list of the program's keys,
    // where the refusal messages send the user. Without a handler it opens nothing.
    void SetHelpHandler(std::function<void(HWND owner)> openHelp) { m_openHelp = std::move(openHelp); }

    HWND Child(Control control) const { return m_children[static_cast<std::size_t>(control)]; }
    // The choice the controls show now; the key is the one the key field names.
    keyboard::HotkeyChoice Choice() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls() override;
    HWND FirstFocus() const override { return Child(Control::Text1); }
    bool OnOwnKey(HWND control, UINT message, WPARAM key) override;
    void AfterDpiChange(Dpi dpi) override;

    void OnCommand(UINT id, UINT notification);
    LRESULT OnControlColour(UINT message, HDC dc, HWND child);
    void OnSet();

    void MakeChild(Control control, const wchar_t* className, DWORD style, const Rect& bounds);
    void MakeButton(PushButton& button, Control control, int top, std::wstring_view caption);
    void Keep(Control control, HWND child);
    void FitComboField(const Rect& bounds);
    void Show(const keyboard::HotkeyChoice& choice);
    void ShowLabel(const keyboard::LabelText& label);

    app::SettingsStore* m_settings = nullptr;
    keyboard::Language m_language = keyboard::Language::Chinese;
    keyboard::HotkeyWindowLook m_look = keyboard::HotkeyWindowLookFor(keyboard::Language::Chinese);
    int m_key = 0;  // the key the key field names
    MessageBoxFunction m_messageBox;
    std::function<void(HWND owner)> m_openHelp;

    TwipsScale m_scale{Dpi{}};                 // the screen's from the opening, or the one moved to
    std::array<HWND, 6> m_children{};          // by Control
    std::optional<XpCheckBoxWindow> m_check1;  // made at each opening: it holds a drawing surface
    PushButton m_command1;
    PushButton m_command2;

    unique_hbrush m_white;
    unique_hfont m_font;
    unique_hfont m_labelFont;
};

}  // namespace orvell::win
