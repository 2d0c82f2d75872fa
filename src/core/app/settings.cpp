#include "app/settings.h"

namespace orvell::app {

std::optional<std::int32_t> MemorySettingsStore::Find(std::wstring_view name) const {
    const auto found = values.find(name);
    return found != values.end() ? std::optional(found->second) : std::nullopt;
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

std::optional<std::int32_t> CachedSettingsStore::Find(std::wstring_view name) const {
    const auto known = m_known.find(name);
    if (known != m_known.end()) {
        return known->second;
    }
    const std::optional<std::int32_t> value = m_backing.Find(name);
    m_known.emplace(std::wstring(name), value);
    return value;
}

void CachedSettingsStore::Write(std::wstring_view name, std::int32_t value) {
    const auto known = m_known.find(name);
    if (known != m_known.end() && known->second == value) {
        return;
    }
    m_backing.Write(name, value);
    // The store says what it holds now: a write that failed must not pass for one that did.
    m_known.erase(std::wstring(name));
}

void CachedSettingsStore::Delete(std::wstring_view name) {
    m_backing.Delete(name);
    m_known.erase(std::wstring(name));
}

std::wstring_view SettingsFailedMessage(lookup::Language language) {
    if (language == lookup::Language::Chinese) {
        return L"无法读取或保存设置：注册表项 HKEY_CURRENT_USER\\Software\\Kestrane\\Orvell 拒绝访问。\r\n"
               L"程序照常运行，但更改的设置不会保存。";
    }
    return L"The settings cannot be read or saved: access to the registry key "
           L"HKEY_CURRENT_USER\\Software\\Kestrane\\Orvell is denied.\r\n"
           L"Orvell keeps working, but changed settings will not be kept.";
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
