#include "app/registry_store.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdint>
#include <string>

#include "platform/unique_handle.h"
#include "test_registry_key.h"

namespace orvell::win {
namespace {

using test_support::TestKey;

TEST(RegistrySettingsStore, AMissingKeyReadsZeroAndTheFirstWriteCreatesIt) {
    const TestKey testKey(L"Store");
    RegistrySettingsStore store(HKEY_CURRENT_USER, testKey.Path());

    EXPECT_EQ(store.Read(L"HotKey"), 0);
    store.Delete(L"Combo");
    EXPECT_FALSE(testKey.Exists()) << "reading and deleting never create the key";

    store.Write(L"HotKey", 123);
    EXPECT_TRUE(testKey.Exists());
    EXPECT_EQ(testKey.Dword(L"HotKey"), 123) << "stored as a REG_DWORD";
    EXPECT_EQ(store.Read(L"HotKey"), 123);
    EXPECT_EQ(store.Read(L"Language"), 0) << "a missing value in an existing key";
}

TEST(RegistrySettingsStore, WritesReadsAndDeletesThirtyTwoBitNumbers) {
    const TestKey testKey(L"Store");
    RegistrySettingsStore store(HKEY_CURRENT_USER, testKey.Path());
    for (const std::int32_t value : {1, 0, 65, 123, -1, 0x7FFFFFFF, static_cast<std::int32_t>(0x80000000)}) {
        SCOPED_TRACE(value);
        store.Write(L"Combo", value);
        EXPECT_EQ(testKey.Dword(L"Combo"), value);
        EXPECT_EQ(store.Read(L"Combo"), value);
    }
    store.Write(L"Check", 1);
    store.Delete(L"Combo");
    EXPECT_FALSE(testKey.Has(L"Combo"));
    EXPECT_EQ(store.Read(L"Combo"), 0);
    EXPECT_EQ(store.Read(L"Check"), 1) << "the other values stay";
    store.Delete(L"Combo");
    EXPECT_TRUE(testKey.Exists()) << "nothing deletes the key";
}

TEST(RegistrySettingsStore, AValueOfAnotherTypeOrSizeReadsZero) {
    const std::wstring one = L"1";
    const BYTE dwordBytes[4] = {1, 0, 0, 0};
    const BYTE qwordBytes[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    const struct {
        const char* name;
        DWORD type;
        const void* bytes;
        DWORD size;
    } cases[] = {
        {"a string holding a digit", REG_SZ, one.c_str(), 4},
        {"an empty string", REG_SZ, L"", 2},
        {"four bytes of binary", REG_BINARY, dwordBytes, 4},
        {"a 64-bit number", REG_QWORD, qwordBytes, 8},
        {"a short number", REG_DWORD, dwordBytes, 2},
        {"a big-endian number", REG_DWORD_BIG_ENDIAN, dwordBytes, 4},
    };
    const TestKey testKey(L"Store");
    RegistrySettingsStore store(HKEY_CURRENT_USER, testKey.Path());
    ASSERT_TRUE(testKey.SetRaw(L"Screen", REG_DWORD, dwordBytes, 4));
    ASSERT_EQ(store.Read(L"Screen"), 1) << "the same bytes as a REG_DWORD do read";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testKey.SetRaw(L"Language", c.type, c.bytes, c.size));
        EXPECT_EQ(store.Read(L"Language"), 0);
    }
}

TEST(RegistrySettingsStore, AWriteReplacesAValueOfAnotherType) {
    // It reads as 0, but writing 0 must still leave a proper number behind.
    for (const std::int32_t value : {0, 1}) {
        SCOPED_TRACE(value);
        const TestKey testKey(L"Store");
        RegistrySettingsStore store(HKEY_CURRENT_USER, testKey.Path());
        ASSERT_TRUE(testKey.SetString(L"Language", L"English"));

        store.Write(L"Language", value);

        EXPECT_EQ(testKey.Dword(L"Language"), value);
    }
}

// Whether a write of the data a value already holds is reported to a watcher of the key. Windows
// reports it; a registry that does not cannot show whether the store skipped the write.
bool RegistryReportsIdenticalRewrites(const TestKey& testKey) {
    unique_hkey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, testKey.Path().c_str(), 0, KEY_ALL_ACCESS, key.Put()) !=
        ERROR_SUCCESS) {
        return false;
    }
    const unique_handle changed(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    const DWORD value = 7;
    ::RegSetValueExW(key.Get(), L"Probe", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    ::RegNotifyChangeKeyValue(key.Get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET, changed.Get(), TRUE);
    ::RegSetValueExW(key.Get(), L"Probe", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
    const bool reported = ::WaitForSingleObject(changed.Get(), 250) == WAIT_OBJECT_0;
    ::RegDeleteValueW(key.Get(), L"Probe");
    return reported;
}

TEST(RegistrySettingsStore, RewritingTheStoredValueLeavesTheKeyUntouched) {
    const TestKey testKey(L"Store");
    RegistrySettingsStore store(HKEY_CURRENT_USER, testKey.Path());
    store.Write(L"Check", 1);
    if (!RegistryReportsIdenticalRewrites(testKey)) {
        GTEST_SKIP() << "this registry does not report rewrites of the same data";
    }
    unique_hkey key;
    ASSERT_EQ(::RegOpenKeyExW(HKEY_CURRENT_USER, testKey.Path().c_str(), 0, KEY_NOTIFY, key.Put()),
              ERROR_SUCCESS);
    const unique_handle changed(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    ASSERT_EQ(::RegNotifyChangeKeyValue(key.Get(), FALSE, REG_NOTIFY_CHANGE_LAST_SET, changed.Get(), TRUE),
              ERROR_SUCCESS);

    store.Write(L"Check", 1);
    EXPECT_EQ(::WaitForSingleObject(changed.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));

    store.Write(L"Check", 0);
    EXPECT_EQ(::WaitForSingleObject(changed.Get(), 1000), static_cast<DWORD>(WAIT_OBJECT_0))
        << "a changed value is written";
    EXPECT_EQ(testKey.Dword(L"Check"), 0);
}

}  // namespace
}  // namespace orvell::win
