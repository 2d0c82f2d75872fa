// On-screen benchmark, in-process: the program's real main window (its window library, as the Windows
// tests drive it) under a settings key of its own, fed keys through the program's own message loop,
// timed until everything queued is handled and painted (the queue empty: no input, no paint left).
// - Lookup on screen, in both directions, against the floor of setting the same answer into a plain
//   edit box of the same size, style and font: the search button clicked -> the data files read and
//   the output box repainted with the answer (two inputs alternate, so every answer differs from the
//   one on screen); and Enter in the input box, which empties it (in the character search it also
//   answers with the Enter key's own code).
// - Language switch: F6 / F7 -> every caption redrawn.
// Prints one key=value line per figure and the ratios.
//   screen_bench.exe [--rounds N]
#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "platform/text_file.h"
#include "window_probe.h"

namespace {

using namespace orvell::win;
using orvell::bench::Median;
using orvell::bench::Milliseconds;
using orvell::bench::Now;
using Control = MainWindow::Control;

constexpr wchar_t kBenchKey[] = L"Software\\Kestrane\\OrvellScreenBench";

BOOL WINAPI NoTray(DWORD, PNOTIFYICONDATAW) {
    return TRUE;
}

void Pump(MainWindow* window) {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (window == nullptr || !window->PreTranslate(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

// A key pressed and let go on the focused control, as the system queues it.
void PostKey(HWND target, UINT vKey) {
    const UINT scan = ::MapVirtualKeyW(vKey, MAPVK_VK_TO_VSC);
    ::PostMessageW(target, WM_KEYDOWN, vKey, static_cast<LPARAM>(1 | (scan << 16)));
    ::PostMessageW(target, WM_KEYUP, vKey, static_cast<LPARAM>(1 | (scan << 16) | (3u << 30)));
}

struct Lookups {
    std::vector<double> product;
    std::vector<double> floor;
};

// How the user asks, the input typed.
void PressEnter(MainWindow& window) {
    PostKey(window.Child(Control::Text1), VK_RETURN);
}

void ClickSearch(MainWindow& window) {
    ::PostMessageW(window.Child(Control::Command1), BM_CLICK, 0, 0);
}

// Asked round after round, two inputs in turn; the answers are kept for the floor.
Lookups TimeLookups(MainWindow& window, const wchar_t* const (&inputs)[2], int rounds,
                    void (*ask)(MainWindow&)) {
    Lookups times;
    std::wstring answers[2];
    HWND text1 = window.Child(Control::Text1);
    HWND text2 = window.Child(Control::Text2);
    for (int round = 0; round < rounds; ++round) {
        ::SetWindowTextW(text1, inputs[round % 2]);
        ::SetFocus(text1);
        Pump(&window);
        const LARGE_INTEGER start = Now();
        ask(window);
        Pump(&window);
        times.product.push_back(Milliseconds(start, Now()));
        answers[round % 2] = GetText(window.Child(Control::Text2));
    }
    // The floor: a plain window with one edit box like the output box, the same answers set into it.
    RECT bounds{};
    ::GetWindowRect(text2, &bounds);
    HWND plain = ::CreateWindowExW(0, L"STATIC", L"floor", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0,
                                   bounds.right - bounds.left + 40, bounds.bottom - bounds.top + 60, nullptr,
                                   nullptr, nullptr, nullptr);
    HWND edit = ::CreateWindowExW(
        0, L"EDIT", L"", static_cast<DWORD>(::GetWindowLongW(text2, GWL_STYLE)) | WS_VISIBLE, 10, 10,
        bounds.right - bounds.left, bounds.bottom - bounds.top, plain, nullptr, nullptr, nullptr);
    ::SendMessageW(edit, WM_SETFONT, ::SendMessageW(text2, WM_GETFONT, 0, 0), FALSE);
    Pump(nullptr);
    for (int round = 0; round < rounds; ++round) {
        const LARGE_INTEGER start = Now();
        ::SetWindowTextW(edit, answers[round % 2].c_str());
        Pump(nullptr);
        times.floor.push_back(Milliseconds(start, Now()));
    }
    ::DestroyWindow(plain);
    Pump(nullptr);
    return times;
}

void Print(const char* name, const Lookups& times) {
    const double product = Median(times.product);
    const double floor = Median(times.floor);
    std::printf("%s_orvell_ms=%.3f\n%s_floor_ms=%.3f\n%s_ratio=%.2f\n", name, product, name, floor, name,
                product / floor);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    int rounds = 200;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::wcscmp(argv[i], L"--rounds") == 0) {
            rounds = std::max(2, _wtoi(argv[i + 1]));
        }
    }
    int rc = 0;
    {
        WatchedRegistrySettings settings(HKEY_CURRENT_USER, kBenchKey);
        const std::wstring runKey = std::wstring(kBenchKey) + L"\\Run";
        RegistryRunKeys runKeys(HKEY_CURRENT_USER, runKey, HKEY_CURRENT_USER, runKey);
        ExeFolderTextFiles files;
        MainWindow window(
            {settings, runKeys, files, ExePath(), [](HWND, const std::wstring&) {}, &NoTray,
             [&settings](HWND handle, UINT message) { settings.PostChangesTo(handle, message); }});
        if (!window.Open()) {
            std::fputs("the main window did not open\n", stderr);
            rc = 1;
        } else {
            Pump(&window);
            const Lookups characters = TimeLookups(window, {L"A", L"B"}, rounds, &PressEnter);
            const Lookups searchedCharacters = TimeLookups(window, {L"A", L"B"}, rounds, &ClickSearch);
            ::SendMessageW(window.Child(Control::Option2_1), BM_CLICK, 0, 0);
            const Lookups values = TimeLookups(window, {L"65", L"66"}, rounds, &PressEnter);
            const Lookups searchedValues = TimeLookups(window, {L"65", L"66"}, rounds, &ClickSearch);
            std::vector<double> switches;
            for (int round = 0; round < rounds / 4; ++round) {
                const LARGE_INTEGER start = Now();
                PostKey(window.Child(Control::Text1), round % 2 == 0 ? VK_F7 : VK_F6);
                Pump(&window);
                switches.push_back(Milliseconds(start, Now()));
            }
            Print("lookup_character", characters);
            Print("lookup_value", values);
            Print("lookup_search_character", searchedCharacters);
            Print("lookup_search_value", searchedValues);
            std::printf("language_switch_ms=%.3f\nscreen_rounds=%d\n", Median(switches), rounds);
        }
    }
    ::RegDeleteTreeW(HKEY_CURRENT_USER, kBenchKey);
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kBenchKey);
    return rc;
}
