#include "start/StartSteps.h"

#include "common/MessageLoop.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/WindowsFolders.h"
#include "start/ShellStart.h"
#include "start/core/StartFiles.h"

#include <shellapi.h>

#include <vector>

namespace corvane::start {
namespace {

// Waits for `process` to end, letting this thread's window messages run meanwhile.
bool WaitForProcessEnd(HANDLE process, DWORD timeoutMs) {
    const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
    for (;;) {
        const ULONGLONG now = ::GetTickCount64();
        if (now >= deadline) {
            return false;
        }
        const DWORD result =
            ::MsgWaitForMultipleObjects(1, &process, FALSE, static_cast<DWORD>(deadline - now), QS_ALLINPUT);
        if (result == WAIT_OBJECT_0) {
            return true;
        }
        if (result != WAIT_OBJECT_0 + 1) {
            return false;  // timed out or failed
        }
        PumpPendingMessages();
    }
}

}  // namespace

std::string SystemFolder() {
    return SystemFolderFromBuffer(corvane::SystemFolder());
}

RegistrationOutcome RunRegistration(const std::string& registrar, const std::string& commandLine,
                                    const std::string& folder, DWORD timeoutMs) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWMINIMIZED;
    PROCESS_INFORMATION started{};
    std::wstring mutableCommandLine = WideFromUtf8(commandLine);  // CreateProcess may write to it
    // The registrar is named by its full path: a command line alone would be looked for beside this
    // program first, that is on the drive.
    if (!::CreateProcessW(WideFromUtf8(registrar).c_str(), mutableCommandLine.data(), nullptr, nullptr, FALSE,
                          0, nullptr, WideFromUtf8(folder).c_str(), &startup, &started)) {
        return RegistrationOutcome::Failed;
    }
    const UniqueKernelHandle process(started.hProcess);
    const UniqueKernelHandle thread(started.hThread);
    if (!WaitForProcessEnd(process.get(), timeoutMs)) {
        return RegistrationOutcome::StillRunning;
    }
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.get(), &exitCode);
    return exitCode == 0 ? RegistrationOutcome::Registered : RegistrationOutcome::Failed;
}

void StartMenu(HWND owner, const std::string& menuFile, bool atUserLevel) noexcept {
    if (atUserLevel && StartThroughDesktopShell(menuFile)) {
        return;
    }
    const std::wstring file = WideFromUtf8(menuFile);
    SHELLEXECUTEINFOW request{};
    request.cbSize = sizeof request;
    // No error dialogs from the shell, and the start is complete before this program ends.
    request.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    request.hwnd = owner;
    request.lpVerb = L"open";
    request.lpFile = file.c_str();
    request.lpParameters = L"";
    request.lpDirectory = nullptr;
    request.nShow = SW_SHOWNORMAL;
    ::ShellExecuteExW(&request);
}

}  // namespace corvane::start
