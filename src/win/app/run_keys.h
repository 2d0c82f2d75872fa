#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "app/startup_entry.h"

namespace orvell::win {

// Where Windows looks for programs to start at logon, under HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
inline constexpr wchar_t kRunKeyPath[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";

// The two Run keys in the registry, as REG_SZ values. Each is given as a root and a path, so tests can
// point both at keys of their own.
class RegistryRunKeys final : public app::RunKeys {
public:
    RegistryRunKeys(HKEY machineRoot, std::wstring machinePath, HKEY userRoot, std::wstring userPath);

    bool WriteMachine(std::wstring_view name, std::wstring_view data) override;
    bool WriteUser(std::wstring_view name, std::wstring_view data) override;
    bool MachineHolds(std::wstring_view name, std::wstring_view data) const override;
    void DeleteMachine(std::wstring_view name) override;
    void DeleteUser(std::wstring_view name) override;

private:
    HKEY m_machineRoot;
    std::wstring m_machinePath;
    HKEY m_userRoot;
    std::wstring m_userPath;
};

}  // namespace orvell::win
