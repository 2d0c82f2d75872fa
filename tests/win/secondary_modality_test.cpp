// The secondary windows opened from the tray icon's menu while others are open, driven as a user
// drives them (SendInput into the window in front, through the program's own message loop): each new
// window opens over the one on top, the main window stays blocked and its shortcut keys dead until the
// last has closed, and the hotkey stays off as long.
#include <windows.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "main_window_world.h"
#include "test_registry_key.h"
#include "test_window.h"

namespace orvell::win {
namespace {

struct Secondary {
    const char* name;
    UINT trayCommand;
    const ModalWindow& (*window)(MainWindow&);
};

const Secondary kKeyCodeTest{"key-code test", menu_id::kHideKeySetting1,
                             [](MainWindow& w) -> const ModalWindow& { return w.KeyCodeTest(); }};
const Secondary kHotkeySetting{"hotkey setting", menu_id::kHideKeySetting0,
                               [](MainWindow& w) -> const ModalWindow& { return w.HotkeySetting(); }};
const Secondary kHelp{"Help", menu_id::kHelpTopic0,
                      [](MainWindow& w) -> const ModalWindow& { return w.Help(); }};
const Secondary kAbout{"About", menu_id::kHelpTopic1,
                       [](MainWindow& w) -> const ModalWindow& { return w.About(); }};
const Secondary kAll[] = {kKeyCodeTest, kHotkeySetting, kHelp, kAbout};

HWND Owner(HWND window) {
    return ::GetWindow(window, GW_OWNER);
}

bool Enabled(HWND window) {
    return ::IsWindowEnabled(window) != FALSE;
}

class SecondaryModalityTest : public ::testing::Test {
protected:
    void SetUp() override {
        MainWindowServices services = m_world.Services();
        services.showMessage = [this](HWND owner, const std::wstring&) { m_messageOwners.push_back(owner); };
        m_window = std::make_unique<MainWindow>(std::move(services));
        ASSERT_TRUE(m_window->Open());
        ::SetForegroundWindow(Main());
        Pump();
        ASSERT_TRUE(PumpUntil([&] { return m_window->Hotkey().IsRegistered(); }));
    }

    HWND Main() const { return m_window->Handle(); }
    const ModalWindow& Of(const Secondary& secondary) const { return secondary.window(*m_window); }
    void Pump() { test_support::PumpAsTheProgramDoes(*m_window); }
    bool PumpUntil(const std::function<bool()>& done) {
        return test_support::PumpUntil([&] {
            Pump();
            return done();
        });
    }
    // The tray icon's menu, opened by a right click on the icon (it brings the main window to the
    // front first, blocked or not), and its item chosen.
    void FromTray(const Secondary& secondary) {
        static UINT s_command;
        static HWND s_main;
        s_command = secondary.trayCommand;
        s_main = Main();
        ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
            ::KillTimer(nullptr, id);
            ::EndMenu();
            ::PostMessageW(s_main, WM_COMMAND, s_command, 0);
        });
        TrayIcon& tray = m_window->Tray();
        ::SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, tray.Id(), WM_RBUTTONUP);
        Pump();
    }
    // Keys typed while the window is in front.
    void TypeInto(HWND window, const std::vector<WORD>& keys) {
        ::SetForegroundWindow(window);
        Pump();
        ASSERT_EQ(::GetForegroundWindow(), window);
        ASSERT_TRUE(test_support::SendChord(keys));
        Pump();
    }
    void CloseByKeyboard(const ModalWindow& window) {
        TypeInto(window.Handle(), {VK_MENU, VK_F4});
        EXPECT_TRUE(PumpUntil([&] { return !window.IsOpen(); }));
    }

    test_support::MainWindowWorld m_world{L"SecondaryModality"};
    std::unique_ptr<MainWindow> m_window;
    std::vector<HWND> m_messageOwners;
};

// Any two, in either order: the second is owned by the first and modal over it; closing it gives back
// only the first, and the main window comes back with the hotkey when the first closes too.
TEST_F(SecondaryModalityTest, TwoWindowsFromTheTrayInEveryOrder) {
    for (const Secondary& first : kAll) {
        for (const Secondary& second : kAll) {
            if (&first == &second) {
                continue;
            }
            SCOPED_TRACE(std::string(second.name) + " over " + first.name);
            FromTray(first);
            FromTray(second);
            ASSERT_TRUE(Of(first).IsOpen() && Of(second).IsOpen());
            EXPECT_EQ(Owner(Of(second).Handle()), Of(first).Handle());
            EXPECT_FALSE(Enabled(Of(first).Handle()));
            EXPECT_FALSE(Enabled(Main()));
            FromTray(first);  // asked for again: the one on top, which holds the keys, comes forward
            EXPECT_EQ(::GetForegroundWindow(), Of(second).Handle());

            CloseByKeyboard(Of(second));
            EXPECT_TRUE(Enabled(Of(first).Handle()));
            EXPECT_FALSE(Enabled(Main())) << "blocked while the first is open";
            EXPECT_FALSE(m_window->Hotkey().IsRegistered());

            CloseByKeyboard(Of(first));
            EXPECT_TRUE(Enabled(Main()));
            EXPECT_TRUE(PumpUntil([&] { return m_window->Hotkey().IsRegistered(); })) << "the hotkey is back";
        }
    }
}

// Brought to the front while a secondary window is open, the main window takes no shortcut key: F4
// would end the program under it, the others would open windows or switch the language behind it.
TEST_F(SecondaryModalityTest, TheBlockedMainWindowIgnoresItsShortcutKeys) {
    FromTray(kHotkeySetting);
    const std::wstring title = GetText(Main());
    for (const WORD key : {VK_F1, VK_F2, VK_F5, VK_F7, VK_F4}) {
        SCOPED_TRACE(key);
        TypeInto(Main(), {key});
        EXPECT_TRUE(::IsWindow(Main()));
        EXPECT_EQ(GetText(Main()), title);
        for (const Secondary& other : {kKeyCodeTest, kHelp, kAbout}) {
            EXPECT_FALSE(Of(other).IsOpen()) << other.name;
        }
    }
    EXPECT_TRUE(Of(kHotkeySetting).IsOpen());
}

// The main window's own message boxes open over the window on top, so that their closing cannot
// give the main window its input back under a secondary window.
TEST_F(SecondaryModalityTest, TheMainWindowsMessageBoxOpensOverTheTopWindow) {
    FromTray(kHotkeySetting);
    test_support::ReadOnlyKey lockedMachine(m_world.machineRun);
    test_support::ReadOnlyKey lockedUser(m_world.userRun);
    ASSERT_TRUE(lockedMachine.Locked() && lockedUser.Locked());
    ::SendMessageW(Main(), WM_COMMAND, menu_id::kOther0, 0);  // start with Windows, which fails
    ASSERT_EQ(m_messageOwners.size(), 1u);
    EXPECT_EQ(m_messageOwners[0], Of(kHotkeySetting).Handle());
}

// A window opened while the hotkey setting's message box is up goes over the box: the box cannot be
// answered (and the setting window closed under it) until the window has closed.
TEST_F(SecondaryModalityTest, AWindowOpenedOverAMessageBoxIsModalOverTheBox) {
    for (const Secondary& second : {kKeyCodeTest, kHelp, kAbout}) {
        SCOPED_TRACE(second.name);
        FromTray(kHotkeySetting);
        HotkeyWindow& setting = m_window->HotkeySetting();
        struct Seen {
            HWND box = nullptr;
            HWND boxOwner = nullptr;
            HWND owner = nullptr;
            bool boxEnabledUnder = true;
            bool boxEnabledAfter = false;
            bool mainEnabledAfter = true;
        } seen;
        // Run from within the box's own loop, as the user's clicks come while it is up.
        static std::function<void()> s_whileBoxIsUp;
        s_whileBoxIsUp = [&] {
            seen.box = ::FindWindowW(L"#32770", nullptr);  // the message box's class
            seen.boxOwner = Owner(seen.box);
            FromTray(second);
            seen.owner = Owner(Of(second).Handle());
            seen.boxEnabledUnder = Enabled(seen.box);
            CloseByKeyboard(Of(second));
            seen.boxEnabledAfter = Enabled(seen.box);
            seen.mainEnabledAfter = Enabled(Main());
            ::SetForegroundWindow(seen.box);
            test_support::SendChord({VK_RETURN});  // answered in the box's loop once this returns
        };
        setting.SetMessageBox(
            [](HWND owner, const std::wstring& text, const std::wstring& title, UINT flags) {
                ::SetTimer(nullptr, 0, 10, [](HWND, UINT, UINT_PTR id, DWORD) {
                    ::KillTimer(nullptr, id);
                    s_whileBoxIsUp();
                });
                return ::MessageBoxW(owner, text.c_str(), title.c_str(), flags);
            });
        TypeInto(setting.Handle(), {VK_F1});  // a key the program needs: the set button says so
        ::SendMessageW(setting.Child(HotkeyWindow::Control::Command1), BM_CLICK, 0, 0);
        ASSERT_NE(seen.box, nullptr);
        EXPECT_EQ(seen.boxOwner, setting.Handle());
        EXPECT_EQ(seen.owner, seen.box);
        EXPECT_FALSE(seen.boxEnabledUnder);
        EXPECT_TRUE(seen.boxEnabledAfter);
        EXPECT_FALSE(seen.mainEnabledAfter);
        EXPECT_FALSE(Enabled(Main()));
        CloseByKeyboard(setting);
        EXPECT_TRUE(Enabled(Main()));
    }
}

}  // namespace
}  // namespace orvell::win
