// The file list of WM_DROPFILES, as the shell hands it to a window that accepts dropped files
// (WS_EX_ACCEPTFILES).
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <string>
#include <vector>

namespace corvane {

// The paths of the dropped files and folders (UTF-8), in the order the shell gives them, whatever
// their length. Frees the list (DragFinish), which the window that received it owns. Empty for a
// drop that carries no files, or when there is no memory for them.
std::vector<std::string> TakeDroppedPaths(HDROP drop) noexcept;

}  // namespace corvane
