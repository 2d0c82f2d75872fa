#include <algorithm>

#include "skin/menu_bar_impl.h"

// The bar's popup items: made owner-drawn for one menu loop, measured and drawn in the skin's colours,
// and put back exactly as they were.

namespace orvell::win {

using namespace menu_bar_detail;

namespace {

// A check item's tick or a radio item's dot, drawn with shapes sized from the box round it, so the
// marks need no symbol font on the machine.
void DrawMark(HDC dc, const RECT& box, bool radio, COLORREF colour) {
    const int side = std::min(box.right - box.left, box.bottom - box.top) - 2;  // inside the box's edge
    if (side < 3) {
        return;
    }
    const int centreX = (box.left + box.right) / 2;
    const int centreY = (box.top + box.bottom) / 2;
    const unique_hpen pen(::CreatePen(PS_SOLID, 1, colour));
    const unique_hbrush brush(::CreateSolidBrush(colour));
    const SelectGuard selectedPen(dc, pen.Get());
    const SelectGuard selectedBrush(dc, brush.Get());
    if (radio) {
        const int radius = std::max(1, side / 4);
        ::Ellipse(dc, centreX - radius, centreY - radius, centreX + radius + 1, centreY + radius + 1);
        return;
    }
    // The tick of a 7-pixel square at the usual item height, three pixels thick: a short stroke down
    // to the right, then a long one up; larger boxes scale it whole.
    const int unit = std::max(1, side / 9);
    const int left = centreX - 3 * unit;
    const int top = centreY - 7 * unit / 2;
    for (int row = 0; row < 3 * unit; ++row) {
        const POINT tick[] = {{left, top + 2 * unit + row},
                              {left + 2 * unit, top + 4 * unit + row},
                              {left + 6 * unit + 1, top - 1 + row}};
        ::Polyline(dc, tick, 3);
    }
}

}  // namespace

std::optional<MenuItem> menu_bar_detail::ReadItem(HMENU menu, UINT item, BOOL byPosition) {
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

LRESULT cMenuBar::Impl::OnMeasureItem(const skin::PopupEntry& entry, MEASUREITEMSTRUCT& measure) const {
    const skin::ItemSize size = skin::MeasurePopupItem(entry, itemHeight, artScale);
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
    const skin::PopupItemPlaces places = skin::PlacePopupItem(width, height, entry.captionWidth, artScale);

    if (look.separator) {
        RECT band = ToRECT(places.separatorBand);
        ::DrawEdge(dc, &band, BDR_SUNKENOUTER, BF_TOP | BF_BOTTOM);
    } else {
        const COLORREF text = ToColorRef(look.highlighted ? colours[1] : colours[0]);
        if (look.checked) {
            RECT box = ToRECT(places.checkBox);
            ::DrawEdge(dc, &box, BDR_SUNKENOUTER, BF_RECT);
            DrawMark(dc, box, look.radio, text);
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

}  // namespace orvell::win
