#pragma once

#include <windows.h>

#include <memory>

#include "common/colour.h"
#include "controls/font_description.h"

namespace orvell::win {

// The menu bar a skinned frame draws inside the lower half of its caption, in place of the system's.
//
// It draws the top-level items of a menu that opens popups (plain commands at the top level are not
// drawn), shows the item under the pointer raised and the open one pressed, opens an item's popup
// under it on a click or Alt+letter, and lets the user walk along the bar with Left and Right (or the
// mouse) while a popup is open. Popup items are drawn by the bar in the skin's colours; their texts
// stay on the items, so screen readers and the keyboard see the same menu as without a skin, and every
// item is put back exactly as it was when the menu loop ends. Chosen commands reach the window as
// ordinary WM_COMMAND messages.
//
// Bar items are compared with points in bar coordinates: window coordinates with the top at the
// window's top plus the caption height, the same place the popups are opened from, so the items react
// exactly where they are drawn whatever the frame's left margin.
//
// The host (the caption painter) attaches it to the window, hands it the menu before each Render and
// forwards WM_INITMENUPOPUP (PreparePopup), WM_EXITMENULOOP (RestorePopups) and the keyboard hook's
// Alt+letter (HandleAltKey). Everything it holds on the window (message hooks, its timer, its GDI
// objects) goes on Detach, on the window's destruction and with the object.
class cMenuBar {
public:
    cMenuBar();
    ~cMenuBar();
    cMenuBar(const cMenuBar&) = delete;
    cMenuBar& operator=(const cMenuBar&) = delete;

    // The menu whose popup items are drawn; the bar does not own it.
    void hMenu(HMENU hTheMenu);
    HMENU hMenu() const;

    // Hooks the window's pointer, owner-draw and menu-character messages. Raises the dispatcher's
    // errors (a handle that is no window of this process); the bar is then detached.
    void Attach(HWND lhWnd);
    void Detach();

    // The frame's caption height: where client y = 0 lies below the window's top, and so where popups
    // open and points are compared.
    void CaptionHeight(int lHeight);
    // The window's DPI, for the popups' font, and the scale the caption is drawn at (skin::kArtScales),
    // for the bar's and the popups' spacing.
    void SetDpi(int dpi, int artScale);

    // Draws the bar items into lhDC: the bar occupies lWidth x lHeight at (lLeft, lTop + 2), its
    // background taken from what lhDC holds there, its text in hFnt. lYoffset turns bar y into bar
    // coordinates (above). Without a menu, or with a menu without items, nothing is drawn.
    void Render(HFONT hFnt, HDC lhDC, int lLeft, int lTop, int lWidth, int lHeight, int lYoffset);

    // The popup items' font; the bar makes and owns the font.
    void SetMenuFont(const controls::FontDescription& font);
    // In this order: normal text, the text of the hot or open item and of a highlighted popup item,
    // kept but not drawn with, the popups' background. System colours are resolved when drawing.
    void SetMenuColours(Colour activeMenuColor, Colour activeMenuColorOver, Colour inActiveMenuColor,
                        Colour menuBackgroundColor);

    // Alt+vKey: opens the popup of the first top-level item whose access letter ("&" before it) is
    // vKey and runs its menu loop. False when no item has that letter.
    bool HandleAltKey(int vKey);
    // Whether HandleAltKey would open a popup for vKey now; changes nothing.
    bool TakesAltKey(int vKey) const;
    // Turns the popup's items owner-drawn for the menu loop now running, keeping what they were.
    void PreparePopup(HMENU popup);
    // Puts every item PreparePopup changed back exactly as it was, and forgets them.
    void RestorePopups();

    // The bar items of the last Render, numbered from 1.
    int ItemCount() const;
    // The popup of item i; null when i is outside 1 .. ItemCount().
    HMENU ItemPopup(int i) const;
    // Item i's hot zone in bar coordinates (empty when i is out of range).
    RECT ItemRect(int i) const;
    // Item i's hot zone on the screen; popups open under it.
    RECT ItemScreenRect(int i) const;
    // The first item whose hot zone holds the screen point, or 0.
    int ItemFromPoint(POINT screen) const;
    int ItemFromCursor() const;

    // The item whose popup is open or pressed, and the item under the pointer; below 1 for none.
    int DownItem() const;
    int OverItem() const;
    // down: item i is down; not down: if item i is down, none is. The frame repaints.
    void SetDownItem(int i, bool down);
    void SetOverItem(int i);

    // Opens item i's popup under it and runs the menu loop, walking along the bar as the user asks,
    // then puts the popup items back. Does nothing while a loop runs already.
    void TrackItem(int i);

private:
    struct Impl;
    std::unique_ptr<Impl> m;
};

}  // namespace orvell::win
