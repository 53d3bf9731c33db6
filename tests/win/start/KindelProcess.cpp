#include "tests/win/start/KindelProcess.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane::test {
namespace {

struct VisibleWindows {
    std::vector<HWND> found;
    const char* caption = nullptr;  // only windows with this caption, when set
};

BOOL CALLBACK CollectVisibleWindow(HWND window, LPARAM context) {
    auto& windows = *reinterpret_cast<VisibleWindows*>(context);
    if (::IsWindowVisible(window) && (windows.caption == nullptr || WindowText(window) == windows.caption)) {
        windows.found.push_back(window);
    }
    return TRUE;
}

}  // namespace

KindelProcess::KindelProcess(const std::string& program, const std::string& workingFolder) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string commandLine = "\"" + program + "\"";
    // Suspended, so that the watch is running before the program can show anything.
    if (!::CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED,
                          nullptr, workingFolder.c_str(), &startup, &started)) {
        ADD_FAILURE() << "cannot start " << program << ": error " << ::GetLastError();
        return;
    }
    process_.reset(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    threadId_ = started.dwThreadId;
    watcher_ = std::thread([this] { Watch(); });
    ::ResumeThread(thread.get());
}

KindelProcess::~KindelProcess() {
    stopWatching_ = true;
    if (watcher_.joinable()) {
        watcher_.join();
    }
    if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process_.get(), 1);  // a failed test must not leave it behind
    }
}

void KindelProcess::Watch() {
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    while (!stopWatching_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
        VisibleWindows windows;
        ::EnumThreadWindows(threadId_, CollectVisibleWindow, reinterpret_cast<LPARAM>(&windows));
        const std::lock_guard lock(seenLock_);
        for (const HWND window : windows.found) {
            if (std::find(seen_.begin(), seen_.end(), window) == seen_.end()) {
                seen_.push_back(window);
            }
        }
    }
}

bool KindelProcess::WaitForEnd(DWORD timeoutMs) {
    return process_ && ::WaitForSingleObject(process_.get(), timeoutMs) == WAIT_OBJECT_0;
}

DWORD KindelProcess::ExitCode() const {
    DWORD code = STILL_ACTIVE;
    if (process_) {
        ::GetExitCodeProcess(process_.get(), &code);
    }
    return code;
}

std::vector<HWND> KindelProcess::WindowsSeenVisible() const {
    const std::lock_guard lock(seenLock_);
    return seen_;
}

HWND KindelProcess::FindVisibleWindow(const char* caption) const {
    VisibleWindows windows;
    windows.caption = caption;
    ::EnumThreadWindows(threadId_, CollectVisibleWindow, reinterpret_cast<LPARAM>(&windows));
    return windows.found.empty() ? nullptr : windows.found.front();
}

}  // namespace corvane::test
