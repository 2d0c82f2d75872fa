#pragma once

#include <windows.h>
#include <winternl.h>

namespace orvell::win::test_support {

// The GDI objects alive in this process. Wine's GetGuiResources counts nothing, so where it answers 0
// they are counted in the GDI handle table the system maps into every process (the PEB's
// GdiSharedHandleTable, at 0xF8 in a 64-bit PEB): 24-byte entries, in use while the type byte at 14
// is set; Wine's table has 0x4000 of them.
inline DWORD GdiObjects() {
    if (const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) {
        return counted;
    }
    using Query = NTSTATUS(WINAPI*)(HANDLE, PROCESSINFOCLASS, PVOID, ULONG, PULONG);
    const auto query = reinterpret_cast<Query>(reinterpret_cast<void*>(
        ::GetProcAddress(::GetModuleHandleW(L"ntdll.dll"), "NtQueryInformationProcess")));
    PROCESS_BASIC_INFORMATION basic{};
    if (query == nullptr ||
        query(::GetCurrentProcess(), ProcessBasicInformation, &basic, sizeof basic, nullptr)) {
        return 0;
    }
    const BYTE* table =
        *reinterpret_cast<const BYTE* const*>(reinterpret_cast<const BYTE*>(basic.PebBaseAddress) + 0xF8);
    DWORD used = 0;
    for (int i = 0; table != nullptr && i < 0x4000; ++i) {
        used += table[i * 24 + 14] != 0 ? 1 : 0;
    }
    return used;
}

// USER objects where the system counts them (Windows); 0 under Wine, where only GDI objects can be
// counted.
inline DWORD UserObjects() {
    return ::GetGuiResources(::GetCurrentProcess(), GR_USEROBJECTS);
}

}  // namespace orvell::win::test_support
