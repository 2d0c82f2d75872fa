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
        if (const HWND window = m_notifyWindow) {
            ::PostMessageW(window, m_notifyMessage, 0, 0);
        }
    }
    return true;
}

void RegistryChangeWatch::PostChangesTo(HWND window, UINT message) {
    m_notifyMessage = message;
    m_notifyWindow = window;
}

void CALLBACK RegistryChangeWatch::OnSignal(void* self, BOOLEAN) {
    auto& watch = *static_cast<RegistryChangeWatch*>(self);
    watch.m_changed = true;
    if (const HWND window = watch.m_notifyWindow) {
        ::PostMessageW(window, watch.m_notifyMessage, 0, 0);
    }
}

void WatchedRegistrySettings::Refresh() const {
    if (m_watch.TakeChange()) {
        m_cache.Invalidate();
    }
}

std::int32_t WatchedRegistrySettings::Read(std::wstring_view name) const {
    Refresh();
    return m_cache.Read(name);
}

void WatchedRegistrySettings::Write(std::wstring_view name, std::int32_t value) {
    Refresh();
    m_cache.Write(name, value);
}

void WatchedRegistrySettings::Delete(std::wstring_view name) {
    Refresh();
    m_cache.Delete(name);
}

}  // namespace orvell::win
