#pragma once

#include <windows.h>

#include <array>

#include "app/push_button.h"
#include "app/settings.h"
#include "help/help_texts.h"
#include "platform/unique_handle.h"
#include "windows/secondary_window.h"

namespace orvell::win {

// frmHelp: the program's description, its keyboard shortcuts and a note from its makers, one page
// at a time behind a tab strip (the common controls' tab control). The captions follow the stored
// "Language" as the window opens; the pages read the same in both languages. Each page is a
// read-only text box whose text is the page, so screen readers read it whole.
//
// The tab strip has the focus first: the arrow keys, or Ctrl+Tab and Ctrl+Shift+Tab anywhere in the
// window, switch the pages. The window and its controls are made at each opening and go at its
// closing.
class HelpWindow final : public SecondaryWindow {
public:
    enum class Control { TabStrip1, Frame1, Text1, Text2, Text3, Command1 };

    HelpWindow() = default;
    // Closes a window still open while its font and brush are there.
    ~HelpWindow() override;

    // Opens the window over owner on a page, centred on the screen. The store must outlive the window.
    // On an open window it only brings it to the front. False when the system refuses the window.
    bool Open(HWND owner, const app::SettingsStore& settings,
              help::HelpPage page = help::HelpPage::Description);

    HWND Child(Control control) const { return m_children[static_cast<std::size_t>(control)]; }
    help::HelpPage Page() const { return m_page; }
    // Turns an open window to a page, as a click on its tab does.
    void ShowPage(help::HelpPage page);

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls() override;
    HWND FirstFocus() const override { return Child(Control::TabStrip1); }
    bool OnOwnKey(HWND control, UINT message, WPARAM key) override;

    HWND MakeChild(Control control, const wchar_t* className, DWORD style, DWORD exStyle);
    LRESULT OnControlColour(HDC dc, HWND control);

    help::HelpCaptions m_captions = help::HelpCaptionsFor(0);
    help::HelpPage m_page = help::HelpPage::Description;
    std::array<HWND, 6> m_children{};  // by Control
    PushButton m_command1;
    unique_hfont m_font;
    unique_hbrush m_pageBrush;
};

}  // namespace orvell::win
