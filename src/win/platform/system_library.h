#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>

namespace orvell::win {

// A function of a system DLL, loaded from the system folder the first time it is wanted; null when the
// DLL or the function is missing. The DLL stays loaded for the rest of the run. DLLs the program needs
// only now and then (the shell, sounds, accessibility) are loaded this way, so starting the program
// does not pay for them.
template <typename Function>
Function SystemFunction(const wchar_t* dll, const char* name) {
    wchar_t folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return nullptr;
    }
    const std::wstring path = std::wstring(folder, length) + L"\\" + dll;
    const HMODULE module = ::LoadLibraryW(path.c_str());
    // Through void (*)(): GetProcAddress's type says nothing about the function's real one.
    return module != nullptr
               ? reinterpret_cast<Function>(reinterpret_cast<void (*)()>(::GetProcAddress(module, name)))
               : nullptr;
}

// Shell_NotifyIconW through a shell loaded on first use (by the tray icon's own thread at start-up).
BOOL WINAPI ShellNotifyIcon(DWORD message, PNOTIFYICONDATAW data);
// ShellExecuteW through the shell loaded on first use; above 32 when the file or link was opened, else
// an error code (SE_ERR_NOASSOC when nothing opens it).
HINSTANCE WINAPI ShellExecuteFile(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                                  INT show);
// PlaySoundW through the multimedia library loaded on first use; false when it cannot play.
bool PlaySoundFile(const wchar_t* path, DWORD flags);

}  // namespace orvell::win
