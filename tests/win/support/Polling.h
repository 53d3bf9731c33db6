// Waiting for something another process does, with a limit.
#pragma once

#include <windows.h>

#include <functional>

namespace corvane::test {

// Asks `done` until it says yes (true) or `timeoutMs` have passed (false).
bool PollUntil(const std::function<bool()>& done, DWORD timeoutMs);

}  // namespace corvane::test
