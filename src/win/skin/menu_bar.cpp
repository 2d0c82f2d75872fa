#include "skin/menu_bar.h"

#include <optional>
#include <string>
#include <vector>

#include "platform/gdi.h"
#include "platform/unique_handle.h"
#include "skin/c_timer.h"
#include "skin/mem_dc.h"
#include "skin/menu_bar_layout.h"
#include "skin/menu_bar_popups.h"
#include "skin/subclass.h"
#include "skin/toolbar_menu.h"

namespace orvell::win {

namespace {

// The window's messages the bar answers. WM_NCDESTROY lets it let go of the window when the window
// goes before the bar does.
constexpr UINT kBarMessages[] = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_DRAWITEM,
                                 WM_MEASUREITEM, WM_MENUCHAR,  WM_NCDESTROY};

RECT ToRECT(const Rect& r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

std::uintptr_t MenuKey(HMENU menu) {
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

std::optional<MenuItem> ReadItem(HMENU menu, UINT item, BOOL byPosition) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING;
    if (!::GetMenuItemInfoW(menu, item, byPosition, &info)) {
        return std::nullopt;
    }
    MenuItem read{info.fType, info.fState, info.wID, info.dwItemData, {}};
    if (info.cch > 0) {
        std::wstring text(info.cch + 1, L'\0');
        info.fMask = MIIM_STRING;
        info.dwTypeData = text.data();
        info.cch = static_cast<UINT>(text.size());
        if (::GetMenuItemInfoW(menu, item, byPosition, &info)) {
            text.resize(info.cch);
            read.text = std::move(text);
        }
    }
    return read;
}

bool HasText(UINT type) {
    return (type & (MFT_SEPARATOR | MFT_BITMAP)) == 0;
}

skin::TextSize Measure(HDC dc, std::wstring_view text, int height) {
    RECT r{0, 0, 0, height};
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return skin::TextSize{r.right - r.left, r.bottom - r.top};
}

void DrawLine(HDC dc, std::wstring_view text, RECT r, UINT flags) {
    ::DrawTextW(dc, text.data(), static_cast<int>(text.size()), &r, flags);
}

controls::FontDescription DefaultMenuFont() {
    controls::FontDescription font;
    font.name = L"MS Sans Serif";
    return font;
}

}  // namespace

struct cMenuBar::Impl final : ISubclass {
    explicit Impl(cMenuBar& bar) : self(bar) {}

    cMenuBar& self;
    HMENU menu = nullptr;
    HWND window = nullptr;
    int captionHeight = 0;

    std::vector<skin::BarItem> items;
    std::vector<HMENU> popups;
    std::vector<std::wstring> texts;
    int down = 0;
    int over = 0;
    Colour colours[4] = {Colour(0x000000), Colour(0x000000), Colour(0x808080), Colour(0xFFFFFF)};

    controls::FontDescription menuFontDescription = DefaultMenuFont();
    // Made when first needed and dropped on Detach, like the surface.
    unique_hfont menuFont;
    unique_hfont glyphFont;
    std::optional<cMemDC> surface;
    std::unique_ptr<CTimer> hoverTimer;
    // Shared with a running loop, so a detach from inside the loop leaves it something to return to.
    std::shared_ptr<cToolbarMenu> tracker;

    // Parallel: what each converted popup item was, by entry number - 1.
    skin::PopupEntries entries;
    std::vector<MenuItem> saved;
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
            menuFont = MakeFont(menuFontDescription);
        }
        return menuFont.Get();
    }
    HFONT GlyphFont() {
        if (!glyphFont) {
            controls::FontDescription glyph;
            glyph.name = std::wstring(skin::kGlyphFace);
            glyph.size = menuFontDescription.size * 1.2f;
            glyphFont = MakeFont(glyph);
        }
        return glyphFont.Get();
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
            hoverTimer->SetInterval(0);
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

LRESULT cMenuBar::Impl::WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    switch (iMsg) {
        case WM_LBUTTONDOWN:
            return OnLeftButtonDown(hWnd, wParam, lParam);
        case WM_MOUSEMOVE: {
            const LRESULT result = CallOldWindowProc(hWnd, iMsg, wParam, lParam);
            HoverCheck();
            return result;
        }
        // Only the items the bar made owner-drawn are its own: controls and the window's own owner-drawn
        // items stay the window's.
        case WM_MEASUREITEM: {
            auto* measure = reinterpret_cast<MEASUREITEMSTRUCT*>(lParam);
            if (measure != nullptr && measure->CtlType == ODT_MENU) {
                if (const skin::PopupEntry* entry = EntryFor(measure->itemData, measure->itemID)) {
                    return OnMeasureItem(*entry, *measure);
                }
            }
            return CallOldWindowProc(hWnd, iMsg, wParam, lParam);
        }
        case WM_DRAWITEM: {
            const auto* draw = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            if (draw != nullptr && draw->CtlType == ODT_MENU) {
                if (const skin::PopupEntry* entry = EntryFor(draw->itemData, draw->itemID)) {
                    return OnDrawItem(*entry, *draw);
                }
            }
            return CallOldWindowProc(hWnd, iMsg, wParam, lParam);
        }
        case WM_MENUCHAR:
            if ((HIWORD(wParam) & MF_SYSMENU) == 0) {
                const std::uint32_t found = entries.MenuChar(MenuKey(reinterpret_cast<HMENU>(lParam)),
                                                             static_cast<wchar_t>(LOWORD(wParam)));
                if (found > 0) {
                    return static_cast<LRESULT>(found);
                }
            }
            return CallOldWindowProc(hWnd, iMsg, wParam, lParam);
        case WM_NCDESTROY: {
            const LRESULT result = CallOldWindowProc(hWnd, iMsg, wParam, lParam);
            self.Detach();
            return result;
        }
        default:
            return CallOldWindowProc(hWnd, iMsg, wParam, lParam);
    }
}

void cMenuBar::Impl::HoverCheck() {
    const int under = self.ItemFromCursor();
    if (!hoverTimer) {
        hoverTimer = std::make_unique<CTimer>();
        hoverTimer->ThatTime = [this] { HoverCheck(); };
    }
    const skin::HoverStep step = skin::HoverCheck(under, over, down, ::GetAsyncKeyState(VK_LBUTTON) < 0);
    over = step.overItem;
    down = step.downItem;
    if (step.repaint) {
        Repaint();
    }
    try {
        hoverTimer->SetInterval(step.interval);
    } catch (const SubclassError&) {
        // Without a timer the hot item only cools down at the next pointer movement.
    }
}

LRESULT cMenuBar::Impl::OnLeftButtonDown(HWND hWnd, WPARAM wParam, LPARAM lParam) {
    const LRESULT result = CallOldWindowProc(hWnd, WM_LBUTTONDOWN, wParam, lParam);
    // The press's own point: the pointer may have moved on by the time the message is handled.
    POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    ::ClientToScreen(hWnd, &at);
    const int item = self.ItemFromPoint(at);
    if (item != down) {
        down = item;
        Repaint();
    }
    if (item > 0) {
        self.TrackItem(item);
    }
    return result;
}

LRESULT cMenuBar::Impl::OnMeasureItem(const skin::PopupEntry& entry, MEASUREITEMSTRUCT& measure) const {
    const skin::ItemSize size = skin::MeasurePopupItem(entry, itemHeight);
    measure.itemWidth = static_cast<UINT>(size.width);
    measure.itemHeight = static_cast<UINT>(size.height);
    return TRUE;
}

LRESULT cMenuBar::Impl::OnDrawItem(const skin::PopupEntry& entry, const DRAWITEMSTRUCT& draw) {
    const int width = draw.rcItem.right - draw.rcItem.left;
    const int height = draw.rcItem.bottom - draw.rcItem.top;
    const HDC dc = Surface(width, height);
    if (dc == nullptr || width <= 0 || height <= 0) {
        return TRUE;
    }
    const SelectGuard font(dc, MenuFont());
    const unique_hbrush background(::CreateSolidBrush(ToColorRef(colours[3])));
    const RECT whole{0, 0, width, height};
    ::FillRect(dc, &whole, background.Get());
    ::SetBkMode(dc, TRANSPARENT);

    const std::optional<MenuItem> item =
        ReadItem(reinterpret_cast<HMENU>(entry.menu), static_cast<UINT>(entry.position), TRUE);
    // What the system says about this drawing counts as well as the item's stored state.
    UINT state = item ? item->state : 0;
    state |= (draw.itemState & ODS_SELECTED) != 0 ? MFS_HILITE : 0;
    state |= (draw.itemState & (ODS_GRAYED | ODS_DISABLED)) != 0 ? MFS_GRAYED : 0;
    state |= (draw.itemState & ODS_CHECKED) != 0 ? MFS_CHECKED : 0;
    const skin::PopupItemLook look = skin::PopupItemLookOf(item ? item->type : 0, state);
    const skin::PopupItemPlaces places = skin::PlacePopupItem(width, height, entry.captionWidth);

    if (look.separator) {
        RECT band = ToRECT(places.separatorBand);
        ::DrawEdge(dc, &band, BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM);
    } else {
        const COLORREF text = ToColorRef(look.highlighted ? colours[1] : colours[0]);
        if (look.checked) {
            RECT box = ToRECT(places.checkBox);
            ::DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
            const SelectGuard glyph(dc, GlyphFont());
            ::SetTextColor(dc, text);
            DrawLine(dc, skin::CheckGlyph(look.radio), box, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        }
        const auto drawTexts = [&](int dx, int dy) {
            const UINT flags = DT_SINGLELINE | DT_VCENTER;
            RECT caption = ToRECT(places.caption);
            ::OffsetRect(&caption, dx, dy);
            DrawLine(dc, entry.text.caption, caption, flags);
            if (!entry.text.shortcut.empty()) {
                RECT shortcut = ToRECT(places.shortcut);
                ::OffsetRect(&shortcut, dx, dy);
                DrawLine(dc, entry.text.shortcut, shortcut, flags);
            }
        };
        if (look.disabled) {
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNHIGHLIGHT));
            drawTexts(1, 1);
            ::SetTextColor(dc, ::GetSysColor(COLOR_BTNSHADOW));
            drawTexts(0, 0);
        } else {
            ::SetTextColor(dc, text);
            drawTexts(0, 0);
        }
        if (look.Edge()) {
            RECT edge = ToRECT(places.edge);
            ::DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
        }
    }
    ::BitBlt(draw.hDC, draw.rcItem.left, draw.rcItem.top, width, height, dc, 0, 0, SRCCOPY);
    return TRUE;
}

cMenuBar::cMenuBar() : m(std::make_unique<Impl>(*this)) {}

cMenuBar::~cMenuBar() {
    Detach();
}

void cMenuBar::hMenu(HMENU hTheMenu) {
    m->menu = hTheMenu;
}

HMENU cMenuBar::hMenu() const {
    return m->menu;
}

void cMenuBar::Attach(HWND lhWnd) {
    // No window-update lock here: attaching draws nothing, and releasing a lock would release the
    // caption painter's, which holds one round its whole attach.
    Detach();
    try {
        m->window = lhWnd;
        m->tracker = std::make_shared<cToolbarMenu>();
        m->tracker->Attach(lhWnd, this);
        for (const UINT message : kBarMessages) {
            AttachMessage(m.get(), lhWnd, message);
        }
    } catch (...) {
        Detach();
        throw;
    }
}

void cMenuBar::Detach() {
    if (m->window != nullptr) {
        for (const UINT message : kBarMessages) {
            DetachMessage(m.get(), m->window, message);
        }
    }
    if (m->tracker) {
        m->tracker->Detach();
        m->tracker.reset();
    }
    m->hoverTimer.reset();
    m->surface.reset();
    m->menuFont.Reset();
    m->glyphFont.Reset();
    m->items.clear();
    m->popups.clear();
    m->texts.clear();
    m->down = 0;
    m->over = 0;
    m->window = nullptr;
}

void cMenuBar::CaptionHeight(int lHeight) {
    m->captionHeight = lHeight;
}

void cMenuBar::Render(HFONT hFnt, HDC lhDC, int lLeft, int lTop, int lWidth, int lHeight, int lYoffset) {
    m->items.clear();
    m->popups.clear();
    m->texts.clear();
    if (m->menu == nullptr) {
        return;
    }
    const HDC dc = m->Surface(lWidth, lHeight);
    const int count = ::GetMenuItemCount(m->menu);
    if (dc == nullptr || count < 1) {
        return;
    }
    const SelectGuard font(dc, hFnt);
    ::BitBlt(dc, 0, 0, lWidth, lHeight, lhDC, lLeft, lTop + 2, SRCCOPY);
    ::SetBkMode(dc, TRANSPARENT);

    std::vector<skin::BarMenuItem> menuItems;
    for (int i = 0; i < count; ++i) {
        const std::optional<MenuItem> item = ReadItem(m->menu, static_cast<UINT>(i), TRUE);
        menuItems.push_back({item ? item->text : std::wstring(), ::GetSubMenu(m->menu, i) != nullptr});
    }
    m->items = skin::LayOutBar(
        menuItems, [&](std::wstring_view text) { return Measure(dc, text, lHeight); }, lLeft, lYoffset);

    for (std::size_t k = 0; k < m->items.size(); ++k) {
        const skin::BarItem& item = m->items[k];
        const std::wstring& text = menuItems[static_cast<std::size_t>(item.position)].text;
        const skin::BarItemLook look = skin::LookOf(static_cast<int>(k) + 1, m->down, m->over);
        ::SetTextColor(dc, ToColorRef(look == skin::BarItemLook::Plain ? m->colours[0] : m->colours[1]));
        RECT hot = ToRECT(item.hot);
        RECT where = ToRECT(item.text);
        if (look == skin::BarItemLook::Sunken) {
            ::DrawEdge(dc, &hot, BDR_SUNKENOUTER, BF_RECT);
            ::OffsetRect(&where, 1, 1);
        } else if (look == skin::BarItemLook::Raised) {
            ::DrawEdge(dc, &hot, BDR_RAISEDINNER, BF_RECT);
        }
        DrawLine(dc, text, where, DT_SINGLELINE);
        m->popups.push_back(::GetSubMenu(m->menu, item.position));
        m->texts.push_back(text);
    }
    ::BitBlt(lhDC, lLeft, lTop + 2, lWidth, lHeight, dc, 0, 0, SRCCOPY);
}

void cMenuBar::SetMenuFont(const controls::FontDescription& font) {
    m->menuFontDescription = font;
    m->menuFont.Reset();
    m->glyphFont.Reset();
}

void cMenuBar::SetMenuColours(Colour activeMenuColor, Colour activeMenuColorOver, Colour inActiveMenuColor,
                              Colour menuBackgroundColor) {
    m->colours[0] = activeMenuColor;
    m->colours[1] = activeMenuColorOver;
    m->colours[2] = inActiveMenuColor;
    m->colours[3] = menuBackgroundColor;
}

bool cMenuBar::HandleAltKey(int vKey) {
    const int item = skin::AltKeyItem(m->texts, vKey);
    if (item == 0 || !m->tracker || m->tracker->Busy()) {
        return false;
    }
    SetDownItem(item, true);
    TrackItem(item);
    return true;
}

void cMenuBar::PreparePopup(HMENU popup) {
    const int count = popup != nullptr ? ::GetMenuItemCount(popup) : -1;
    const HDC dc = m->Surface(1, 1);
    if (count < 1 || dc == nullptr) {
        return;
    }
    const bool seen = m->entries.BeginPopup(MenuKey(popup));
    const SelectGuard font(dc, m->MenuFont());
    // The item height follows the texts measured; a separator's missing text does not count.
    const auto measure = [&](const std::wstring& text) {
        if (text.empty()) {
            return 0;
        }
        const skin::TextSize size = Measure(dc, text, 0);
        m->itemHeight = size.height;
        return size.width;
    };
    for (int i = 0; i < count; ++i) {
        const std::optional<MenuItem> item = ReadItem(popup, static_cast<UINT>(i), TRUE);
        if (!item || (item->type & MFT_OWNERDRAW) != 0) {
            continue;
        }
        skin::PopupEntry entry;
        entry.menu = MenuKey(popup);
        entry.position = i;
        entry.commandId = item->id;
        entry.separator = (item->type & MFT_SEPARATOR) != 0;
        if (HasText(item->type)) {
            entry.text = skin::ParsePopupText(item->text);
            entry.captionTextWidth = measure(entry.text.caption);
            entry.shortcutTextWidth = measure(entry.text.shortcut);
        }
        const int number = m->entries.Record(entry, seen);
        m->saved.resize(static_cast<std::size_t>(m->entries.Count()));
        m->saved[static_cast<std::size_t>(number) - 1] = *item;

        MENUITEMINFOW owned{};
        owned.cbSize = sizeof owned;
        owned.fMask = MIIM_FTYPE | MIIM_DATA;
        owned.fType = item->type | MFT_OWNERDRAW;
        owned.dwItemData = static_cast<ULONG_PTR>(number);
        ::SetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &owned);
    }
    m->entries.FinishPopup(MenuKey(popup));
}

void cMenuBar::RestorePopups() {
    const std::vector<skin::PopupEntry>& all = m->entries.All();
    for (std::size_t i = 0; i < all.size() && i < m->saved.size(); ++i) {
        const auto menu = reinterpret_cast<HMENU>(all[i].menu);
        const auto position = static_cast<UINT>(all[i].position);
        // Only an item that still carries its entry number is ours to put back.
        const std::optional<MenuItem> now = ReadItem(menu, position, TRUE);
        if (!now || now->data != i + 1 || (now->type & MFT_OWNERDRAW) == 0) {
            continue;
        }
        MenuItem& was = m->saved[i];
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE | MIIM_DATA;
        info.fType = was.type;
        info.dwItemData = was.data;
        if (HasText(was.type)) {
            info.fMask |= MIIM_STRING;
            info.dwTypeData = was.text.data();
        }
        ::SetMenuItemInfoW(menu, position, TRUE, &info);
    }
    m->entries.Clear();
    m->saved.clear();
}

int cMenuBar::ItemCount() const {
    return static_cast<int>(m->items.size());
}

HMENU cMenuBar::ItemPopup(int i) const {
    return i >= 1 && i <= ItemCount() ? m->popups[static_cast<std::size_t>(i) - 1] : nullptr;
}

RECT cMenuBar::ItemRect(int i) const {
    return i >= 1 && i <= ItemCount() ? ToRECT(m->items[static_cast<std::size_t>(i) - 1].zone) : RECT{};
}

RECT cMenuBar::ItemScreenRect(int i) const {
    if (i < 1 || i > ItemCount() || m->window == nullptr) {
        return RECT{};
    }
    return ToRECT(skin::BarToScreen(m->items[static_cast<std::size_t>(i) - 1].zone, m->WindowTopLeft(),
                                    m->captionHeight));
}

int cMenuBar::ItemFromPoint(POINT screen) const {
    if (m->window == nullptr || m->items.empty()) {
        return 0;
    }
    return skin::ItemAt(m->items,
                        skin::ScreenToBar({screen.x, screen.y}, m->WindowTopLeft(), m->captionHeight));
}

int cMenuBar::ItemFromCursor() const {
    POINT cursor{};
    return ::GetCursorPos(&cursor) ? ItemFromPoint(cursor) : 0;
}

int cMenuBar::DownItem() const {
    return m->down;
}

int cMenuBar::OverItem() const {
    return m->over;
}

void cMenuBar::SetDownItem(int i, bool down) {
    if (down) {
        m->down = i;
    } else if (m->down == i) {
        m->down = -1;
    }
    m->Repaint();
}

void cMenuBar::SetOverItem(int i) {
    m->over = i;
    m->Repaint();
}

void cMenuBar::TrackItem(int i) {
    if (!m->tracker || m->tracker->Busy()) {
        return;
    }
    m->StopHoverTimer();
    const std::shared_ptr<cToolbarMenu> tracker = m->tracker;
    tracker->TrackPopups(i);
    RestorePopups();
}

}  // namespace orvell::win
