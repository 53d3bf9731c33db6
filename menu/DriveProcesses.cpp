#include "menu/DriveProcesses.h"

#include "common/MessageLoop.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"

#include <tlhelp32.h>

#include <algorithm>
#include <string>

namespace corvane::menu {
namespace {

constexpr DWORD kPollMs = 50;

// The path of a process's file; empty when it may not be asked.
std::string ImagePathOf(DWORD processId) {
    const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    if (!process) {
        return {};
    }
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        auto size = static_cast<DWORD>(path.size());
        if (::QueryFullProcessImageNameW(process.get(), 0, path.data(), &size)) {
            path.resize(size);
            return Utf8FromWide(path);
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || path.size() >= 32768) {
            return {};
        }
        path.resize(path.size() * 2);
    }
}

struct CloseRequest {
    std::span<const RunningProgram> programs;
};

// Windows a user could close: shown, and not owned by another window (a dialog goes with its owner).
BOOL CALLBACK RequestClose(HWND window, LPARAM context) {
    const auto& request = *reinterpret_cast<const CloseRequest*>(context);
    DWORD owner = 0;
    ::GetWindowThreadProcessId(window, &owner);
    const bool ofProgram =
        std::any_of(request.programs.begin(), request.programs.end(),
                    [owner](const RunningProgram& program) { return program.processId == owner; });
    if (ofProgram && ::IsWindowVisible(window) && ::GetWindow(window, GW_OWNER) == nullptr) {
        // Posted: a program that does not answer must not hold up the menu.
        ::PostMessageW(window, WM_CLOSE, 0, 0);
    }
    return TRUE;
}

// A program being waited for: `process` is null when it could not be opened, `gone` when that was
// because it had already ended.
struct Waited {
    UniqueKernelHandle process;
    bool gone = false;

    [[nodiscard]] bool Ended() const noexcept {
        return gone || (process && ::WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0);
    }
};

}  // namespace

std::vector<RunningProgram> RunningPrograms() {
    std::vector<RunningProgram> running;
    const UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot) {
        return running;
    }
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = ::Process32FirstW(snapshot.get(), &entry); more;
         more = ::Process32NextW(snapshot.get(), &entry)) {
        std::string path = ImagePathOf(entry.th32ProcessID);
        if (!path.empty()) {
            running.push_back({entry.th32ProcessID, std::move(path)});
        }
    }
    return running;
}

std::vector<RunningProgram> AskProgramsToClose(std::span<const RunningProgram> programs, DWORD waitMs) {
    // Opened before the requests, so that an ended program is told apart from a new one with its number.
    std::vector<Waited> processes(programs.size());
    for (std::size_t i = 0; i < programs.size(); ++i) {
        processes[i].process.reset(::OpenProcess(SYNCHRONIZE, FALSE, programs[i].processId));
        processes[i].gone = !processes[i].process && ::GetLastError() == ERROR_INVALID_PARAMETER;
    }
    CloseRequest request{programs};
    ::EnumWindows(RequestClose, reinterpret_cast<LPARAM>(&request));
    const ULONGLONG deadline = ::GetTickCount64() + waitMs;
    const auto allEnded = [&] {
        return std::all_of(processes.begin(), processes.end(),
                           [](const Waited& waited) { return waited.Ended(); });
    };
    while (!allEnded() && ::GetTickCount64() < deadline) {
        if (::MsgWaitForMultipleObjects(0, nullptr, FALSE, kPollMs, QS_ALLINPUT) == WAIT_OBJECT_0) {
            PumpPendingMessages();
        }
    }
    std::vector<RunningProgram> stayed;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        if (!processes[i].Ended()) {
            stayed.push_back(programs[i]);
        }
    }
    return stayed;
}

}  // namespace corvane::menu
