#pragma once

// What the drawn menu bar's two source files share: its state and the small conversions both use.
// Only menu_bar.cpp (the bar) and menu_bar_owner_draw.cpp (its popup items) include it.

#include <optional>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/unique_handle.h"
#include "skin/c_timer.h"
#include "skin/mem_dc.h"
#include "skin/menu_bar.h"
#include "skin/menu_bar_layout.h"
#include "skin/menu_bar_popups.h"
#include "skin/subclass.h"
#include "skin/toolbar_menu.h"

namespace orvell::win {

namespace menu_bar_detail {

inline RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

inline std::uintptr_t MenuKey(HMENU menu) {
    return reinterpret_cast<std::uintptr_t>(menu);
}

// A menu item as the bar reads it: all of its text, however long, so that putting it back is exact.
struct MenuItem {
    UINT type = 0;
    UINT state = 0;
    UINT id = 0;
    ULONG_PTR data = 0;
    std::wstring text;
};

std::optional<MenuItem> ReadItem(HMENU menu, UINT item, BOOL byPosition);

inline bool HasText(UINT type) {
    return (type & (MFT_SEPARATOR | MFT_BITMAP)) == 0;
}

inline skin::TextSize Measure(HDC dc, std::wstring_view text, int height) {
    RECT r{0, 0, 0, height};
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return skin::TextSize{r.right - r.left, r.bottom - r.top};
}

inline void DrawLine(HDC dc, std::wstring_view text, RECT r, UINT flags) {
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, flags);
}

inline controls::FontDescription DefaultMenuFont() {
    controls::FontDescription font;
    font.name = L"MS Sans Serif";
    return font;
}

}  // namespace menu_bar_detail

struct cMenuBar::Impl final : ISubclass {
    explicit Impl(cMenuBar& bar) : self(bar) {}

    cMenuBar& self;
    HMENU menu = nullptr;
    HWND window = nullptr;
    int captionHeight = 0;
    int dpi = 96;
    int artScale = 100;

    std::vector<skin::BarItem> items;
    std::vector<HMENU> popups;
    std::vector<std::wstring> texts;
    int down = 0;
    int over = 0;
    Colour colours[4] = {Colour(0x000000), Colour(0x000000), Colour(0x808080), Colour(0xFFFFFF)};

    controls::FontDescription menuFontDescription = menu_bar_detail::DefaultMenuFont();
    // Made when first needed and dropped on Detach, like the surface.
    unique_hfont menuFont;
    std::optional<cMemDC> surface;
    std::unique_ptr<CTimer> hoverTimer;
    // Shared with a running loop, so a detach from inside the loop leaves it something to return to.
    std::shared_ptr<cToolbarMenu> tracker;

    // Parallel: what each converted popup item was, by entry number - 1.
    skin::PopupEntries entries;
    std::vector<menu_bar_detail::MenuItem> saved;
    int itemHeight = 0;

    EMsgResponse MsgResponse() override { return mrConsume; }
    LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override;

    HDC Surface(int width, int height) {
        if (!surface) {
            surface.emplace();
        }
        surface->Grow(width, height);
        return surface->hdc();
    }
    HFONT MenuFont() {
        if (!menuFont) {
            menuFont = MakeFont(menuFontDescription, dpi);
        }
        return menuFont.Get();
    }

    void Repaint() const {
        if (window != nullptr) {
            ::SendMessageW(window, WM_NCPAINT, 1, 0);
        }
    }
    Point WindowTopLeft() const {
        RECT r{};
        ::GetWindowRect(window, &r);
        return Point{r.left, r.top};
    }
    void StopHoverTimer() {
        if (hoverTimer) {
            hoverTimer->Interval(0);
        }
    }
    void HoverCheck();
    const skin::PopupEntry* EntryFor(ULONG_PTR data, UINT id) const {
        const skin::PopupEntry* entry = entries.Entry(data);
        return entry != nullptr && entry->commandId == id ? entry : nullptr;
    }
    LRESULT OnLeftButtonDown(HWND hWnd, WPARAM wParam, LPARAM lParam);
    LRESULT OnMeasureItem(const skin::PopupEntry& entry, MEASUREITEMSTRUCT& measure) const;
    LRESULT OnDrawItem(const skin::PopupEntry& entry, const DRAWITEMSTRUCT& draw);
};

}  // namespace orvell::win
