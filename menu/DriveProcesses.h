// The running programs whose file is on a drive, and asking them to close as a user would: each is
// sent a close request to its top-level windows, so that it can ask its user to save first. A
// program is never ended by force.
#pragma once

#include "menu/core/EjectPlan.h"

#include <windows.h>

#include <span>
#include <vector>

namespace corvane::menu {

// Every process whose file this user may ask about, with the path of its file. Processes that do
// not let this user look (those of other users, elevated ones) are left out.
std::vector<RunningProgram> RunningPrograms();

// Sends each program's visible top-level windows a close request and waits, at most `waitMs`, for
// them to end; the window's messages keep running meanwhile. Returns the programs still running (a
// program without a window to close is one of them).
std::vector<RunningProgram> AskProgramsToClose(std::span<const RunningProgram> programs, DWORD waitMs);

}  // namespace corvane::menu
