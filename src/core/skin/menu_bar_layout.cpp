#include "skin/menu_bar_layout.h"

namespace orvell::skin {

namespace {
constexpr int kFirstX = 8;
constexpr int kTextTop = 2;
constexpr int kGap = 11;
constexpr int kHotMargin = 2;

Rect Offset(Rect r, int dx, int dy) {
    return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}
}  // namespace

std::vector<BarItem> LayOutBar(const std::vector<BarMenuItem>& items,
                               const std::function<TextSize(std::wstring_view)>& measure, int left,
                               int yOffset, int scale) {
    const int textTop = ScaledArt(kTextTop, scale);
    const int hotMargin = ScaledArt(kHotMargin, scale);
    std::vector<BarItem> bar;
    int x = ScaledArt(kFirstX, scale);
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (!items[i].opensPopup) {
            continue;
        }
        const TextSize size = measure(items[i].text);
        BarItem item;
        item.position = static_cast<int>(i);
        item.text = Rect{x, textTop, x + size.width, textTop + size.height};
        item.hot = Rect{item.text.left - hotMargin, item.text.top - hotMargin, item.text.right + hotMargin,
                        item.text.bottom + hotMargin};
        item.zone = Offset(item.hot, left, yOffset);
        bar.push_back(item);
        x += size.width + ScaledArt(kGap, scale);
    }
    return bar;
}

int ItemAt(const std::vector<BarItem>& items, Point barPoint) {
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (items[i].zone.Contains(barPoint)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

Point ScreenToBar(Point screen, Point windowTopLeft, int captionHeight) {
    return Point{screen.x - windowTopLeft.x, screen.y - windowTopLeft.y - captionHeight};
}

Rect BarToScreen(const Rect& zone, Point windowTopLeft, int captionHeight) {
    return Offset(zone, windowTopLeft.x, windowTopLeft.y + captionHeight);
}

BarItemLook LookOf(int item, int downItem, int overItem) {
    const bool down = item == downItem;
    const bool over = item == overItem;
    if (down && over) {
        return BarItemLook::Sunken;
    }
    return down || over ? BarItemLook::Raised : BarItemLook::Plain;
}

HoverStep HoverCheck(int itemUnderPointer, int overItem, int downItem, bool leftButtonDown) {
    HoverStep step{overItem, downItem, false, kHoverInterval};
    if (itemUnderPointer != step.overItem) {
        step.overItem = itemUnderPointer;
        step.repaint = true;
    }
    if (step.overItem < 1 && step.downItem < 1) {
        step.interval = 0;
        return step;
    }
    if (step.downItem > 0 && !leftButtonDown) {
        step.downItem = 0;
        step.repaint = true;
    }
    return step;
}

int NextItem(int from, bool backwards, int count) {
    if (count < 1) {
        return 0;
    }
    if (backwards) {
        return from - 1 < 1 ? count : from - 1;
    }
    return from + 1 > count ? 1 : from + 1;
}

}  // namespace orvell::skin
