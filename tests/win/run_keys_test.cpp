#include "app/run_keys.h"

#include <windows.h>
#include <gtest/gtest.h>

#include "app/registry_store.h"
#include "app/startup_entry.h"
#include "test_registry_key.h"

namespace orvell::win {
namespace {

using test_support::TestKey;

constexpr wchar_t kCommand[] = L"\"C:\\Program Files\\Orvell\\orvell.exe\"";

// Which key takes the entry is the portable suite's rule, and the main window's suite turns the entry
// on and off with both keys writable and with neither. Here the keys themselves: a key without rights
// (the machine-wide one, for a user who is not an administrator) refuses the write, so the user's key
// takes the entry; and only the whole entry counts as this program's, not a moved program's.
TEST(RegistryRunKeys, ALockedMachineKeyLeavesTheEntryToTheUserAndOnlyTheWholeEntryCounts) {
    const TestKey machine(L"RunMachine"), user(L"RunUser"), settings(L"RunSettings");
    RegistryRunKeys keys{HKEY_CURRENT_USER, machine.Path(), HKEY_CURRENT_USER, user.Path()};
    RegistrySettingsStore store{HKEY_CURRENT_USER, settings.Path()};
    {
        const test_support::ReadOnlyKey locked(machine);
        ASSERT_TRUE(locked.Locked());
        EXPECT_EQ(app::TurnStartupOn(store, keys, L"C:\\Program Files\\Orvell\\orvell.exe"),
                  app::StartupEntryResult::WrittenForUser);
        EXPECT_FALSE(machine.Has(L"Orvell"));
        EXPECT_EQ(user.String(L"Orvell"), kCommand);
        EXPECT_EQ(settings.Dword(L"SoftwareRun"), 1);
        app::TurnStartupOff(store, keys);
        EXPECT_FALSE(user.Has(L"Orvell") || settings.Has(L"SoftwareRun"));
    }
    ASSERT_TRUE(keys.WriteMachine(L"Orvell", kCommand));
    EXPECT_TRUE(keys.MachineHolds(L"Orvell", kCommand));
    EXPECT_FALSE(keys.MachineHolds(L"Orvell", L"\"D:\\orvell.exe\""));
    EXPECT_FALSE(keys.MachineHolds(L"Orvell", L"\"C:\\Program Files\\Orvell\\orvell.ex"));
    EXPECT_FALSE(keys.MachineHolds(L"Other", kCommand));
    keys.DeleteMachine(L"Orvell");
    keys.DeleteMachine(L"Orvell");
    EXPECT_FALSE(keys.MachineHolds(L"Orvell", kCommand));
}

}  // namespace
}  // namespace orvell::win
