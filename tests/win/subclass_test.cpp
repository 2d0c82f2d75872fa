// The message dispatcher on real windows, the thread's keyboard hook with real keys, and the timers.
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
using test_support::PumpUntil;

constexpr UINT kProbe = WM_APP + 7;
constexpr UINT kOther = WM_APP + 8;

// A window whose own procedure answers kProbe and kOther with 100 and logs 'o', and logs 's' for
// WM_SYSCHAR. It
// neither closes on Alt+F4 nor enters the keyboard menu mode, which would wait for more keys.
LRESULT CALLBACK ProbeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* log = reinterpret_cast<std::string*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (message == kProbe || message == kOther || message == WM_SYSCHAR) {
        *log += message == WM_SYSCHAR ? 's' : 'o';
        return message == WM_SYSCHAR ? 0 : 100;
    }
    if (message == WM_CLOSE || (message == WM_SYSCOMMAND && (wParam & 0xFFF0) == SC_KEYMENU)) {
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

struct ProbeWindow {
    ProbeWindow() {
        WNDCLASSW windowClass{};
        windowClass.lpfnWndProc = &ProbeProc;
        windowClass.hInstance = ::GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"OrvellSubclassProbe";
        ::RegisterClassW(&windowClass);
        window.Reset(::CreateWindowExW(0, windowClass.lpszClassName, L"probe", WS_OVERLAPPEDWINDOW, 40, 40,
                                       200, 120, nullptr, nullptr, windowClass.hInstance, nullptr));
        ::SetWindowLongPtrW(window.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&log));
        ownProcedure = ::GetWindowLongPtrW(window.Get(), GWLP_WNDPROC);
        ownProperties = PropertyNames(window.Get());
    }
    HWND Get() const { return window.Get(); }
    bool AsItWas() const {
        return ::GetWindowLongPtrW(Get(), GWLP_WNDPROC) == ownProcedure &&
               PropertyNames(Get()) == ownProperties;
    }

    std::string log;  // before the window, which writes to it until it is destroyed
    unique_hwnd window;
    LONG_PTR ownProcedure = 0;
    std::vector<std::wstring> ownProperties;  // the system may keep some of its own there
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
        return iMsg == kOther ? CallOldWindowProc(hWnd, iMsg, wParam, lParam) + 1 : m_name;
    }
    UINT seen = 0;

private:
    char m_name;
    EMsgResponse m_response;
    std::string& m_log;
};

TEST(Subclass, ClientsRunAroundTheWindowsProcedureWithTheirStateInItsPropertiesUntilTheLastDetach) {
    ProbeWindow window;
    const HWND h = window.Get();
    Client a('A', mrBeforeOld, window.log);
    Client b('B', mrAfterOld, window.log);
    AttachMessage(&a, h, kProbe);
    AttachMessage(&b, h, kProbe);
    AttachMessage(&a, h, kOther);
    // The first asks for "before", so the last's "after" finds it done; the result is the last's.
    EXPECT_EQ(::SendMessageW(h, kProbe, 0, 0), 'B');
    EXPECT_EQ(window.log, "oAB");
    EXPECT_EQ(a.seen, kProbe);
    EXPECT_EQ(::SendMessageW(h, kOther, 0, 0), 101);  // the client handed it on itself

    const std::wstring handle = std::to_wstring(reinterpret_cast<std::intptr_t>(h));
    const std::wstring probe = std::to_wstring(kProbe);
    EXPECT_EQ(::GetPropW(h, handle.c_str()), reinterpret_cast<HANDLE>(window.ownProcedure));
    EXPECT_EQ(::GetPropW(h, (handle + L"C").c_str()), reinterpret_cast<HANDLE>(3));
    EXPECT_EQ(::GetPropW(h, (L"C" + probe + L"#" + handle).c_str()), reinterpret_cast<HANDLE>(2));
    EXPECT_EQ(::GetPropW(h, (L"2#" + probe + L"#" + handle).c_str()), static_cast<ISubclass*>(&b));
    EXPECT_EQ(PropertyNames(h).size(), window.ownProperties.size() + 7);

    DetachMessage(&a, h, kProbe);
    EXPECT_EQ(::GetPropW(h, (L"1#" + probe + L"#" + handle).c_str()), static_cast<ISubclass*>(&b));
    DetachMessage(&b, h, kProbe);
    DetachMessage(&a, h, kOther);
    EXPECT_TRUE(window.AsItWas());
}

// What the window carries once its last message, WM_NCDESTROY, has been handled.
std::vector<std::wstring> g_leftOnDestroy;
LRESULT CALLBACK WatchDestroy(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_NCDESTROY) {
        const bool own =
            ::GetWindowLongPtrW(call->hwnd, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(&ProbeProc);
        g_leftOnDestroy = own ? PropertyNames(call->hwnd) : std::vector<std::wstring>{L"still subclassed"};
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST(Subclass, AWindowDestroyedWithClientsAttachedTakesNoneOfTheirPropertiesWithIt) {
    ProbeWindow window;
    Client a('A', mrConsume, window.log);
    AttachMessage(&a, window.Get(), kProbe);
    AttachMessage(&a, window.Get(), kOther);
    const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &WatchDestroy, nullptr, ::GetCurrentThreadId());
    window.window.Reset();
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_leftOnDestroy, window.ownProperties);
}

// Detaches a client, itself or another, when it handles a message.
class Detacher final : public ISubclass {
public:
    Detacher(ISubclass*& target, std::string& log) : m_target(target), m_log(log) {}
    EMsgResponse MsgResponse() override { return mrConsume; }
    LRESULT WindowProc(HWND hWnd, UINT iMsg, WPARAM, LPARAM) override {
        m_log += 'D';
        DetachMessage(m_target, hWnd, iMsg);
        return 'D';
    }

private:
    ISubclass*& m_target;
    std::string& m_log;
};

TEST(Subclass, AClientThatDetachesItselfOrALaterOneDuringDispatchSkipsNoneAndRunsTheWindowsProcedureOnce) {
    const struct {
        bool itself;
        const char* log;
    } cases[] = {{true, "DBo"}, {false, "Do"}};
    for (const auto& c : cases) {
        ProbeWindow window;
        ISubclass* target = nullptr;
        Detacher d(target, window.log);
        Client b('B', mrAfterOld, window.log);
        target = c.itself ? static_cast<ISubclass*>(&d) : &b;
        AttachMessage(&d, window.Get(), kProbe);
        AttachMessage(&b, window.Get(), kProbe);
        // B answered "after" when the message came: the window's procedure runs after it, even if gone.
        EXPECT_EQ(::SendMessageW(window.Get(), kProbe, 0, 0), 100);
        EXPECT_EQ(window.log, c.log);
        DetachMessage(&d, window.Get(), kProbe);
        DetachMessage(&b, window.Get(), kProbe);
        EXPECT_TRUE(window.AsItWas());
    }
}

// Another program part's subclass, installed over the dispatcher: it logs 'x' and passes messages on.
WNDPROC g_underLater = nullptr;
LRESULT CALLBACK LaterProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == kProbe) {
        *reinterpret_cast<std::string*>(::GetWindowLongPtrW(window, GWLP_USERDATA)) += 'x';
    }
    return ::CallWindowProcW(g_underLater, window, message, wParam, lParam);
}

TEST(Subclass, TheLastDetachUnderALaterSubclassLeavesTheChainWholeAndAttachingAgainDispatchesOnce) {
    ProbeWindow window;
    const HWND h = window.Get();
    Client a('A', mrAfterOld, window.log);
    AttachMessage(&a, h, kProbe);
    g_underLater = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&LaterProc)));
    DetachMessage(&a, h, kProbe);
    EXPECT_EQ(::GetWindowLongPtrW(h, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(&LaterProc));
    EXPECT_EQ(::SendMessageW(h, kProbe, 0, 0), 100);
    EXPECT_EQ(window.log, "xo");

    window.log.clear();
    AttachMessage(&a, h, kProbe);
    EXPECT_EQ(::SendMessageW(h, kProbe, 0, 0), 100);
    EXPECT_EQ(window.log, "xAo");
    DetachMessage(&a, h, kProbe);
    // The later subclass goes as it came; the dispatcher's last property goes with the window.
    ::SetWindowLongPtrW(h, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_underLater));
    const HHOOK hook = ::SetWindowsHookExW(WH_CALLWNDPROCRET, &WatchDestroy, nullptr, ::GetCurrentThreadId());
    window.window.Reset();
    ::UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_leftOnDestroy, window.ownProperties);
}

TEST(Subclass, RefusedAttachesSayWhyAndChangeNothing) {
    ProbeWindow window;
    Client a('A', mrConsume, window.log);
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
        }
    }
    // The refused second attach left no registration behind: one detach restores the window.
    DetachMessage(&a, window.Get(), kProbe);
    EXPECT_TRUE(window.AsItWas());
}

class Frame final : public IKeyboardClient {
public:
    bool WindowActive() const override { return true; }
    LRESULT OnAltKey(int vKey) override {
        keys.push_back(vKey);
        return 1;
    }
    std::vector<int> keys;
};

TEST(KeyboardHook, AltWithALetterReachesTheActiveFrameAndOtherChordsPassIt) {
    ProbeWindow window;
    ::ShowWindow(window.Get(), SW_SHOW);
    ::SetForegroundWindow(window.Get());
    Frame frame;
    RegisterKeyboardClient(&frame);
    RegisterKeyboardClient(&frame);  // listed once
    ASSERT_TRUE(test_support::SendChord({VK_CONTROL, VK_MENU, 'J'}));
    ASSERT_TRUE(test_support::SendChord({VK_MENU, 'K'}));
    EXPECT_TRUE(PumpUntil([&] { return !frame.keys.empty(); }));
    UnregisterKeyboardClient(&frame);
    ASSERT_TRUE(test_support::SendChord({VK_MENU, 'M'}));
    EXPECT_TRUE(PumpUntil([&] { return window.log == "s"; }));
    // K was taken, and only K: Ctrl+Alt+J was not offered, and M came after the hook was gone.
    EXPECT_EQ(frame.keys, (std::vector<int>{'K'}));
}

TEST(CTimer, RaisesThatTimeWhileRunningNeverAfterItStopsOrDiesAndAHundredRunAtMost) {
    int ticks = 0;
    {
        CTimer doomed;
        doomed.ThatTime = [&] { ticks += 100; };
        doomed.Interval(1);
    }
    CTimer timer;
    timer.ThatTime = [&] { ++ticks; };
    timer.PulseTimer();
    EXPECT_EQ(ticks, 1);
    timer.Interval(5);
    EXPECT_TRUE(PumpUntil([&] { return ticks >= 3; }));
    EXPECT_LT(ticks, 100);
    timer.Interval(-1);
    EXPECT_EQ(timer.Interval(), 0);

    std::vector<std::unique_ptr<CTimer>> timers;
    std::uint32_t refused = 0;
    while (refused == 0 && timers.size() <= 100) {
        timers.push_back(std::make_unique<CTimer>());
        try {
            timers.back()->Interval(600000);
        } catch (const SubclassError& error) {
            refused = error.Number();
        }
    }
    EXPECT_EQ(refused, 0x80043553u);
    EXPECT_EQ(timers.size(), 101u);
    EXPECT_EQ(timers.back()->Interval(), 0);
    timers.clear();
    timer.Interval(600000);  // every slot came free with its timer
    EXPECT_EQ(timer.Interval(), 600000);
}

}  // namespace
}  // namespace orvell::win
