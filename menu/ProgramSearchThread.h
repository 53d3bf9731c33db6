// Runs the drive search on a thread of its own, so that the window stays responsive on a drive of
// any size, and reads the icons of what it found there too. The window learns of progress and of the
// end through one posted message (no parameters) at a time: when it arrives, the window reads Counts()
// and, once Finished(), takes the programs with TakeResults. A message that arrives late does no harm.
#pragma once

#include "common/UniqueHandle.h"
#include "menu/ProgramSearch.h"

#include <windows.h>

#include <atomic>
#include <mutex>
#include <thread>
#include <vector>

namespace corvane::menu {

struct FoundProgram {
    OfferedProgram program;
    UniqueIcon icon;  // null: the generic one
};

class ProgramSearchThread {
  public:
    // Starts the search (std::system_error when the thread cannot start). `request`'s cancel and
    // progress are this object's own. Icons are made `iconSize` pixels square.
    ProgramSearchThread(HWND window, UINT message, ProgramSearchRequest request, int iconSize);
    // Cancels the search and waits for it to end.
    ~ProgramSearchThread();
    ProgramSearchThread(const ProgramSearchThread&) = delete;
    ProgramSearchThread& operator=(const ProgramSearchThread&) = delete;

    // Ends the search early; what was found so far is still delivered.
    void Cancel() noexcept { cancel_ = true; }
    [[nodiscard]] SearchCounts Counts() noexcept;
    [[nodiscard]] bool Finished() const noexcept { return finished_; }
    // The programs found, once Finished(); empty after the first call.
    std::vector<FoundProgram> TakeResults();

  private:
    void Run(ProgramSearchRequest request, int iconSize) noexcept;
    void Announce() noexcept;

    const HWND window_;
    const UINT message_;
    std::atomic<bool> cancel_ = false;
    std::atomic<bool> finished_ = false;
    std::atomic<bool> announced_ = false;  // a message is on its way and Counts has not been read since

    std::mutex lock_;
    SearchCounts counts_;
    std::vector<FoundProgram> results_;

    std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace corvane::menu
