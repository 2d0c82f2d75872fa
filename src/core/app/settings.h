#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace orvell::app {

// A per-user store of named 32-bit numbers. A missing value, or one of another type, reads as 0.
// Failures are silent: a read that fails gives 0, a write or delete that fails leaves the old state.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    virtual std::int32_t Read(std::wstring_view name) const = 0;
    virtual void Write(std::wstring_view name, std::int32_t value) = 0;
    virtual void Delete(std::wstring_view name) = 0;
};

// The store of the native tests and of any platform without a registry.
class MemorySettingsStore final : public SettingsStore {
public:
    std::int32_t Read(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::int32_t value) override;
    void Delete(std::wstring_view name) override;

    std::map<std::wstring, std::int32_t, std::less<>> values;
    // Every call, including writes of the value already there and deletes of a missing value.
    int writeCount = 0;
    int deleteCount = 0;
};

// Values kept in memory in front of a slower store (the registry: every call is a round trip to
// another process under Wine). Reads after the first come from memory; a write goes through unless
// it would store the value already known; Invalidate forgets everything, for when the store may have
// been changed from outside.
class CachedSettingsStore final : public SettingsStore {
public:
    explicit CachedSettingsStore(SettingsStore& backing) : m_backing(backing) {}

    std::int32_t Read(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::int32_t value) override;
    void Delete(std::wstring_view name) override;
    void Invalidate() { m_known.clear(); }

private:
    SettingsStore& m_backing;
    mutable std::map<std::wstring, std::int32_t, std::less<>> m_known;
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
