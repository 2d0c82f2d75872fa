// The Help window opened for real: its captions, pages and places in each language and the tab strip
// switching the pages. Then the main window's ways in, to Help and About alike (the menu bar's keys,
// the tray menu, the hotkey setting window), each with every way out: the menu items and the hotkey
// while the window is open and after.
#include "windows/help_window.h"

#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "main_window_world.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using help::HelpPage;
using test_support::BoundsIn;
using test_support::PumpPending;
using test_support::PumpUntil;
using Control = HelpWindow::Control;

void Chord(const std::vector<WORD>& keys) {
    ASSERT_TRUE(test_support::SendChord(keys));
    PumpPending();
}

class HelpWindowTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_owner.Open()); }
    void Open(std::int32_t language, HelpPage page = HelpPage::Description) {
        m_settings.values[L"Language"] = language;
        ASSERT_TRUE(m_window.Open(m_owner.Handle(), m_settings, page));
        ::SetForegroundWindow(m_window.Handle());
        PumpPending();
    }
    HWND Child(Control control) const { return m_window.Child(control); }
    HWND Text(int page) const {
        return Child(static_cast<Control>(static_cast<int>(Control::Text1) + page - 1));
    }
    // The page whose text box alone is visible (0 for none or several), and the tab selected.
    std::pair<int, int> Shown() const {
        int visible = 0;
        for (int page = 1; page <= 3; ++page) {
            if (::IsWindowVisible(Text(page))) {
                visible = visible == 0 ? page : -1;
            }
        }
        return {visible,
                static_cast<int>(::SendMessageW(Child(Control::TabStrip1), TCM_GETCURSEL, 0, 0)) + 1};
    }

    app::MemorySettingsStore m_settings;  // before the window: its title bar reads it to the end
    test_support::HostWindow m_owner;
    HelpWindow m_window;
};

TEST_F(HelpWindowTest, CaptionsPagesAndPlacesFollowTheStoredLanguage) {
    const TwipsScale scale = TwipsScale::ForScreen();
    const auto pixels = [&](const Rect& r) { return scale.Bounds(r.left, r.top, r.Width(), r.Height()); };
    for (const std::int32_t language : {0, 1, 2}) {
        SCOPED_TRACE(testing::Message() << "Language " << language);
        const help::HelpCaptions captions = help::HelpCaptionsFor(language);
        Open(language);
        const HWND window = m_window.Handle();
        wchar_t name[32] = {};
        ::GetClassNameW(window, name, 32);
        EXPECT_EQ(std::wstring(name) + L"|" + GetText(window) + L"|" + GetText(m_window.TitleBar().Handle()) +
                      L"|" + GetText(Child(Control::Command1)),
                  L"OrvellHelp|" + std::wstring(captions.caption) + L"|" + std::wstring(captions.caption) +
                      L"|" + std::wstring(captions.exit));
        EXPECT_EQ(Shown(), (std::pair{1, 1}));
        for (int page = 1; page <= 3; ++page) {
            wchar_t tab[64] = {};
            TCITEMW item{TCIF_TEXT, 0, 0, tab, 64, 0, 0};
            ::SendMessageW(Child(Control::TabStrip1), TCM_GETITEMW, page - 1,
                           reinterpret_cast<LPARAM>(&item));
            EXPECT_EQ(std::wstring(tab), captions.tabs[static_cast<std::size_t>(page - 1)]);
            EXPECT_EQ(GetText(Text(page)), help::HelpPageText(help::HelpPageFromTab(page)));
            EXPECT_EQ((::GetWindowLongW(Text(page), GWL_STYLE) & WS_VSCROLL) != 0, page < 3)
                << "page " << page;
            EXPECT_EQ(BoundsIn(Text(page), window), pixels(help::kPageBox));
        }
        EXPECT_EQ(BoundsIn(Child(Control::Command1), window), pixels(help::kHelpCommand1Box));
        m_window.Close();
    }
}

// The strip's own keys, Ctrl+Tab from anywhere and a click on a tab switch the pages; Tab walks the
// strip, the page and the exit button.
TEST_F(HelpWindowTest, TheTabStripShowsThePageItNames) {
    Open(1, HelpPage::Shortcuts);
    EXPECT_EQ(Shown(), (std::pair{2, 2}));
    // The action after a Ctrl key's tab stands where the one after the spaces does, in any font.
    const std::wstring& table = help::HelpPageText(HelpPage::Shortcuts);
    const auto x = [&](const wchar_t* text) {
        const auto at = ::SendMessageW(Text(2), EM_POSFROMCHAR, table.find(text), 0);
        return static_cast<short>(LOWORD(at));
    };
    EXPECT_NEAR(x(L"显示 Delphi"), x(L"打开“文件”"), 1);
    const std::pair<std::vector<WORD>, int> rows[] = {{{VK_RIGHT}, 3},
                                                      {{VK_LEFT}, 2},
                                                      {{VK_CONTROL, VK_TAB}, 3},
                                                      {{VK_CONTROL, VK_TAB}, 1},
                                                      {{VK_CONTROL, VK_SHIFT, VK_TAB}, 3}};
    for (const auto& [keys, page] : rows) {
        Chord(keys);
        EXPECT_EQ(Shown(), (std::pair{page, page})) << "after key " << keys.back();
    }
    RECT first{};
    ::SendMessageW(Child(Control::TabStrip1), TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&first));
    test_support::Click(Child(Control::TabStrip1), {first.left + 4, first.top + 4});
    EXPECT_EQ(Shown(), (std::pair{1, 1})) << "clicked";
    for (const Control next : {Control::Text1, Control::Command1, Control::TabStrip1}) {
        Chord({VK_TAB});
        EXPECT_EQ(::GetFocus(), Child(next)) << "Tab to control " << static_cast<int>(next);
    }
}

class SecondaryWindowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<MainWindow>(m_world.Services());
        ASSERT_TRUE(m_window->Open());
        ASSERT_TRUE(PumpUntil([&] { return m_window->Hotkey().IsRegistered(); }));
    }
    // A key typed, then the program's loop over it.
    void Key(WORD key) {
        ASSERT_TRUE(test_support::SendChord({key}));
        test_support::PumpAsTheProgramDoes(*m_window);
    }
    void Command(UINT id) { ::SendMessageW(m_window->Handle(), WM_COMMAND, id, 0); }
    // Whether the tray menu's item is checked, and greyed.
    std::pair<bool, bool> Item(UINT id) const {
        return {m_window->Menus().IsChecked(id), !m_window->Menus().IsEnabled(id)};
    }

    test_support::MainWindowWorld m_world{L"SecondaryWindows"};
    std::unique_ptr<MainWindow> m_window;
};

// The hotkey is off while the window is open and back after; the menu bar's keys check and grey the
// tray menu's item of the same window until it closes; the tray's item brings an open window to the
// front.
TEST_F(SecondaryWindowsTest, EachWayInWithEachWayOutOfHelpAndAbout) {
    using namespace menu_id;
    const struct {
        std::function<void()> open;
        bool help;
        UINT trayItem;
        bool marked;
    } ways[] = {{[this] { Key(VK_F1); }, true, kHelpTopic0, true},
                {[this] { Command(kHelpTopic0); }, true, kHelpTopic0, false},
                {[this] { Key(VK_F2); }, false, kHelpTopic1, true},
                {[this] { Command(kHelpTopic1); }, false, kHelpTopic1, false}};
    // Esc, and the exit button by its access key. (The title bar's close button and Alt+F4 are the
    // shared window host's, which the hotkey setting window's suite closes by each way.)
    const std::vector<WORD> outs[] = {{VK_ESCAPE}, {VK_MENU, 'E'}};
    for (std::size_t in = 0; in < std::size(ways); ++in) {
        for (std::size_t out = 0; out < std::size(outs); ++out) {
            SCOPED_TRACE(testing::Message() << "way in " << in << ", way out " << out);
            ::SetForegroundWindow(m_window->Handle());
            ways[in].open();
            const SecondaryWindow& opened =
                ways[in].help ? static_cast<SecondaryWindow&>(m_window->Help()) : m_window->About();
            ASSERT_TRUE(opened.IsOpen());
            const HWND handle = opened.Handle();
            EXPECT_FALSE(m_window->Hotkey().IsRegistered()) << "suspended while open";
            EXPECT_EQ(Item(ways[in].trayItem), (std::pair{ways[in].marked, ways[in].marked}));
            Command(ways[in].trayItem);
            EXPECT_EQ(opened.Handle(), handle) << "the open one, brought to the front";
            Chord(outs[out]);
            ASSERT_TRUE(PumpUntil([&] { return !opened.IsOpen(); }));
            EXPECT_EQ(Item(ways[in].trayItem), (std::pair{false, false}));
            EXPECT_TRUE(m_window->Hotkey().IsRegistered()) << "resumed";
        }
    }
}

// A double click on the hotkey setting window opens Help on the shortcuts over it (its modality is
// the tray's suite's); with Help open already, under the setting window, Help turns to the shortcuts
// and the keys stay with the setting window on top.
TEST_F(SecondaryWindowsTest, TheHotkeyWindowShowsTheShortcutsInHelp) {
    HelpWindow& help = m_window->Help();
    HotkeyWindow& setting = m_window->HotkeySetting();
    Command(menu_id::kHideKey);
    ::SendMessageW(setting.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 40));
    ASSERT_TRUE(help.IsOpen());
    EXPECT_EQ(help.Page(), HelpPage::Shortcuts);
    EXPECT_EQ(::GetWindow(help.Handle(), GW_OWNER), setting.Handle());
    help.Close();
    setting.Close();

    Command(menu_id::kHelpTopic0);
    ASSERT_EQ(help.Page(), HelpPage::Description);
    Command(menu_id::kHideKeySetting0);
    ASSERT_EQ(::GetWindow(setting.Handle(), GW_OWNER), help.Handle());
    ::SendMessageW(setting.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 40));
    EXPECT_EQ(help.Page(), HelpPage::Shortcuts);
    EXPECT_TRUE(::IsWindowVisible(help.Child(HelpWindow::Control::Text2)));
    EXPECT_EQ(::GetForegroundWindow(), setting.Handle());
    setting.Close();
    help.Close();
    EXPECT_TRUE(::IsWindowEnabled(m_window->Handle()));
}

}  // namespace
}  // namespace orvell::win
