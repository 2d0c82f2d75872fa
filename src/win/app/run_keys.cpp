#include "app/run_keys.h"

#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

bool WriteString(HKEY root, const std::wstring& path, std::wstring_view name, std::wstring_view data) {
    unique_hkey key;
    // Without administrator rights the machine-wide key refuses KEY_SET_VALUE here.
    if (::RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                          key.Put(), nullptr) != ERROR_SUCCESS) {
        return false;
    }
    const std::wstring terminated(data);
    const DWORD bytes = static_cast<DWORD>((terminated.size() + 1) * sizeof(wchar_t));
    return ::RegSetValueExW(key.Get(), std::wstring(name).c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(terminated.c_str()), bytes) == ERROR_SUCCESS;
}

void DeleteString(HKEY root, const std::wstring& path, std::wstring_view name) {
    unique_hkey key;
    if (::RegOpenKeyExW(root, path.c_str(), 0, KEY_SET_VALUE, key.Put()) == ERROR_SUCCESS) {
        ::RegDeleteValueW(key.Get(), std::wstring(name).c_str());
    }
}

}  // namespace

RegistryRunKeys::RegistryRunKeys(HKEY machineRoot, std::wstring machinePath, HKEY userRoot,
                                 std::wstring userPath)
    : m_machineRoot(machineRoot),
      m_machinePath(std::move(machinePath)),
      m_userRoot(userRoot),
      m_userPath(std::move(userPath)) {}

bool RegistryRunKeys::WriteMachine(std::wstring_view name, std::wstring_view data) {
    return WriteString(m_machineRoot, m_machinePath, name, data);
}

bool RegistryRunKeys::WriteUser(std::wstring_view name, std::wstring_view data) {
    return WriteString(m_userRoot, m_userPath, name, data);
}

bool RegistryRunKeys::MachineHolds(std::wstring_view name, std::wstring_view data) const {
    unique_hkey key;
    if (::RegOpenKeyExW(m_machineRoot, m_machinePath.c_str(), 0, KEY_QUERY_VALUE, key.Put()) !=
        ERROR_SUCCESS) {
        return false;
    }
    const std::wstring valueName(name);
    DWORD type = REG_NONE;
    DWORD bytes = 0;
    if (::RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    // One character more than the size says, so a value stored without its terminator still ends.
    std::wstring stored(bytes / sizeof(wchar_t) + 1, L'\0');
    bytes = static_cast<DWORD>(stored.size() * sizeof(wchar_t));
    if (::RegQueryValueExW(key.Get(), valueName.c_str(), nullptr, &type,
                           reinterpret_cast<BYTE*>(stored.data()), &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    stored.resize(bytes / sizeof(wchar_t));
    while (!stored.empty() && stored.back() == L'\0') {
        stored.pop_back();
    }
    return stored == data;
}

void RegistryRunKeys::DeleteMachine(std::wstring_view name) {
    DeleteString(m_machineRoot, m_machinePath, name);
}

void RegistryRunKeys::DeleteUser(std::wstring_view name) {
    DeleteString(m_userRoot, m_userPath, name);
}

}  // namespace orvell::win
