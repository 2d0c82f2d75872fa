#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

#include "app/main_window.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "platform/text_file.h"
#include "test_registry_key.h"

namespace orvell::win::test_support {

// The notification area for a main window under test: every call succeeds, no icon shows.
inline BOOL WINAPI NoTray(DWORD, PNOTIFYICONDATAW) {
    return TRUE;
}

// The program's own loop over what is queued now: the window's shortcut and Tab handling before the
// usual translation.
inline void PumpAsTheProgramDoes(MainWindow& window) {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (!window.PreTranslate(message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

// What a main window under test works with: settings and Run keys under registry keys of the suite's
// own (gone with it), the data files beside the test program, no notification area and no message
// boxes.
struct MainWindowWorld {
    explicit MainWindowWorld(const std::wstring& suite)
        : settingsKey(suite + L"Settings"), machineRun(suite + L"MachineRun"), userRun(suite + L"UserRun") {}

    MainWindowServices Services() {
        return MainWindowServices{
            settings, runKeys, files, L"C:\\orvell.exe", [](HWND, const std::wstring&) {}, &NoTray};
    }

    TestKey settingsKey;
    TestKey machineRun;
    TestKey userRun;
    RegistrySettingsStore settings{HKEY_CURRENT_USER, settingsKey.Path()};
    RegistryRunKeys runKeys{HKEY_CURRENT_USER, machineRun.Path(), HKEY_CURRENT_USER, userRun.Path()};
    ExeFolderTextFiles files;
};

}  // namespace orvell::win::test_support
