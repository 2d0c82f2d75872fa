// Start-up benchmark: launches each program given on the command line in turn, round after round,
// and times launch -> a top-level window of the new process shown, painted and answering (see
// window_probe.h). Each program is closed with WM_CLOSE before the next starts. Prints every program's
// median and the first program's median as a multiple of each other's, one key=value line each.
//   startup_bench.exe [--rounds N] first.exe second.exe ...
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "window_probe.h"

namespace {

// Milliseconds from CreateProcess to the window shown and painted; negative if it never showed.
double TimeOneStart(const std::wstring& program) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const LARGE_INTEGER start = orvell::bench::Now();
    if (!::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &process)) {
        return -1;
    }
    double elapsed = -1;
    HWND found = nullptr;
    for (int attempt = 0; attempt < 20000 && elapsed < 0; ++attempt) {
        found = orvell::bench::VisibleMainWindow(process.dwProcessId);
        if (found != nullptr && orvell::bench::ShownPaintedAnswering(found)) {
            elapsed = orvell::bench::Milliseconds(start, orvell::bench::Now());
        } else if (::WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
            break;  // it ended without showing a window
        }
    }
    if (found != nullptr) {
        ::PostMessageW(found, WM_CLOSE, 0, 0);
    }
    if (::WaitForSingleObject(process.hProcess, 5000) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        ::WaitForSingleObject(process.hProcess, 5000);
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return elapsed;
}

// The program's name as a key: its file name without ".exe".
std::wstring Key(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    std::wstring name = path.substr(slash == std::wstring::npos ? 0 : slash + 1);
    return name.size() > 4 && _wcsicmp(name.c_str() + name.size() - 4, L".exe") == 0
               ? name.substr(0, name.size() - 4)
               : name;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> programs;
    const int rounds = orvell::bench::RoundsAndPrograms(argc, argv, 10, programs);
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
        medians.push_back(orvell::bench::Median(times[p]));
        std::printf("startup_%ls_ms=%.1f\n", Key(programs[p]).c_str(), medians.back());
    }
    for (std::size_t p = 1; p < programs.size(); ++p) {
        std::printf("startup_%ls_per_%ls=%.2f\n", Key(programs[0]).c_str(), Key(programs[p]).c_str(),
                    medians[0] / medians[p]);
    }
    std::printf("startup_rounds=%d\n", rounds);
    return 0;
}
