#include "tests/win/support/Processes.h"

#include "tests/win/support/Polling.h"

#include <gtest/gtest.h>

namespace corvane::test {

UniqueKernelHandle StartProgram(std::string commandLine, const std::string& folder, DWORD& processId) {
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                          &startup, &started)) {
        ADD_FAILURE() << "could not start " << commandLine << ": error " << ::GetLastError();
        return {};
    }
    const UniqueKernelHandle thread(started.hThread);
    processId = started.dwProcessId;
    return UniqueKernelHandle(started.hProcess);
}

HWND WaitForWindowOf(DWORD process, const char* className, const char* title, DWORD waitMs) {
    HWND shown = nullptr;
    PollUntil(
        [&] {
            for (HWND found = ::FindWindowExA(nullptr, nullptr, className, title); found != nullptr;
                 found = ::FindWindowExA(nullptr, found, className, title)) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(found, &owner);
                if (owner == process && ::IsWindowVisible(found)) {
                    shown = found;
                    return true;
                }
            }
            return false;
        },
        waitMs);
    return shown;
}

DWORD ExitCodeAfter(HANDLE process, DWORD waitMs) {
    DWORD code = STILL_ACTIVE;
    if (::WaitForSingleObject(process, waitMs) == WAIT_OBJECT_0) {
        ::GetExitCodeProcess(process, &code);
    }
    return code;
}

void EndIfRunning(HANDLE process) {
    if (process != nullptr && ::WaitForSingleObject(process, 0) == WAIT_TIMEOUT) {
        ::TerminateProcess(process, 1);
        ::WaitForSingleObject(process, 10000);
    }
}

}  // namespace corvane::test
