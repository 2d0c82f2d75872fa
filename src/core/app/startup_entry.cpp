#include "app/startup_entry.h"

namespace orvell::app {

std::wstring StartupCommand(std::wstring_view exePath) {
    std::wstring command;
    command.reserve(exePath.size() + 2);
    command += L'"';
    command += exePath;
    command += L'"';
    return command;
}

StartupEntryResult WriteStartupEntry(RunKeys& keys, std::wstring_view exePath) {
    const std::wstring command = StartupCommand(exePath);
    if (keys.WriteMachine(kStartupEntryName, command) || keys.MachineHolds(kStartupEntryName, command)) {
        keys.DeleteUser(kStartupEntryName);
        return StartupEntryResult::WrittenForMachine;
    }
    if (keys.WriteUser(kStartupEntryName, command)) {
        return StartupEntryResult::WrittenForUser;
    }
    DeleteStartupEntry(keys);
    return StartupEntryResult::Failed;
}

void DeleteStartupEntry(RunKeys& keys) {
    keys.DeleteMachine(kStartupEntryName);
    keys.DeleteUser(kStartupEntryName);
}

StartupEntryResult TurnStartupOn(SettingsStore& store, RunKeys& keys, std::wstring_view exePath) {
    store.Write(setting::kSoftwareRun, 1);
    const StartupEntryResult result = WriteStartupEntry(keys, exePath);
    if (result == StartupEntryResult::Failed) {
        store.Delete(setting::kSoftwareRun);
    }
    return result;
}

void TurnStartupOff(SettingsStore& store, RunKeys& keys) {
    store.Delete(setting::kSoftwareRun);
    DeleteStartupEntry(keys);
}

}  // namespace orvell::app
