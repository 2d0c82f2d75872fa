#include "app/startup_entry.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>

namespace orvell::app {
namespace {

using Entries = std::map<std::wstring, std::wstring, std::less<>>;

constexpr std::wstring_view kExe = L"C:\\Program Files\\Orvell\\orvell.exe";
// In quotes, so the blank does not split the command.
const std::wstring kCommand = L"\"C:\\Program Files\\Orvell\\orvell.exe\"";

// The two Run keys, each writable or not. Without rights a key can be read but neither written nor
// cleaned, as for a user without administrator rights and the machine-wide key.
class FakeRunKeys final : public RunKeys {
public:
    FakeRunKeys(bool machineWritable, bool userWritable) : m_writable{machineWritable, userWritable} {}

    bool WriteMachine(std::wstring_view name, std::wstring_view data) override {
        return Write(0, name, data);
    }
    bool WriteUser(std::wstring_view name, std::wstring_view data) override { return Write(1, name, data); }
    bool MachineHolds(std::wstring_view name, std::wstring_view data) const override {
        const auto found = machine.find(name);
        return found != machine.end() && found->second == data;
    }
    void DeleteMachine(std::wstring_view name) override { Write(0, name, std::nullopt); }
    void DeleteUser(std::wstring_view name) override { Write(1, name, std::nullopt); }

    Entries machine;
    Entries user;

private:
    // Writes the value, or deletes it when there is no data, where the key is writable.
    bool Write(int key, std::wstring_view name, std::optional<std::wstring_view> data) {
        Entries& entries = key == 0 ? machine : user;
        if (!m_writable[key]) {
            return false;
        }
        if (data) {
            entries.insert_or_assign(std::wstring(name), std::wstring(*data));
        } else {
            entries.erase(std::wstring(name));
        }
        return true;
    }

    bool m_writable[2];
};

TEST(StartupEntry, TurningOnLeavesExactlyOneEntryWhereTheRightsAllow) {
    struct Case {
        const char* name;
        bool machineWritable;
        bool userWritable;
        Entries machineBefore;
        Entries userBefore;
        StartupEntryResult result;
        Entries machineAfter;
        Entries userAfter;
    };
    const Entries machineEntry{{L"Orvell", kCommand}};
    const Entries userEntry{{L"Orvell", kCommand}};
    const Entries oldEntry{{L"Orvell", L"\"C:\\Old\\orvell.exe\""}};
    const Entries otherProgram{{L"Other", L"other.exe"}};
    const Entries both{{L"Other", L"other.exe"}, {L"Orvell", kCommand}};
    constexpr auto kMachine = StartupEntryResult::WrittenForMachine;
    constexpr auto kUser = StartupEntryResult::WrittenForUser;
    const Case cases[] = {
        {"administrator", true, true, {}, {}, kMachine, machineEntry, {}},
        {"administrator, an earlier user entry goes", true, true, otherProgram, oldEntry, kMachine, both, {}},
        {"administrator, the program was moved", true, true, oldEntry, {}, kMachine, machineEntry, {}},
        {"user without rights", false, true, {}, otherProgram, kUser, {}, both},
        {"user without rights, the program was moved", false, true, {}, oldEntry, kUser, {}, userEntry},
        {"user, entry of an elevated run", false, true, machineEntry, {}, kMachine, machineEntry, {}},
        {"neither key writable", false, false, {}, {}, StartupEntryResult::Failed, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRunKeys keys(c.machineWritable, c.userWritable);
        keys.machine = c.machineBefore;
        keys.user = c.userBefore;
        MemorySettingsStore store;

        EXPECT_EQ(TurnStartupOn(store, keys, kExe), c.result);

        EXPECT_EQ(keys.machine, c.machineAfter);
        EXPECT_EQ(keys.user, c.userAfter);
        using Settings = std::map<std::wstring, std::int32_t, std::less<>>;
        const bool on = c.result != StartupEntryResult::Failed;
        EXPECT_EQ(store.values, (on ? Settings{{L"SoftwareRun", 1}} : Settings{})) << "1 or absent";
    }
}

TEST(StartupEntry, TurningOffRemovesBothEntriesAndLeavesOtherPrograms) {
    FakeRunKeys keys(true, true);
    keys.machine = {{L"Orvell", kCommand}};
    keys.user = {{L"Orvell", L"\"C:\\Old\\orvell.exe\""}, {L"Other", L"other.exe"}};
    MemorySettingsStore store;
    store.values = {{L"SoftwareRun", 1}};

    TurnStartupOff(store, keys);

    EXPECT_TRUE(keys.machine.empty());
    EXPECT_EQ(keys.user, (Entries{{L"Other", L"other.exe"}}));
    EXPECT_TRUE(store.values.empty());
}

}  // namespace
}  // namespace orvell::app
