// Windows' own folders: where the programs start Windows' tools from and in, and load system DLLs
// from by full path (never a folder on the stick); and the user's temporary folder.
#pragma once

#include <string>

namespace corvane {

// The system's Windows folder (GetSystemWindowsDirectory: the shared one on a terminal server), and
// the system folder. However long; empty text when Windows does not say.
std::string WindowsFolder();
std::string SystemFolder();

// The user's folder for temporary files (GetTempPath), with its trailing backslash; empty text when
// Windows does not say.
std::string TempFolder();

}  // namespace corvane
