#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace orvell::win::test_support {

// The names in a window's property list (the system may keep some of its own there).
inline std::vector<std::wstring> PropertyNames(HWND window) {
    std::vector<std::wstring> names;
    ::EnumPropsExW(
        window,
        [](HWND, LPWSTR name, HANDLE, ULONG_PTR list) {
            reinterpret_cast<std::vector<std::wstring>*>(list)->emplace_back(IS_INTRESOURCE(name) ? L"#atom"
                                                                                                  : name);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&names));
    return names;
}

}  // namespace orvell::win::test_support
