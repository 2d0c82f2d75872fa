#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "platform/dpi.h"
#include "platform/modal_window.h"
#include "platform/unique_handle.h"
#include "skin/title_bar_window.h"

namespace orvell::win {

// What every secondary window (Help, About, the hotkey setting, the key-code test) is: a frameless
// modal window centred on the screen, with the drawn title bar across its top and the skinned border
// round the rest; a press on its surface drags it as the title bar does.
//
// It has no dialog manager, so it sees every key made on the controls it adopts first: Tab and
// Shift+Tab walk them, Enter presses a focused button, Alt with a button's access letter presses that
// button, and Esc closes the window where the window lets it. Activated again, it gives the focus back
// to the control that had it. A window that adopts no control keeps the focus and its keys itself.
//
// Moved to a screen of another DPI, it takes the rectangle the system suggests, its title bar the
// pictures and font of that DPI, and its controls their places, sizes and fonts scaled in proportion.
class SecondaryWindow : public ModalWindow {
public:
    const BForm& TitleBar() const { return m_titleBar; }

protected:
    struct Design {
        const wchar_t* className;
        std::wstring_view caption;     // the window's
        std::wstring_view barCaption;  // the title bar's
        SIZE size;                     // the client area, in pixels
        HBRUSH background = nullptr;   // the button face when null
        UINT classStyle = CS_HREDRAW | CS_VREDRAW;
        DWORD style = WS_POPUP | WS_CLIPCHILDREN | WS_MINIMIZEBOX;
        bool escapeCloses = true;
    };

    SecondaryWindow() = default;

    // Opens the window over owner, centred on the screen (its controls are made then, see
    // CreateControls), and gives the focus to FirstFocus. On an open window it only brings it to the
    // front. The store must outlive the window: the title bar's tooltips read the language from it at
    // every hover.
    bool OpenCentred(HWND owner, const app::SettingsStore& settings, const Design& design);
    // Puts the window back in the middle of the screen.
    void Centre() const;

    // The controls, made at the window's creation after the title bar.
    virtual void CreateControls() = 0;
    // Where the focus goes when the window opens or is activated again without a control to go back
    // to; null keeps it on the window.
    virtual HWND FirstFocus() const { return nullptr; }
    // A key on an adopted control that the window uses itself, before the common ones; true when used.
    virtual bool OnOwnKey(HWND /*control*/, UINT /*message*/, WPARAM /*key*/) { return false; }
    // Draws over the cleared surface and its border, in the window's WM_PAINT.
    virtual void PaintOver(HDC /*dc*/) {}
    // After the window moved to a screen of another DPI and its controls were moved, sized and given
    // their fonts in proportion: what the window draws or picks for a DPI itself (pictures, drawn
    // controls) taken for the new one.
    virtual void AfterDpiChange(Dpi /*dpi*/) {}

    // Routes a control's keys and focus through the window. The controls that take the focus are
    // adopted in the order Tab walks them.
    void Adopt(HWND control);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    bool OnKey(HWND control, UINT message, WPARAM key);
    void PressButtonFor(wchar_t letter) const;
    void GiveFocusBack();
    void OnDpiChanged(Dpi dpi, const RECT& suggested);

    const app::SettingsStore* m_settings = nullptr;
    std::wstring m_barCaption;
    bool m_escapeCloses = true;
    BForm m_titleBar;
    std::optional<StandardTitleBarEvents> m_titleBarEvents;  // from the window's creation
    std::vector<HWND> m_adopted;
    HWND m_lastFocus = nullptr;
    Dpi m_dpi;                                // what the controls are laid out at
    std::vector<unique_hfont> m_scaledFonts;  // the controls' fonts since a change of DPI
};

}  // namespace orvell::win
