#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "app/settings.h"
#include "controls/font_description.h"
#include "controls/property_bag.h"
#include "platform/dpi.h"
#include "platform/unique_handle.h"
#include "platform/window.h"
#include "skin/title_bar.h"
#include "skin/title_bar_layout.h"

namespace orvell::win {

// What a host does with its title bar's events; the default handlers do nothing. MouseDown carries
// the mouse button (1 left, 2 right, 4 middle), the modifier bits (1 Shift, 2 Ctrl, 4 Alt) and the
// point on the bar in pixels. Each event comes last in the bar's handling of a message, so a handler
// may minimise, move or even destroy the host.
class TitleBarEvents {
public:
    virtual ~TitleBarEvents() = default;

    virtual void MouseDown(int /*button*/, int /*shift*/, Point /*at*/) {}
    virtual void MinClick() {}
    virtual void CloseClick() {}
    virtual void DblClick() {}
};

// The drawn title bar that every secondary window carries across its top instead of a system
// caption: the caption printed on the skin's blue strip, a minimise and a close button with hover
// and pressed looks and tooltips in the stored language, and the thin skinned border that its host
// paints round itself (Printform). It does nothing to the host by itself: it raises events, and
// StandardTitleBarEvents gives them the handling every host wants.
//
// The window text is the caption, so screen readers read the window's title from it. The bar never
// takes the keyboard focus: the host keeps its keys. It draws only when asked to paint; nothing runs
// while the mouse is elsewhere.
//
// A host creates it in its own creation, calls FitToHost when its size changes and Printform from its
// WM_PAINT.
class BForm final : public Window {
public:
    BForm() = default;

    // The bar along the top of host's client area, as wide as it, with the defaults ("NewForm" on
    // 14346732) or the properties restored so far. False when it exists already or the system refuses.
    bool Create(HWND host, int id = 0, const controls::FontDescription& font = skin::CaptionFont());

    // Null for none. The object must outlive the bar or be taken away first.
    void SetEvents(TitleBarEvents* events) { m_events = events != nullptr ? events : &m_noEvents; }
    // Where the tooltips read the "Language" setting, at every hover. Without a store they are
    // Chinese, as with a missing setting. The store must outlive the bar or be taken away first.
    void SetSettings(const app::SettingsStore* settings) { m_settings = settings; }

    // BackColor as decimal text. Text that is no 32-bit number is refused: false, and nothing changes.
    std::wstring BackColor() const { return skin::BackColorText(m_properties.backColor); }
    bool SetBackColor(std::wstring_view text);
    const std::wstring& Caption() const { return m_properties.caption; }
    // Also the window's text; setting the window's text sets the caption as well.
    void SetCaption(std::wstring_view caption);

    // The saved properties, in the text form of the designs; see RestoreBForm and SaveBForm.
    void Restore(const controls::PropertyBag& bag);
    void Save(controls::PropertyBag& bag) const { skin::SaveBForm(m_properties, bag); }

    // Takes the minimise button away for good: plain title art covers its picture, at every width.
    void Nomin();
    // Paints the host's client area for a WM_PAINT: cleared with the host class's background brush,
    // then the skinned border along its left, right and bottom edges. The bar's own area is left to
    // the bar.
    void Printform(HDC hostDc) const;
    // Stretches the bar to the host's client width and has the host paint its border again.
    void FitToHost();
    // The host moved to a screen of another DPI: the pictures drawn for it, the font at it, and the
    // bar's height and places again.
    void ChangeDpi(Dpi dpi);

    // Draws the bar as it looks now into a surface, at (0, 0).
    void Render(HDC dc) const;
    skin::ButtonLook Look(skin::TitleButton button) const { return m_input.Look(button); }
    const skin::TitleBarPlan& Plan() const { return m_plan; }
    bool HasMinButton() const { return !m_nomin; }
    HWND Tooltip() const { return m_tooltip.Get(); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Looks {
        skin::ButtonLook min;
        skin::ButtonLook close;
    };

    void TakeDpi(Dpi dpi);
    void LayOut(int width);
    void OnPaint();
    void OnMouse(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCaptureLost();
    void Follow(const Looks& before);
    void Raise(const skin::TitleBarEvent& event);
    void CreateTooltip();
    const skin::ArtBlit* Place(skin::TitleButton button) const;
    void SendTool(UINT message, skin::TitleButton button, bool withText) const;
    HBITMAP ImageFor(skin::TitleButton button) const;

    skin::BFormProperties m_properties;
    skin::TitleBarInput m_input;
    skin::TitleBarPlan m_plan;
    bool m_nomin = false;
    int m_width = 0;
    Dpi m_dpi;
    int m_artScale = 100;  // the size of the pictures drawn for m_dpi (skin::kArtScales)

    // The skin (PP), the hover images and the pressed images (pi1, pi2).
    unique_hbitmap m_pp;
    unique_hbitmap m_minHover;
    unique_hbitmap m_closeHover;
    unique_hbitmap m_pi1;
    unique_hbitmap m_pi2;
    controls::FontDescription m_fontDescription;
    unique_hfont m_font;
    unique_hwnd m_tooltip;
    bool m_trackingLeave = false;

    TitleBarEvents m_noEvents;
    TitleBarEvents* m_events = &m_noEvents;
    const app::SettingsStore* m_settings = nullptr;
};

// The handling every secondary window gives its title bar: a left press on the bar drags the window
// (the system moves it while the button is held), the minimise button and a double click minimise
// it, and the close button closes it through its own WM_CLOSE handling, posted so that the bar has
// finished with the click first.
class StandardTitleBarEvents final : public TitleBarEvents {
public:
    explicit StandardTitleBarEvents(HWND host) : m_host(host) {}

    void MouseDown(int button, int shift, Point at) override;
    void MinClick() override;
    void CloseClick() override;
    void DblClick() override;

private:
    HWND m_host;
};

}  // namespace orvell::win
