// Start-up benchmark: launches each program given on the command line in turn, round after round,
// and times launch -> a visible top-level window of the new process that answers a sent message.
// Each program is closed with WM_CLOSE before the next starts. Prints every program's median and the
// first program's median as a multiple of each other's.
//   startup_bench.exe [--rounds N] first.exe second.exe ...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD processId;
    HWND found;
};

BOOL CALLBACK FindVisibleWindow(HWND window, LPARAM parameter) {
    auto& search = *reinterpret_cast<Search*>(parameter);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    if (owner == search.processId && ::IsWindowVisible(window) && ::GetWindow(window, GW_OWNER) == nullptr) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency{};
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// Milliseconds from CreateProcess to an answered WM_NULL; negative if the program never showed.
double TimeOneStart(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    LARGE_INTEGER start{};
    ::QueryPerformanceCounter(&start);
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return -1;
    }
    Search search{process.dwProcessId, nullptr};
    double elapsed = -1;
    for (int attempt = 0; attempt < 20000 && elapsed < 0; ++attempt) {
        search.found = nullptr;
        ::EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        DWORD_PTR result = 0;
        if (search.found != nullptr &&
            ::SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, 5000, &result) != 0) {
            LARGE_INTEGER end{};
            ::QueryPerformanceCounter(&end);
            elapsed = Seconds(start, end) * 1000.0;
        } else if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            break;  // it ended without showing a window
        }
    }
    if (search.found != nullptr) {
        ::PostMessageW(search.found, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        ::WaitForSingleObject(process.hProcess, 5000);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

const wchar_t* FileName(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return path.c_str() + (slash == std::wstring::npos ? 0 : slash + 1);
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 != 0 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int rounds = 10;
    std::vector<std::wstring> programs;
    for (int i = 1; i < argc; ++i) {
        if (std::wcscmp(argv[i], L"--rounds") == 0 && i + 1 < argc) {
            rounds = std::max(1, _wtoi(argv[++i]));
        } else {
            programs.emplace_back(argv[i]);
        }
    }
    if (programs.empty()) {
        std::fputs("usage: startup_bench.exe [--rounds N] first.exe second.exe ...\n", stderr);
        return 2;
    }
    // One unmeasured start each: the first start of a session pays for loading Wine's own parts.
    for (const std::wstring& program : programs) {
        TimeOneStart(program);
    }
    std::vector<std::vector<double>> times(programs.size());
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            const double ms = TimeOneStart(programs[p]);
            if (ms < 0) {
                std::fwprintf(stderr, L"%ls showed no window\n", programs[p].c_str());
                return 1;
            }
            times[p].push_back(ms);
        }
    }
    std::vector<double> medians;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        medians.push_back(Median(times[p]));
        std::printf("%-20ls median %7.1f ms over %d starts\n", FileName(programs[p]), medians.back(), rounds);
    }
    for (std::size_t p = 1; p < programs.size(); ++p) {
        std::printf("%ls / %ls: %.2f\n", FileName(programs[0]), FileName(programs[p]),
                    medians[0] / medians[p]);
    }
    return 0;
}
