#include "skin/menu_bar.h"

namespace orvell::win {

// The first shape of the bar: its interface for the caption painter, drawing nothing yet.
struct cMenuBar::Impl {
    HMENU menu = nullptr;
    HWND window = nullptr;
    int captionHeight = 0;
};

cMenuBar::cMenuBar() : m(std::make_unique<Impl>()) {}
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
    m->window = lhWnd;
}
void cMenuBar::Detach() {
    m->window = nullptr;
}
void cMenuBar::CaptionHeight(int lHeight) {
    m->captionHeight = lHeight;
}
void cMenuBar::Render(HFONT, HDC, int, int, int, int, int) {}
void cMenuBar::SetMenuFont(const controls::FontDescription&) {}
void cMenuBar::SetMenuColours(Colour, Colour, Colour, Colour) {}
bool cMenuBar::HandleAltKey(int) {
    return false;
}
void cMenuBar::PreparePopup(HMENU) {}
void cMenuBar::RestorePopups() {}
int cMenuBar::ItemCount() const {
    return 0;
}
HMENU cMenuBar::ItemPopup(int) const {
    return nullptr;
}
RECT cMenuBar::ItemRect(int) const {
    return RECT{};
}
RECT cMenuBar::ItemScreenRect(int) const {
    return RECT{};
}
int cMenuBar::ItemFromPoint(POINT) const {
    return 0;
}
int cMenuBar::ItemFromCursor() const {
    return 0;
}
int cMenuBar::DownItem() const {
    return 0;
}
int cMenuBar::OverItem() const {
    return 0;
}
void cMenuBar::SetDownItem(int, bool) {}
void cMenuBar::SetOverItem(int) {}
void cMenuBar::TrackItem(int) {}

}  // namespace orvell::win
