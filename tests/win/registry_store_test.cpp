#include "app/registry_store.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

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

// A value of any other shape holds no setting, and a write must leave a proper number behind, whether
// the memory in front of the registry knows the value or not. Only the same number as a REG_DWORD
// spares the write.
TEST(RegistrySettingsStore, AValueOfAnotherTypeOrSizeReadsAsMissingAndIsReplacedByAWrite) {
    const std::wstring one = L"1";
    const std::vector<BYTE> huge(1 << 20, 1);
    const BYTE dwordBytes[8] = {1, 0, 0, 0, 0, 0, 0, 0};
    const struct {
        const char* name;
        DWORD type;
        const void* bytes;
        DWORD size;
    } cases[] = {
        {"a string holding a digit", REG_SZ, one.c_str(), 4},
        {"no bytes", REG_BINARY, nullptr, 0},
        {"four bytes of binary", REG_BINARY, dwordBytes, 4},
        {"a short number", REG_DWORD, dwordBytes, 2},
        {"a long number", REG_DWORD, dwordBytes, 8},
        {"a 64-bit number", REG_QWORD, dwordBytes, 8},
        {"a huge number", REG_DWORD, huge.data(), static_cast<DWORD>(huge.size())},
    };
    const TestKey testKey(L"Store");
    RegistrySettingsStore plain(HKEY_CURRENT_USER, testKey.Path());
    const auto expectShapes = [&](app::SettingsStore& store, bool readFirst) {
        for (const auto& c : cases) {
            SCOPED_TRACE(c.name);
            ASSERT_TRUE(testKey.SetRaw(L"Language", c.type, c.bytes, c.size));
            if (readFirst) {
                EXPECT_EQ(store.Find(L"Language"), std::nullopt);
            }
            store.Write(L"Language", 0);
            EXPECT_EQ(testKey.Dword(L"Language"), 0);
            EXPECT_EQ(store.Find(L"Language"), 0);
            const test_support::ChangeProbe probe(testKey);
            ASSERT_TRUE(probe.Armed());
            store.Write(L"Language", 0);
            EXPECT_FALSE(probe.Changed()) << "the same number again";
            store.Write(L"Language", 1);
            EXPECT_TRUE(probe.Changed());
        }
    };
    {
        SCOPED_TRACE("straight to the registry");
        expectShapes(plain, false);
        expectShapes(plain, true);
    }
    WatchedRegistrySettings watched(HKEY_CURRENT_USER, testKey.Path());
    for (const bool readFirst : {false, true}) {
        SCOPED_TRACE(readFirst ? "known in memory" : "not known in memory");
        expectShapes(watched, readFirst);
    }
    ASSERT_TRUE(testKey.SetRaw(L"Screen", REG_DWORD, dwordBytes, 4));
    EXPECT_EQ(plain.Read(L"Screen"), 1) << "the same bytes as a REG_DWORD do read";
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
    settings.PostChangesTo(nullptr, 0);
    EXPECT_EQ(settings.Read(L"HotKey"), 0);
    test_support::PumpPending();
    EXPECT_EQ(told, 2) << "stopped";
    window.onMessage = nullptr;
}

}  // namespace
}  // namespace orvell::win
