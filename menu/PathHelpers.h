// Where the menu runs from, file tests, Settings.ini values and the shell: the Win32 side of the
// menu's path rules (menu/core/PathRules.h holds the pure string rules). Paths are UTF-8.
#pragma once

#include "menu/core/PathRules.h"

#include <windows.h>

#include <string>

namespace corvane::menu {

// The folder Menu.exe was started from, always ending in a backslash (E:\, E:\Menus\, \\server\share\Menus\).
std::string MenuFolder();

// The program's version as the menu shows it ("1.11" for 1.1.1).
std::string VersionText();

// True when a normal file (not hidden, not system, not a folder) of that name exists. Wildcards,
// empty paths and any platform failure give false.
bool FileFound(const std::string& path);

// True when a visible file or folder of that name exists (drive roots count); false on any failure.
bool PathFound(const std::string& path);

// True when a visible folder of that name exists, or the root of a drive or share; false for a file
// and on any failure.
bool FolderFound(const std::string& path);

// Reads a value from an INI file (key looked up in lower case, at most 749 characters). A missing or
// empty value yields `defaultValue`, which is then written back under the key in upper case. A file
// that is a link (reparse point) is never read or written through: it yields `defaultValue`.
std::string ReadSetting(const std::string& section, const std::string& key, const std::string& file,
                        const std::string& defaultValue);

// Writes a value under the key in upper case. Failures (write-protected drive) are ignored, and a
// file that is a link is left alone.
void WriteSetting(const std::string& section, const std::string& key, const std::string& value,
                  const std::string& file);

// The shell's action `verb` (null: the default action) for `file` with parameters and working folder,
// shown normally. Returns ERROR_SUCCESS or the shell's error (ERROR_CANCELLED: the user said No).
DWORD ShellOpen(const std::string& file, const std::string& workingFolder, const std::string& parameters,
                const char* verb);

// The shell's default action for `file`, as ShellOpen. Returns whether the shell reported success.
bool OpenWithShell(const std::string& file, const std::string& workingFolder, const std::string& parameters);

}  // namespace corvane::menu
