#include "app/tray_icon.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "platform/window.h"

namespace orvell::win {
namespace {

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
};

std::vector<ShellCall> g_calls;
// While set, the shell call fails at once, as it does before the taskbar exists.
bool g_noTaskbar = false;

// The icon is there when the shell accepts a change to it.
bool IconPresent(HWND window, UINT id) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    return ::Shell_NotifyIconW(NIM_MODIFY, &data) != FALSE;
}

BOOL WINAPI RecordingNotify(DWORD message, PNOTIFYICONDATAW data) {
    const BOOL result = g_noTaskbar ? FALSE : ::Shell_NotifyIconW(message, data);
    ShellCall call;
    call.message = message;
    call.window = data->hWnd;
    call.id = data->uID;
    call.flags = data->uFlags;
    call.icon = data->hIcon;
    call.tip = data->szTip;
    call.succeeded = result != FALSE;
    call.presentAfter = IconPresent(data->hWnd, data->uID);
    g_calls.push_back(call);
    return result;
}

// The owner of the icon's menu: records the menu's opening, the chosen command and the WM_NULL after.
class OwnerWindow final : public Window {
public:
    bool Open() {
        WindowClass windowClass;
        windowClass.name = L"OrvellTestTrayOwner";
        WindowCreation creation;
        creation.style = WS_POPUP;
        creation.x = 20;
        creation.y = 20;
        creation.width = 200;
        creation.height = 100;
        return Create(windowClass, creation);
    }

    std::vector<UINT> messages;
    std::vector<int> commands;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        switch (message) {
            case WM_INITMENUPOPUP:
                messages.push_back(message);
                // Choose the menu's second item with the keyboard, as a user would.
                ::PostMessageW(Handle(), WM_KEYDOWN, VK_DOWN, 0);
                ::PostMessageW(Handle(), WM_KEYDOWN, VK_DOWN, 0);
                ::PostMessageW(Handle(), WM_KEYDOWN, VK_RETURN, 0);
                break;
            case WM_COMMAND:
                messages.push_back(message);
                commands.push_back(LOWORD(wParam));
                return 0;
            case WM_NULL:
                messages.push_back(message);
                return 0;
            default:
                break;
        }
        return Window::HandleMessage(message, wParam, lParam);
    }
};

void PumpPending() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_noTaskbar = false;
        // The taskbar comes up with Wine's first process, a little after it.
        const ULONGLONG end = ::GetTickCount64() + 10000;
        while (::FindWindowW(L"Shell_TrayWnd", nullptr) == nullptr && ::GetTickCount64() < end) {
            ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        }
        ASSERT_NE(::FindWindowW(L"Shell_TrayWnd", nullptr), nullptr) << "no taskbar to put icons in";
        ASSERT_TRUE(m_owner.Open());
        m_icon = ::LoadIconW(nullptr, IDI_APPLICATION);
    }

    OwnerWindow m_owner;
    HICON m_icon = nullptr;
};

TEST_F(TrayIconTest, ShowPutsUpOneIconWithItsTipAndTheObjectRemovesIt) {
    HWND window = nullptr;
    {
        TrayIcon tray(m_owner.Handle(), kId, &RecordingNotify);
        window = tray.Handle();
        ASSERT_NE(window, nullptr);
        tray.SetIcon(m_icon);
        tray.SetTip(L"Orvell(双击弹出窗体)");
        EXPECT_TRUE(g_calls.empty()) << "nothing reaches the shell before Show";

        tray.Show();
        ASSERT_TRUE(tray.IsShown()) << "the shell refused the icon";
        ASSERT_EQ(g_calls.size(), 1u);
        EXPECT_EQ(g_calls[0].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(g_calls[0].window, window);
        EXPECT_EQ(g_calls[0].id, kId);
        EXPECT_EQ(g_calls[0].flags, static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_EQ(g_calls[0].icon, m_icon);
        EXPECT_EQ(g_calls[0].tip, L"Orvell(双击弹出窗体)");
        EXPECT_TRUE(g_calls[0].presentAfter);

        tray.Show();
        tray.SetTip(L"Orvell(Double click to open)");
        ASSERT_EQ(g_calls.size(), 3u);
        for (std::size_t i = 1; i < g_calls.size(); ++i) {
            EXPECT_EQ(g_calls[i].message, static_cast<DWORD>(NIM_MODIFY))
                << "call " << i << " keeps one icon";
            EXPECT_TRUE(g_calls[i].succeeded) << "call " << i;
        }
        EXPECT_EQ(g_calls[2].tip, L"Orvell(Double click to open)");
        EXPECT_EQ(tray.Tip(), L"Orvell(Double click to open)");

        const std::wstring longTip(200, L'字');
        tray.SetTip(longTip);
        EXPECT_EQ(g_calls.back().tip, longTip.substr(0, 127)) << "the shell gets what fits";
        EXPECT_TRUE(g_calls.back().succeeded);
        g_calls.clear();
    }
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].message, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(g_calls[0].window, window);
    EXPECT_EQ(g_calls[0].id, kId);
    EXPECT_TRUE(g_calls[0].succeeded);
    EXPECT_FALSE(g_calls[0].presentAfter) << "the icon is gone while its window still exists";
}

TEST(TrayIcon, TheTipIsCutToWhatTheShellKeeps) {
    g_calls.clear();
    auto tray = std::make_unique<TrayIcon>(nullptr, kId, &RecordingNotify);
    const struct {
        std::wstring tip;
        std::wstring kept;
    } cases[] = {
        {std::wstring(127, L'x'), std::wstring(127, L'x')},
        {std::wstring(100, L'O') + std::wstring(100, L'字'),
         std::wstring(100, L'O') + std::wstring(27, L'字')},
        {std::wstring(126, L'x') + L"\xD83D\xDE00", std::wstring(126, L'x')},  // no half character
        {L"", L""},
    };
    for (const auto& c : cases) {
        tray->SetTip(c.tip);
        EXPECT_EQ(tray->Tip(), c.kept) << "a tip of " << c.tip.size();
    }
    tray.reset();
    EXPECT_TRUE(g_calls.empty()) << "an icon never shown leaves the shell alone";
}

TEST_F(TrayIconTest, ANewTaskbarGetsTheIconAgain) {
    TrayIcon tray(m_owner.Handle(), kId, &RecordingNotify);
    tray.SetIcon(m_icon);
    tray.SetTip(L"Orvell");
    tray.Show();
    ASSERT_TRUE(tray.IsShown());
    // What a restarted Explorer looks like: the icon is gone and the broadcast comes.
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = tray.Handle();
    data.uID = kId;
    ASSERT_TRUE(::Shell_NotifyIconW(NIM_DELETE, &data));
    ASSERT_FALSE(IconPresent(tray.Handle(), kId));
    g_calls.clear();

    ::SendMessageW(tray.Handle(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);

    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].message, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(g_calls[0].tip, L"Orvell");
    EXPECT_TRUE(g_calls[0].presentAfter);
    EXPECT_TRUE(tray.IsShown());
}

TEST_F(TrayIconTest, AnIconShownBeforeTheTaskbarExistsComesUpWithIt) {
    TrayIcon tray(m_owner.Handle(), kId, &RecordingNotify);
    tray.SetIcon(m_icon);
    tray.SetTip(L"Orvell(Double click to open)");
    g_noTaskbar = true;
    tray.Show();
    EXPECT_FALSE(tray.IsShown());
    g_noTaskbar = false;

    ::SendMessageW(tray.Handle(), ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);

    EXPECT_TRUE(tray.IsShown());
    ASSERT_FALSE(g_calls.empty());
    EXPECT_EQ(g_calls.back().message, static_cast<DWORD>(NIM_ADD));
    EXPECT_TRUE(g_calls.back().presentAfter);
}

TEST_F(TrayIconTest, ADoubleClickRaisesTheEvent) {
    TrayIcon tray(m_owner.Handle(), kId, &RecordingNotify);
    int doubleClicks = 0;
    tray.SetOnDoubleClick([&] { ++doubleClicks; });
    ::SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, kId, WM_LBUTTONDBLCLK);
    EXPECT_EQ(doubleClicks, 1);
    ::SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, kId, WM_LBUTTONUP);
    ::SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, kId + 1, WM_LBUTTONDBLCLK);
    EXPECT_EQ(doubleClicks, 1) << "a plain click, and another icon's double-click";
}

TEST_F(TrayIconTest, ARightClickPopsUpTheMenuForTheOwner) {
    constexpr int kFirst = 301;
    constexpr int kSecond = 302;
    const unique_hmenu menu(::CreatePopupMenu());
    ::AppendMenuW(menu.Get(), MF_STRING, kFirst, L"隐藏快捷键(&Y)");
    ::AppendMenuW(menu.Get(), MF_STRING, kSecond, L"键码检测(&T)");
    TrayIcon tray(m_owner.Handle(), kId, &RecordingNotify);

    ::SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, kId, WM_RBUTTONUP);
    PumpPending();
    EXPECT_TRUE(m_owner.messages.empty()) << "no menu given: nothing pops up";

    tray.SetPopupMenu(menu.Get());
    ::SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, kId, WM_RBUTTONUP);
    PumpPending();
    EXPECT_EQ(m_owner.messages, (std::vector<UINT>{WM_INITMENUPOPUP, WM_COMMAND, WM_NULL}));
    EXPECT_EQ(m_owner.commands, std::vector<int>{kSecond});

    m_owner.messages.clear();
    tray.SetPopupMenu(nullptr);
    ::SendMessageW(tray.Handle(), TrayIcon::kCallbackMessage, kId, WM_RBUTTONUP);
    PumpPending();
    EXPECT_TRUE(m_owner.messages.empty()) << "the menu taken away again";
}

}  // namespace
}  // namespace orvell::win
