// What the benchmarks driving a program from outside count as "there": its window visible, every
// part of it painted (no update region left on the window or any child) and its thread back at the
// message loop (a sent message answered; a paint in progress ends before it is answered).
#pragma once

#include <windows.h>

#include <algorithm>
#include <vector>

namespace orvell::bench {

inline BOOL CALLBACK NoteUnpainted(HWND child, LPARAM unpainted) {
    if (::IsWindowVisible(child) && ::GetUpdateRect(child, nullptr, FALSE)) {
        *reinterpret_cast<bool*>(unpainted) = true;
        return FALSE;
    }
    return TRUE;
}

inline bool Unpainted(HWND window) {
    bool unpainted = ::GetUpdateRect(window, nullptr, FALSE) != FALSE;
    if (!unpainted) {
        ::EnumChildWindows(window, &NoteUnpainted, reinterpret_cast<LPARAM>(&unpainted));
    }
    return unpainted;
}

inline bool ShownPaintedAnswering(HWND window) {
    if (!::IsWindowVisible(window) || Unpainted(window)) {
        return false;
    }
    DWORD_PTR result = 0;
    return ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0 && !Unpainted(window);
}

inline bool HiddenAndAnswering(HWND window) {
    DWORD_PTR result = 0;
    return !::IsWindowVisible(window) &&
           ::SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0;
}

inline double Milliseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline LARGE_INTEGER Now() {
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    return now;
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
