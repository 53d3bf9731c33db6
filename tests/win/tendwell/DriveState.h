// What a test drive holds, attributes included, and the drive with every fault the wizard repairs.
#pragma once

#include <cstdint>
#include <map>
#include <string>

namespace corvane::test {

struct EntryState {
    std::uint32_t attributes = 0;  // read-only, hidden, system, folder, link
    std::string contents;          // a file's bytes
    friend bool operator==(const EntryState&, const EntryState&) = default;
};

// Every file and folder below `root` (ending in a backslash) by relative name. Links are listed,
// never entered.
std::map<std::string, EntryState> DriveState(const std::string& root);

// The names whose state differs between two snapshots (added, removed or changed).
std::map<std::string, std::string> Differences(const std::map<std::string, EntryState>& before,
                                               const std::map<std::string, EntryState>& after);

// Creates a folder for a test; fails the test when it cannot (an existing one is fine).
void MakeFolder(const std::string& path);

// The attributes of a file or folder (INVALID_FILE_ATTRIBUTES when it is not there).
unsigned long AttributesOf(const std::string& path);

// Empties E: and lays out a prepared drive (programs, Support, the menu's list, settings and list
// history) with malware's marks on it: a foreign Autorun.inf (hidden, system, read-only), a folder
// and a file hidden as system with shortcuts beside them, and hidden system entries the wizard must
// leave alone (the system's folder, the menu's list, one without a shortcut, one only hidden).
void LayOutInfectedDrive();

}  // namespace corvane::test
