#include "app/tray_icon.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "platform/unique_handle.h"
#include "test_window.h"
#include "text/utf8.h"

namespace orvell::win {
namespace {

using test_support::HostWindow;
using test_support::PumpPending;

constexpr UINT kId = 7;

// What the icon asked the shell, what the shell answered, and whether the icon was there right after.
struct ShellCall {
    DWORD message = 0;
    HWND window = nullptr;
    UINT id = 0;
    UINT flags = 0;
    HICON icon = nullptr;
    std::wstring tip;
    bool succeeded = false;
    bool presentAfter = false;
    friend bool operator==(const ShellCall&, const ShellCall&) = default;
    friend std::ostream& operator<<(std::ostream& out, const ShellCall& c) {
        return out << "{message " << c.message << ", id " << c.id << ", flags " << c.flags << ", tip \""
                   << text::EncodeUtf8(c.tip) << "\", succeeded " << c.succeeded << ", present after "
                   << c.presentAfter << "}";
    }
};

std::vector<ShellCall> g_calls;
// While set, the shell call fails at once, as it does before the taskbar exists.
bool g_noTaskbar = false;
// While set, the shell call throws instead of answering.
bool g_throws = false;

// Asks the shell itself about the icon of a window and id: it is there when the shell accepts a change.
BOOL AskShell(DWORD message, HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    return ::Shell_NotifyIconW(message, &data);
}

BOOL WINAPI RecordingNotify(DWORD message, PNOTIFYICONDATAW data) {
    if (g_throws) {
        g_calls.push_back(ShellCall{message, data->hWnd, data->uID, data->uFlags, data->hIcon, data->szTip});
        throw std::runtime_error("the shell call broke");
    }
    const BOOL result = g_noTaskbar ? FALSE : ::Shell_NotifyIconW(message, data);
    g_calls.push_back(ShellCall{message, data->hWnd, data->uID, data->uFlags, data->hIcon, data->szTip,
                                result != FALSE, AskShell(NIM_MODIFY, data->hWnd, data->uID) != FALSE});
    return result;
}

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_noTaskbar = false;
        g_throws = false;
        // The taskbar comes up with Wine's first process, a little after it.
        const ULONGLONG end = ::GetTickCount64() + 10000;
        while (::FindWindowW(L"Shell_TrayWnd", nullptr) == nullptr && ::GetTickCount64() < end) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
        ASSERT_NE(::FindWindowW(L"Shell_TrayWnd", nullptr), nullptr) << "no taskbar to put icons in";
        ASSERT_TRUE(m_owner.Open());
        m_icon = ::LoadIconW(nullptr, IDI_APPLICATION);
    }

    HostWindow m_owner;
    HICON m_icon = nullptr;
};

// One icon from Show until the object goes, changed in place. Before the taskbar exists it cannot go
// up, and a restarted Explorer has lost it: either way the taskbar's broadcast brings it back.
TEST_F(TrayIconTest, OneIconFromShowUntilTheObjectGoesAndAfterEachNewTaskbar) {
    HWND window = nullptr;
    constexpr UINT kAll = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    {
        TrayIcon tray(m_owner.Handle(), kId, &RecordingNotify);
        window = tray.Handle();
        tray.SetIcon(m_icon);
        tray.SetTip(L"Orvell(双击弹出窗体)");
        EXPECT_TRUE(g_calls.empty()) << "nothing reaches the shell before Show";
        g_noTaskbar = true;
        tray.Show();
        EXPECT_FALSE(tray.IsShown());
        g_noTaskbar = false;
        const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
        for (const char* before : {"shown before the taskbar existed", "lost with a restarted Explorer"}) {
            if (tray.IsShown()) {
                ASSERT_TRUE(AskShell(NIM_DELETE, window, kId));
            }
            g_calls.clear();
            ::SendMessageW(window, taskbarCreated, 0, 0);
            EXPECT_EQ(g_calls, (std::vector<ShellCall>{{NIM_ADD, window, kId, kAll, m_icon,
                                                        L"Orvell(双击弹出窗体)", true, true}}))
                << before;
        }
        // Showing again, or a new tip, changes the one icon; the same icon or tip again asks nothing.
        g_calls.clear();
        tray.Show();
        tray.SetTip(L"Orvell");
        tray.SetTip(L"Orvell");
        tray.SetIcon(m_icon);
        constexpr UINT kChange = NIF_ICON | NIF_TIP;
        EXPECT_EQ(g_calls,
                  (std::vector<ShellCall>{
                      {NIM_MODIFY, window, kId, kChange, m_icon, L"Orvell(双击弹出窗体)", true, true},
                      {NIM_MODIFY, window, kId, kChange, m_icon, L"Orvell", true, true}}));
        g_calls.clear();
    }
    // Gone while its window still exists.
    EXPECT_EQ(g_calls,
              (std::vector<ShellCall>{{NIM_DELETE, window, kId, 0, m_icon, L"Orvell", true, false}}));
}

// A shell call that throws counts as refused, from the first call's thread too: the icon stays down
// until the next taskbar, and nothing of it reaches the caller, nor the object's end.
TEST_F(TrayIconTest, AShellCallThatThrowsLeavesTheIconDownUntilTheNextTaskbar) {
    HWND window = nullptr;
    {
        g_throws = true;
        TrayIcon tray(m_owner.Handle(), kId, &RecordingNotify);
        window = tray.Handle();
        tray.SetIcon(m_icon);
        EXPECT_NO_THROW(tray.Show());
        EXPECT_NO_THROW(EXPECT_FALSE(tray.IsShown()));
        EXPECT_NO_THROW(tray.SetTip(L"Orvell"));
        EXPECT_EQ(g_calls.size(), 1u) << "asked once; no change to an icon that is not up";
        const UINT taskbarCreated = ::RegisterWindowMessageW(L"TaskbarCreated");
        ::SendMessageW(window, taskbarCreated, 0, 0);
        EXPECT_FALSE(tray.IsShown());
        g_throws = false;
        ::SendMessageW(window, taskbarCreated, 0, 0);
        EXPECT_TRUE(tray.IsShown());
        ASSERT_EQ(g_calls.size(), 3u);
        EXPECT_EQ(g_calls.back().tip, L"Orvell");
        g_throws = true;  // its removal throws too
    }
    g_throws = false;
    ASSERT_EQ(g_calls.size(), 4u);
    EXPECT_EQ(g_calls.back().message, static_cast<DWORD>(NIM_DELETE));
    AskShell(NIM_DELETE, window, kId);  // the icon the broken removal left with the shell
}

// A double click raises the event; a right click pops up the menu, if there is one, for the owner,
// which notes the menu's opening, the choice and the WM_NULL after it, and chooses the second item
// with the keyboard, as a user would. Other clicks and other icons' clicks do nothing.
TEST_F(TrayIconTest, ClicksOnTheIconReachTheirHandlers) {
    constexpr int kSecond = 302;
    const unique_hmenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, 301, L"隐藏快捷键(&Y)");
    ::AppendMenuW(menu.Get(), MF_STRING, kSecond, L"键码检测(&T)");
    TrayIcon tray(m_owner.Handle(), kId, &RecordingNotify);
    int doubleClicks = 0;
    tray.SetOnDoubleClick([&] { ++doubleClicks; });
    std::vector<UINT> messages;
    m_owner.onMessage = [&](UINT message) {
        if (message == WM_INITMENUPOPUP) {
            for (const WPARAM key : {VK_DOWN, VK_DOWN, VK_RETURN}) {
                ::PostMessageW(m_owner.Handle(), WM_KEYDOWN, key, 0);
            }
        }
        if (message == WM_INITMENUPOPUP || message == WM_COMMAND || message == WM_NULL) {
            messages.push_back(message);
        }
    };
    const auto click = [&](UINT id, UINT mouseMessage) {
        ::SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, id, mouseMessage);
        PumpPending();
    };

    click(kId, WM_LBUTTONDBLCLK);
    EXPECT_EQ(doubleClicks, 1);
    click(kId, WM_LBUTTONUP);
    click(kId + 1, WM_LBUTTONDBLCLK);
    click(kId, WM_RBUTTONUP);
    EXPECT_EQ(doubleClicks, 1);
    EXPECT_TRUE(messages.empty()) << "no menu given: nothing pops up";

    tray.SetPopupMenu(menu.Get());
    click(kId, WM_RBUTTONUP);
    EXPECT_EQ(messages, (std::vector<UINT>{WM_INITMENUPOPUP, WM_COMMAND, WM_NULL}));
    EXPECT_EQ(m_owner.commands, (std::vector<std::pair<int, int>>{{0, kSecond}}));
    m_owner.onMessage = nullptr;
}

}  // namespace
}  // namespace orvell::win
