#include "menu/ProgramStarter.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/WindowsFolders.h"
#include "menu/PathHelpers.h"

namespace corvane::menu {

DWORD WindowsFolderStarter::Start(const std::string& program, const std::string& commandLine,
                                  int showCommand) {
    const std::string folder = WindowsFolder();
    const std::string currentFolder = SystemFolder();
    if (folder.empty() || currentFolder.empty()) {
        return ::GetLastError();
    }
    const std::string application = WithTrailingBackslash(folder) + program;
    std::wstring line = WideFromUtf8(commandLine);  // CreateProcess may write to it
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(WideFromUtf8(application).c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          WideFromUtf8(currentFolder).c_str(), &startup, &process)) {
        return ::GetLastError();
    }
    // Not waited for: the program runs on by itself.
    UniqueKernelHandle ownProcess(process.hProcess);
    UniqueKernelHandle ownThread(process.hThread);
    return ERROR_SUCCESS;
}

DWORD ProgramStarter::OpenFile(const std::string& file, const std::string& workingFolder,
                               const std::string& parameters, const char* verb) {
    return ShellOpen(file, workingFolder, parameters, verb);
}

}  // namespace corvane::menu
