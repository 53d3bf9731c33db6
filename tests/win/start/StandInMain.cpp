// Stands in for the programs Kindel starts: regsvr32.exe in the system folder and Menu.exe on the
// drive. Logs how it was started (StartLog.h) to the file named by CORVANE_START_LOG. A registrar
// (a stand-in named regsvr32.exe) then keeps running until the test sets the event named by
// CORVANE_REGISTRAR_RELEASE (a minute at most) and logs its end, so that the log shows whether
// Kindel waited for it; it ends with the exit code CORVANE_REGISTRAR_EXIT_CODE names.
#include "common/UniqueHandle.h"
#include "start/core/StartFiles.h"
#include "tests/win/start/StartLog.h"

#include <windows.h>

#include <cstdlib>
#include <string>

namespace {

using corvane::UniqueFile;
using corvane::UniqueKernelHandle;
using corvane::test::FormatStartLogLine;
using corvane::test::kEnded;
using corvane::test::kStarted;

constexpr DWORD kLongestHoldMs = 60000;

std::string Environment(const char* name) {
    char value[MAX_PATH] = {};
    const DWORD length = ::GetEnvironmentVariableA(name, value, MAX_PATH);
    return length > 0 && length < MAX_PATH ? std::string(value, length) : std::string();
}

void AppendToLog(const std::string& logPath, const std::string& line) {
    const UniqueFile log(::CreateFileA(logPath.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                       nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    ::WriteFile(log.get(), line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
}

bool IsRegistrar(const std::string& ownPath) {
    const std::string name = ownPath.substr(ownPath.rfind('\\') + 1);
    return ::lstrcmpiA(name.c_str(), corvane::start::kRegistrarName) == 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const std::string logPath = Environment(corvane::test::kStartLogVariable);
    if (logPath.empty()) {
        return 1;
    }
    char ownPath[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, ownPath, MAX_PATH);
    STARTUPINFOA startup{};
    ::GetStartupInfoA(&startup);
    const std::string showCommand =
        (startup.dwFlags & STARTF_USESHOWWINDOW) != 0 ? std::to_string(startup.wShowWindow) : std::string();
    char currentFolder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, currentFolder);
    AppendToLog(logPath,
                FormatStartLogLine({kStarted, ownPath, showCommand, currentFolder, ::GetCommandLineA()}));
    if (IsRegistrar(ownPath)) {
        const UniqueKernelHandle release(
            ::OpenEventA(SYNCHRONIZE, FALSE, Environment(corvane::test::kReleaseEventVariable).c_str()));
        if (release) {
            ::WaitForSingleObject(release.get(), kLongestHoldMs);
        }
        AppendToLog(logPath, FormatStartLogLine({kEnded, ownPath, {}, {}, {}}));
        return std::atoi(Environment(corvane::test::kRegistrarExitCodeVariable).c_str());
    }
    return 0;
}
