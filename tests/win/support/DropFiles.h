// Drops as the shell delivers them: the file list of WM_DROPFILES, which the receiving window frees.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace corvane::test {

// A file list (UTF-16 inside, as Explorer makes it) of the given UTF-8 paths.
HDROP MakeDropList(const std::vector<std::string>& paths);

// Drops the paths onto the window and lets what the drop set off run.
void DropOnto(HWND window, const std::vector<std::string>& paths);

// Writes a shortcut (.lnk) to `target` with `arguments` through the shell's IShellLinkW, as
// Explorer does; false when it could not be written.
bool MakeShortcut(const std::string& shortcut, const std::string& target, const std::string& arguments);

}  // namespace corvane::test
