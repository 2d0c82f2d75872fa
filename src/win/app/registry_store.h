#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "platform/unique_handle.h"

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

// Tells when the values of a registry key have changed, by anyone, without asking the registry each
// time: the system signals an event, a waiting thread of the system's pool notes it, and the question
// is answered from that note. A key that cannot be watched (not there yet) always counts as changed.
class RegistryChangeWatch {
public:
    RegistryChangeWatch(HKEY root, std::wstring keyPath);
    ~RegistryChangeWatch();
    RegistryChangeWatch(const RegistryChangeWatch&) = delete;
    RegistryChangeWatch& operator=(const RegistryChangeWatch&) = delete;

    // True when the key may have changed since the last call that returned true. The watch is renewed
    // before the answer, so a change made while the caller reads again is not lost.
    bool TakeChange();
    // From now on each change also posts the message to the window (from another thread); while the key
    // cannot be watched, every TakeChange posts it.
    void PostChangesTo(HWND window, UINT message);

private:
    bool Start();
    static void CALLBACK OnSignal(void* self, BOOLEAN timedOut);

    HKEY m_root;
    std::wstring m_keyPath;
    unique_hkey m_key;
    unique_handle m_event;
    HANDLE m_wait = nullptr;
    std::atomic<bool> m_changed{true};
    std::atomic<HWND> m_notifyWindow{nullptr};
    std::atomic<UINT> m_notifyMessage{0};
};

// The program's settings: the registry key, read through a memory of its values that is forgotten
// whenever the key changes. The hotkey timer's reads then cost nothing while nothing changes, and a
// change made outside the program is still seen at the next tick.
class WatchedRegistrySettings final : public app::SettingsStore {
public:
    WatchedRegistrySettings(HKEY root, const std::wstring& keyPath)
        : m_registry(root, keyPath), m_cache(m_registry), m_watch(root, keyPath) {}

    std::int32_t Read(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::int32_t value) override;
    void Delete(std::wstring_view name) override;
    // Each change of the key, by anyone, also posts the message to the window.
    void PostChangesTo(HWND window, UINT message) { m_watch.PostChangesTo(window, message); }

private:
    void Refresh() const;

    RegistrySettingsStore m_registry;
    mutable app::CachedSettingsStore m_cache;
    mutable RegistryChangeWatch m_watch;
};

}  // namespace orvell::win
