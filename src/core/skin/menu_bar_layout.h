#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/geometry.h"
#include "skin/art_scale.h"

namespace orvell::skin {

// A top-level item of the menu as the drawn bar sees it.
struct BarMenuItem {
    std::wstring text;
    bool opensPopup = false;
};

struct TextSize {
    int width = 0;
    int height = 0;
};

// A drawn bar item. The text and hot rectangles are on the bar's own surface; the zone is the hot
// rectangle in bar coordinates, where points are compared with it.
struct BarItem {
    int position = 0;  // in the menu
    Rect text;
    Rect hot;
    Rect zone;
    friend bool operator==(const BarItem&, const BarItem&) = default;
};

// Only items that open a popup are drawn, from x = 8 on, each text at y = 2, one after the other with
// 11 pixels between a text's width and the next one's start, every length at the caption's art scale
// (kArtScales). measure gives a text's single-line size.
std::vector<BarItem> LayOutBar(const std::vector<BarMenuItem>& items,
                               const std::function<TextSize(std::wstring_view)>& measure, int left,
                               int yOffset, int scale = 100);

// The first item (numbered from 1) whose zone holds the point in bar coordinates, or 0.
int ItemAt(const std::vector<BarItem>& items, Point barPoint);

// Bar coordinates are the window's, with y = 0 at the caption's lower edge: the points the popups open
// from and the points the pointer is compared at.
Point ScreenToBar(Point screen, Point windowTopLeft, int captionHeight);
Rect BarToScreen(const Rect& zone, Point windowTopLeft, int captionHeight);

// How a bar item is drawn: plain text, raised (hot or open) or sunken (open and under the pointer,
// its text moved one pixel down and right).
enum class BarItemLook { Plain, Raised, Sunken };
BarItemLook LookOf(int item, int downItem, int overItem);

// One pass of the hover check, run on pointer movement over the window and on the hover timer.
struct HoverStep {
    int overItem = 0;
    int downItem = 0;
    bool repaint = false;
    int interval = 0;  // the hover timer's new interval: 0 stops it
    friend bool operator==(const HoverStep&, const HoverStep&) = default;
};
inline constexpr int kHoverInterval = 50;
// Item numbers below 1 mean none. The timer runs while the pointer is over an item or an item is down;
// an item held down by a button that was let go outside the bar is released.
HoverStep HoverCheck(int itemUnderPointer, int overItem, int downItem, bool leftButtonDown);

// The neighbour of item from along the bar (1 .. count), wrapping at both ends; 0 without items.
int NextItem(int from, bool backwards, int count);

}  // namespace orvell::skin
