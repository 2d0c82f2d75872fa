#include "app/registry_store.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "test_registry_key.h"
#include "test_window.h"

namespace orvell::win {
namespace {

using test_support::TestKey;

// The main window's tests show plain writes, reads and deletes; here the edges.
TEST(RegistrySettingsStore, OnlyAWriteCreatesTheKeyAndNumbersKeepAllThirtyTwoBits) {
    const TestKey testKey(L"Store");
    RegistrySettingsStore store(HKEY_CURRENT_USER, testKey.Path());
    EXPECT_EQ(store.Read(L"HotKey"), 0);
    store.Delete(L"Combo");
    EXPECT_FALSE(testKey.Exists()) << "reading and deleting never create the key";

    for (const std::int32_t value : {0, -1, static_cast<std::int32_t>(0x80000000)}) {
        SCOPED_TRACE(value);
        store.Write(L"Combo", value);
        EXPECT_EQ(testKey.Dword(L"Combo"), value) << "stored as a REG_DWORD";
        EXPECT_EQ(store.Read(L"Combo"), value);
    }
    store.Delete(L"Combo");
    store.Delete(L"Combo");
    EXPECT_FALSE(testKey.Has(L"Combo"));
    EXPECT_TRUE(testKey.Exists()) << "nothing deletes the key";
}

// Such a value reads as 0, but writing 0 must still leave a proper number behind.
TEST(RegistrySettingsStore, AValueOfAnotherTypeOrSizeReadsZeroAndIsReplacedByAWrite) {
    const std::wstring one = L"1";
    const BYTE dwordBytes[4] = {1, 0, 0, 0};
    const struct {
        const char* name;
        DWORD type;
        const void* bytes;
        DWORD size;
    } cases[] = {
        {"a string holding a digit", REG_SZ, one.c_str(), 4},
        {"four bytes of binary", REG_BINARY, dwordBytes, 4},
        {"a short number", REG_DWORD, dwordBytes, 2},
    };
    const TestKey testKey(L"Store");
    RegistrySettingsStore store(HKEY_CURRENT_USER, testKey.Path());
    ASSERT_TRUE(testKey.SetRaw(L"Screen", REG_DWORD, dwordBytes, 4));
    ASSERT_EQ(store.Read(L"Screen"), 1) << "the same bytes as a REG_DWORD do read";
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(testKey.SetRaw(L"Language", c.type, c.bytes, c.size));
        EXPECT_EQ(store.Read(L"Language"), 0);
        store.Write(L"Language", 0);
        EXPECT_EQ(testKey.Dword(L"Language"), 0);
    }
}

// The program's own writes and a change made by another program (here: straight into the registry)
// both reach the next read; nothing needs the registry between changes.
TEST(WatchedRegistrySettings, SeesChangesFromOutsideAtTheNextReadAfterTheSystemSaysSo) {
    // The system's note arrives on a thread of its pool, with no message to wake this one.
    using test_support::PumpUntil;
    const TestKey testKey(L"Watched");
    WatchedRegistrySettings settings(HKEY_CURRENT_USER, testKey.Path());
    EXPECT_EQ(settings.Read(L"HotKey"), 0) << "no key yet";
    settings.Write(L"HotKey", 123);
    EXPECT_EQ(testKey.Dword(L"HotKey"), 123);
    EXPECT_EQ(settings.Read(L"HotKey"), 123);
    for (const std::int32_t value : {65, 119}) {
        const DWORD data = static_cast<DWORD>(value);
        ASSERT_TRUE(testKey.SetRaw(L"HotKey", REG_DWORD, &data, sizeof data));
        EXPECT_TRUE(PumpUntil([&] { return settings.Read(L"HotKey") == value; }))
            << "changed outside to " << value;
    }
    settings.Write(L"Check", 1);
    ASSERT_EQ(settings.Read(L"Check"), 1);
    ASSERT_TRUE(testKey.SetRaw(L"Check", REG_SZ, L"1", 4));  // replaced by a value that reads as 0
    EXPECT_TRUE(PumpUntil([&] { return settings.Read(L"Check") == 0; }));
}

// A key that cannot be watched yet (not made) must not leave a waiting window asleep: every read tells it.
TEST(WatchedRegistrySettings, AKeyThatCannotBeWatchedTellsTheWindowAtEveryRead) {
    const TestKey testKey(L"NotYetMade");
    test_support::HostWindow window;
    ASSERT_TRUE(window.Open());
    int told = 0;
    window.onMessage = [&](UINT message) { told += message == WM_APP + 7 ? 1 : 0; };
    WatchedRegistrySettings settings(HKEY_CURRENT_USER, testKey.Path());
    settings.PostChangesTo(window.Handle(), WM_APP + 7);
    EXPECT_EQ(settings.Read(L"HotKey"), 0);
    EXPECT_EQ(settings.Read(L"HotKey"), 0);
    test_support::PumpPending();
    EXPECT_EQ(told, 2);
    window.onMessage = nullptr;
}

}  // namespace
}  // namespace orvell::win
