#include "platform/system_library.h"

namespace orvell::win {

BOOL WINAPI ShellNotifyIcon(DWORD message, PNOTIFYICONDATAW data) {
    // A function-local static: made once, safely, whichever thread asks first.
    static const auto notify =
        SystemFunction<decltype(&::Shell_NotifyIconW)>(L"shell32.dll", "Shell_NotifyIconW");
    return notify != nullptr ? notify(message, data) : FALSE;
}

HINSTANCE WINAPI ShellExecuteFile(HWND owner, LPCWSTR verb, LPCWSTR file, LPCWSTR parameters, LPCWSTR folder,
                                  INT show) {
    static const auto execute = SystemFunction<decltype(&::ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    return execute != nullptr ? execute(owner, verb, file, parameters, folder, show)
                              : reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC);
}

bool PlaySoundFile(const wchar_t* path, DWORD flags) {
    using PlaySoundFunction = BOOL(WINAPI*)(LPCWSTR, HMODULE, DWORD);
    static const auto play = SystemFunction<PlaySoundFunction>(L"winmm.dll", "PlaySoundW");
    return play != nullptr && play(path, nullptr, flags) != FALSE;
}

}  // namespace orvell::win
