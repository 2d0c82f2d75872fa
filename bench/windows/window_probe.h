// What the benchmarks driving a program from outside count as "there": its window visible, every
// part of it painted (no update region left on the window or any child) and its thread back at the
// message loop (a sent message answered; a paint in progress ends before it is answered).
#pragma once

#include <windows.h>

#include <algorithm>
#include <cwchar>
#include <string>
#include <vector>

namespace orvell::bench {

inline BOOL CALLBACK CollectChild(HWND child, LPARAM children) {
    reinterpret_cast<std::vector<HWND>*>(children)->push_back(child);
    return TRUE;
}

// Children are looked at last first: the system paints them in the order listed, so while painting
// goes on the first look finds one left and the poll stays cheap. Each look is a call to the
// wineserver, which the measured program needs for its own painting.
inline bool Unpainted(HWND window) {
    if (::GetUpdateRect(window, nullptr, FALSE)) {
        return true;
    }
    std::vector<HWND> children;
    ::EnumChildWindows(window, &CollectChild, reinterpret_cast<LPARAM>(&children));
    return std::any_of(children.rbegin(), children.rend(),
                       [](HWND child) { return ::GetUpdateRect(child, nullptr, FALSE) != FALSE; });
}

// The visible top-level window of a process that no other window owns (its main window); null if none.
inline HWND VisibleMainWindow(DWORD processId) {
    struct Search {
        DWORD processId;
        HWND found;
    } search{processId, nullptr};
    ::EnumWindows(
        [](HWND window, LPARAM parameter) -> BOOL {
            auto& search = *reinterpret_cast<Search*>(parameter);
            DWORD owner = 0;
            ::GetWindowThreadProcessId(window, &owner);
            if (owner == search.processId && ::IsWindowVisible(window) &&
                ::GetWindow(window, GW_OWNER) == nullptr) {
                search.found = window;
                return FALSE;
            }
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    return search.found;
}

inline bool ShownPaintedAnswering(HWND window) {
    if (!::IsWindowVisible(window) || Unpainted(window)) {
        return false;
    }
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0 &&
           !Unpainted(window);
}

inline bool HiddenAndAnswering(HWND window) {
    DWORD_PTR result = 0;
    return !::IsWindowVisible(window) &&
           ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

inline double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
           static_cast<double>(frequency.QuadPart);
}

inline LARGE_INTEGER Now() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now;
}

// The measurers' command line: "--rounds N" anywhere (at least 1, fallback when absent), every other
// argument a program to measure, in order.
inline int RoundsAndPrograms(int argc, wchar_t** argv, int fallback, std::vector<std::wstring>& programs) {
    int rounds = fallback;
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--rounds") == 0 && i + 1 < argc) {
            rounds = std::max(1, _wtoi(argv[++i]));
        } else {
            programs.emplace_back(argv[i]);
        }
    }
    return rounds;
}

inline double Median(std::vector<double> values) {
    if (values.empty()) {
        return 0;
    }
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace orvell::bench
