#include <windows.h>
#include <commctrl.h>

#include <string>

#include "app/main_window.h"
#include "app/registry_store.h"
#include "app/run_keys.h"
#include "platform/text_file.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    orvell::win::WatchedRegistrySettings settings(HKEY_CURRENT_USER, orvell::win::kProductKeyPath);
    orvell::win::RegistryRunKeys runKeys(HKEY_LOCAL_MACHINE, orvell::win::kRunKeyPath, HKEY_CURRENT_USER,
                                         orvell::win::kRunKeyPath);
    orvell::win::ExeFolderTextFiles files;
    orvell::win::MainWindow mainWindow(
        {settings, runKeys, files, orvell::win::ExePath(), nullptr, &orvell::win::ShellNotifyIcon,
         [&settings](HWND window, UINT message) { settings.PostChangesTo(window, message); }});
    if (!mainWindow.Open()) {
        return 1;
    }
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (mainWindow.PreTranslate(message)) {
            continue;
        }
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return static_cast<int>(message.wParam);
}
