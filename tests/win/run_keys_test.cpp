#include "app/run_keys.h"

#include <windows.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/registry_store.h"
#include "app/startup_entry.h"
#include "test_registry_key.h"

namespace orvell::win {
namespace {

using app::StartupEntryResult;
using test_support::ReadOnlyKey;
using test_support::TestKey;

constexpr wchar_t kExe[] = L"C:\\Program Files\\Orvell\\orvell.exe";
constexpr wchar_t kCommand[] = L"\"C:\\Program Files\\Orvell\\orvell.exe\"";

// The two Run keys and the settings, each a key of the test's own.
struct RunKeyFixture {
    TestKey machine{L"RunMachine"};
    TestKey user{L"RunUser"};
    TestKey settings{L"RunSettings"};
    RegistryRunKeys keys{HKEY_CURRENT_USER, machine.Path(), HKEY_CURRENT_USER, user.Path()};
    RegistrySettingsStore store{HKEY_CURRENT_USER, settings.Path()};
};

// An entry of a moved program is not this program's entry.
TEST(RegistryRunKeys, TheMachineKeyHoldsOnlyTheWholeEntry) {
    RunKeyFixture f;
    ASSERT_TRUE(f.keys.WriteMachine(L"Orvell", kCommand));
    EXPECT_TRUE(f.keys.MachineHolds(L"Orvell", kCommand));
    EXPECT_FALSE(f.keys.MachineHolds(L"Orvell", L"\"D:\\orvell.exe\""));
    EXPECT_FALSE(f.keys.MachineHolds(L"Orvell", L"\"C:\\Program Files\\Orvell\\orvell.ex"));
    EXPECT_FALSE(f.keys.MachineHolds(L"Other", kCommand));
    f.keys.DeleteMachine(L"Orvell");
    f.keys.DeleteMachine(L"Orvell");
    EXPECT_FALSE(f.keys.MachineHolds(L"Orvell", kCommand));
}

// The administrator's case runs through the main window's start-up option.
TEST(StartupEntryInTheRegistry, OnAndOffForEachKindOfRights) {
    struct Case {
        const char* name;
        bool machineWritable;
        bool userWritable;
        bool machineHeldItAlready;
        StartupEntryResult result;
    };
    const Case cases[] = {
        {"user without rights", false, true, false, StartupEntryResult::WrittenForUser},
        {"user without rights, entry written by an elevated run", false, true, true,
         StartupEntryResult::WrittenForMachine},
        {"no rights at all", false, false, false, StartupEntryResult::Failed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RunKeyFixture f;
        if (c.machineHeldItAlready) {
            ASSERT_TRUE(f.machine.SetString(L"Orvell", kCommand));
        }
        std::optional<ReadOnlyKey> machineLock;
        std::optional<ReadOnlyKey> userLock;
        if (!c.machineWritable) {
            ASSERT_TRUE(machineLock.emplace(f.machine).Locked());
        }
        if (!c.userWritable) {
            ASSERT_TRUE(userLock.emplace(f.user).Locked());
        }

        EXPECT_EQ(app::TurnStartupOn(f.store, f.keys, kExe), c.result);

        const bool machineEntry = c.result == StartupEntryResult::WrittenForMachine;
        const bool userEntry = c.result == StartupEntryResult::WrittenForUser;
        EXPECT_EQ(f.machine.String(L"Orvell"),
                  machineEntry ? std::optional<std::wstring>(kCommand) : std::nullopt);
        EXPECT_EQ(f.user.String(L"Orvell"), userEntry ? std::optional<std::wstring>(kCommand) : std::nullopt);
        EXPECT_EQ(f.settings.Dword(L"SoftwareRun"),
                  c.result == StartupEntryResult::Failed ? std::nullopt : std::optional<std::int32_t>(1));

        if (c.result != StartupEntryResult::Failed && !c.machineHeldItAlready) {
            app::TurnStartupOff(f.store, f.keys);
            EXPECT_FALSE(f.machine.Has(L"Orvell"));
            EXPECT_FALSE(f.user.Has(L"Orvell"));
            EXPECT_FALSE(f.settings.Has(L"SoftwareRun"));
        }
    }
}

}  // namespace
}  // namespace orvell::win
