// Looks targets up on a thread of its own, so that the window stays responsive whatever the drives
// do. Results are collected here and announced to the window by one posted message (no parameters)
// per batch: when the message arrives the window takes them all with TakeResults. The message carries
// nothing, so one that arrives late, or at a window that has gone, does no harm.
#pragma once

#include "menu/TargetLookup.h"

#include <windows.h>

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <thread>
#include <vector>

namespace corvane::menu {

class TargetLookupThread {
  public:
    // Starts the thread (std::system_error when it cannot). Icons are made `iconSize` pixels square.
    TargetLookupThread(HWND window, UINT resultMessage, int iconSize);
    // Drops what is queued, waits for a lookup in progress and ends the thread; untaken icons go too.
    ~TargetLookupThread();
    TargetLookupThread(const TargetLookupThread&) = delete;
    TargetLookupThread& operator=(const TargetLookupThread&) = delete;

    // Queues lookups behind those already queued.
    void LookUp(std::vector<LookupRequest> requests);
    // Forgets every queued lookup and untaken result; the result of a lookup in progress is dropped.
    void Cancel();
    // The results since the last call, in the order they were found.
    std::vector<LookupResult> TakeResults();

  private:
    void Run() noexcept;
    void Deliver(LookupResult result, std::uint64_t generation);

    const HWND window_;
    const UINT resultMessage_;
    const int iconSize_;

    std::mutex lock_;
    std::condition_variable wake_;
    std::deque<LookupRequest> queue_;
    std::vector<LookupResult> results_;
    std::uint64_t generation_ = 0;  // raised by Cancel: what was asked before is not wanted any more
    bool announced_ = false;        // a message is on its way and TakeResults has not run since
    bool stopping_ = false;

    std::thread thread_;  // last: it starts once everything above is ready
};

}  // namespace corvane::menu
