#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <string>

#include "app/push_button.h"
#include "app/settings.h"
#include "help/about_texts.h"
#include "platform/unique_handle.h"
#include "windows/secondary_window.h"

namespace orvell::win {

// frmAbout: the program's name and version, the systems it is for, the credits, two pictures and the
// address to write to. The address is a link: the hand pointer over it, blue once the pointer has
// been there, and a click (or Enter or Space when Tab has brought the focus to it) opens a new
// e-mail to it in the user's mail program. Without one the address is shown in a message box, to be
// copied from there. The texts and layout follow the stored "Language" as the window opens. The
// window and its controls are made at each opening and go at its closing.
class AboutWindow final : public SecondaryWindow {
public:
    enum class Control { Image1, Image2, Label1, Label2, Label3, Label4, Command1 };

    // ShellExecuteW's shape: owner, verb, file, parameters, folder, show; above 32 when it worked.
    using ShellExecuteFunction = HINSTANCE(WINAPI*)(HWND, LPCWSTR, LPCWSTR, LPCWSTR, LPCWSTR, INT);
    // A message box: owner, text, title and MB_ flags in, the button pressed out.
    using MessageBoxFunction =
        std::function<int(HWND owner, const std::wstring& text, const std::wstring& title, UINT flags)>;

    AboutWindow();
    // Closes a window still open while its fonts and pictures are there.
    ~AboutWindow() override;

    // Opens the window over owner, centred on the screen. The store must outlive the window. On an open
    // window it only brings it to the front. False when the system refuses the window.
    bool Open(HWND owner, const app::SettingsStore& settings);

    // The shell's (loaded when first used) and the system's message box, unless replaced.
    void SetShellExecute(ShellExecuteFunction execute) { m_shellExecute = execute; }
    void SetMessageBox(MessageBoxFunction show) { m_messageBox = std::move(show); }

    HWND Child(Control control) const { return m_children[static_cast<std::size_t>(control)]; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls() override;
    HWND FirstFocus() const override { return Child(Control::Command1); }
    bool OnOwnKey(HWND control, UINT message, WPARAM key) override;
    void AfterDpiChange(Dpi dpi) override;

    HWND MakeLabel(Control control, const Rect& twips, std::wstring_view text, DWORD style, HFONT font);
    HWND MakePicture(Control control, const Rect& twips, const wchar_t* resource, unique_hbitmap& picture);
    void ShowPicture(Control control, const wchar_t* resource, unique_hbitmap& picture, int dpi);
    void OnCommand(UINT id, UINT notification);
    bool OnSetCursor(HWND over, UINT mouseMessage);
    LRESULT OnControlColour(HDC dc, HWND control);
    void OpenMail();

    help::Language m_language = help::Language::Chinese;
    ShellExecuteFunction m_shellExecute;
    MessageBoxFunction m_messageBox;
    bool m_linkHot = false;  // the pointer has been over the address

    std::array<HWND, 7> m_children{};  // by Control
    PushButton m_command1;
    unique_hfont m_font;
    unique_hfont m_linkFont;
    unique_hbitmap m_image1;
    unique_hbitmap m_image2;
};

}  // namespace orvell::win
