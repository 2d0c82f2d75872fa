#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/settings.h"

namespace orvell::app {
namespace {

using Values = std::map<std::wstring, std::int32_t, std::less<>>;

TEST(StartupSettings, AMissingHotkeyBecomesF12AndEveryOtherValueIsReadAsStored) {
    struct Case {
        const char* name;
        Values before;
        StartupSettings expected;
        Values after;
    };
    const Case cases[] = {
        {"first start: nothing stored", {}, {0, 0, 0, 123, 0, 0}, {{L"HotKey", 123}}},
        {"hotkey stored as 0", {{L"HotKey", 0}}, {0, 0, 0, 123, 0, 0}, {{L"HotKey", 123}}},
        {"hotkey chosen by the user",
         {{L"HotKey", 65}, {L"Check", 1}, {L"Combo", 2}},
         {0, 0, 0, 65, 1, 2},
         {{L"HotKey", 65}, {L"Check", 1}, {L"Combo", 2}}},
        {"every value set",
         {{L"SoftwareRun", 1},
          {L"Language", 1},
          {L"Screen", 1},
          {L"HotKey", 119},
          {L"Check", 2},
          {L"Combo", 3}},
         {1, 1, 1, 119, 2, 3},
         {{L"SoftwareRun", 1},
          {L"Language", 1},
          {L"Screen", 1},
          {L"HotKey", 119},
          {L"Check", 2},
          {L"Combo", 3}}},
        {"an odd language is passed on, not corrected",
         {{L"Language", 7}},
         {0, 7, 0, 123, 0, 0},
         {{L"Language", 7}, {L"HotKey", 123}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MemorySettingsStore store;
        store.values = c.before;

        const StartupSettings read = LoadStartupSettings(store);

        EXPECT_EQ(read.softwareRun, c.expected.softwareRun);
        EXPECT_EQ(read.language, c.expected.language);
        EXPECT_EQ(read.screen, c.expected.screen);
        EXPECT_EQ(read.hotKey, c.expected.hotKey);
        EXPECT_EQ(read.check, c.expected.check);
        EXPECT_EQ(read.combo, c.expected.combo);
        EXPECT_EQ(store.values, c.after);
        EXPECT_EQ(store.writeCount, 1) << "the hotkey is always written, nothing else";
        EXPECT_EQ(store.deleteCount, 0);
    }
}

}  // namespace
}  // namespace orvell::app
