// The yardstick of the start-up and hotkey benchmarks: an empty top-level window made by the same
// toolchain and flags as orvell.exe, shown at once, closing on WM_CLOSE. With --hotkey VK it also
// holds that key through RegisterHotKey and hides or shows itself on each press, as orvell does from
// the notification area.
#include <windows.h>

#include <cwchar>

namespace {

constexpr int kHotkeyId = 1;

LRESULT CALLBACK BlankProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_HOTKEY && wParam == kHotkeyId) {
        if (::IsWindowVisible(window)) {
            ::ShowWindow(window, SW_HIDE);
        } else {
            ::ShowWindow(window, SW_SHOW);
            ::SetForegroundWindow(window);
        }
        return 0;
    }
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int show) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &BlankProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = L"OrvellBenchBlank";
    ::RegisterClassExW(&windowClass);
    HWND window =
        ::CreateWindowExW(0, windowClass.lpszClassName, L"Blank", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                          CW_USEDEFAULT, 420, 380, nullptr, nullptr, instance, nullptr);
    if (const wchar_t* hotkey = std::wcsstr(commandLine, L"--hotkey ")) {
        ::RegisterHotKey(window, kHotkeyId, MOD_NOREPEAT, static_cast<UINT>(_wtoi(hotkey + 9)));
    }
    ::ShowWindow(window, show);
    ::UpdateWindow(window);
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return 0;
}
