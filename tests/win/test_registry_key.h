#pragma once

#include <windows.h>
#include <sddl.h>

#include <cstdint>
#include <optional>
#include <string>

#include "platform/unique_handle.h"

namespace orvell::win::test_support {

// A key of the tests' own under HKEY_CURRENT_USER "Software\Kestrane\OrvellTests", absent at the start
// and removed with everything in it at the end, so no test touches the user's real settings.
class TestKey {
public:
    explicit TestKey(const std::wstring& name) : m_path(L"Software\\Kestrane\\OrvellTests\\" + name) {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
    }
    ~TestKey() {
        ::RegDeleteTreeW(HKEY_CURRENT_USER, m_path.c_str());
        // The common parent goes with its last child; a key with subkeys is refused.
        ::RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Kestrane\\OrvellTests");
    }
    TestKey(const TestKey&) = delete;
    TestKey& operator=(const TestKey&) = delete;

    const std::wstring& Path() const { return m_path; }

    bool Exists() const {
        unique_hkey key;
        return ::RegOpenKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, KEY_READ, key.Put()) == ERROR_SUCCESS;
    }

    // Stores a value of any type as raw bytes, creating the key.
    bool SetRaw(const wchar_t* name, DWORD type, const void* bytes, DWORD size) const {
        unique_hkey key;
        return ::RegCreateKeyExW(HKEY_CURRENT_USER, m_path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr,
                                 key.Put(), nullptr) == ERROR_SUCCESS &&
               ::RegSetValueExW(key.Get(), name, 0, type, static_cast<const BYTE*>(bytes), size) ==
                   ERROR_SUCCESS;
    }

    bool Has(const wchar_t* name) const {
        return ::RegGetValueW(HKEY_CURRENT_USER, m_path.c_str(), name, RRF_RT_ANY, nullptr, nullptr,
                              nullptr) == ERROR_SUCCESS;
    }
    // A REG_DWORD value as a signed number; nothing when missing or of another type.
    std::optional<std::int32_t> Dword(const wchar_t* name) const {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (::RegGetValueW(HKEY_CURRENT_USER, m_path.c_str(), name, RRF_RT_REG_DWORD, nullptr, &value,
                           &size) != ERROR_SUCCESS) {
            return std::nullopt;
        }
        return static_cast<std::int32_t>(value);
    }
    // A REG_SZ value; nothing when missing or of another type.
    std::optional<std::wstring> String(const wchar_t* name) const {
        wchar_t text[512] = {};
        DWORD size = sizeof text;
        if (::RegGetValueW(HKEY_CURRENT_USER, m_path.c_str(), name, RRF_RT_REG_SZ, nullptr, text, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        return std::wstring(text);
    }

private:
    std::wstring m_path;
};

// Makes a test key, created if need be, readable but not writable for everyone, as the machine-wide
// Run key is for a user without administrator rights (or, with the rules "D:P", shut to everyone); at
// scope exit everyone may write it again, so it can be removed. Declare it after the TestKey.
class ReadOnlyKey {
public:
    explicit ReadOnlyKey(const TestKey& key, const wchar_t* rules = L"D:P(A;;KR;;;WD)") {
        m_locked = ::RegCreateKeyExW(HKEY_CURRENT_USER, key.Path().c_str(), 0, nullptr, 0, WRITE_DAC, nullptr,
                                     m_key.Put(), nullptr) == ERROR_SUCCESS &&
                   SetAccess(rules);
    }
    ~ReadOnlyKey() {
        if (m_locked) {
            SetAccess(L"D:P(A;;KA;;;WD)");
        }
    }
    ReadOnlyKey(const ReadOnlyKey&) = delete;
    ReadOnlyKey& operator=(const ReadOnlyKey&) = delete;

    bool Locked() const { return m_locked; }

private:
    bool SetAccess(const wchar_t* rules) {
        PSECURITY_DESCRIPTOR descriptor = nullptr;
        if (::ConvertStringSecurityDescriptorToSecurityDescriptorW(rules, SDDL_REVISION_1, &descriptor,
                                                                   nullptr) == 0) {
            return false;
        }
        const bool set =
            ::RegSetKeySecurity(m_key.Get(), DACL_SECURITY_INFORMATION, descriptor) == ERROR_SUCCESS;
        ::LocalFree(descriptor);
        return set;
    }

    unique_hkey m_key;
    bool m_locked = false;
};

// Whether the values of an existing test key changed since it was made: the system marks the change
// before the call that made it returns.
class ChangeProbe {
public:
    explicit ChangeProbe(const TestKey& key) : m_event(::CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        m_armed =
            ::RegOpenKeyExW(HKEY_CURRENT_USER, key.Path().c_str(), 0, KEY_NOTIFY, m_key.Put()) ==
                ERROR_SUCCESS &&
            ::RegNotifyChangeKeyValue(m_key.Get(), FALSE, REG_NOTIFY_CHANGE_NAME | REG_NOTIFY_CHANGE_LAST_SET,
                                      m_event.Get(), TRUE) == ERROR_SUCCESS;
    }
    bool Armed() const { return m_armed; }
    bool Changed() const { return ::WaitForSingleObject(m_event.Get(), 0) == WAIT_OBJECT_0; }

private:
    unique_hkey m_key;
    unique_handle m_event;
    bool m_armed = false;
};

}  // namespace orvell::win::test_support
