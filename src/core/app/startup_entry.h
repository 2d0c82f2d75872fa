#pragma once

#include <string>
#include <string_view>

#include "app/settings.h"

namespace orvell::app {

// The name of the program's value under the Run keys.
inline constexpr std::wstring_view kStartupEntryName = L"Orvell";

// The two places an entry that starts the program with Windows can live: the machine-wide one, which
// needs administrator rights, and the current user's.
class RunKeys {
public:
    virtual ~RunKeys() = default;

    // Create or replace a string value; false when it could not be written.
    virtual bool WriteMachine(std::wstring_view name, std::wstring_view data) = 0;
    virtual bool WriteUser(std::wstring_view name, std::wstring_view data) = 0;
    // True when the machine-wide key already holds exactly this value (it may be readable where it is
    // not writable).
    virtual bool MachineHolds(std::wstring_view name, std::wstring_view data) const = 0;
    // A missing value or key is no error; other failures are ignored too.
    virtual void DeleteMachine(std::wstring_view name) = 0;
    virtual void DeleteUser(std::wstring_view name) = 0;
};

enum class StartupEntryResult { WrittenForMachine, WrittenForUser, Failed };

// The entry's data: the full path in double quotes, since Windows splits an unquoted command line at
// the first blank (C:\Program Files\...) and would try to run another program.
std::wstring StartupCommand(std::wstring_view exePath);

// Writes the entry, machine-wide when that is allowed, else for the current user. Exactly one entry is
// left, so the program never starts twice: a machine-wide entry removes a user one written earlier
// without rights, and an unwritable machine key that already holds this very entry (written by an
// earlier elevated run) is kept instead of adding a user one. Failed leaves neither entry.
StartupEntryResult WriteStartupEntry(RunKeys& keys, std::wstring_view exePath);

// Removes both entries; errors are ignored (the entries normally do not exist).
void DeleteStartupEntry(RunKeys& keys);

// The menu toggle and the launch-time sync, with the setting SoftwareRun (1 or deleted). Turning on
// again at every start fixes the entry of a program that was moved. On Failed the option is off:
// SoftwareRun is deleted, and the caller unchecks its menu items and tells the user.
StartupEntryResult TurnStartupOn(SettingsStore& store, RunKeys& keys, std::wstring_view exePath);
void TurnStartupOff(SettingsStore& store, RunKeys& keys);

}  // namespace orvell::app
