#include "app/registry_store.h"

#include <optional>

#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

// The value as stored, when it is a 4-byte REG_DWORD. A REG_SZ queried into a 4-byte buffer may come
// back as raw bytes instead of an error, so the type and size decide, not the result alone.
std::optional<std::int32_t> QueryDword(HKEY key, const std::wstring& name) {
    DWORD type = REG_NONE;
    DWORD data = 0;
    DWORD size = sizeof data;
    const LSTATUS status =
        ::RegQueryValueExW(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&data), &size);
    if (status != ERROR_SUCCESS || type != REG_DWORD || size != sizeof data) {
        return std::nullopt;
    }
    return static_cast<std::int32_t>(data);
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(HKEY root, std::wstring keyPath)
    : m_root(root), m_keyPath(std::move(keyPath)) {}

std::int32_t RegistrySettingsStore::Read(std::wstring_view name) const {
    unique_hkey key;
    if (::RegOpenKeyExW(m_root, m_keyPath.c_str(), 0, KEY_QUERY_VALUE, key.Put()) != ERROR_SUCCESS) {
        return 0;
    }
    return QueryDword(key.Get(), std::wstring(name)).value_or(0);
}

void RegistrySettingsStore::Write(std::wstring_view name, std::int32_t value) {
    const std::wstring valueName(name);
    unique_hkey key;
    if (::RegCreateKeyExW(m_root, m_keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
        return;
    }
    if (QueryDword(key.Get(), valueName) == value) {
        return;
    }
    const DWORD data = static_cast<DWORD>(value);
    ::RegSetValueExW(key.Get(), valueName.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&data),
                     sizeof data);
}

void RegistrySettingsStore::Delete(std::wstring_view name) {
    unique_hkey key;
    if (::RegOpenKeyExW(m_root, m_keyPath.c_str(), 0, KEY_SET_VALUE, key.Put()) != ERROR_SUCCESS) {
        return;
    }
    ::RegDeleteValueW(key.Get(), std::wstring(name).c_str());
}

}  // namespace orvell::win
