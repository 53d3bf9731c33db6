// Which menus are one menu: those over the same folder, however its path is spelled. The names of the
// session-wide objects that the menu over a folder holds derive from the folder's identity by a hash,
// since object names are limited in length and may hold no backslash after their namespace.
#pragma once

#include <string>
#include <string_view>

namespace corvane::menu {

// The folder as compared: '/' read as '\', runs of backslashes made one (but for the two that begin
// a share or a "\\?\" path), exactly one trailing backslash, letter case folded (common/core/CaseFolding.h,
// as file names on Windows ignore it). The Win32 side resolves the path to the folder's own first.
std::string FolderIdentity(std::string_view folder);

// "Local\Corvane.Menu.<16 hex digits>": the mutex that the menu over `folder` holds while it runs.
std::string SingleMenuMutexName(std::string_view folder);

// "Local\Corvane.MenuWindow.<16 hex digits>": where that menu leaves its window's handle.
std::string SingleMenuWindowName(std::string_view folder);

}  // namespace corvane::menu
