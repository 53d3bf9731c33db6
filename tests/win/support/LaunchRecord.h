// A small program that records how it was started (its folder, arguments and own path, in UTF-8), so that
// tests can check what the menu handed to the shell. The record goes to a file whose name the
// recorder takes from CORVANE_LAUNCH_RECORD, which InstallLaunchRecorder sets for this process and
// its children.
#pragma once

#include <optional>
#include <string>

namespace corvane::test {

struct LaunchRecord {
    std::string folder;     // current folder of the started program
    std::string arguments;  // command line after the program name
    std::string program;    // the program's own path
};

// Copies the recorder to `destination` and clears any earlier record. Returns `destination`.
std::string InstallLaunchRecorder(const std::string& destination);

// Waits (at most `timeoutMs`) for the recorder to write its record, returns and removes it.
std::optional<LaunchRecord> WaitForLaunchRecord(unsigned timeoutMs = 10000);

// True when no record appeared within `timeoutMs` (the program was not started).
bool NoLaunchWithin(unsigned timeoutMs);

}  // namespace corvane::test
