// The hand-off of an eject: the menu cannot eject the drive its own file is on, so it copies itself
// to the user's temporary folder and starts the copy with one argument that names the drive and the
// menu's process. This is the argument's grammar and the rules the copy checks before it acts: it
// must be a hand-off copy in the temporary folder, asked to eject another drive than its own.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::menu {

struct EjectHandOffRequest {
    char drive = 0;                   // the drive letter to eject, 'A' to 'Z'
    std::uint32_t menuProcessId = 0;  // the menu that handed off: the copy waits for it to end
};

// The command line after the program's name (quoted or not), without the blanks before it.
std::string_view ArgumentsAfterProgram(std::string_view commandLine);

// "/eject-drive E: 1234".
std::string EjectHandOffArguments(const EjectHandOffRequest& request);

// Whether the arguments ask for a hand-off at all (the switch, letter case ignored, alone or
// followed by a blank): such a start never shows a menu, whatever follows.
bool IsEjectHandOff(std::string_view arguments);

// The request when the arguments are exactly the switch, a drive letter with its colon and a
// process number (1 to 4294967295, decimal digits only), separated by single blanks; nullopt for
// anything else.
std::optional<EjectHandOffRequest> ParseEjectHandOff(std::string_view arguments);

// The wildcard pattern (as FindFirstFile takes it) that every copy's file name matches.
inline constexpr const char* kHandOffCopyPattern = "CorvaneEject-*.exe";

// "CorvaneEject-<process>-<stamp>.exe": the copy's file name, unique per menu and moment.
std::string HandOffCopyName(std::uint32_t processId, std::uint64_t stamp);

// Whether a file name is one HandOffCopyName makes (letter case ignored): only such files are
// swept from the temporary folder.
bool IsHandOffCopyName(std::string_view fileName);

// Whether the program at `ownImage` may carry out `request`: it is a hand-off copy directly in
// `tempFolder` (compared as folders are, whatever the spelling), and the drive is not its own.
bool HandOffAllowed(const EjectHandOffRequest& request, std::string_view ownImage,
                    std::string_view tempFolder);

// The upper-case letter of a path on a lettered drive ("E:\x", "e:", "\\?\E:\x"); 0 for any other.
char DriveLetterOf(std::string_view path);

}  // namespace corvane::menu
