// Waiting for something another process does, with a limit, and letting this thread's messages run.
#pragma once

#include <windows.h>

#include <functional>

namespace corvane::test {

// Asks `done` until it says yes (true) or `timeoutMs` have passed (false).
bool PollUntil(const std::function<bool()>& done, DWORD timeoutMs);

// Lets pending messages run. A WM_QUIT posted by a closing window is dropped: the test runs on.
void PumpMessages();

}  // namespace corvane::test
