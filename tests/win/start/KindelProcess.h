// Kindel.exe started from the test drive the way AutoPlay starts it, watched from outside: which
// top-level windows of its process were visible at some moment, and how it ended.
#pragma once

#include "common/UniqueHandle.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/WindowText.h"

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace corvane::test {

class KindelProcess {
  public:
    // Starts `program` in the folder `workingFolder`; fails the test when it cannot.
    KindelProcess(const std::string& program, const std::string& workingFolder);
    ~KindelProcess();
    KindelProcess(const KindelProcess&) = delete;
    KindelProcess& operator=(const KindelProcess&) = delete;

    bool WaitForEnd(DWORD timeoutMs);
    [[nodiscard]] DWORD ExitCode() const;

    // Top-level windows of the program seen visible so far. Windows reports no show events across
    // processes under Wine, so a watch thread looks for them continuously while the program runs:
    // a window that stays up for the few milliseconds of a process start is seen.
    [[nodiscard]] std::vector<HWND> WindowsSeenVisible() const;

    // The visible top-level window of the program with this caption, or null.
    [[nodiscard]] HWND FindVisibleWindow(const char* caption) const;

  private:
    void Watch();

    UniqueKernelHandle process_;
    DWORD threadId_ = 0;
    std::atomic<bool> stopWatching_{false};
    mutable std::mutex seenLock_;
    std::vector<HWND> seen_;
    std::thread watcher_;
};

}  // namespace corvane::test
