#include "skin/menu_bar_impl.h"

namespace orvell::win {

using namespace menu_bar_detail;

namespace {

// The window's messages the bar answers. WM_NCDESTROY lets it let go of the window when the window
// goes before the bar does.
constexpr UINT kBarMessages[] = {WM_LBUTTONDOWN, WM_MOUSEMOVE, WM_DRAWITEM,
                                 WM_MEASUREITEM, WM_MENUCHAR,  WM_NCDESTROY};

// The logical left button, the one the bar's messages call left: with the buttons swapped (the
// left-handed setting) it is the physical right one. The hover timer asks between messages, so the
// state is the device's, which knows nothing of the swap.
bool PrimaryButtonDown() {
    const int button = ::GetSystemMetrics(SM_SWAPBUTTON) != 0 ? VK_RBUTTON : VK_LBUTTON;
    return ::GetAsyncKeyState(button) < 0;
}

}  // namespace

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
    const skin::HoverStep step = skin::HoverCheck(under, over, down, PrimaryButtonDown());
    over = step.overItem;
    down = step.downItem;
    if (step.repaint) {
        Repaint();
    }
    try {
        hoverTimer->Interval(step.interval);
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

void cMenuBar::SetDpi(int dpi, int artScale) {
    m->dpi = dpi;
    m->artScale = artScale;
    m->menuFont.Reset();
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
    // The surface starts a little below the placement, as the placement's y offset counts it.
    const int top = lTop + skin::ScaledArt(2, m->artScale);
    ::BitBlt(dc, 0, 0, lWidth, lHeight, lhDC, lLeft, top, SRCCOPY);
    ::SetBkMode(dc, TRANSPARENT);

    std::vector<skin::BarMenuItem> menuItems;
    for (int i = 0; i < count; ++i) {
        const std::optional<MenuItem> item = ReadItem(m->menu, static_cast<UINT>(i), TRUE);
        menuItems.push_back({item ? item->text : std::wstring(), ::GetSubMenu(m->menu, i) != nullptr});
    }
    m->items = skin::LayOutBar(
        menuItems, [&](std::wstring_view text) { return Measure(dc, text, lHeight); }, lLeft, lYoffset,
        m->artScale);

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
    ::BitBlt(lhDC, lLeft, top, lWidth, lHeight, dc, 0, 0, SRCCOPY);
}

void cMenuBar::SetMenuFont(const controls::FontDescription& font) {
    m->menuFontDescription = font;
    m->menuFont.Reset();
}

void cMenuBar::SetMenuColours(Colour activeMenuColor, Colour activeMenuColorOver, Colour inActiveMenuColor,
                              Colour menuBackgroundColor) {
    m->colours[0] = activeMenuColor;
    m->colours[1] = activeMenuColorOver;
    m->colours[2] = inActiveMenuColor;
    m->colours[3] = menuBackgroundColor;
}

bool cMenuBar::TakesAltKey(int vKey) const {
    return skin::AltKeyItem(m->texts, vKey) != 0 && m->tracker && !m->tracker->Busy();
}

bool cMenuBar::HandleAltKey(int vKey) {
    if (!TakesAltKey(vKey)) {
        return false;
    }
    const int item = skin::AltKeyItem(m->texts, vKey);
    SetDownItem(item, true);
    TrackItem(item);
    return true;
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
