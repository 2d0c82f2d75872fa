// The drawn menu bar on a real window with a real menu: where its items are drawn and hit, Alt+letter
// and the walk along the bar through real popup loops, the owner-drawn popup items, and that nothing
// is left behind: the items as they were, no GDI or USER objects, no hook on a destroyed window.
#include "skin/menu_bar.h"

#include <windows.h>
#include <gtest/gtest.h>
#include <winternl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dib_surface.h"
#include "platform/gdi.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::DibSurface;
using test_support::PumpUntil;

// The main window's caption: 48 pixels, the bar in its lower half from x = 90.
constexpr int kCaption = 48;
constexpr int kLeft = 90;
constexpr Colour kText = Colour::Rgb(200, 0, 0);
constexpr Colour kOver = Colour::Rgb(0, 0, 200);
constexpr Colour kBack = Colour::Rgb(207, 203, 207);
constexpr Colour kPaper = Colour::Rgb(1, 2, 3);
constexpr ULONG_PTR kAppData = 0xC0FFEE;

enum : UINT { kOpen = 101, kChecked, kDisabled, kExit, kCopy = 201, kPaste, kStatus = 301, kGo = 900 };

MENUITEMINFOW Info(UINT mask) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = mask;
    return info;
}

// Three popups with TAB shortcuts, a checked, a disabled item and a separator, and a plain command
// between the first two that the bar does not draw.
unique_hmenu MakeMenu() {
    const HMENU file = ::CreatePopupMenu();
    ::AppendMenuW(file, MF_STRING, kOpen, L"&Open...\tCtrl+O");
    ::AppendMenuW(file, MF_SEPARATOR, 0, nullptr);
    ::AppendMenuW(file, MF_STRING | MF_CHECKED, kChecked, L"&Checked");
    ::AppendMenuW(file, MF_STRING | MF_GRAYED, kDisabled, L"&Disabled");
    ::AppendMenuW(file, MF_STRING, kExit, L"E&xit");
    MENUITEMINFOW data = Info(MIIM_DATA);
    data.dwItemData = kAppData;
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

// Every popup item as the window system holds it, but for the highlight the popup loop itself leaves.
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
            for (const std::wstring& item : Snapshot(sub)) {
                items.push_back(L"  " + item);
            }
        }
    }
    return items;
}

// The GDI objects alive in this process. Wine's GetGuiResources counts nothing, so where it answers 0
// they are counted in the GDI handle table the system maps into every process (the PEB's
// GdiSharedHandleTable, at 0xF8 in a 64-bit PEB): 24-byte entries, in use while the type byte at 14
// is set; Wine's table has 0x4000 of them.
DWORD GdiObjects() {
    const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS);
    if (counted > 0) {
        return counted;
    }
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr ||
        query(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr) != 0) {
        return 0;
    }
    const auto* peb = reinterpret_cast<const BYTE*>(basic.PebBaseAddress);
    const BYTE* table = *reinterpret_cast<const BYTE* const*>(peb + 0xF8);
    DWORD used = 0;
    for (int i = 0; table != nullptr && i < 0x4000; ++i) {
        used += table[i * 24 + 14] != 0 ? 1 : 0;
    }
    return used;
}

// A popup window as a frame hosts the bar: it hands the bar its popups to draw, and keeps the popups
// opened and the commands chosen.
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
        if (message == WM_INITMENUPOPUP) {
            opened.push_back(reinterpret_cast<HMENU>(wParam));
            if (bar != nullptr && HIWORD(lParam) == 0) {
                bar->PreparePopup(reinterpret_cast<HMENU>(wParam));
            }
            return 0;
        }
        if (message == WM_COMMAND) {
            commands.push_back(LOWORD(wParam));
            return 0;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

// Plays messages into the popup loops the bar runs, each once the popups it waits for have opened,
// from a thread timer (popup loops dispatch timers). After about three seconds it cancels whatever
// is open, so a test that goes wrong ends instead of hanging.
class LoopDriver {
public:
    // A WM_MOUSEMOVE step moves the pointer to its point first: the loop reads where the pointer is.
    struct Step {
        std::size_t afterOpened;
        UINT message;
        WPARAM wParam;
        POINT pointer{};
    };

    LoopDriver(MenuHost& host, std::vector<Step> steps) : m_host(host), m_steps(std::move(steps)) {
        s_driver = this;
        m_timer = ::SetTimer(nullptr, 0, 10, &Tick);
    }
    ~LoopDriver() {
        ::KillTimer(nullptr, m_timer);
        s_driver = nullptr;
    }
    LoopDriver(const LoopDriver&) = delete;
    LoopDriver& operator=(const LoopDriver&) = delete;

    bool TimedOut() const { return m_timedOut; }
    bool Done() const { return m_next == m_steps.size(); }

private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        if (s_driver != nullptr) {
            s_driver->OnTick();
        }
    }
    void OnTick() {
        if (++m_ticks > 300) {
            m_timedOut = true;
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
    bool m_timedOut = false;
    UINT_PTR m_timer = 0;
};

class MenuBarTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(host.Open());
        host.bar = &bar;
        bar.Attach(host.Handle());
        bar.hMenu(menu.Get());
        bar.CaptionHeight(kCaption);
        bar.SetMenuFont(controls::SongTi(9));
        bar.SetMenuColours(kText, kOver, Colour(0x808080), kBack);
        Render(caption);
        before = Snapshot(menu.Get());
    }

    // As the caption painter does: the bar in the lower half of the caption strip.
    void Render(DibSurface& surface) {
        const unique_hfont font = MakeFont(controls::SongTi(9));
        bar.Render(font.Get(), surface.Dc(), kLeft, kCaption / 2, 300, kCaption / 2, 2 - kCaption / 2);
    }
    HMENU Popup(int position) const { return ::GetSubMenu(menu.Get(), position); }

    unique_hmenu menu = MakeMenu();
    MenuHost host;
    cMenuBar bar;  // after the window: detached before the window goes
    DibSurface caption{400, kCaption, kPaper};
    std::vector<std::wstring> before;
};

// The pixels of a colour inside a rectangle of the surface.
std::vector<Point> PixelsIn(const DibSurface& surface, Colour colour, const RECT& r) {
    std::vector<Point> found;
    for (const Point& p : surface.PixelsOf(colour)) {
        if (p.x >= r.left && p.x < r.right && p.y >= r.top && p.y < r.bottom) {
            found.push_back(p);
        }
    }
    return found;
}

// A zone in bar coordinates as rows of the caption strip: the caption's lower edge is bar y = 0.
RECT OnStrip(RECT zone) {
    ::OffsetRect(&zone, 0, kCaption);
    return zone;
}

TEST_F(MenuBarTest, ItemsAreDrawnAndHitWhereTheirZonesAre) {
    ASSERT_EQ(bar.ItemCount(), 3);
    EXPECT_EQ(bar.ItemPopup(1), Popup(0));
    EXPECT_EQ(bar.ItemPopup(2), Popup(2));  // the plain command between them is not drawn
    EXPECT_EQ(bar.ItemPopup(3), Popup(3));
    EXPECT_EQ(bar.ItemPopup(4), nullptr);

    // Every text pixel lies in an item's zone, every zone has text, and the zones follow each other
    // from x = 96 with 7 pixels between them.
    const std::vector<Point> text = caption.PixelsOf(kText);
    ASSERT_FALSE(text.empty());
    std::size_t inZones = 0;
    for (int i = 1; i <= 3; ++i) {
        SCOPED_TRACE(i);
        const RECT zone = bar.ItemRect(i);
        const std::size_t here = PixelsIn(caption, kText, OnStrip(zone)).size();
        EXPECT_GT(here, 0u);
        inZones += here;
        EXPECT_GE(zone.top, -kCaption / 2);
        EXPECT_LE(zone.bottom, 0);
        if (i > 1) {
            EXPECT_EQ(zone.left - bar.ItemRect(i - 1).right, 7);
        }
    }
    EXPECT_EQ(inZones, text.size());
    EXPECT_EQ(bar.ItemRect(1).left, kLeft + 6);
    EXPECT_EQ(caption.At(395, 40), kPaper);  // what the strip held shows round the texts

    // On the screen: the window's origin with y = 0 at the caption's lower edge.
    RECT window{};
    ::GetWindowRect(host.Handle(), &window);
    RECT expected = bar.ItemRect(2);
    ::OffsetRect(&expected, window.left, window.top + kCaption);
    const RECT screen = bar.ItemScreenRect(2);
    EXPECT_TRUE(::EqualRect(&screen, &expected));
    EXPECT_EQ(bar.ItemFromPoint({(screen.left + screen.right) / 2, (screen.top + screen.bottom) / 2}), 2);
    EXPECT_EQ(bar.ItemFromPoint({screen.left - 2, screen.top + 2}), 0);  // between two items
}

TEST_F(MenuBarTest, TheHotItemIsRaisedAndThePressedOneSunken) {
    bar.SetOverItem(2);
    DibSurface raised(400, kCaption, kPaper);
    Render(raised);
    const std::vector<Point> over = raised.PixelsOf(kOver);
    ASSERT_FALSE(over.empty());
    EXPECT_EQ(PixelsIn(raised, kOver, OnStrip(bar.ItemRect(2))).size(), over.size());
    EXPECT_TRUE(PixelsIn(raised, kText, OnStrip(bar.ItemRect(2))).empty());
    EXPECT_FALSE(PixelsIn(raised, kText, OnStrip(bar.ItemRect(1))).empty());

    bar.SetDownItem(2, true);
    DibSurface sunken(400, kCaption, kPaper);
    Render(sunken);
    const std::vector<Point> pressed = sunken.PixelsOf(kOver);
    ASSERT_EQ(pressed.size(), over.size());
    for (std::size_t i = 0; i < over.size(); ++i) {
        ASSERT_EQ(pressed[i], (Point{over[i].x + 1, over[i].y + 1}));
    }
    bar.SetDownItem(2, false);
    bar.SetOverItem(-1);
    EXPECT_LT(bar.DownItem(), 1);
}

TEST_F(MenuBarTest, AltLetterOpensItsPopupAndTheCommandChosenThereArrives) {
    EXPECT_FALSE(bar.HandleAltKey('G'));  // the plain command is not on the bar
    EXPECT_FALSE(bar.HandleAltKey('Q'));
    EXPECT_TRUE(host.opened.empty());
    {
        LoopDriver driver(host, {{1, WM_KEYDOWN, VK_DOWN}, {1, WM_KEYDOWN, VK_RETURN}});
        EXPECT_TRUE(bar.HandleAltKey('E'));
        EXPECT_FALSE(driver.TimedOut());
    }
    EXPECT_EQ(host.opened, std::vector<HMENU>{Popup(2)});
    EXPECT_TRUE(PumpUntil([&] { return !host.commands.empty(); }));
    EXPECT_EQ(host.commands, std::vector<UINT>{kCopy});
    EXPECT_LT(bar.DownItem(), 1);
    EXPECT_EQ(Snapshot(menu.Get()), before);
}

POINT Centre(const RECT& r) {
    return POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// Puts the pointer back where it was, for the suites that follow.
class PointerKeeper {
public:
    PointerKeeper() { ::GetCursorPos(&m_was); }
    ~PointerKeeper() { ::SetCursorPos(m_was.x, m_was.y); }
    PointerKeeper(const PointerKeeper&) = delete;
    PointerKeeper& operator=(const PointerKeeper&) = delete;

private:
    POINT m_was{};
};

TEST_F(MenuBarTest, AClickOpensAPopupAndRightLeftAndThePointerWalkAlongTheBarUntilEsc) {
    const PointerKeeper pointer;
    {
        LoopDriver driver(host, {{1, WM_KEYDOWN, VK_RIGHT},
                                 {2, WM_KEYDOWN, VK_RIGHT},
                                 {3, WM_KEYDOWN, VK_RIGHT},
                                 {4, WM_KEYDOWN, VK_LEFT},
                                 {5, WM_MOUSEMOVE, 0, Centre(bar.ItemScreenRect(2))},
                                 {6, WM_KEYDOWN, VK_ESCAPE}});
        POINT click = Centre(bar.ItemScreenRect(1));
        ::ScreenToClient(host.Handle(), &click);
        ::SendMessageW(host.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(click.x, click.y));
        EXPECT_TRUE(driver.Done());
        EXPECT_FALSE(driver.TimedOut());
    }
    EXPECT_EQ(host.opened, (std::vector<HMENU>{Popup(0), Popup(2), Popup(3), Popup(0), Popup(3), Popup(2)}));
    test_support::PumpPending();
    EXPECT_TRUE(host.commands.empty());
    EXPECT_LT(bar.DownItem(), 1);
    EXPECT_EQ(Snapshot(menu.Get()), before);
}

TEST_F(MenuBarTest, TheItemUnderThePointerIsHotUntilThePointerLeaves) {
    const PointerKeeper pointer;
    const RECT item = bar.ItemScreenRect(3);
    ASSERT_TRUE(::SetCursorPos(Centre(item).x, Centre(item).y));
    ::SendMessageW(host.Handle(), WM_MOUSEMOVE, 0, 0);
    EXPECT_EQ(bar.OverItem(), 3);
    ASSERT_TRUE(::SetCursorPos(item.right + 300, item.bottom + 300));
    EXPECT_TRUE(PumpUntil([&] { return bar.OverItem() == 0; }));  // the hover timer sees it go
}

TEST_F(MenuBarTest, PopupItemsAreMeasuredAndDrawnInTheSkinsColours) {
    const HMENU file = Popup(0);
    bar.PreparePopup(file);
    struct Item {
        UINT id;
        ULONG_PTR data;
        SIZE size;
    };
    const auto item = [&](UINT position) {
        MENUITEMINFOW info = Info(MIIM_FTYPE | MIIM_ID | MIIM_DATA);
        ::GetMenuItemInfoW(file, position, TRUE, &info);
        EXPECT_NE(info.fType & MFT_OWNERDRAW, 0u) << position;
        MEASUREITEMSTRUCT measure{};
        measure.CtlType = ODT_MENU;
        measure.itemID = info.wID;
        measure.itemData = info.dwItemData;
        ::SendMessageW(host.Handle(), WM_MEASUREITEM, 0, reinterpret_cast<LPARAM>(&measure));
        return Item{info.wID, info.dwItemData,
                    SIZE{static_cast<LONG>(measure.itemWidth), static_cast<LONG>(measure.itemHeight)}};
    };
    const Item open = item(0);
    const Item separator = item(1);
    const Item checked = item(2);
    const Item disabled = item(3);
    const Item exit = item(4);
    // One caption column for the popup; the shortcut in a column of its own.
    EXPECT_EQ(separator.size.cy, 6);
    EXPECT_EQ(checked.size.cx, exit.size.cx);
    EXPECT_EQ(disabled.size.cx, exit.size.cx);
    EXPECT_GT(open.size.cx, exit.size.cx + 8);
    EXPECT_EQ(open.size.cy, exit.size.cy);
    EXPECT_GT(exit.size.cy, 8 + 8);
    // The keyboard's letters in the drawn popup, and the system menu left to the window.
    const auto menuChar = [&](wchar_t ch, UINT flags) {
        return ::SendMessageW(host.Handle(), WM_MENUCHAR, MAKEWPARAM(ch, flags),
                              reinterpret_cast<LPARAM>(file));
    };
    EXPECT_EQ(menuChar(L'x', MF_POPUP), MAKELRESULT(4, MNC_EXECUTE));
    EXPECT_EQ(menuChar(L'C', MF_POPUP), MAKELRESULT(2, MNC_EXECUTE));
    EXPECT_NE(HIWORD(menuChar(L'q', MF_POPUP)), MNC_EXECUTE);
    EXPECT_NE(HIWORD(menuChar(L'x', MF_SYSMENU)), MNC_EXECUTE);

    const int width = open.size.cx;
    const int height = open.size.cy;
    const auto draw = [&](const Item& it, UINT state) {
        auto surface = std::make_unique<DibSurface>(width, height, kPaper);
        DRAWITEMSTRUCT draw{};
        draw.CtlType = ODT_MENU;
        draw.itemID = it.id;
        draw.itemAction = ODA_DRAWENTIRE;
        draw.itemState = state;
        draw.hwndItem = reinterpret_cast<HWND>(file);
        draw.hDC = surface->Dc();
        draw.rcItem = RECT{0, 0, width, height};
        draw.itemData = it.data;
        ::SendMessageW(host.Handle(), WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&draw));
        return surface;
    };
    const Colour highlight(::GetSysColor(COLOR_BTNHIGHLIGHT));
    const Colour shadow(::GetSysColor(COLOR_BTNSHADOW));
    {
        SCOPED_TRACE("a plain item with a shortcut");
        const auto drawn = draw(open, 0);
        EXPECT_EQ(drawn->At(0, 0), kBack);
        EXPECT_EQ(drawn->At(width - 1, height - 1), kBack);
        const std::vector<Point> text = drawn->PixelsOf(kText);
        ASSERT_FALSE(text.empty());
        const int leftmost =
            std::min_element(text.begin(), text.end(), [](Point a, Point b) { return a.x < b.x; })->x;
        EXPECT_GE(leftmost, 24);
        EXPECT_LE(leftmost, 26);
        // The shortcut column starts 8 pixels after the widest caption (whose width the plain items
        // are measured by): nothing drawn in the gap, the shortcut's first stroke right at its start.
        const int column = 24 + (exit.size.cx - 30) + 8;
        EXPECT_TRUE(PixelsIn(*drawn, kText, RECT{column - 8, 0, column, height}).empty());
        EXPECT_FALSE(PixelsIn(*drawn, kText, RECT{column, 0, column + 3, height}).empty());
    }
    {
        SCOPED_TRACE("a disabled item");
        const auto drawn = draw(disabled, 0);
        EXPECT_TRUE(drawn->PixelsOf(kText).empty());
        EXPECT_FALSE(PixelsIn(*drawn, shadow, RECT{24, 0, width, height}).empty());
        EXPECT_FALSE(PixelsIn(*drawn, highlight, RECT{24, 0, width, height}).empty());
    }
    {
        SCOPED_TRACE("the highlighted item");
        const auto drawn = draw(exit, ODS_SELECTED);
        EXPECT_TRUE(drawn->PixelsOf(kText).empty());
        EXPECT_FALSE(drawn->PixelsOf(kOver).empty());
        EXPECT_EQ(drawn->At(2, height / 2), highlight);
        EXPECT_EQ(drawn->At(width - 3, height / 2), shadow);
        EXPECT_EQ(drawn->At(1, height / 2), kBack);
    }
    {
        SCOPED_TRACE("the checked item");
        const auto drawn = draw(checked, 0);
        const RECT box{6, 4, 6 + (height - 8) + 1, height - 4};
        EXPECT_EQ(drawn->At(box.left, box.top), shadow);  // the sunken box
        EXPECT_FALSE(
            PixelsIn(*drawn, kText, RECT{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1}).empty());
    }
    bar.RestorePopups();
    EXPECT_EQ(Snapshot(menu.Get()), before);
}

TEST_F(MenuBarTest, PopupLoopsLeaveNoObjectsBehindAndAGoneWindowTakesTheBarsHooksAlong) {
    const auto openAndClose = [&](int item) {
        host.opened.clear();
        const LoopDriver driver(host, {{1, WM_KEYDOWN, VK_ESCAPE}});
        bar.TrackItem(item);
        return !driver.TimedOut() && host.opened.size() == 1;
    };
    ASSERT_TRUE(openAndClose(1));  // the fonts and surfaces the bar keeps are made now
    const DWORD gdi = GdiObjects();
    ASSERT_GT(gdi, 0u);
    // USER objects are counted on Windows only (Wine answers 0 before and after).
    const DWORD user = ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
    for (int i = 0; i < 200; ++i) {
        ASSERT_TRUE(openAndClose(1 + i % 3)) << i;
    }
    EXPECT_EQ(GdiObjects(), gdi);
    EXPECT_EQ(::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS), user);
    EXPECT_EQ(Snapshot(menu.Get()), before);

    // A second window with its own bar, hovered and drawn into, then destroyed under it: the window's
    // procedure is its own again before it goes and the bar's objects are gone with it.
    const DWORD baseline = GdiObjects();
    cMenuBar other;
    {
        MenuHost second;
        ASSERT_TRUE(second.Open());
        const auto own = ::GetWindowLongPtrW(second.Handle(), GWLP_WNDPROC);
        other.Attach(second.Handle());
        other.hMenu(menu.Get());
        other.CaptionHeight(kCaption);
        DibSurface strip(400, kCaption, kPaper);
        const unique_hfont font = MakeFont(controls::SongTi(9));
        other.Render(font.Get(), strip.Dc(), kLeft, kCaption / 2, 300, kCaption / 2, 2 - kCaption / 2);
        ::SendMessageW(second.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        EXPECT_NE(::GetWindowLongPtrW(second.Handle(), GWLP_WNDPROC), own);
        other.Detach();
        EXPECT_EQ(::GetWindowLongPtrW(second.Handle(), GWLP_WNDPROC), own);
        other.Attach(second.Handle());
        other.Render(font.Get(), strip.Dc(), kLeft, kCaption / 2, 300, kCaption / 2, 2 - kCaption / 2);
    }
    EXPECT_EQ(other.ItemCount(), 0);
    EXPECT_EQ(GdiObjects(), baseline);
}

}  // namespace
}  // namespace orvell::win
