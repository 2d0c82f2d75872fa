// The main window over the program's own settings store: the registry key watched for changes, as
// the program runs it. What it writes at start and at each tick, what it makes of values others leave
// in the key, and a key the user may not change.
#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "main_window_world.h"
#include "platform/text_file.h"
#include "test_registry_key.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::HotkeyTaken;
using test_support::PumpUntil;
using test_support::TestKey;

class SettingsWatchTest : public ::testing::Test {
protected:
    void TearDown() override { m_window.reset(); }

    MainWindow& Start() {
        m_window = std::make_unique<MainWindow>(MainWindowServices{
            m_settings, m_runKeys, m_files, L"C:\\orvell.exe",
            [this](HWND, const std::wstring& text) { m_messages.push_back(text); }, &test_support::NoTray,
            [this](HWND window, UINT message) {
                m_postsTo = window;
                m_settings.PostChangesTo(window, message);
            }});
        EXPECT_TRUE(m_window->Open());
        return *m_window;
    }

    TestKey m_key{L"WatchedSettings"};
    TestKey m_machineRun{L"WatchedMachineRun"};
    TestKey m_userRun{L"WatchedUserRun"};
    WatchedRegistrySettings m_settings{HKEY_CURRENT_USER, m_key.Path()};
    RegistryRunKeys m_runKeys{HKEY_CURRENT_USER, m_machineRun.Path(), HKEY_CURRENT_USER, m_userRun.Path()};
    ExeFolderTextFiles m_files;
    std::vector<std::wstring> m_messages;
    HWND m_postsTo = nullptr;
    std::unique_ptr<MainWindow> m_window;
};

// The settings outlive the window and are told of changes on a thread of their own: once the window
// has gone they must not post to its handle, which a new window may have by then.
TEST_F(SettingsWatchTest, TheWindowStopsTheSettingsPostsBeforeItGoes) {
    MainWindow& window = Start();
    EXPECT_EQ(m_postsTo, window.Handle());
    m_window.reset();
    EXPECT_EQ(m_postsTo, nullptr);
}

// Start-up and the first tick store what they mean to, whatever the key held before: a missing
// value, a number of the wrong size or type, an empty value. The hotkey timer then rests.
TEST_F(SettingsWatchTest, StartUpAndTheFirstTickStoreEveryValueAsANumber) {
    const std::uint64_t one = 1;
    ASSERT_TRUE(m_key.SetRaw(L"Language", REG_BINARY, nullptr, 0));
    ASSERT_TRUE(m_key.SetRaw(L"Screen", REG_SZ, L"1", 4));
    ASSERT_TRUE(m_key.SetRaw(L"Check", REG_QWORD, &one, sizeof one));
    MainWindow& window = Start();
    EXPECT_EQ(m_key.Dword(L"Language"), 0);
    EXPECT_EQ(m_key.Dword(L"Screen"), 0);
    EXPECT_EQ(m_key.Dword(L"HotKey"), 123);
    EXPECT_TRUE(PumpUntil([&] { return m_key.Dword(L"Check") == 0 && window.Hotkey().IsRegistered(); }));
    EXPECT_TRUE(HotkeyTaken(0, VK_F12));
    EXPECT_TRUE(m_messages.empty());
}

// Values changed by hand while the timer rests are answered as at every tick: a combination the
// setting window never offers is deleted, a "Check" that is no number is stored as 0 again.
TEST_F(SettingsWatchTest, ValuesChangedOutsideAreAnsweredWhileTheTimerRests) {
    MainWindow& window = Start();
    ASSERT_TRUE(PumpUntil([&] { return window.Hotkey().IsRegistered() && m_key.Dword(L"Check") == 0; }));
    const DWORD one = 1, ctrlShift = 3, ctrl = 2;
    ASSERT_TRUE(m_key.SetRaw(L"Combo", REG_DWORD, &ctrlShift, sizeof ctrlShift));
    ASSERT_TRUE(m_key.SetRaw(L"Check", REG_DWORD, &one, sizeof one));
    EXPECT_TRUE(PumpUntil([&] { return !m_key.Has(L"Combo"); })) << "Ctrl+Shift is deleted";
    EXPECT_EQ(m_key.Dword(L"Check"), 1);
    EXPECT_TRUE(HotkeyTaken(0, VK_F12));

    ASSERT_TRUE(m_key.SetRaw(L"Combo", REG_DWORD, &ctrl, sizeof ctrl));
    EXPECT_TRUE(PumpUntil([&] { return HotkeyTaken(MOD_CONTROL, VK_F12); }));
    ASSERT_TRUE(m_key.SetRaw(L"Check", REG_SZ, L"1", 4));
    EXPECT_TRUE(PumpUntil([&] { return m_key.Dword(L"Check") == 0; })) << "a string is no number";
    EXPECT_TRUE(PumpUntil([&] { return HotkeyTaken(0, VK_F12); })) << "the key alone";
    EXPECT_EQ(m_key.Dword(L"Combo"), 2) << "not read with the key alone";
}

// A key whose access rules refuse the user: one message in the language of the settings it could
// read, the program works on with what it read (or the defaults), and nothing in the key changes.
TEST(SettingsWatchDenied, AKeyTheUserMayNotChangeGivesOneMessageAndKeepsEverySetting) {
    const struct {
        const char* name;
        const wchar_t* rules;
        const wchar_t* words;
        UINT key;
    } cases[] = {
        {"readable", L"D:P(A;;KR;;;WD)", L"cannot be read or saved", VK_F9},
        {"shut", L"D:P", L"无法读取或保存设置", VK_F12},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test_support::MainWindowWorld world(L"Denied");
        const DWORD english = 1, screen = 1, f9 = VK_F9;
        ASSERT_TRUE(world.settingsKey.SetRaw(L"Language", REG_DWORD, &english, sizeof english));
        ASSERT_TRUE(world.settingsKey.SetRaw(L"Screen", REG_DWORD, &screen, sizeof screen));
        ASSERT_TRUE(world.settingsKey.SetRaw(L"HotKey", REG_DWORD, &f9, sizeof f9));
        std::vector<std::wstring> messages;
        {
            const test_support::ReadOnlyKey locked(world.settingsKey, c.rules);
            ASSERT_TRUE(locked.Locked());
            WatchedRegistrySettings settings(HKEY_CURRENT_USER, world.settingsKey.Path());
            MainWindow window({settings, world.runKeys, world.files, L"C:\\orvell.exe",
                               [&](HWND, const std::wstring& text) { messages.push_back(text); },
                               &test_support::NoTray,
                               [&](HWND target, UINT message) { settings.PostChangesTo(target, message); }});
            ASSERT_TRUE(window.Open());
            ::SendMessageW(window.Handle(), WM_COMMAND, menu_id::kEight, 0);
            EXPECT_TRUE(PumpUntil([&] { return window.Hotkey().IsRegistered() && !messages.empty(); }));
            EXPECT_TRUE(HotkeyTaken(0, c.key)) << "the hotkey works";
            test_support::PumpPending();
            ASSERT_EQ(messages.size(), 1u);
            EXPECT_NE(messages[0].find(c.words), std::wstring::npos);
        }
        EXPECT_EQ(world.settingsKey.Dword(L"Screen"), 1);
        EXPECT_EQ(world.settingsKey.Dword(L"Language"), 1);
        EXPECT_EQ(world.settingsKey.Dword(L"HotKey"), static_cast<std::int32_t>(VK_F9));
        EXPECT_FALSE(world.settingsKey.Has(L"Check"));
    }
}

}  // namespace
}  // namespace orvell::win
