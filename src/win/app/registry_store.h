#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"

namespace orvell::win {

// Where the program keeps its settings, under HKEY_CURRENT_USER.
inline constexpr wchar_t kProductKeyPath[] = L"Software\\Kestrane\\Orvell";

// The settings as REG_DWORD values of one registry key. A value of another type or size reads as 0;
// the key is created by the first write; failures are silent, as the store promises.
class RegistrySettingsStore final : public app::SettingsStore {
public:
    RegistrySettingsStore(HKEY root, std::wstring keyPath);

    std::int32_t Read(std::wstring_view name) const override;
    // A write of the value already stored is skipped: the hotkey timer rewrites the same values ten
    // times a second, and the registry ends in the same state without them.
    void Write(std::wstring_view name, std::int32_t value) override;
    void Delete(std::wstring_view name) override;

private:
    HKEY m_root;
    std::wstring m_keyPath;
};

}  // namespace orvell::win
