// The menu's rules for paths: roots of drives and shares, the part below a root, parent folders.
// These carry the drive-letter independence of the stored targets, so each keeps its exact,
// documented corner cases (positions count characters; comparisons are exact).
//
// Paths are in the ANSI code page. Backslashes are looked for character by character with
// `isLead` (see common/core/AnsiText.h): the Win32 side passes the code page's lead bytes, and
// the default suits any single-byte code page.
#pragma once

#include "common/core/AnsiText.h"

#include <string>
#include <string_view>

namespace corvane::menu {

// True exactly when the path begins with two backslashes (\\server\share\...).
bool IsNetworkPath(std::string_view path);

// The folder part of a program's full path, always ending in a backslash:
// E:\Menu.exe gives E:\, E:\Menus\Menu.exe gives E:\Menus\.
std::string FolderOfProgram(std::string_view programPath, LeadByteTest isLead = NoLeadBytes);

// Appends a backslash unless the text already ends in one.
std::string WithTrailingBackslash(std::string_view folder, LeadByteTest isLead = NoLeadBytes);

// Root of the drive or share that holds `folder`, with a trailing backslash:
// E:\Menus\ gives E:\, \\server\share\Menus\ gives \\server\share\.
std::string MenuRootOf(std::string_view folder, LeadByteTest isLead = NoLeadBytes);

// True for the root of a drive or share itself: E:, E:\, \\server\share and \\server\share\.
bool IsRoot(std::string_view path);

// The path without its root: E:\Apps\tool.exe and \\server\share\Apps\tool.exe give Apps\tool.exe,
// E:\ gives empty text, \\server\share gives \\server\share (no backslash after the share).
std::string BelowRoot(std::string_view path, LeadByteTest isLead = NoLeadBytes);

// The path without its last component: E:\Apps\tool.exe gives E:\Apps, E:\tool.exe gives E:,
// paths of four characters or fewer and paths without a backslash from position 3 on stay as they are.
std::string ParentFolder(std::string_view path, LeadByteTest isLead = NoLeadBytes);

// Version as the menu shows it: major "." minor revision, nothing between the last two (1.1.1 gives 1.11).
std::string VersionText(int major, int minor, int revision);

}  // namespace corvane::menu
