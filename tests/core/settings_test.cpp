#include "app/settings.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <tuple>

namespace orvell::app {
namespace {

using Values = std::map<std::wstring, std::int32_t, std::less<>>;

auto Fields(const StartupSettings& s) {
    return std::tuple(s.softwareRun, s.language, s.screen, s.hotKey, s.check, s.combo);
}

TEST(StartupSettings, AMissingHotkeyBecomesF12AndEveryOtherValueIsReadAsStored) {
    struct Case {
        const char* name;
        Values before;
        StartupSettings expected;
        Values after;
    };
    const Values everyValue{{L"SoftwareRun", 1}, {L"Language", 1}, {L"Screen", 1},
                            {L"HotKey", 119},    {L"Check", 2},    {L"Combo", 3}};
    const Case cases[] = {
        {"first start: nothing stored", {}, {0, 0, 0, 123, 0, 0}, {{L"HotKey", 123}}},
        {"hotkey stored as 0", {{L"HotKey", 0}}, {0, 0, 0, 123, 0, 0}, {{L"HotKey", 123}}},
        {"every value set", everyValue, {1, 1, 1, 119, 2, 3}, everyValue},
        {"an odd language is passed on, not corrected",
         {{L"Language", 7}},
         {0, 7, 0, 123, 0, 0},
         {{L"Language", 7}, {L"HotKey", 123}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySettingsStore store;
        store.values = c.before;

        EXPECT_EQ(Fields(LoadStartupSettings(store)), Fields(c.expected));
        EXPECT_EQ(store.values, c.after);
        EXPECT_EQ(store.writeCount, 1) << "the hotkey is always written, nothing else";
        EXPECT_EQ(store.deleteCount, 0);
    }
}

// The hotkey timer reads three values ten times a second: from memory, until the store may have changed.
TEST(CachedSettingsStore, ReadsFromMemoryUntilInvalidatedAndWritesOnlyChanges) {
    MemorySettingsStore backing;
    backing.values = {{L"HotKey", 119}};
    CachedSettingsStore cached(backing);
    EXPECT_EQ(cached.Read(L"HotKey"), 119);
    EXPECT_EQ(cached.Read(L"Check"), 0);
    backing.values = {{L"HotKey", 65}, {L"Check", 1}};  // changed from outside
    EXPECT_EQ(cached.Read(L"HotKey"), 119) << "not yet told";
    cached.Invalidate();
    EXPECT_EQ(cached.Read(L"HotKey"), 65);
    EXPECT_EQ(cached.Read(L"Check"), 1);

    cached.Write(L"Check", 1);
    EXPECT_EQ(backing.writeCount, 0) << "the value already stored";
    cached.Write(L"Check", 0);
    cached.Write(L"Combo", 3);
    EXPECT_EQ(backing.values, (Values{{L"HotKey", 65}, {L"Check", 0}, {L"Combo", 3}}));
    cached.Delete(L"Combo");
    EXPECT_EQ(cached.Read(L"Combo"), 0);
    EXPECT_EQ(backing.values.count(L"Combo"), 0u);
}

}  // namespace
}  // namespace orvell::app
