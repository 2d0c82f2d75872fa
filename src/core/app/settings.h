#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "lookup/types.h"

namespace orvell::app {

// A per-user store of named 32-bit numbers. A missing value, or one of another type or size, reads as
// 0. Failures are silent to the caller: a read that fails gives 0, a write or delete that fails leaves
// the old state.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // The stored number, or nothing when the value is missing or holds no number.
    virtual std::optional<std::int32_t> Find(std::wstring_view name) const = 0;
    std::int32_t Read(std::wstring_view name) const { return Find(name).value_or(0); }
    virtual void Write(std::wstring_view name, std::int32_t value) = 0;
    virtual void Delete(std::wstring_view name) = 0;
};

// The store of the native tests and of any platform without a registry.
class MemorySettingsStore final : public SettingsStore {
public:
    std::optional<std::int32_t> Find(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::int32_t value) override;
    void Delete(std::wstring_view name) override;

    std::map<std::wstring, std::int32_t, std::less<>> values;
    // Every call, including writes of the value already there and deletes of a missing value.
    int writeCount = 0;
    int deleteCount = 0;
};

// Values kept in memory in front of a slower store (the registry: every call is a round trip to
// another process under Wine). Reads after the first come from memory. A write is skipped only when
// the number is known to be stored already; a value known to be missing, or to hold something that
// is no number, is written, so what the program means to store is there afterwards. Deletes always
// go through: a value that reads as missing may still hold something else. Invalidate forgets
// everything, for when the store may have been changed from outside.
class CachedSettingsStore final : public SettingsStore {
public:
    explicit CachedSettingsStore(SettingsStore& backing) : m_backing(backing) {}

    std::optional<std::int32_t> Find(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::int32_t value) override;
    void Delete(std::wstring_view name) override;
    void Invalidate() { m_known.clear(); }

private:
    SettingsStore& m_backing;
    mutable std::map<std::wstring, std::optional<std::int32_t>, std::less<>> m_known;
};

namespace setting {
inline constexpr std::wstring_view kSoftwareRun = L"SoftwareRun";
inline constexpr std::wstring_view kLanguage = L"Language";
inline constexpr std::wstring_view kScreen = L"Screen";
inline constexpr std::wstring_view kHotKey = L"HotKey";
inline constexpr std::wstring_view kCheck = L"Check";
inline constexpr std::wstring_view kCombo = L"Combo";
}  // namespace setting

inline constexpr std::int32_t kDefaultHotKey = 123;  // F12

// Shown once a run when the settings' registry key refuses to be read or written (its access rules
// shut the user out): the program goes on with what it could read and the defaults.
std::wstring_view SettingsFailedMessage(lookup::Language language);

struct StartupSettings {
    std::int32_t softwareRun = 0;
    std::int32_t language = 0;
    std::int32_t screen = 0;
    std::int32_t hotKey = 0;
    std::int32_t check = 0;
    std::int32_t combo = 0;
};

// The settings the main window reads when it loads. A hotkey of 0 (none set) becomes F12 and is stored;
// any other value is written back as it is, so the key exists after the first start. The result holds
// the hotkey as it now stands.
StartupSettings LoadStartupSettings(SettingsStore& store);

}  // namespace orvell::app
