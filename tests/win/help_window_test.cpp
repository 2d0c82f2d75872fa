// The Help window opened for real: its captions, pages and places in each language, the tab strip
// switching the pages by mouse and keys, and the ways out. Then the main window's ways in, to Help and
// About alike: the menu bar's keys, the tray menu and the hotkey setting window, each with the menu
// items and the hotkey as they stand while the window is open and after every way out.
#include "windows/help_window.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "platform/dpi.h"
#include "platform/text_file.h"
#include "test_registry_key.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using help::HelpPage;
using test_support::PumpPending;
using test_support::PumpUntil;
using Control = HelpWindow::Control;

Rect Bounds(HWND window, HWND in) {
    RECT r{};
    ::GetWindowRect(window, &r);
    ::MapWindowPoints(HWND_DESKTOP, in, reinterpret_cast<POINT*>(&r), 2);
    return Rect{r.left, r.top, r.right, r.bottom};
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    ::GetClassNameW(window, name, 64);
    return name;
}

// Presses a drawn title bar's close button as the mouse does.
void PressClose(const BForm& bar) {
    const Rect& close = bar.Plan().closeButton.target;
    const LPARAM at = MAKELPARAM(close.left + 9, close.top + 9);
    ::SendMessageW(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(bar.Handle(), WM_LBUTTONUP, 0, at);
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_owner.Open());
        m_window.SetOnClosed([this] { ++m_closings; });
    }
    void Open(std::int32_t language, HelpPage page = HelpPage::Description) {
        m_settings.values[L"Language"] = language;
        ASSERT_TRUE(m_window.Open(m_owner.Handle(), m_settings, page));
        ::SetForegroundWindow(m_window.Handle());
        PumpPending();
    }
    HWND Child(Control control) const { return m_window.Child(control); }
    // The page shown, by the text box that is visible, and the tab the strip has selected.
    std::pair<int, int> Shown() const {
        int visible = 0;
        for (int page = 1; page <= 3; ++page) {
            if (::IsWindowVisible(Child(static_cast<Control>(static_cast<int>(Control::Text1) + page - 1)))) {
                visible = visible == 0 ? page : -1;
            }
        }
        return {visible,
                static_cast<int>(::SendMessageW(Child(Control::TabStrip1), TCM_GETCURSEL, 0, 0)) + 1};
    }
    void Chord(const std::vector<WORD>& keys) {
        ASSERT_TRUE(test_support::SendChord(keys));
        PumpPending();
    }

    app::MemorySettingsStore m_settings;  // before the window: its title bar reads it to the end
    test_support::HostWindow m_owner;
    HelpWindow m_window;
    int m_closings = 0;
};

TEST_F(HelpWindowTest, CaptionsPagesAndPlacesFollowTheStoredLanguage) {
    const TwipsScale scale = TwipsScale::ForScreen();
    const auto pixels = [&](const Rect& r) { return scale.Bounds(r.left, r.top, r.Width(), r.Height()); };
    for (const std::int32_t language : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << "Language " << language);
        const help::HelpCaptions captions = help::HelpCaptionsFor(language);
        Open(language);
        const HWND window = m_window.Handle();
        EXPECT_EQ(ClassOf(window), L"OrvellHelp");
        EXPECT_FALSE(::IsWindowEnabled(m_owner.Handle())) << "modal";
        EXPECT_EQ(::GetFocus(), Child(Control::TabStrip1));
        EXPECT_EQ(GetText(window), captions.caption);
        EXPECT_EQ(GetText(m_window.BForm1().Handle()), captions.caption);
        EXPECT_EQ(GetText(Child(Control::Command1)), captions.exit);
        for (int tab = 0; tab < 3; ++tab) {
            wchar_t text[64] = {};
            TCITEMW item{};
            item.mask = TCIF_TEXT;
            item.pszText = text;
            item.cchTextMax = 64;
            ::SendMessageW(Child(Control::TabStrip1), TCM_GETITEMW, tab, reinterpret_cast<LPARAM>(&item));
            EXPECT_EQ(std::wstring(text), captions.tabs[static_cast<std::size_t>(tab)]);
            const HWND page = Child(static_cast<Control>(static_cast<int>(Control::Text1) + tab));
            EXPECT_EQ(GetText(page), help::HelpPageText(help::HelpPageFromTab(tab + 1)))
                << "page " << tab + 1;
            EXPECT_EQ((::GetWindowLongW(page, GWL_STYLE) & WS_VSCROLL) != 0, tab < 2) << "page " << tab + 1;
            EXPECT_EQ(Bounds(page, window), pixels(help::kPageBox));
        }
        EXPECT_EQ(Shown(), (std::pair{1, 1}));
        EXPECT_EQ(Bounds(Child(Control::TabStrip1), window), pixels(help::kTabStrip1Box));
        EXPECT_EQ(Bounds(Child(Control::Frame1), window), pixels(help::kFrame1Box));
        EXPECT_EQ(Bounds(Child(Control::Command1), window), pixels(help::kHelpCommand1Box));
        const int width = scale.X(help::kHelpClientWidth);
        const int left = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
        EXPECT_EQ(Bounds(window, HWND_DESKTOP).left, left) << "centred";
        m_window.Close();
        PumpPending();
    }
    EXPECT_EQ(m_closings, 3);
    EXPECT_TRUE(::IsWindowEnabled(m_owner.Handle()));
}

// The hotkey window's way in shows the shortcuts first; the strip's own keys, Ctrl+Tab from anywhere
// and a click on a tab switch the pages, and Tab walks the strip, the page and the exit button.
TEST_F(HelpWindowTest, TheTabStripShowsThePageItNames) {
    Open(1, HelpPage::Shortcuts);
    EXPECT_EQ(Shown(), (std::pair{2, 2}));
    const struct {
        std::vector<WORD> keys;
        int page;
    } rows[] = {
        {{VK_RIGHT}, 3},
        {{VK_LEFT}, 2},
        {{VK_CONTROL, VK_TAB}, 3},
        {{VK_CONTROL, VK_TAB}, 1},
        {{VK_CONTROL, VK_SHIFT, VK_TAB}, 3},
    };
    for (const auto& row : rows) {
        Chord(row.keys);
        EXPECT_EQ(Shown(), (std::pair{row.page, row.page})) << "after key " << row.keys.back();
    }
    RECT first{};
    ::SendMessageW(Child(Control::TabStrip1), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    const LPARAM at = MAKELPARAM(first.left + 4, first.top + 4);
    ::SendMessageW(Child(Control::TabStrip1), WM_LBUTTONDOWN, MK_LBUTTON, at);
    ::SendMessageW(Child(Control::TabStrip1), WM_LBUTTONUP, 0, at);
    EXPECT_EQ(Shown(), (std::pair{1, 1})) << "clicked";

    ::SetFocus(Child(Control::TabStrip1));
    for (const Control next : {Control::Text1, Control::Command1, Control::TabStrip1}) {
        Chord({VK_TAB});
        EXPECT_EQ(::GetFocus(), Child(next)) << "Tab to control " << static_cast<int>(next);
    }
    Chord({VK_SHIFT, VK_TAB});
    EXPECT_EQ(::GetFocus(), Child(Control::Command1));
}

TEST_F(HelpWindowTest, EveryWayOutClosesItAndGivesTheOwnerBack) {
    const std::function<void()> ways[] = {
        [this] { ::SendMessageW(Child(Control::Command1), BM_CLICK, 0, 0); },
        [this] { PressClose(m_window.BForm1()); },
        [this] { Chord({VK_ESCAPE}); },
        [this] {
            Chord({VK_MENU, 'E'});
        },
    };
    for (std::size_t i = 0; i < std::size(ways); ++i) {
        Open(static_cast<std::int32_t>(i % 2));
        ways[i]();
        EXPECT_TRUE(PumpUntil([&] { return !m_window.IsOpen(); })) << "way " << i;
        EXPECT_EQ(m_closings, static_cast<int>(i) + 1);
        EXPECT_TRUE(::IsWindowEnabled(m_owner.Handle())) << "way " << i;
    }
}

BOOL WINAPI NoTray(DWORD, PNOTIFYICONDATAW) {
    return TRUE;
}

class SecondaryWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<MainWindow>(MainWindowServices{
            m_settings, m_runKeys, m_files, L"C:\\orvell.exe", [](HWND, const std::wstring&) {}, &NoTray});
        ASSERT_TRUE(m_window->Open());
        ::SetForegroundWindow(m_window->Handle());
        Pump();
        ASSERT_TRUE(PumpUntil([&] { return m_window->Hotkey().IsRegistered(); }));
    }
    // The program's loop: its shortcuts before the usual translation.
    void Pump() {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (!m_window->PreTranslate(message)) {
                ::TranslateMessage(&message);
                ::DispatchMessageW(&message);
            }
        }
    }
    void Command(UINT id) { ::SendMessageW(m_window->Handle(), WM_COMMAND, id, 0); }
    void Key(WORD key) {
        ASSERT_TRUE(test_support::SendChord({key}));
        Pump();
    }
    // Whether the shortcut menu's item is checked and greyed.
    std::pair<bool, bool> Item(UINT id) const {
        return {m_window->Menus().IsChecked(id), !m_window->Menus().IsEnabled(id)};
    }

    test_support::TestKey m_settingsKey{L"SecondaryWindowsSettings"};
    test_support::TestKey m_machineRun{L"SecondaryWindowsMachineRun"};
    test_support::TestKey m_userRun{L"SecondaryWindowsUserRun"};
    RegistrySettingsStore m_settings{HKEY_CURRENT_USER, m_settingsKey.Path()};
    RegistryRunKeys m_runKeys{HKEY_CURRENT_USER, m_machineRun.Path(), HKEY_CURRENT_USER, m_userRun.Path()};
    ExeFolderTextFiles m_files;
    std::unique_ptr<MainWindow> m_window;
};

// Each way in with each way out: the hotkey is off while the window is open and back after it; the
// menu bar's items check and grey the tray menu's item of the same window until it closes; a second
// request from the tray menu brings the open window to the front.
TEST_F(SecondaryWindowsTest, EachWayInAndOutOfHelpAndAbout) {
    using namespace menu_id;
    enum class Which { Help, About };
    const struct {
        const char* name;
        std::function<void()> open;
        Which which;
        UINT trayItem;
        bool marksTrayItem;
    } ways[] = {
        {"F1", [this] { Key(VK_F1); }, Which::Help, kHelpTopic0, true},
        {"tray Help", [this] { Command(kHelpTopic0); }, Which::Help, kHelpTopic0, false},
        {"F2", [this] { Key(VK_F2); }, Which::About, kHelpTopic1, true},
        {"tray About", [this] { Command(kHelpTopic1); }, Which::About, kHelpTopic1, false},
    };
    for (const auto& way : ways) {
        for (int out = 0; out < 3; ++out) {
            SCOPED_TRACE(testing::Message() << way.name << ", way out " << out);
            ::SetForegroundWindow(m_window->Handle());
            way.open();
            ModalWindow& opened =
                way.which == Which::Help ? static_cast<ModalWindow&>(m_window->Help()) : m_window->About();
            ASSERT_TRUE(opened.IsOpen());
            const HWND handle = opened.Handle();
            EXPECT_EQ(::GetWindow(handle, GW_OWNER), m_window->Handle());
            EXPECT_FALSE(m_window->Hotkey().IsRegistered()) << "suspended while open";
            EXPECT_EQ(Item(way.trayItem), (std::pair{way.marksTrayItem, way.marksTrayItem}));
            if (way.which == Which::Help) {
                EXPECT_EQ(m_window->Help().Page(), HelpPage::Description);
            }
            Command(way.trayItem);
            EXPECT_EQ(opened.Handle(), handle) << "the open one, brought to the front";

            const BForm& bar =
                way.which == Which::Help ? m_window->Help().BForm1() : m_window->About().BForm1();
            if (out == 0) {
                opened.Close();
            } else if (out == 1) {
                PressClose(bar);
            } else {
                ::SetForegroundWindow(handle);
                Key(VK_ESCAPE);
            }
            ASSERT_TRUE(PumpUntil([&] { return !opened.IsOpen(); }));
            Pump();
            EXPECT_EQ(Item(way.trayItem), (std::pair{false, false}));
            EXPECT_TRUE(m_window->Hotkey().IsRegistered()) << "resumed";
            EXPECT_TRUE(::IsWindowEnabled(m_window->Handle()));
        }
    }
}

// A double click on the hotkey setting window opens the shortcuts page over it; the hotkey stays off
// until the setting window has closed too.
TEST_F(SecondaryWindowsTest, TheHotkeyWindowOpensTheShortcutsOverItself) {
    Command(menu_id::kHideKey);
    HotkeyWindow& setting = m_window->HotkeySetting();
    ASSERT_TRUE(setting.IsOpen());
    ::SendMessageW(setting.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 40));
    HelpWindow& help = m_window->Help();
    ASSERT_TRUE(help.IsOpen());
    EXPECT_EQ(help.Page(), HelpPage::Shortcuts);
    EXPECT_EQ(::GetWindow(help.Handle(), GW_OWNER), setting.Handle());
    EXPECT_FALSE(::IsWindowEnabled(setting.Handle())) << "modal over the setting window";
    EXPECT_EQ(Item(menu_id::kHelpTopic0), (std::pair{false, false}));
    help.Close();
    Pump();
    EXPECT_TRUE(::IsWindowEnabled(setting.Handle()));
    EXPECT_FALSE(m_window->Hotkey().IsRegistered()) << "the setting window is still open";
    setting.Close();
    Pump();
    EXPECT_TRUE(m_window->Hotkey().IsRegistered());
}

}  // namespace
}  // namespace orvell::win
