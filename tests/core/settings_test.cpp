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

// An odd language is passed on, not corrected.
TEST(StartupSettings, AMissingHotkeyBecomesF12AndEveryOtherValueIsReadAsStored) {
    struct Case {
        Values before;
        StartupSettings expected;
        Values after;
    };
    const Values everyValue{{L"SoftwareRun", 1}, {L"Language", 7}, {L"Screen", 1},
                            {L"HotKey", 119},    {L"Check", 2},    {L"Combo", 3}};
    const Case cases[] = {
        {{}, {0, 0, 0, 123, 0, 0}, {{L"HotKey", 123}}},
        {everyValue, {1, 7, 1, 119, 2, 3}, everyValue},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.values = c.before;
        EXPECT_EQ(Fields(LoadStartupSettings(store)), Fields(c.expected));
        EXPECT_EQ(store.values, c.after);
    }
}

// The hotkey timer reads three values ten times a second: from memory, until the store may have
// changed. A write is skipped only for the number known to be stored.
TEST(CachedSettingsStore, ReadsFromMemoryUntilInvalidatedAndWritesOnlyChanges) {
    MemorySettingsStore backing;
    backing.values = {{L"HotKey", 119}};
    CachedSettingsStore cached(backing);
    EXPECT_EQ(cached.Read(L"HotKey"), 119);
    EXPECT_EQ(cached.Read(L"Check"), 0);
    cached.Write(L"Check", 0);
    EXPECT_EQ(backing.values.count(L"Check"), 1u) << "known missing, not known to hold 0";
    backing.values = {{L"HotKey", 65}, {L"Check", 1}};  // changed from outside
    EXPECT_EQ(cached.Read(L"HotKey"), 119) << "not yet told";
    cached.Invalidate();
    EXPECT_EQ(cached.Read(L"HotKey"), 65);
    EXPECT_EQ(cached.Read(L"Check"), 1);

    cached.Write(L"Check", 1);
    EXPECT_EQ(backing.writeCount, 1) << "the value already stored is not written again";
    cached.Write(L"Check", 0);
    cached.Write(L"Combo", 3);
    EXPECT_EQ(backing.values, (Values{{L"HotKey", 65}, {L"Check", 0}, {L"Combo", 3}}));
    cached.Delete(L"Combo");
    EXPECT_EQ(cached.Read(L"Combo"), 0);
    EXPECT_EQ(backing.values.count(L"Combo"), 0u);
}

}  // namespace
}  // namespace orvell::app
