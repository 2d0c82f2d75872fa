#pragma once

#include <windows.h>

#include <array>
#include <optional>

#include "app/push_button.h"
#include "app/settings.h"
#include "help/help_texts.h"
#include "platform/modal_window.h"
#include "platform/unique_handle.h"
#include "skin/title_bar_window.h"
#include "windows/info_keys.h"

namespace orvell::win {

// frmHelp: the program's description, its keyboard shortcuts and a note from its makers, one page
// at a time behind a tab strip (the common controls' tab control). The captions follow the stored
// "Language" as the window opens; the pages read the same in both languages. Each page is a
// read-only text box whose text is the page, so screen readers read it whole.
//
// The tab strip has the focus first: the arrow keys, or Ctrl+Tab and Ctrl+Shift+Tab anywhere in the
// window, switch the pages. The window and its controls are made at each opening and go at its
// closing.
class HelpWindow final : public ModalWindow, private InfoKeys {
public:
    enum class Control { TabStrip1, Frame1, Text1, Text2, Text3, Command1 };

    HelpWindow() = default;
    // Closes a window still open while its fonts and brushes are there.
    ~HelpWindow() override;

    // Opens the window over owner on a page, centred on the screen. The store must outlive the window:
    // its title bar's tooltips read it at every hover. On an open window it only brings it to the
    // front. False when the system refuses the window.
    bool Open(HWND owner, const app::SettingsStore& settings,
              help::HelpPage page = help::HelpPage::Description);

    HWND Child(Control control) const { return m_children[static_cast<std::size_t>(control)]; }
    const BForm& BForm1() const { return m_bform1; }
    help::HelpPage Page() const { return m_page; }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool OnOwnKey(HWND control, UINT message, WPARAM key) override;
    HWND ButtonFor(wchar_t letter) const override;

    void OnCreate();
    void CreateControls();
    HWND MakeChild(Control control, const wchar_t* className, DWORD style, DWORD exStyle = 0);
    void ShowPage(help::HelpPage page);
    LRESULT OnControlColour(HDC dc, HWND control);

    const app::SettingsStore* m_settings = nullptr;
    help::HelpCaptions m_captions = help::HelpCaptionsFor(0);
    help::HelpPage m_page = help::HelpPage::Description;
    std::array<HWND, 6> m_children{};  // by Control
    PushButton m_command1;
    BForm m_bform1;
    std::optional<StandardTitleBarEvents> m_barEvents;
    unique_hfont m_font;
    unique_hbrush m_pageBrush;
};

}  // namespace orvell::win
