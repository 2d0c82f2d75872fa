#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/settings.h"
#include "platform/modal_window.h"
#include "skin/title_bar_window.h"

namespace orvell::win {

// What the Help and About windows share: a frameless modal window centred on the screen, with the
// drawn title bar across its top and the skinned border round the rest; a press on its surface drags
// it. It has no dialog manager, so it sees every key made on its controls first: Tab and Shift+Tab walk
// them, Enter presses a focused button, Esc closes the window, Alt with a button's access letter
// presses that button. Activated again, it gives the focus back to the control that had it.
class InfoWindow : public ModalWindow {
public:
    const BForm& BForm1() const { return m_bform1; }

protected:
    struct Frame {
        const wchar_t* className;
        std::wstring_view caption;     // the window's
        std::wstring_view barCaption;  // the title bar's
        int width;                     // client size in twips
        int height;
        HBRUSH background;  // null for the button face
    };

    InfoWindow() = default;

    // Opens the window over owner (its controls are made then, see CreateControls) and gives the focus
    // to FirstFocus. On an open window it only brings it to the front. The store must outlive the
    // window: the title bar's tooltips read the language from it at every hover.
    bool OpenCentred(HWND owner, const app::SettingsStore& settings, const Frame& frame);

    // The controls, made at the window's creation after the title bar.
    virtual void CreateControls() = 0;
    virtual HWND FirstFocus() const = 0;
    // A key on a control that the window uses itself, before the common ones; true when used.
    virtual bool OnOwnKey(HWND /*control*/, UINT /*message*/, WPARAM /*key*/) { return false; }

    // Routes a control's keys and focus through the window. The controls that take the focus are
    // adopted in the order Tab walks them.
    void Adopt(HWND control);

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK ControlProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self);
    bool OnKey(HWND control, UINT message, WPARAM key);
    void PressButtonFor(wchar_t letter) const;

    const app::SettingsStore* m_settings = nullptr;
    std::wstring m_barCaption;
    BForm m_bform1;
    std::optional<StandardTitleBarEvents> m_barEvents;
    std::vector<HWND> m_adopted;
    HWND m_lastFocus = nullptr;
};

}  // namespace orvell::win
