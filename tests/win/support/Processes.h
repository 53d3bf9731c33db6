// Programs a test starts and watches from outside: starting one by command line, finding its
// windows, and making sure it is gone when the test ends.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

#include <string>

namespace corvane::test {

// Starts `commandLine` (the program's path as typed, then its arguments) in `folder`, without
// waiting for it; fails the test and returns an empty handle when it cannot start.
UniqueKernelHandle StartProgram(std::string commandLine, const std::string& folder, DWORD& processId);

// Polls (at most `waitMs`) for a visible top-level window of `process` with the class and title
// given (null: any).
HWND WaitForWindowOf(DWORD process, const char* className, const char* title, DWORD waitMs = 10000);

// The process's exit code once it has ended within `waitMs`; STILL_ACTIVE when it runs on.
DWORD ExitCodeAfter(HANDLE process, DWORD waitMs);

// Ends the process if it still runs (a test's cleanup; the code under test never ends one by force).
void EndIfRunning(HANDLE process);

}  // namespace corvane::test
