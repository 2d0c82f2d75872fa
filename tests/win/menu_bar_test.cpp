// The drawn menu bar on a real window with a real menu: where its items are drawn and hit, Alt+letter,
// clicks and the walk along the bar through real popup loops, the owner-drawn popup items, and that
// nothing is left behind: the items as they were, no GDI objects, no hook on a destroyed window.
#include "skin/menu_bar.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dib_surface.h"
#include "gui_objects.h"
#include "platform/gdi.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::DibSurface;
using test_support::GdiObjects;
using test_support::PumpUntil;

// The main window's caption: 48 pixels, the bar in its lower half from x = 90.
constexpr int kCaption = 48;
constexpr int kLeft = 90;
constexpr Colour kText = Colour::Rgb(200, 0, 0);
constexpr Colour kOver = Colour::Rgb(0, 0, 200);
constexpr Colour kBack = Colour::Rgb(207, 203, 207);
constexpr Colour kPaper = Colour::Rgb(1, 2, 3);

enum : UINT { kOpen = 101, kChecked, kDisabled, kExit, kCopy = 201, kPaste, kStatus = 301, kGo = 900 };

MENUITEMINFOW Info(UINT mask) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

// Three popups with TAB shortcuts, a checked, a disabled item, a separator and an item carrying the
// program's own data, and a plain command between the first two that the bar does not draw.
unique_hmenu MakeMenu() {
    const HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, kOpen, L"&Open...\tCtrl+O");
    ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(file, MF_STRING | MF_CHECKED, kChecked, L"&Checked");
    ::AppendMenuW(file, MF_STRING | MF_GRAYED, kDisabled, L"&Disabled");
    ::AppendMenuW(file, MF_STRING, kExit, L"E&xit");
    MENUITEMINFOW data = Info(MIIM_DATA);
    data.dwItemData = 0xC0FFEE;
    ::SetMenuItemInfoW(file, kExit, FALSE, &data);
    const HMENU edit = ::CreatePopupMenu();
    ::AppendMenuW(edit, MF_STRING, kCopy, L"复制(&C)\tCtrl+C");
    ::AppendMenuW(edit, MF_STRING, kPaste, L"粘贴(&P)\tCtrl+V");
    const HMENU view = ::CreatePopupMenu();
    ::AppendMenuW(view, MF_STRING, kStatus, L"&Status bar");
    const HMENU bar = ::CreateMenu();
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"&File");
    ::AppendMenuW(bar, MF_STRING, kGo, L"&Go");
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), L"编辑(&E)");
    ::AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(view), L"&View");
    return unique_hmenu(bar);
}

// Every item as the window system holds it, but for the highlight a popup loop itself leaves.
std::vector<std::wstring> Snapshot(HMENU menu) {
    std::vector<std::wstring> items;
    for (int i = 0; i < ::GetMenuItemCount(menu); ++i) {
        wchar_t text[128] = {};
        MENUITEMINFOW info = Info(MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_DATA | MIIM_STRING);
        info.dwTypeData = text;
        info.cch = 128;
        ::GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        items.push_back(std::to_wstring(info.fType) + L"/" + std::to_wstring(info.fState & ~MFS_HILITE) +
                        L"/" + std::to_wstring(info.wID) + L"/" + std::to_wstring(info.dwItemData) + L"/" +
                        text);
        if (const HMENU sub = ::GetSubMenu(menu, i)) {
            const std::vector<std::wstring> inner = Snapshot(sub);
            items.insert(items.end(), inner.begin(), inner.end());
        }
    }
    return items;
}

// A popup window standing in for a skinned frame: it hands the bar its popups to draw, and keeps the
// popups opened and the commands chosen.
class MenuHost final : public Window {
public:
    bool Open() {
        WindowClass windowClass;
        windowClass.name = L"OrvellMenuBarTestHost";
        return Create(windowClass, WindowCreation{L"", WS_POPUP | WS_VISIBLE, 0, 100, 100, 400, 300});
    }

    cMenuBar* bar = nullptr;
    std::vector<HMENU> opened;
    std::vector<UINT> commands;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITMENUPOPUP && bar != nullptr) {
            opened.push_back(reinterpret_cast<HMENU>(wParam));
            bar->PreparePopup(reinterpret_cast<HMENU>(wParam));
        } else if (message == WM_COMMAND) {
            commands.push_back(LOWORD(wParam));
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

// Posts messages into the popup loops the bar runs, each once the popups it waits for have opened,
// from a thread timer (popup loops dispatch timers); a WM_MOUSEMOVE moves the pointer to its point
// first. After about three seconds it cancels whatever is open, so a failing test ends.
class LoopDriver {
public:
    struct Step {
        std::size_t afterOpened;
        UINT message;
        WPARAM wParam;
        POINT pointer{};
    };

    LoopDriver(MenuHost& host, std::vector<Step> steps) : m_host(host), m_steps(std::move(steps)) {
        s_driver = this;
        m_timer = ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR, DWORD) { s_driver->OnTick(); });
    }
    ~LoopDriver() {
        ::KillTimer(nullptr, m_timer);
        s_driver = nullptr;
    }
    LoopDriver(const LoopDriver&) = delete;
    LoopDriver& operator=(const LoopDriver&) = delete;

    // Every step was played, and nothing had to be cancelled.
    bool Played() const { return m_next == m_steps.size() && m_ticks <= 300; }

private:
    void OnTick() {
        if (++m_ticks > 300) {
            ::PostMessageW(m_host.Handle(), WM_CANCELMODE, 0, 0);
        } else if (m_next < m_steps.size() && m_host.opened.size() >= m_steps[m_next].afterOpened) {
            const Step& step = m_steps[m_next++];
            if (step.message == WM_MOUSEMOVE) {
                ::SetCursorPos(step.pointer.x, step.pointer.y);
            }
            ::PostMessageW(m_host.Handle(), step.message, step.wParam, 0);
        }
    }

    static inline LoopDriver* s_driver = nullptr;
    MenuHost& m_host;
    std::vector<Step> m_steps;
    std::size_t m_next = 0;
    int m_ticks = 0;
    UINT_PTR m_timer = 0;
};

POINT Centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// The pixels of a colour inside a rectangle of the surface.
std::vector<Point> PixelsIn(const DibSurface& surface, Colour colour, const RECT& r) {
    std::vector<Point> found = surface.PixelsOf(colour);
    std::erase_if(found,
                  [&](Point p) { return p.x < r.left || p.x >= r.right || p.y < r.top || p.y >= r.bottom; });
    return found;
}

class MenuBarTest : public testing::Test {
protected:
    void SetUp() override {
        ::GetCursorPos(&pointerWas);
        ASSERT_TRUE(host.Open());
        host.bar = &bar;
        bar.Attach(host.Handle());
        bar.hMenu(menu.Get());
        bar.CaptionHeight(kCaption);
        bar.SetMenuFont(controls::SongTi(9));
        bar.SetMenuColours(kText, kOver, Colour(0x808080), kBack);
        Render(bar, caption);
        before = Snapshot(menu.Get());
    }
    void TearDown() override { ::SetCursorPos(pointerWas.x, pointerWas.y); }

    // As the caption painter does: the bar in the lower half of the caption strip.
    static void Render(cMenuBar& menuBar, DibSurface& surface) {
        const unique_hfont font = MakeFont(controls::SongTi(9));
        menuBar.Render(font.Get(), surface.Dc(), kLeft, kCaption / 2, 300, kCaption / 2, 2 - kCaption / 2);
    }
    HMENU Popup(int position) const { return ::GetSubMenu(menu.Get(), position); }
    // An item's zone as rows of the caption strip, whose last row is just above bar y = 0.
    RECT OnStrip(int item) const {
        RECT zone = bar.ItemRect(item);
        ::OffsetRect(&zone, 0, kCaption);
        return zone;
    }

    POINT pointerWas{};
    unique_hmenu menu = MakeMenu();
    MenuHost host;
    cMenuBar bar;  // after the window: detached before the window goes
    DibSurface caption{400, kCaption, kPaper};
    std::vector<std::wstring> before;
};

TEST_F(MenuBarTest, ItemsAreDrawnAndHitWhereTheirZonesAreRaisedWhenHotAndSunkenWhenPressed) {
    ASSERT_EQ(bar.ItemCount(), 3);  // the plain command is not drawn
    // Every text pixel lies in a zone, every zone has text; the zones follow each other from x = 96.
    std::size_t inZones = 0;
    for (int i = 1; i <= 3; ++i) {
        const std::size_t here = PixelsIn(caption, kText, OnStrip(i)).size();
        EXPECT_GT(here, 0u) << i;
        inZones += here;
        if (i > 1) {
            EXPECT_EQ(bar.ItemRect(i).left - bar.ItemRect(i - 1).right, 7);
        }
    }
    EXPECT_EQ(inZones, caption.PixelsOf(kText).size());
    EXPECT_EQ(bar.ItemRect(1).left, kLeft + 6);
    EXPECT_EQ(caption.At(395, 40), kPaper);  // what the strip held shows round the texts

    // On the screen: the window's origin, with y = 0 at the caption's lower edge.
    RECT window{};
    ::GetWindowRect(host.Handle(), &window);
    RECT expected = bar.ItemRect(2);
    ::OffsetRect(&expected, window.left, window.top + kCaption);
    const RECT screen = bar.ItemScreenRect(2);
    EXPECT_TRUE(::EqualRect(&screen, &expected));
    EXPECT_EQ(bar.ItemFromPoint(Centre(screen)), 2);
    EXPECT_EQ(bar.ItemFromPoint({screen.left - 2, screen.top + 2}), 0);  // between two items

    bar.SetOverItem(2);
    DibSurface raised(400, kCaption, kPaper);
    Render(bar, raised);
    const std::vector<Point> over = raised.PixelsOf(kOver);
    ASSERT_FALSE(over.empty());
    EXPECT_EQ(PixelsIn(raised, kOver, OnStrip(2)).size(), over.size());
    EXPECT_TRUE(PixelsIn(raised, kText, OnStrip(2)).empty());
    bar.SetDownItem(2, true);
    DibSurface sunken(400, kCaption, kPaper);
    Render(bar, sunken);
    const std::vector<Point> pressed = sunken.PixelsOf(kOver);
    ASSERT_EQ(pressed.size(), over.size());
    EXPECT_EQ(pressed.front(), (Point{over.front().x + 1, over.front().y + 1}));
}

// An item held down stays down while the logical left button is: with the buttons swapped, the
// physical right one. (The window system here reports the swap but does not swap the input, so the
// physical button pressed is the one the swap makes the left.)
TEST_F(MenuBarTest, AnItemStaysDownWhileTheLogicalLeftButtonIsDownWhicheverButtonThatIs) {
    const struct {
        BOOL swapped;
        DWORD down, up;
        int key;
    } cases[] = {{FALSE, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP, VK_LBUTTON},
                 {TRUE, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP, VK_RBUTTON}};
    RECT window{};
    ::GetWindowRect(host.Handle(), &window);
    const POINT centre = Centre(window);
    ::SetCursorPos(centre.x, centre.y);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.swapped ? "swapped" : "as usual");
        ::SwapMouseButton(c.swapped);
        for (const DWORD flags : {c.down, c.up}) {
            INPUT input = test_support::MouseInput(flags);
            ASSERT_EQ(::SendInput(1, &input, sizeof input), 1u);
            const bool down = flags == c.down;
            PumpUntil([&] { return (::GetAsyncKeyState(c.key) < 0) == down; });
            test_support::PumpPending();
            if (down) {
                bar.SetDownItem(1, true);
            }
            ::SendMessageW(host.Handle(), WM_MOUSEMOVE, 0, 0);
            EXPECT_EQ(bar.DownItem() == 1, down);
        }
    }
    ::SwapMouseButton(FALSE);
}

TEST_F(MenuBarTest, AltLetterOpensItsPopupAndTheCommandChosenThereArrives) {
    EXPECT_FALSE(bar.HandleAltKey('G'));  // the plain command is not on the bar
    EXPECT_FALSE(bar.HandleAltKey('Q'));
    {
        const LoopDriver driver(host, {{1, WM_KEYDOWN, VK_DOWN}, {1, WM_KEYDOWN, VK_RETURN}});
        EXPECT_TRUE(bar.HandleAltKey('E'));
        EXPECT_TRUE(driver.Played());
    }
    EXPECT_EQ(host.opened, std::vector<HMENU>{Popup(2)});
    EXPECT_TRUE(PumpUntil([&] { return !host.commands.empty(); }));
    EXPECT_EQ(host.commands, std::vector<UINT>{kCopy});
    EXPECT_LT(bar.DownItem(), 1);
    EXPECT_EQ(Snapshot(menu.Get()), before);
}

TEST_F(MenuBarTest, AClickOpensAPopupAndRightLeftAndThePointerWalkAlongTheBarUntilEsc) {
    {
        const LoopDriver driver(host, {{1, WM_KEYDOWN, VK_RIGHT},
                                       {2, WM_KEYDOWN, VK_RIGHT},
                                       {3, WM_KEYDOWN, VK_RIGHT},
                                       {4, WM_KEYDOWN, VK_LEFT},
                                       {5, WM_MOUSEMOVE, 0, Centre(bar.ItemScreenRect(2))},
                                       {6, WM_KEYDOWN, VK_ESCAPE}});
        POINT click = Centre(bar.ItemScreenRect(1));
        ::ScreenToClient(host.Handle(), &click);
        ::SendMessageW(host.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(click.x, click.y));
        EXPECT_TRUE(driver.Played());
    }
    EXPECT_EQ(host.opened, (std::vector<HMENU>{Popup(0), Popup(2), Popup(3), Popup(0), Popup(3), Popup(2)}));
    test_support::PumpPending();
    EXPECT_TRUE(host.commands.empty());
    EXPECT_LT(bar.DownItem(), 1);
    EXPECT_EQ(Snapshot(menu.Get()), before);

    // Outside a popup loop the item under the pointer is hot until the hover timer sees it leave.
    const RECT item = bar.ItemScreenRect(3);
    ASSERT_TRUE(::SetCursorPos(Centre(item).x, Centre(item).y));
    ::SendMessageW(host.Handle(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(bar.OverItem(), 3);
    ASSERT_TRUE(::SetCursorPos(item.right + 300, item.bottom + 300));
    EXPECT_TRUE(PumpUntil([&] { return bar.OverItem() == 0; }));
}

TEST_F(MenuBarTest, PopupItemsAreMeasuredAndDrawnInTheSkinsColours) {
    const HMENU file = Popup(0);
    bar.PreparePopup(file);
    MEASUREITEMSTRUCT items[5] = {};
    for (UINT i = 0; i < 5; ++i) {
        MENUITEMINFOW info = Info(MIIM_FTYPE | MIIM_ID | MIIM_DATA);
        ::GetMenuItemInfoW(file, i, TRUE, &info);
        EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u) << i;
        items[i] = MEASUREITEMSTRUCT{ODT_MENU, 0, info.wID, 0, 0, info.dwItemData};
        ::SendMessageW(host.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&items[i]));
    }
    const MEASUREITEMSTRUCT& open = items[0];
    const MEASUREITEMSTRUCT& exit = items[4];
    // One caption column for the popup, the shortcut in a column of its own; a thin separator.
    EXPECT_EQ(items[1].itemHeight, 6u);
    EXPECT_EQ(items[2].itemWidth, exit.itemWidth);
    EXPECT_EQ(items[3].itemWidth, exit.itemWidth);
    EXPECT_GT(open.itemWidth, exit.itemWidth + 8);
    EXPECT_EQ(open.itemHeight, exit.itemHeight);
    EXPECT_GT(exit.itemHeight, 16u);
    // The letters typed in the drawn popup; the system menu's are left to the window.
    const auto menuChar = [&](wchar_t ch, UINT flags) {
        return ::SendMessageW(host.Handle(), WM_MENUCHAR, MAKEWPARAM(ch, flags),
                              reinterpret_cast<LPARAM>(file));
    };
    EXPECT_EQ(menuChar(L'x', MF_POPUP), MAKELRESULT(4, MNC_EXECUTE));
    EXPECT_NE(HIWORD(menuChar(L'q', MF_POPUP)), MNC_EXECUTE);
    EXPECT_NE(HIWORD(menuChar(L'x', MF_SYSMENU)), MNC_EXECUTE);

    const int width = static_cast<int>(open.itemWidth);
    const int height = static_cast<int>(open.itemHeight);
    const auto draw = [&](const MEASUREITEMSTRUCT& item, UINT state) {
        auto surface = std::make_unique<DibSurface>(width, height, kPaper);
        DRAWITEMSTRUCT draw{ODT_MENU,      0,
                            item.itemID,   ODA_DRAWENTIRE,
                            state,         reinterpret_cast<HWND>(file),
                            surface->Dc(), RECT{0, 0, width, height},
                            item.itemData};
        ::SendMessageW(host.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        return surface;
    };
    const Colour highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    const Colour shadow(::GetSysColor(COLOR_BTNSHADOW));
    const RECT whole{0, 0, width, height};

    const auto plain = draw(open, 0);
    EXPECT_EQ(plain->At(0, 0), kBack);
    const std::vector<Point> text = plain->PixelsOf(kText);
    ASSERT_FALSE(text.empty());
    const int leftmost =
        std::min_element(text.begin(), text.end(), [](Point a, Point b) { return a.x < b.x; })->x;
    EXPECT_TRUE(leftmost >= 24 && leftmost <= 26) << leftmost;
    // The shortcut column starts 8 pixels after the widest caption (the plain items' measure): nothing
    // drawn in the gap, the shortcut's first stroke right at the column.
    const int column = 24 + (static_cast<int>(exit.itemWidth) - 30) + 8;
    EXPECT_TRUE(PixelsIn(*plain, kText, RECT{column - 8, 0, column, height}).empty());
    EXPECT_FALSE(PixelsIn(*plain, kText, RECT{column, 0, column + 3, height}).empty());

    const auto disabled = draw(items[3], 0);
    EXPECT_TRUE(disabled->PixelsOf(kText).empty());
    EXPECT_FALSE(PixelsIn(*disabled, shadow, whole).empty());
    EXPECT_FALSE(PixelsIn(*disabled, highlight, whole).empty());

    const auto selected = draw(exit, ODS_SELECTED);
    EXPECT_TRUE(selected->PixelsOf(kText).empty());
    EXPECT_FALSE(selected->PixelsOf(kOver).empty());
    EXPECT_EQ(selected->At(2, height / 2), highlight);  // the raised edge
    EXPECT_EQ(selected->At(width - 3, height / 2), shadow);

    const auto checked = draw(items[2], 0);
    const RECT box{6, 4, 6 + (height - 8) + 1, height - 4};
    EXPECT_EQ(checked->At(box.left, box.top), shadow);  // the sunken box, the mark inside it
    EXPECT_FALSE(
        PixelsIn(*checked, kText, RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}).empty());

    bar.RestorePopups();
    EXPECT_EQ(Snapshot(menu.Get()), before);
}

TEST_F(MenuBarTest, PopupLoopsLeaveNoObjectsBehindAndAGoneWindowTakesTheBarsObjectsAlong) {
    const auto openAndClose = [&](int item) {
        host.opened.clear();
        const LoopDriver driver(host, {{1, WM_KEYDOWN, VK_ESCAPE}});
        bar.TrackItem(item);
        return driver.Played() && host.opened.size() == 1;
    };
    ASSERT_TRUE(openAndClose(1));  // the fonts and surface the bar keeps are made now
    const DWORD gdi = GdiObjects();
    ASSERT_GT(gdi, 0u);
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(openAndClose(1 + i % 3)) << i;
    }
    EXPECT_EQ(GdiObjects(), gdi);
    EXPECT_EQ(Snapshot(menu.Get()), before);

    // A second window's bar, hovered and drawn into, then the window destroyed under it.
    cMenuBar other;
    {
        MenuHost second;
        ASSERT_TRUE(second.Open());
        other.Attach(second.Handle());
        other.hMenu(menu.Get());
        DibSurface strip(400, kCaption, kPaper);
        Render(other, strip);
        ::SendMessageW(second.Handle(), WM_MOUSEMOVE, 0, 0);
        ASSERT_EQ(other.ItemCount(), 3);
    }
    EXPECT_EQ(other.ItemCount(), 0);
    EXPECT_EQ(GdiObjects(), gdi);
}

}  // namespace
}  // namespace orvell::win
