// BrowseFldrXP: the shell's classic folder browser, for choosing the drive to prepare.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::creator::BrowseFldrXP {

// Shows the browser modal to `owner` and returns the chosen path (a drive gives its root with a
// trailing backslash, a folder its path without one); empty when the user cancels. A chosen path
// also becomes the text of the owner's drive box, the child with id `pathBoxId`.
std::string BrowseForFolder(HWND owner, int pathBoxId);

}  // namespace corvane::creator::BrowseFldrXP
