// The message dispatcher on real windows, the thread's keyboard and menu hooks with real input, and
// the interval timers.
#include "skin/subclass.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/unique_handle.h"
#include "skin/c_timer.h"
#include "test_window.h"
#include "window_properties.h"

namespace orvell::win {
namespace {

using test_support::PropertyNames;
using test_support::PumpPending;
using test_support::PumpUntil;

constexpr UINT kProbe = WM_APP + 7;
constexpr UINT kOther = WM_APP + 8;
constexpr UINT_PTR kMenuSafetyTimer = 99;

// A window whose own procedure answers kProbe with 100 and writes 'o' to its log, and writes 's' for
// every WM_SYSCHAR. It never enters the system's keyboard menu mode, which would wait for more keys.
LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<std::string*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case kProbe:
            *log += 'o';
            return 100;
        case WM_SYSCHAR:
            *log += 's';
            return 0;
        case WM_CLOSE:  // Alt+F4 must not take the window away
            return 0;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == SC_KEYMENU) {
                return 0;
            }
            break;
        case WM_TIMER:
            if (wParam == kMenuSafetyTimer) {
                ::EndMenu();  // a menu test whose keys went astray ends instead of waiting
            }
            return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

class ProbeWindow {
public:
    ProbeWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &ProbeProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"OrvellSubclassProbe";
        ::RegisterClassW(&windowClass);
        m_window.Reset(::CreateWindowExW(0, windowClass.lpszClassName, L"probe", WS_OVERLAPPEDWINDOW, 40, 40,
                                         200, 120, nullptr, nullptr, windowClass.hInstance, nullptr));
        ::SetWindowLongPtrW(m_window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
    }
    HWND Get() const { return m_window.Get(); }
    void Forget() { (void)m_window.Release(); }
    void Show() {
        ::ShowWindow(Get(), SW_SHOW);
        ::SetForegroundWindow(Get());
        ::SetFocus(Get());
        PumpPending();
    }

    std::string log;  // before the window, which writes to it until it is destroyed

private:
    unique_hwnd m_window;
};

class Client final : public ISubclass {
public:
    Client(char name, EMsgResponse response, std::string& log)
        : m_name(name), m_response(response), m_log(log) {}

    EMsgResponse MsgResponse() override {
        seen = CurrentMessage();
        return m_response;
    }
    LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) override {
        m_log += m_name;
        return callOld ? CallOldWindowProc(hWnd, iMsg, wParam, lParam) + 1 : m_name;
    }

    UINT seen = 0;
    bool callOld = false;

private:
    char m_name;
    EMsgResponse m_response;
    std::string& m_log;
};

std::wstring Name(HWND window) {
    return std::to_wstring(reinterpret_cast<std::intptr_t>(window));
}

TEST(Subclass, ClientsRunAroundTheWindowsOwnProcedureAsTheFirstAndLastOfThemAsk) {
    const struct {
        std::vector<EMsgResponse> responses;
        const char* log;
        LRESULT result;
    } cases[] = {{{mrBeforeOld, mrAfterOld}, "oAB", 'B'},
                 {{mrAfterOld}, "Ao", 100},
                 {{mrConsume}, "A", 'A'},
                 {{mrConsume, mrConsume, mrAfterOld}, "ABCo", 100}};
    for (const auto& c : cases) {
        ProbeWindow window;
        std::vector<std::unique_ptr<Client>> clients;
        for (const EMsgResponse response : c.responses) {
            clients.push_back(
                std::make_unique<Client>(static_cast<char>('A' + clients.size()), response, window.log));
            AttachMessage(clients.back().get(), window.Get(), kProbe);
        }
        EXPECT_EQ(::SendMessageW(window.Get(), kProbe, 0, 0), c.result) << c.log;
        EXPECT_EQ(window.log, c.log);
        EXPECT_EQ(clients.front()->seen, kProbe);
        for (const auto& client : clients) {
            DetachMessage(client.get(), window.Get(), kProbe);
        }
    }
    // A client may hand the message on itself.
    ProbeWindow window;
    Client a('A', mrConsume, window.log);
    a.callOld = true;
    AttachMessage(&a, window.Get(), kProbe);
    EXPECT_EQ(::SendMessageW(window.Get(), kProbe, 0, 0), 101);
    EXPECT_EQ(window.log, "Ao");
    DetachMessage(&a, window.Get(), kProbe);
}

TEST(Subclass, StateLivesInTheWindowsPropertiesUntilTheLastDetachRestoresTheWindow) {
    ProbeWindow window;
    const HWND h = window.Get();
    const LONG_PTR own = ::GetWindowLongPtrW(h, GWLP_WNDPROC);
    const std::vector<std::wstring> ownProperties = PropertyNames(h);
    Client a('A', mrConsume, window.log);
    Client b('B', mrConsume, window.log);
    AttachMessage(&a, h, kProbe);
    AttachMessage(&b, h, kProbe);
    AttachMessage(&a, h, kOther);
    const std::wstring probe = std::to_wstring(kProbe);
    EXPECT_EQ(::GetPropW(h, Name(h).c_str()), reinterpret_cast<HANDLE>(own));
    EXPECT_EQ(::GetPropW(h, (Name(h) + L"C").c_str()), reinterpret_cast<HANDLE>(3));
    EXPECT_EQ(::GetPropW(h, (L"C" + probe + L"#" + Name(h)).c_str()), reinterpret_cast<HANDLE>(2));
    EXPECT_EQ(::GetPropW(h, (L"2#" + probe + L"#" + Name(h)).c_str()), static_cast<ISubclass*>(&b));
    EXPECT_NE(::GetWindowLongPtrW(h, GWLP_WNDPROC), own);
    EXPECT_EQ(PropertyNames(h).size(), ownProperties.size() + 7);

    DetachMessage(&a, h, kProbe);
    EXPECT_EQ(::GetPropW(h, (L"1#" + probe + L"#" + Name(h)).c_str()), static_cast<ISubclass*>(&b));
    DetachMessage(&b, h, kProbe);
    DetachMessage(&a, h, kOther);
    EXPECT_EQ(::GetWindowLongPtrW(h, GWLP_WNDPROC), own);
    EXPECT_EQ(PropertyNames(h), ownProperties);
    EXPECT_EQ(::SendMessageW(h, kProbe, 0, 0), 100);
    EXPECT_EQ(window.log, "o");
}

// What the window carries when its last message, WM_NCDESTROY, has been handled ("subclassed" while
// it still has the dispatcher's procedure).
std::vector<std::wstring> g_leftOnDestroy;
LRESULT CALLBACK WatchDestroy(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_NCDESTROY) {
        const bool restored =
            ::GetWindowLongPtrW(call->hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ProbeProc);
        g_leftOnDestroy = restored ? PropertyNames(call->hwnd) : std::vector<std::wstring>{L"subclassed"};
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Subclass, AWindowDestroyedWithClientsAttachedTakesNoneOfTheirPropertiesWithIt) {
    auto window = std::make_unique<ProbeWindow>();
    const std::vector<std::wstring> ownProperties = PropertyNames(window->Get());
    Client a('A', mrConsume, window->log);
    AttachMessage(&a, window->Get(), kProbe);
    AttachMessage(&a, window->Get(), kOther);
    const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &WatchDestroy, nullptr, ::GetCurrentThreadId());
    const HWND h = window->Get();
    ::DestroyWindow(h);
    window->Forget();
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_leftOnDestroy, ownProperties);
    DetachMessage(&a, h, kProbe);  // the client's own detach comes too late and does nothing
}

TEST(Subclass, RefusedAttachesSayWhyAndChangeNothing) {
    ProbeWindow window;
    Client a('A', mrConsume, window.log);
    const LONG_PTR own = ::GetWindowLongPtrW(window.Get(), GWLP_WNDPROC);
    const std::vector<std::wstring> ownProperties = PropertyNames(window.Get());
    AttachMessage(&a, window.Get(), kProbe);
    const struct {
        HWND window;
        std::uint32_t number;
        const wchar_t* description;
    } cases[] = {{reinterpret_cast<HWND>(0x7FFF0), 0x8004331B, L"Invalid window"},
                 {::GetDesktopWindow(), 0x8004331C, L"Can't modify external window"},
                 {window.Get(), 0x8004331A, L"Message already handled by another class"}};
    for (const auto& c : cases) {
        try {
            AttachMessage(&a, c.window, kProbe);
            ADD_FAILURE() << "accepted " << c.number;
        } catch (const SubclassError& error) {
            EXPECT_EQ(error.Number(), c.number);
            EXPECT_EQ(error.Description(), c.description);
            EXPECT_EQ(error.Source(), L"orvell_win_tests.WindowProc");
            EXPECT_EQ(std::string(error.what()).size(), error.Description().size());
        }
    }
    // The refused second attach left no registration behind: one detach restores the window.
    DetachMessage(&a, window.Get(), kProbe);
    EXPECT_EQ(::GetWindowLongPtrW(window.Get(), GWLP_WNDPROC), own);
    EXPECT_EQ(PropertyNames(window.Get()), ownProperties);
}

class Frame final : public IKeyboardClient {
public:
    bool WindowActive() const override { return true; }
    LRESULT OnAltKey(int vKey) override {
        keys.push_back(vKey);
        return take;
    }
    std::vector<int> keys;
    LRESULT take = 1;
};

TEST(KeyboardHook, AltWithALetterReachesTheActiveFrameAndOtherChordsPassIt) {
    ProbeWindow window;
    window.Show();
    Frame frame;
    RegisterKeyboardClient(&frame);
    RegisterKeyboardClient(&frame);  // listed once
    ASSERT_TRUE(test_support::SendChord({VK_MENU, 'K'}));
    ASSERT_TRUE(test_support::SendChord({VK_CONTROL, VK_MENU, 'J'}));
    ASSERT_TRUE(test_support::SendChord({VK_MENU, VK_F4}));
    EXPECT_TRUE(PumpUntil([&] { return !frame.keys.empty(); }));
    frame.take = 0;
    ASSERT_TRUE(test_support::SendChord({VK_MENU, 'L'}));
    EXPECT_TRUE(PumpUntil([&] { return window.log.find('s') != std::string::npos; }));
    UnregisterKeyboardClient(&frame);
    ASSERT_TRUE(test_support::SendChord({VK_MENU, 'M'}));
    PumpUntil([&] { return window.log.size() >= 2; });
    // K was taken; the frame let L through to the window, and M came after the hook was gone.
    EXPECT_EQ(frame.keys, (std::vector<int>{'K', 'L'}));
    EXPECT_EQ(window.log, "ss");
}

class Tracker final : public IMenuTracker {
public:
    bool MenuInput(const MSG& message) override {
        if (message.message == WM_KEYDOWN) {
            keys.push_back(static_cast<int>(message.wParam));
        }
        return message.message == WM_KEYDOWN && message.wParam != VK_ESCAPE;
    }
    std::vector<int> keys;
};

TEST(MenuFilter, TheTrackerSeesThePopupLoopsInputAndMayKeepItFromTheMenu) {
    ProbeWindow window;
    window.Show();
    const unique_hmenu popup(::CreatePopupMenu());
    ::AppendMenuW(popup.Get(), MF_STRING, 7, L"Seven");
    ::SetTimer(window.Get(), kMenuSafetyTimer, 3000, nullptr);
    const auto track = [&](const std::vector<WORD>& keys) {
        for (const WORD key : keys) {
            EXPECT_TRUE(test_support::SendChord({key}));
        }
        return ::TrackPopupMenuEx(popup.Get(), TPM_RETURNCMD, 60, 60, window.Get(), nullptr);
    };
    Tracker tracker;
    InstallMenuFilter(&tracker);
    EXPECT_EQ(track({VK_DOWN, VK_RETURN, VK_ESCAPE}), 0);  // Down and Enter never reached the menu
    RemoveMenuFilter();
    EXPECT_EQ(tracker.keys, (std::vector<int>{VK_DOWN, VK_RETURN, VK_ESCAPE}));
    EXPECT_EQ(track({VK_DOWN, VK_RETURN}), 7);
    EXPECT_EQ(tracker.keys.size(), 3u);
    ::KillTimer(window.Get(), kMenuSafetyTimer);
}

TEST(CTimer, RaisesThatTimeWhileRunningAndNeverAfterItStopsOrDies) {
    int ticks = 0;
    int gone = 0;
    {
        CTimer doomed;
        doomed.ThatTime = [&] { ++gone; };
        doomed.SetInterval(1);
    }
    CTimer timer;
    timer.ThatTime = [&] { ++ticks; };
    timer.PulseTimer();
    EXPECT_EQ(ticks, 1);
    timer.SetInterval(5);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    timer.SetInterval(-1);
    EXPECT_EQ(timer.Interval(), 0);
    EXPECT_EQ(gone, 0);
}

TEST(CTimer, TheHundredAndFirstTimerIsRefusedAndLeftStopped) {
    std::vector<std::unique_ptr<CTimer>> timers;
    std::uint32_t refused = 0;
    while (refused == 0 && timers.size() <= 100) {
        timers.push_back(std::make_unique<CTimer>());
        try {
            timers.back()->SetInterval(600000);
        } catch (const SubclassError& error) {
            refused = error.Number();
        }
    }
    EXPECT_EQ(refused, 0x80043553u);
    EXPECT_EQ(timers.size(), 101u);
    EXPECT_EQ(timers.back()->Interval(), 0);
    timers.clear();
    CTimer again;  // every slot came free with its timer
    again.SetInterval(600000);
    EXPECT_EQ(again.Interval(), 600000);
}

}  // namespace
}  // namespace orvell::win
