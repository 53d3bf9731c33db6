#include "menu/TargetLookupThread.h"

#include "common/ComApartment.h"

#include <iterator>
#include <utility>

namespace corvane::menu {

TargetLookupThread::TargetLookupThread(HWND window, UINT resultMessage, int iconSize)
    : window_(window), resultMessage_(resultMessage), iconSize_(iconSize), thread_([this] { Run(); }) {}

TargetLookupThread::~TargetLookupThread() {
    {
        const std::lock_guard guard(lock_);
        stopping_ = true;
        queue_.clear();
    }
    wake_.notify_all();
    thread_.join();
}

void TargetLookupThread::LookUp(std::vector<LookupRequest> requests) {
    {
        const std::lock_guard guard(lock_);
        queue_.insert(queue_.end(), std::make_move_iterator(requests.begin()),
                      std::make_move_iterator(requests.end()));
    }
    wake_.notify_one();
}

void TargetLookupThread::Cancel() {
    std::vector<LookupResult> dropped;  // icons are destroyed outside the lock
    const std::lock_guard guard(lock_);
    ++generation_;
    queue_.clear();
    dropped.swap(results_);
    announced_ = false;  // the next result is announced anew, whatever became of the last message
}

std::vector<LookupResult> TargetLookupThread::TakeResults() {
    std::vector<LookupResult> taken;
    const std::lock_guard guard(lock_);
    taken.swap(results_);
    announced_ = false;
    return taken;
}

void TargetLookupThread::Run() noexcept {
    // A drive without its disk would otherwise ask the user, from this thread, to insert one.
    ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, nullptr);
    const ComApartment apartment;
    for (;;) {
        try {
            LookupRequest request;
            std::uint64_t generation = 0;
            {
                std::unique_lock guard(lock_);
                wake_.wait(guard, [this] { return stopping_ || !queue_.empty(); });
                if (stopping_) {
                    return;
                }
                request = std::move(queue_.front());
                queue_.pop_front();
                generation = generation_;
            }
            Deliver(LookUpTarget(request, iconSize_), generation);
        } catch (...) {
            // Out of memory for one lookup: its entry keeps the generic look, the others go on.
        }
    }
}

void TargetLookupThread::Deliver(LookupResult result, std::uint64_t generation) {
    {
        const std::lock_guard guard(lock_);
        if (generation != generation_ || stopping_) {
            return;
        }
        results_.push_back(std::move(result));
        if (announced_) {
            return;
        }
        announced_ = true;
    }
    if (!::PostMessageW(window_, resultMessage_, 0, 0)) {
        // A full queue or a window that has gone: let the next result try again.
        const std::lock_guard guard(lock_);
        announced_ = false;
    }
}

}  // namespace corvane::menu
