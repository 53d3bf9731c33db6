// Where the creator puts a prepared drive's files (common/core/DriveFiles.h names them) and the
// Autorun.inf that makes Windows offer the menu on it.
#pragma once

#include "common/core/DriveFiles.h"

#include <string>
#include <string_view>

namespace corvane::creator {

// The files without which a drive would not start its menu.
bool IsProgramFile(std::string_view relativeName);

// The nine lines of Autorun.inf, each ended by CR LF. The labels go in as typed, except that a
// line break becomes a space: it must not start a line of its own.
std::string AutorunInfText(std::string_view actionLabel, std::string_view volumeLabel);

// Autorun.inf's bytes for labels in UTF-8. With plain ASCII labels, AutorunInfText as it is: the
// file every earlier version wrote. Otherwise the same text in UTF-16 little-endian after its
// byte-order mark (FF FE), the Unicode form Windows reads .inf and profile files in; an ANSI file
// could not hold every character, and would mean other ones on a PC with another code page.
// Bytes that are not valid UTF-8 are written as the replacement character U+FFFD.
std::string AutorunInfFileBytes(std::string_view actionLabel, std::string_view volumeLabel);

// A target root with exactly the trailing backslash that names are joined to (a folder chosen or
// dropped instead of a drive root comes without one). An empty root stays empty.
std::string TargetRootWithSeparator(std::string_view targetRoot);

// Where an item goes on the drive: the root (given a trailing backslash) followed by its name.
std::string TargetPath(std::string_view targetRoot, std::string_view relativeName);

// Where an item comes from: the creator folder (without a trailing backslash), a backslash, the name.
std::string SourcePath(std::string_view creatorFolder, std::string_view relativeName);

}  // namespace corvane::creator
