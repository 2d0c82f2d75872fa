// Hotkey benchmark: the time from pressing the hotkey, with the window hidden in the notification
// area, to the window shown, painted and answering. orvell.exe against a blank window that holds
// another key through the same RegisterHotKey and shows itself the same way. Both run side by side;
// the keys are real input (SendInput), measured round after round from outside the programs.
// Prints one key=value line per figure, then the ratio.
//   hotkey_bench.exe [--rounds N] orvell.exe blank_window.exe
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "window_probe.h"

namespace {

using orvell::bench::Milliseconds;
using orvell::bench::Now;

struct Program {
    const char* name;
    std::wstring commandLine;
    UINT key;
    UINT modifiers;  // MOD_SHIFT, MOD_CONTROL, MOD_ALT
    PROCESS_INFORMATION process{};
    HWND window = nullptr;
    std::vector<double> times;
};

DWORD ReadOrvellSetting(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof value;
    if (::RegGetValueW(HKEY_CURRENT_USER, L"Software\\Kestrane\\Orvell", name, RRF_RT_REG_DWORD, nullptr,
                       &value, &size) != ERROR_SUCCESS) {
        return 0;
    }
    return value;
}

void Press(const Program& program) {
    std::vector<INPUT> inputs;
    const auto key = [&](WORD vKey, bool up) {
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = vKey;
        input.ki.wScan = static_cast<WORD>(::MapVirtualKeyW(vKey, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        inputs.push_back(input);
    };
    const std::pair<UINT, WORD> modifiers[] = {
        {MOD_CONTROL, VK_CONTROL}, {MOD_ALT, VK_MENU}, {MOD_SHIFT, VK_SHIFT}};
    for (const auto& [flag, vKey] : modifiers) {
        if ((program.modifiers & flag) != 0) {
            key(vKey, false);
        }
    }
    key(static_cast<WORD>(program.key), false);
    key(static_cast<WORD>(program.key), true);
    for (const auto& [flag, vKey] : modifiers) {
        if ((program.modifiers & flag) != 0) {
            key(vKey, true);
        }
    }
    ::SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

// Polled once a millisecond: a tighter loop would load the wineserver, which the measured program
// needs for every paint, and slow most the program that makes the most calls.
template <typename Condition>
bool WaitFor(Condition condition, DWORD milliseconds) {
    const DWORD start = ::GetTickCount();
    while (!condition()) {
        if (::GetTickCount() - start > milliseconds) {
            return false;
        }
        ::Sleep(1);
    }
    return true;
}

bool Launch(Program& program) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    if (!::CreateProcessW(nullptr, program.commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &program.process)) {
        return false;
    }
    WaitFor(
        [&] {
            program.window = orvell::bench::VisibleMainWindow(program.process.dwProcessId);
            return program.window != nullptr && orvell::bench::ShownPaintedAnswering(program.window);
        },
        30000);
    return program.window != nullptr;
}

// Hidden by one press; the first presses may come before the program holds its key.
bool Hide(const Program& program) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        Press(program);
        if (WaitFor([&] { return orvell::bench::HiddenAndAnswering(program.window); }, 1000)) {
            return true;
        }
    }
    return false;
}

bool TimeShow(Program& program) {
    if (!Hide(program)) {
        return false;
    }
    ::Sleep(50);  // the hide settles; the show starts from a quiet program
    const LARGE_INTEGER start = Now();
    Press(program);
    if (!WaitFor([&] { return orvell::bench::ShownPaintedAnswering(program.window); }, 10000)) {
        return false;
    }
    program.times.push_back(Milliseconds(start, Now()));
    return true;
}

void Close(Program& program) {
    if (program.window != nullptr) {
        ::PostMessageW(program.window, WM_CLOSE, 0, 0);
    }
    if (program.process.hProcess == nullptr) {
        return;
    }
    if (::WaitForSingleObject(program.process.hProcess, 10000) != WAIT_OBJECT_0) {
        ::TerminateProcess(program.process.hProcess, 1);
    }
    ::CloseHandle(program.process.hThread);
    ::CloseHandle(program.process.hProcess);
}

UINT ComboModifiers(DWORD combo) {
    return ((combo & 1) != 0 ? MOD_SHIFT : 0u) | ((combo & 2) != 0 ? MOD_CONTROL : 0u) |
           ((combo & 4) != 0 ? MOD_ALT : 0u);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    std::vector<std::wstring> paths;
    const int rounds = orvell::bench::RoundsAndPrograms(argc, argv, 50, paths);
    if (paths.size() != 2) {
        std::fputs("usage: hotkey_bench.exe [--rounds N] orvell.exe blank_window.exe\n", stderr);
        return 2;
    }
    // orvell's key as its settings hold it; the blank window takes another one.
    const UINT orvellKey = ReadOrvellSetting(L"HotKey") != 0 ? ReadOrvellSetting(L"HotKey") : VK_F12;
    const UINT orvellModifiers =
        ReadOrvellSetting(L"Check") == 1 ? ComboModifiers(ReadOrvellSetting(L"Combo")) : 0;
    const UINT blankKey = orvellKey == VK_F11 ? VK_F9 : VK_F11;
    Program product{"orvell", L"\"" + paths[0] + L"\"", orvellKey, orvellModifiers, {}, nullptr, {}};
    Program blank{
        "blank", L"\"" + paths[1] + L"\" --hotkey " + std::to_wstring(blankKey), blankKey, 0, {}, nullptr,
        {}};
    int rc = 0;
    if (!Launch(product) || !Launch(blank)) {
        std::fputs("a program showed no window\n", stderr);
        rc = 1;
    }
    for (int round = 0; round < rounds && rc == 0; ++round) {
        for (Program* program : {&product, &blank}) {
            if (!TimeShow(*program)) {
                std::fprintf(stderr, "%s did not hide and show on its hotkey\n", program->name);
                rc = 1;
                break;
            }
        }
    }
    Close(product);
    Close(blank);
    if (rc != 0) {
        return rc;
    }
    const double orvellMs = orvell::bench::Median(product.times);
    const double blankMs = orvell::bench::Median(blank.times);
    std::printf(
        "hotkey_show_orvell_ms=%.2f\nhotkey_show_blank_ms=%.2f\nhotkey_show_ratio=%.2f\nhotkey_show_rounds=%"
        "d\n",
        orvellMs, blankMs, orvellMs / blankMs, rounds);
    return 0;
}
