// Copying a menu's files off a drive and back, and removing the kept copy once it is back: the steps
// of the keep-and-restore plan carried out on real files. Paths are UTF-8.
#pragma once

#include "utility/core/KeepPlan.h"

#include <windows.h>

#include <string>
#include <vector>

namespace corvane::utility {

// A file (not a folder) at the path.
bool IsFile(const std::string& path);
// A folder at the path that is not a link to another place (junction or symbolic link).
bool IsFolder(const std::string& path);
// Anything at the path.
bool Exists(const std::string& path);

// What a run of copy steps came to: done, or the path that failed and the system's reason.
struct CopyResult {
    bool done = true;
    std::string failedPath;
    DWORD error = ERROR_SUCCESS;
};

// Carries out the steps in order and stops at the first failure. The parent folders of each
// destination are created; nothing is overwritten (a destination that exists is a failure); a folder
// is copied with everything in it, but a link inside it is not followed.
CopyResult RunCopySteps(const std::vector<CopyStep>& steps);

// Removes a folder and everything in it (read-only files too); links inside are removed, never
// followed. True when the folder is gone.
bool RemoveFolderTree(const std::string& folder);

}  // namespace corvane::utility
