#include "skin/subclass.h"

#include <algorithm>
#include <string>
#include <vector>

#include "platform/text_file.h"

namespace orvell::win {

namespace {

std::string Narrow(std::wstring_view text) {
    return std::string(text.begin(), text.end());  // the descriptions are plain ASCII
}

// The exe's file name without its extension. (Not through std::filesystem: its path class would bring
// the whole of the C++ locale library into the exe, a third of its size.)
std::wstring ProgramName() {
    std::wstring name = ExePath();
    name.erase(0, name.find_last_of(L"\\/") + 1);
    const std::size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos && dot > 0) {
        name.resize(dot);
    }
    return name;
}

std::int64_t HandleNumber(HWND window) {
    return reinterpret_cast<std::intptr_t>(window);
}

LRESULT CALLBACK DispatcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// The window's procedure goes back to oldProcedure only while it is the dispatcher's own.
bool PutBack(HWND window, std::intptr_t oldProcedure) {
    if (oldProcedure == 0 ||
        ::GetWindowLongPtrW(window, GWLP_WNDPROC) != reinterpret_cast<LONG_PTR>(&DispatcherProc)) {
        return false;
    }
    ::SetWindowLongPtrW(window, GWLP_WNDPROC, oldProcedure);
    return true;
}

// The dispatcher's state on the window itself, so that it goes wherever the window goes and needs no
// table of windows.
class WindowProperties final : public skin::SubclassStore {
public:
    explicit WindowProperties(HWND window) : m_window(window) {}

    std::intptr_t Get(const std::wstring& name) const override {
        return reinterpret_cast<std::intptr_t>(::GetPropW(m_window, name.c_str()));
    }
    void Set(const std::wstring& name, std::intptr_t value) override {
        ::SetPropW(m_window, name.c_str(), reinterpret_cast<HANDLE>(value));
    }
    void Remove(const std::wstring& name) override { ::RemovePropW(m_window, name.c_str()); }
    std::intptr_t Subclass() override {
        return ::SetWindowLongPtrW(m_window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&DispatcherProc));
    }
    bool Unsubclass(std::intptr_t oldProcedure) override { return PutBack(m_window, oldProcedure); }

private:
    HWND m_window;
};

// What the clients of the message now being dispatched see through CurrentMessage and
// CallOldWindowProc. A client may send other messages while it handles one, so each dispatch puts back
// what the one around it had.
struct Dispatching {
    UINT message = 0;
    WNDPROC oldProcedure = nullptr;
};
Dispatching g_current;

class WindowDispatch final : public skin::DispatchSteps {
public:
    WindowDispatch(WindowProperties& properties, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                   WNDPROC oldProcedure)
        : m_properties(properties),
          m_window(window),
          m_message(message),
          m_wParam(wParam),
          m_lParam(lParam),
          m_oldProcedure(oldProcedure) {}

    bool OldRan() const { return m_oldRan; }

    std::vector<std::intptr_t> Clients() override {
        return skin::ClientsOf(m_properties, HandleNumber(m_window), m_message);
    }
    bool StillAttached(std::intptr_t client) override {
        const std::vector<std::intptr_t> now = Clients();
        return std::find(now.begin(), now.end(), client) != now.end();
    }
    EMsgResponse Response(std::intptr_t client) override {
        MakeCurrent();
        return reinterpret_cast<ISubclass*>(client)->MsgResponse();
    }
    std::intptr_t CallClient(std::intptr_t client) override {
        MakeCurrent();
        return reinterpret_cast<ISubclass*>(client)->WindowProc(m_window, m_message, m_wParam, m_lParam);
    }
    std::intptr_t CallOld() override {
        m_oldRan = true;
        return ::CallWindowProcW(m_oldProcedure, m_window, m_message, m_wParam, m_lParam);
    }

private:
    void MakeCurrent() { g_current = {m_message, m_oldProcedure}; }

    WindowProperties& m_properties;
    HWND m_window;
    UINT m_message;
    WPARAM m_wParam;
    LPARAM m_lParam;
    WNDPROC m_oldProcedure;
    bool m_oldRan = false;
};

BOOL CALLBACK CollectProperty(HWND, LPWSTR name, HANDLE, ULONG_PTR names) {
    if (!IS_INTRESOURCE(name)) {
        reinterpret_cast<std::vector<std::wstring>*>(names)->emplace_back(name);
    }
    return TRUE;
}

// A window destroyed with clients still attached, or with the dispatcher still in its chain: its
// procedure goes back (while it is the dispatcher's) and every property of the dispatcher goes (each
// one's name holds a global atom), so nothing of it outlives the window.
void ForgetWindow(HWND window, WNDPROC oldProcedure) {
    std::vector<std::wstring> names;
    ::EnumPropsExW(window, &CollectProperty, reinterpret_cast<LPARAM>(&names));
    const std::int64_t handle = HandleNumber(window);
    for (const std::wstring& name : names) {
        if (skin::IsDispatcherProperty(name, handle)) {
            ::RemovePropW(window, name.c_str());
        }
    }
    PutBack(window, reinterpret_cast<std::intptr_t>(oldProcedure));
}

LRESULT CALLBACK DispatcherProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    WindowProperties properties(window);
    const std::int64_t handle = HandleNumber(window);
    const auto oldProcedure = reinterpret_cast<WNDPROC>(properties.Get(skin::OldProcName(handle)));
    if (oldProcedure == nullptr) {
        return ::DefWindowProcW(window, message, wParam, lParam);
    }
    const Dispatching outer = g_current;
    WindowDispatch dispatch(properties, window, message, wParam, lParam, oldProcedure);
    LRESULT result = 0;
    try {
        result = skin::RunDispatch(dispatch);
    } catch (...) {
        // A client that fails leaves the message to the window's own procedure.
        if (!dispatch.OldRan()) {
            result = dispatch.CallOld();
        }
    }
    g_current = outer;
    if (message == WM_NCDESTROY) {
        ForgetWindow(window, oldProcedure);
    }
    return result;
}

// The thread's hooks and who they serve.
struct Hooks {
    HHOOK keyboard = nullptr;
    std::vector<IKeyboardClient*> keyboardClients;
    HHOOK menuFilter = nullptr;
    IMenuTracker* tracker = nullptr;
};
Hooks g_hooks;

// Ctrl as it was when the key being handled was typed: the keys may have waited in the queue while
// the user let go of Ctrl.
bool CtrlDown() {
    return (::GetKeyState(VK_CONTROL) & 0x8000) != 0;
}

LRESULT CALLBACK KeyboardProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        const int key = static_cast<int>(wParam);
        if (g_hooks.keyboard != nullptr &&
            skin::OffersAltKey(code, key, static_cast<std::uint32_t>(lParam), CtrlDown())) {
            const auto& clients = g_hooks.keyboardClients;
            const auto active =
                std::find_if(clients.begin(), clients.end(),
                             [](const IKeyboardClient* frame) { return frame->WindowActive(); });
            if (active != clients.end() && (*active)->OnAltKey(key) != 0) {
                return 1;
            }
        }
    } catch (...) {
        // A frame that fails to take the key lets it through.
    }
    return ::CallNextHookEx(g_hooks.keyboard, code, wParam, lParam);
}

LRESULT CALLBACK MessageFilterProc(int code, WPARAM wParam, LPARAM lParam) noexcept {
    if (code == MSGF_MENU && g_hooks.tracker != nullptr) {
        const MSG message = *reinterpret_cast<const MSG*>(lParam);
        try {
            if (g_hooks.tracker->MenuInput(message)) {
                return 1;
            }
        } catch (...) {
            // The menu loop goes on with the message.
        }
    }
    return ::CallNextHookEx(g_hooks.menuFilter, code, wParam, lParam);
}

}  // namespace

SubclassError::SubclassError(skin::SkinError code)
    : std::runtime_error(Narrow(skin::ErrorDescription(code))),
      m_code(code),
      m_source(ProgramName() + L".WindowProc") {}

void AttachMessage(ISubclass* iwp, HWND hWnd, UINT iMsg) {
    if (!::IsWindow(hWnd)) {
        throw SubclassError(skin::SkinError::kInvalidWindow);
    }
    DWORD process = 0;
    ::GetWindowThreadProcessId(hWnd, &process);
    if (process != ::GetCurrentProcessId()) {
        throw SubclassError(skin::SkinError::kExternalWindow);
    }
    if (iwp == nullptr) {
        return;
    }
    WindowProperties properties(hWnd);
    if (const auto error =
            skin::AttachClient(properties, HandleNumber(hWnd), iMsg, reinterpret_cast<std::intptr_t>(iwp))) {
        throw SubclassError(*error);
    }
}

void DetachMessage(ISubclass* iwp, HWND hWnd, UINT iMsg) noexcept {
    if (iwp == nullptr || !::IsWindow(hWnd)) {
        return;
    }
    WindowProperties properties(hWnd);
    skin::DetachClient(properties, HandleNumber(hWnd), iMsg, reinterpret_cast<std::intptr_t>(iwp));
}

UINT CurrentMessage() noexcept {
    return g_current.message;
}

LRESULT CallOldWindowProc(HWND hWnd, UINT iMsg, WPARAM wParam, LPARAM lParam) {
    if (g_current.oldProcedure == nullptr) {
        return ::DefWindowProcW(hWnd, iMsg, wParam, lParam);
    }
    return ::CallWindowProcW(g_current.oldProcedure, hWnd, iMsg, wParam, lParam);
}

void RegisterKeyboardClient(IKeyboardClient* frame) {
    if (frame == nullptr) {
        return;
    }
    if (g_hooks.keyboard == nullptr) {
        g_hooks.keyboard = ::SetWindowsHookExW(WH_KEYBOARD, &KeyboardProc, nullptr, ::GetCurrentThreadId());
    }
    auto& clients = g_hooks.keyboardClients;
    if (std::find(clients.begin(), clients.end(), frame) == clients.end()) {
        clients.push_back(frame);
    }
}

void UnregisterKeyboardClient(IKeyboardClient* frame) noexcept {
    auto& clients = g_hooks.keyboardClients;
    clients.erase(std::remove(clients.begin(), clients.end(), frame), clients.end());
    if (clients.empty() && g_hooks.keyboard != nullptr) {
        ::UnhookWindowsHookEx(g_hooks.keyboard);
        g_hooks.keyboard = nullptr;
    }
}

void InstallMenuFilter(IMenuTracker* tracker) {
    RemoveMenuFilter();
    g_hooks.tracker = tracker;
    g_hooks.menuFilter =
        ::SetWindowsHookExW(WH_MSGFILTER, &MessageFilterProc, nullptr, ::GetCurrentThreadId());
}

void RemoveMenuFilter() noexcept {
    if (g_hooks.menuFilter != nullptr) {
        ::UnhookWindowsHookEx(g_hooks.menuFilter);
        g_hooks.menuFilter = nullptr;
    }
    g_hooks.tracker = nullptr;  // nothing calls it any more, so nothing may keep it
}

}  // namespace orvell::win
