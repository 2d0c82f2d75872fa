#pragma once

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <map>
#include <optional>
#include <string_view>
#include <utility>

#include "app/main_layout.h"
#include "app/push_button.h"
#include "controls/xp_button_window.h"
#include "lookup/types.h"
#include "platform/dpi.h"
#include "platform/unique_handle.h"

namespace orvell::win {

// The main window's controls: made as designed, placed where language and mode want them, and kept
// showing the lookup's view. Buttons report their clicks to the window as WM_COMMAND with BN_CLICKED
// and their control id.
class MainControls {
public:
    using Control = app::MainControl;

    static int Id(Control control);
    static std::optional<Control> FromId(UINT id);

    // Makes every control on the window. Each child but the buttons has its messages go first to
    // childProc, with its Control as the id and with childData, also when it is made again; childProc
    // passes on what it does not take with Forward. The child's last message, WM_NCDESTROY, goes
    // straight to the control.
    void Create(HWND window, SUBCLASSPROC childProc, DWORD_PTR childData);
    // A message on to the control's own window procedure.
    LRESULT Forward(HWND child, UINT message, WPARAM wParam, LPARAM lParam) const;

    HWND Child(Control control) const;
    // The XP-style buttons (Command2, Command3); null for any other control.
    const XpButtonWindow* XpButton(Control control) const;

    // What the user typed, into the view.
    void Read(lookup::LookupView& view) const;
    // The view onto the controls: input, output and its look, the lists, the search button, the options,
    // and where the controls stand for the view's language and mode. Takes the view's focus request.
    void Apply(lookup::LookupView& view);
    // A caption from a language file.
    void SetCaption(Control control, std::wstring_view caption);

    // Alt plus key: clicks the button whose access key it is. True when one was clicked.
    bool ClickByAccessKey(wchar_t key);
    // Tab and Shift+Tab: the focus to the next (previous) stop that is shown and enabled.
    void MoveFocusByTab(bool backwards);

    // The window moved to a screen of another DPI: every control placed and its font made again for it.
    void ChangeDpi(Dpi dpi);

    // WM_CTLCOLOR*: the colours of a child.
    LRESULT ControlColour(HDC dc, HWND child) const;
    HBRUSH Background() const { return m_background.Get(); }

private:
    static LRESULT CALLBACK ChildHook(HWND child, UINT message, WPARAM wParam, LPARAM lParam);
    void ShowList(Control control, bool visible, std::wstring (*text)());
    void Make(Control control, const wchar_t* className, std::wstring_view text, DWORD style);
    Rect PixelBounds(Control control) const;
    // As a standard button reports a click.
    void ReportClick(Control control) const;
    void PlaceMoved();
    void Stack(Control control);
    void RemakeOutputBox(lookup::Alignment alignment);
    HFONT OutputFont(const lookup::OutputStyle& style);

    HWND m_window = nullptr;
    SUBCLASSPROC m_childProc = nullptr;
    DWORD_PTR m_childData = 0;
    TwipsScale m_scale = TwipsScale::ForScreen();
    app::MainLayout m_layout;
    std::array<app::TwipsBox, app::kMainControlCount> m_placed{};  // where each control stands now
    std::array<HWND, app::kMainControlCount> m_children{};
    // Each hooked control's own window procedure.
    std::array<WNDPROC, app::kMainControlCount> m_ownProcs{};
    lookup::LookupView m_shown;  // what the controls show now
    // The output box's text colour, taken first from a view: a box shown on the way may paint at once.
    Colour m_outputColour = m_shown.style.colour;

    PushButton m_command1;
    XpButtonWindow m_command2;
    XpButtonWindow m_command3;
    PushButton m_command4;

    unique_hbrush m_background;
    unique_hbrush m_white;
    unique_hfont m_font;
    std::map<std::pair<int, bool>, unique_hfont> m_outputFonts;
};

}  // namespace orvell::win
