// Keys typed into the main window as a user types them (SendInput, through the program's own
// message loop): Tab walks the controls, and the shortcut keys work wherever the pointer is.
#include <windows.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "keyboard/hotkey_window.h"
#include "keyboard/key_code_test_window.h"
#include "main_window_world.h"
#include "platform/text_file.h"
#include "test_registry_key.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using Control = MainWindow::Control;
using test_support::TestKey;

class MainWindowKeysTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_window = std::make_unique<MainWindow>(m_world.Services());
        ASSERT_TRUE(m_window->Open());
        ::SetForegroundWindow(m_window->Handle());
        Pump();
    }

    void Pump() { test_support::PumpAsTheProgramDoes(*m_window); }
    void Type(const std::vector<WORD>& keys) {
        ASSERT_TRUE(test_support::SendChord(keys));
        Pump();
    }
    HWND Child(Control control) const { return m_window->Child(control); }

    test_support::MainWindowWorld m_world{L"MainWindowKeys"};
    std::unique_ptr<MainWindow> m_window;
};

// An option group is one stop, on its chosen option; the read-only boxes, labels and frames are none.
TEST_F(MainWindowKeysTest, TabAndShiftTabWalkTheControlsInDesignOrder) {
    ASSERT_EQ(::GetFocus(), Child(Control::Text1));
    ::SendMessageW(m_window->Handle(), WM_COMMAND, MAKEWPARAM(static_cast<int>(Control::Option2_1) + 1000, 0),
                   0);
    ::SendMessageW(Child(Control::Option2_1), BM_CLICK, 0, 0);  // the value search: its group's choice
    Pump();
    ::SetFocus(Child(Control::Text1));
    const Control forward[] = {Control::Command1,  Control::Command2,  Control::Command3, Control::Command4,
                               Control::Option1_0, Control::Option2_1, Control::Text1};
    for (const Control control : forward) {
        Type({VK_TAB});
        EXPECT_EQ(::GetFocus(), Child(control)) << "Tab to control " << static_cast<int>(control);
    }
    EXPECT_EQ(GetText(Child(Control::Text1)), L"") << "Tab types nothing into the input box";
    for (const Control control : {Control::Option2_1, Control::Option1_0, Control::Command4}) {
        Type({VK_SHIFT, VK_TAB});
        EXPECT_EQ(::GetFocus(), Child(control)) << "Shift+Tab to control " << static_cast<int>(control);
    }
}

// An XP button holds the mouse capture while the pointer rests on it; the system then sends no menu
// command for a shortcut key, so the program matches it itself.
TEST_F(MainWindowKeysTest, ShortcutKeysWorkWhileAnXpButtonHoldsTheMouse) {
    const std::wstring chinese = GetText(m_window->Handle());
    ::SetCapture(Child(Control::Command2));
    Type({VK_F7});  // English
    EXPECT_NE(GetText(m_window->Handle()), chinese);
    ::ReleaseCapture();
    Type({VK_F6});  // Chinese, without the capture
    EXPECT_EQ(GetText(m_window->Handle()), chinese);
}

// F5 opens the key-code test over the main window; while it is open the hotkey is off, so its key
// reaches the test window and is named there instead of hiding the main window. A second request
// (the tray menu's item) brings the open window to the front; closing it gives the hotkey back.
TEST_F(MainWindowKeysTest, TheKeyCodeTestTakesTheHotkeyWhileItIsOpen) {
    ASSERT_TRUE(test_support::PumpUntil([&] { return m_window->Hotkey().IsRegistered(); }));
    Type({VK_F5});
    const KeyCodeTestWindow& test = m_window->KeyCodeTest();
    ASSERT_TRUE(test.IsOpen());
    const HWND opened = test.Handle();
    EXPECT_FALSE(m_window->Hotkey().IsRegistered());
    EXPECT_FALSE(::IsWindowEnabled(m_window->Handle())) << "modal";
    Type({VK_F12});
    EXPECT_EQ(GetText(test.Label4()), L"F12");
    EXPECT_TRUE(::IsWindowVisible(m_window->Handle())) << "the hotkey did not hide the main window";

    ::SendMessageW(m_window->Handle(), WM_COMMAND, menu_id::kHideKeySetting1, 0);
    EXPECT_EQ(test.Handle(), opened) << "one window, brought to the front";
    test.Close();
    Pump();
    EXPECT_FALSE(test.IsOpen());
    EXPECT_TRUE(::IsWindowEnabled(m_window->Handle()));
    EXPECT_TRUE(m_window->Hotkey().IsRegistered()) << "the hotkey is back at once";
}

// The hotkey setting window over the main window: Ctrl+A chosen there is what the hotkey watch holds
// once the window has closed.
TEST_F(MainWindowKeysTest, AHotkeyChosenInTheSettingWindowIsTheOneTheWatchHolds) {
    using HotkeyControl = HotkeyWindow::Control;
    ::SendMessageW(m_window->Handle(), WM_COMMAND, menu_id::kHideKey, 0);
    HotkeyWindow& setting = m_window->HotkeySetting();
    ASSERT_TRUE(setting.IsOpen());
    EXPECT_FALSE(m_window->Hotkey().IsRegistered());
    ::SendMessageW(setting.Child(HotkeyControl::Check1), BM_CLICK, 0, 0);
    ::SendMessageW(setting.Child(HotkeyControl::Combo1), CB_SETCURSEL, 1, 0);  // "Ctrl"
    ::SetFocus(setting.Child(HotkeyControl::Text1));
    Type({'A'});
    ::SendMessageW(setting.Child(HotkeyControl::Command1), BM_CLICK, 0, 0);
    Pump();
    EXPECT_EQ(m_world.settingsKey.Dword(L"HotKey"), 'A');
    EXPECT_EQ(m_world.settingsKey.Dword(L"Check"), 1);
    EXPECT_EQ(m_world.settingsKey.Dword(L"Combo"), 2);
    ::SendMessageW(setting.Child(HotkeyControl::Command2), BM_CLICK, 0, 0);
    Pump();
    EXPECT_FALSE(setting.IsOpen());
    using test_support::HotkeyTaken;
    EXPECT_TRUE(test_support::PumpUntil([&] { return HotkeyTaken(MOD_CONTROL, 'A'); })) << "Ctrl+A is held";
    EXPECT_FALSE(HotkeyTaken(0, VK_F12)) << "F12 is free again";
}

// With the settings watched the hotkey timer rests once the key is held; a key chosen by another
// program (here: written straight into the registry) still takes over, through the change message.
TEST(MainWindowSettingsWatch, AHotkeyStoredFromOutsideTakesOverWhileTheTimerRests) {
    const TestKey settingsKey(L"MainWindowWatchedSettings");
    const TestKey machineRun(L"MainWindowWatchedMachineRun");
    const TestKey userRun(L"MainWindowWatchedUserRun");
    WatchedRegistrySettings settings(HKEY_CURRENT_USER, settingsKey.Path());
    RegistryRunKeys runKeys(HKEY_CURRENT_USER, machineRun.Path(), HKEY_CURRENT_USER, userRun.Path());
    ExeFolderTextFiles files;
    MainWindow window(MainWindowServices{
        settings, runKeys, files, L"C:\\orvell.exe", [](HWND, const std::wstring&) {}, &test_support::NoTray,
        [&settings](HWND target, UINT message) { settings.PostChangesTo(target, message); }});
    ASSERT_TRUE(window.Open());
    using test_support::HotkeyTaken;
    ASSERT_TRUE(test_support::PumpUntil([&] { return HotkeyTaken(0, VK_F12); })) << "the default key";
    const DWORD f9 = VK_F9;
    ASSERT_TRUE(settingsKey.SetRaw(L"HotKey", REG_DWORD, &f9, sizeof f9));
    EXPECT_TRUE(test_support::PumpUntil([&] { return HotkeyTaken(0, VK_F9) && !HotkeyTaken(0, VK_F12); }));
}

}  // namespace
}  // namespace orvell::win
