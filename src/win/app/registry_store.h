#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "app/settings.h"
#include "platform/unique_handle.h"

namespace orvell::win {

// Where the program keeps its settings, under HKEY_CURRENT_USER.
inline constexpr wchar_t kProductKeyPath[] = L"Software\\Kestrane\\Orvell";

// The settings as REG_DWORD values of one registry key. A value of another type or size reads as
// missing; the key is created by the first write. A write is skipped only when the same number is
// stored already as a REG_DWORD. Callers see no failures, as the store promises; a key that cannot be
// opened, read or written (its access rules refuse the user) is reported to the failure handler at
// each failure, and nothing is written or deleted in a key whose values cannot be read, so no setting
// is replaced by a default that merely stood in for an unreadable one.
class RegistrySettingsStore final : public app::SettingsStore {
public:
    RegistrySettingsStore(HKEY root, std::wstring keyPath, std::function<void()> onFailure = nullptr);

    std::optional<std::int32_t> Find(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::int32_t value) override;
    void Delete(std::wstring_view name) override;

private:
    // The setting a value of the open key holds; a refused query is a failure, a missing value not.
    std::optional<std::int32_t> Query(HKEY key, const std::wstring& name, bool& refused) const;
    void Fail() const;

    HKEY m_root;
    std::wstring m_keyPath;
    std::function<void()> m_onFailure;
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
    // From now on each change also posts the message to the window (from another thread), with
    // wParam 0; while the key cannot be watched, every TakeChange posts it. A null window stops the
    // posts: once this returns, nothing more reaches the old window, so a window that goes away calls
    // it first.
    void PostChangesTo(HWND window, UINT message);
    // Posts the message with this wParam to the window given, if any.
    void Post(WPARAM note);

private:
    bool Start();
    static void CALLBACK OnSignal(void* self, BOOLEAN timedOut);

    HKEY m_root;
    std::wstring m_keyPath;
    unique_hkey m_key;
    unique_handle m_event;
    HANDLE m_wait = nullptr;
    std::atomic<bool> m_changed{true};
    // The pool's thread posts while the window's thread may be changing the target.
    std::mutex m_notifyLock;
    HWND m_notifyWindow = nullptr;
    UINT m_notifyMessage = 0;
};

// The wParam of the message the program's settings post: a change, or the first failure of the run
// to read or write them.
inline constexpr WPARAM kSettingsChangedNote = 0;
inline constexpr WPARAM kSettingsFailedNote = 1;

// The program's settings: the registry key, read through a memory of its values that is forgotten
// whenever the key changes. The hotkey timer's reads then cost nothing while nothing changes, and a
// change made outside the program is still seen at the next tick. The first failure to read or write
// the key is told to the window once per run, when there is a window to tell.
class WatchedRegistrySettings final : public app::SettingsStore {
public:
    WatchedRegistrySettings(HKEY root, const std::wstring& keyPath)
        : m_registry(root, keyPath, [this] { NoteFailure(); }), m_cache(m_registry), m_watch(root, keyPath) {}

    std::optional<std::int32_t> Find(std::wstring_view name) const override;
    void Write(std::wstring_view name, std::int32_t value) override;
    void Delete(std::wstring_view name) override;
    // Each change of the key, by anyone, also posts the message to the window, and so does a failure
    // not told yet (kSettingsFailedNote). A null window stops both.
    void PostChangesTo(HWND window, UINT message);

private:
    enum class FailureNote { None, Pending, Told };

    void Refresh() const;
    void NoteFailure();
    void TellFailure();

    RegistrySettingsStore m_registry;
    mutable app::CachedSettingsStore m_cache;
    mutable RegistryChangeWatch m_watch;
    bool m_hasWindow = false;
    FailureNote m_failure = FailureNote::None;
};

}  // namespace orvell::win
