#include "app/registry_store.h"

#include <array>

#include "app/registry_value.h"
#include "platform/unique_handle.h"

namespace orvell::win {

namespace {

bool Missing(LSTATUS status) {
    return status == ERROR_FILE_NOT_FOUND || status == ERROR_PATH_NOT_FOUND;
}

}  // namespace

RegistrySettingsStore::RegistrySettingsStore(HKEY root, std::wstring keyPath, std::function<void()> onFailure)
    : m_root(root), m_keyPath(std::move(keyPath)), m_onFailure(std::move(onFailure)) {}

void RegistrySettingsStore::Fail() const {
    if (m_onFailure) {
        m_onFailure();
    }
}

std::optional<std::int32_t> RegistrySettingsStore::Query(HKEY key, const std::wstring& name,
                                                         bool& refused) const {
    // A few bytes more than a setting: a longer value (however long) answers ERROR_MORE_DATA with its
    // size and is never fetched whole.
    std::array<std::uint8_t, 8> head{};
    DWORD type = REG_NONE;
    DWORD size = static_cast<DWORD>(head.size());
    const LSTATUS status = ::RegQueryValueExW(key, name.c_str(), nullptr, &type, head.data(), &size);
    refused = false;
    if (status == ERROR_MORE_DATA) {
        return app::SettingFromRegistry({type, size, {}});
    }
    if (status != ERROR_SUCCESS) {
        refused = !Missing(status);
        return std::nullopt;
    }
    return app::SettingFromRegistry({type, size, std::span(head.data(), size)});
}

std::optional<std::int32_t> RegistrySettingsStore::Find(std::wstring_view name) const {
    unique_hkey key;
    const LSTATUS opened = ::RegOpenKeyExW(m_root, m_keyPath.c_str(), 0, KEY_QUERY_VALUE, key.Put());
    if (opened != ERROR_SUCCESS) {
        if (!Missing(opened)) {
            Fail();
        }
        return std::nullopt;
    }
    bool refused = false;
    const std::optional<std::int32_t> value = Query(key.Get(), std::wstring(name), refused);
    if (refused) {
        Fail();
    }
    return value;
}

void RegistrySettingsStore::Write(std::wstring_view name, std::int32_t value) {
    const std::wstring valueName(name);
    unique_hkey key;
    // Opened for reading too: a key the user may write but not read is left alone.
    if (::RegCreateKeyExW(m_root, m_keyPath.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, key.Put(), nullptr) != ERROR_SUCCESS) {
        Fail();
        return;
    }
    bool refused = false;
    const std::optional<std::int32_t> stored = Query(key.Get(), valueName, refused);
    if (refused) {
        Fail();
        return;
    }
    if (stored == value) {
        return;
    }
    const std::array<std::uint8_t, 4> bytes = app::RegistryBytesOf(value);
    if (::RegSetValueExW(key.Get(), valueName.c_str(), 0, REG_DWORD, bytes.data(),
                         static_cast<DWORD>(bytes.size())) != ERROR_SUCCESS) {
        Fail();
    }
}

void RegistrySettingsStore::Delete(std::wstring_view name) {
    unique_hkey key;
    const LSTATUS opened =
        ::RegOpenKeyExW(m_root, m_keyPath.c_str(), 0, KEY_QUERY_VALUE | KEY_SET_VALUE, key.Put());
    if (opened != ERROR_SUCCESS) {
        if (!Missing(opened)) {
            Fail();
        }
        return;
    }
    const LSTATUS deleted = ::RegDeleteValueW(key.Get(), std::wstring(name).c_str());
    if (deleted != ERROR_SUCCESS && !Missing(deleted)) {
        Fail();
    }
}

RegistryChangeWatch::RegistryChangeWatch(HKEY root, std::wstring keyPath)
    : m_root(root), m_keyPath(std::move(keyPath)), m_event(::CreateEventW(nullptr, FALSE, FALSE, nullptr)) {
    Start();
}

RegistryChangeWatch::~RegistryChangeWatch() {
    if (m_wait != nullptr) {
        // Waits for a running callback: it must not see this object half gone.
        ::UnregisterWaitEx(m_wait, INVALID_HANDLE_VALUE);
    }
}

bool RegistryChangeWatch::Start() {
    if (!m_event) {
        return false;
    }
    if (!m_key && ::RegOpenKeyExW(m_root, m_keyPath.c_str(), 0, KEY_NOTIFY, m_key.Put()) != ERROR_SUCCESS) {
        return false;
    }
    if (m_wait == nullptr &&
        !::RegisterWaitForSingleObject(&m_wait, m_event.Get(), &RegistryChangeWatch::OnSignal, this, INFINITE,
                                       WT_EXECUTEDEFAULT)) {
        m_wait = nullptr;
        return false;
    }
    return ::RegNotifyChangeKeyValue(m_key.Get(), FALSE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                     m_event.Get(), TRUE) == ERROR_SUCCESS;
}

bool RegistryChangeWatch::TakeChange() {
    if (!m_changed.exchange(false)) {
        return false;
    }
    if (!Start()) {
        // Not watched: every question is a change, and whoever waits for changes is told so now
        // rather than never.
        m_changed = true;
        Post(kSettingsChangedNote);
    }
    return true;
}

void RegistryChangeWatch::PostChangesTo(HWND window, UINT message) {
    const std::lock_guard lock(m_notifyLock);
    m_notifyWindow = window;
    m_notifyMessage = message;
}

void RegistryChangeWatch::Post(WPARAM note) {
    const std::lock_guard lock(m_notifyLock);
    if (m_notifyWindow != nullptr) {
        ::PostMessageW(m_notifyWindow, m_notifyMessage, note, 0);
    }
}

void CALLBACK RegistryChangeWatch::OnSignal(void* self, BOOLEAN) {
    auto& watch = *static_cast<RegistryChangeWatch*>(self);
    watch.m_changed = true;
    watch.Post(kSettingsChangedNote);
}

void WatchedRegistrySettings::Refresh() const {
    if (m_watch.TakeChange()) {
        m_cache.Invalidate();
    }
}

std::optional<std::int32_t> WatchedRegistrySettings::Find(std::wstring_view name) const {
    Refresh();
    return m_cache.Find(name);
}

void WatchedRegistrySettings::Write(std::wstring_view name, std::int32_t value) {
    Refresh();
    m_cache.Write(name, value);
}

void WatchedRegistrySettings::Delete(std::wstring_view name) {
    Refresh();
    m_cache.Delete(name);
}

void WatchedRegistrySettings::PostChangesTo(HWND window, UINT message) {
    m_watch.PostChangesTo(window, message);
    m_hasWindow = window != nullptr;
    TellFailure();
}

void WatchedRegistrySettings::NoteFailure() {
    if (m_failure == FailureNote::None) {
        m_failure = FailureNote::Pending;
        TellFailure();
    }
}

void WatchedRegistrySettings::TellFailure() {
    if (m_failure == FailureNote::Pending && m_hasWindow) {
        m_failure = FailureNote::Told;
        m_watch.Post(kSettingsFailedNote);
    }
}

}  // namespace orvell::win
