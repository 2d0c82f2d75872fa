#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/startup_entry.h"

namespace orvell::app {
namespace {

using Entries = std::map<std::wstring, std::wstring, std::less<>>;

constexpr std::wstring_view kExe = L"C:\\Program Files\\Orvell\\orvell.exe";
const std::wstring kCommand = L"\"C:\\Program Files\\Orvell\\orvell.exe\"";

// The two Run keys, each writable or not. Without rights a key can be read but neither written nor
// cleaned, as for a user without administrator rights and the machine-wide key.
class FakeRunKeys final : public RunKeys {
public:
    FakeRunKeys(bool machineWritable, bool userWritable)
        : m_machineWritable(machineWritable), m_userWritable(userWritable) {}

    bool WriteMachine(std::wstring_view name, std::wstring_view data) override {
        return Write(machine, m_machineWritable, name, data);
    }
    bool WriteUser(std::wstring_view name, std::wstring_view data) override {
        return Write(user, m_userWritable, name, data);
    }
    bool MachineHolds(std::wstring_view name, std::wstring_view data) const override {
        const auto found = machine.find(name);
        return found != machine.end() && found->second == data;
    }
    void DeleteMachine(std::wstring_view name) override { Delete(machine, m_machineWritable, name); }
    void DeleteUser(std::wstring_view name) override { Delete(user, m_userWritable, name); }

    Entries machine;
    Entries user;

private:
    static bool Write(Entries& entries, bool writable, std::wstring_view name, std::wstring_view data) {
        if (writable) {
            entries.insert_or_assign(std::wstring(name), std::wstring(data));
        }
        return writable;
    }
    static void Delete(Entries& entries, bool writable, std::wstring_view name) {
        const auto found = entries.find(name);
        if (writable && found != entries.end()) {
            entries.erase(found);
        }
    }

    bool m_machineWritable;
    bool m_userWritable;
};

TEST(StartupCommand, QuotesThePathSoABlankDoesNotSplitIt) {
    EXPECT_EQ(StartupCommand(kExe), kCommand);
    EXPECT_EQ(StartupCommand(L"D:\\orvell.exe"), L"\"D:\\orvell.exe\"");
}

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
        EXPECT_EQ(store.Read(setting::kSoftwareRun), c.result == StartupEntryResult::Failed ? 0 : 1);
        EXPECT_EQ(store.values.count(L"SoftwareRun"), c.result == StartupEntryResult::Failed ? 0u : 1u)
            << "the option is either 1 or absent";
    }
}

TEST(StartupEntry, TurningOffLeavesNothingBehind) {
    struct Case {
        const char* name;
        bool machineWritable;
        Entries machineBefore;
        Entries userBefore;
    };
    const Case cases[] = {
        {"after a machine-wide entry", true, {}, {}},
        {"after a per-user entry", false, {}, {}},
        {"a start with the option off and old entries in both keys", true, {{L"Orvell", kCommand}},
         {{L"Orvell", L"\"C:\\Old\\orvell.exe\""}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FakeRunKeys keys(c.machineWritable, true);
        keys.machine = c.machineBefore;
        keys.user = c.userBefore;
        keys.user.emplace(L"Other", L"other.exe");
        MemorySettingsStore store;
        if (c.machineBefore.empty()) {
            ASSERT_NE(TurnStartupOn(store, keys, kExe), StartupEntryResult::Failed);
        }

        TurnStartupOff(store, keys);

        EXPECT_TRUE(keys.machine.empty());
        EXPECT_EQ(keys.user, (Entries{{L"Other", L"other.exe"}})) << "other programs' entries stay";
        EXPECT_TRUE(store.values.empty());
    }
}

}  // namespace
}  // namespace orvell::app
