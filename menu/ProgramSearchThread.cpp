#include "menu/ProgramSearchThread.h"

#include "common/ComApartment.h"
#include "common/TextEncoding.h"
#include "menu/TargetIcons.h"

#include <utility>

namespace corvane::menu {

ProgramSearchThread::ProgramSearchThread(HWND window, UINT message, ProgramSearchRequest request,
                                         int iconSize)
    : window_(window), message_(message), thread_([this, request = std::move(request), iconSize]() mutable {
          Run(std::move(request), iconSize);
      }) {}

ProgramSearchThread::~ProgramSearchThread() {
    Cancel();
    thread_.join();
}

SearchCounts ProgramSearchThread::Counts() noexcept {
    announced_ = false;
    const std::lock_guard guard(lock_);
    return counts_;
}

std::vector<FoundProgram> ProgramSearchThread::TakeResults() {
    const std::lock_guard guard(lock_);
    return std::exchange(results_, {});
}

void ProgramSearchThread::Announce() noexcept {
    if (!announced_.exchange(true)) {
        ::PostMessageW(window_, message_, 0, 0);
    }
}

void ProgramSearchThread::Run(ProgramSearchRequest request, int iconSize) noexcept {
    // A drive without its disk would otherwise ask the user, from this thread, to insert one.
    ::SetThreadErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX, nullptr);
    std::vector<FoundProgram> found;
    try {
        const ComApartment apartment;  // type icons come from the shell
        request.cancel = &cancel_;
        request.progress = [this](const SearchCounts& counts) {
            {
                const std::lock_guard guard(lock_);
                counts_ = counts;
            }
            Announce();
        };
        for (OfferedProgram& program : SearchForPrograms(request)) {
            const std::wstring iconSource = WideFromUtf8(program.iconSource);
            const DWORD attributes =
                cancel_ ? INVALID_FILE_ATTRIBUTES : ::GetFileAttributesW(iconSource.c_str());
            UniqueIcon icon =
                attributes == INVALID_FILE_ATTRIBUTES  // a cancelled search reads no more icons
                    ? UniqueIcon()
                    : ReadTargetIcon(iconSource, ClassifyTarget(iconSource), attributes, iconSize);
            found.push_back({std::move(program), std::move(icon)});
        }
    } catch (...) {
        // Out of memory part-way: what was found is delivered, and the window says the search ended.
    }
    {
        const std::lock_guard guard(lock_);
        results_ = std::move(found);
    }
    finished_ = true;
    announced_ = false;
    Announce();
}

}  // namespace corvane::menu
