#include "app/settings.h"

namespace orvell::app {

std::int32_t MemorySettingsStore::Read(std::wstring_view name) const {
    const auto found = values.find(name);
    return found != values.end() ? found->second : 0;
}

void MemorySettingsStore::Write(std::wstring_view name, std::int32_t value) {
    ++writeCount;
    values.insert_or_assign(std::wstring(name), value);
}

void MemorySettingsStore::Delete(std::wstring_view name) {
    ++deleteCount;
    const auto found = values.find(name);
    if (found != values.end()) {
        values.erase(found);
    }
}

std::int32_t CachedSettingsStore::Read(std::wstring_view name) const {
    const auto known = m_known.find(name);
    if (known != m_known.end()) {
        return known->second;
    }
    const std::int32_t value = m_backing.Read(name);
    m_known.emplace(std::wstring(name), value);
    return value;
}

void CachedSettingsStore::Write(std::wstring_view name, std::int32_t value) {
    const auto known = m_known.find(name);
    if (known != m_known.end() && known->second == value) {
        return;
    }
    m_backing.Write(name, value);
    m_known.insert_or_assign(std::wstring(name), value);
}

void CachedSettingsStore::Delete(std::wstring_view name) {
    m_backing.Delete(name);
    m_known.insert_or_assign(std::wstring(name), 0);  // a missing value reads as 0
}

StartupSettings LoadStartupSettings(SettingsStore& store) {
    StartupSettings settings;
    settings.softwareRun = store.Read(setting::kSoftwareRun);
    settings.language = store.Read(setting::kLanguage);
    settings.screen = store.Read(setting::kScreen);
    settings.hotKey = store.Read(setting::kHotKey);
    settings.check = store.Read(setting::kCheck);
    settings.combo = store.Read(setting::kCombo);
    if (settings.hotKey == 0) {
        settings.hotKey = kDefaultHotKey;
    }
    store.Write(setting::kHotKey, settings.hotKey);
    return settings;
}

}  // namespace orvell::app
