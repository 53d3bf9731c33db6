// Looks at the folder chosen as the drive before the run changes anything: resolves its path and
// gathers what CheckTarget decides from. Nothing here writes.
#pragma once

#include "creator/core/TargetCheck.h"

#include <windows.h>

#include <string>

namespace corvane::creator {

struct ChosenTarget {
    std::string root;  // full path of the chosen folder, with a trailing backslash: what the run prepares
    TargetFacts facts;
};

// Resolves `typedRoot` (".", "E:", "F:\Creator." and relative paths become the full path Windows
// would use) and gathers the facts about it and about `creatorFolder`. Returns ERROR_SUCCESS, or the
// error of the folder that could not be looked at, named in `failedPath` (a missing folder, a
// drive that is not ready, a file chosen instead of a folder).
DWORD GatherTargetFacts(const std::string& typedRoot, const std::string& creatorFolder, ChosenTarget& chosen,
                        std::string& failedPath);

}  // namespace corvane::creator
