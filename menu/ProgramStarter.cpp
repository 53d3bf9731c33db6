#include "menu/ProgramStarter.h"

#include "common/UniqueHandle.h"

#include <vector>

namespace corvane::menu {
namespace {

std::string WindowsFolder() {
    std::vector<char> buffer(MAX_PATH);
    UINT length = ::GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = ::GetWindowsDirectoryA(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    return std::string(buffer.data(), length < buffer.size() ? length : 0);
}

}  // namespace

DWORD WindowsFolderStarter::Start(const std::string& program, const std::string& commandLine,
                                  int showCommand) {
    const std::string folder = WindowsFolder();
    if (folder.empty()) {
        return ::GetLastError();
    }
    const std::string application = folder + (folder.ends_with('\\') ? "" : "\\") + program;
    std::vector<char> line(commandLine.begin(), commandLine.end());  // CreateProcess may write to it
    line.push_back('\0');
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(showCommand);
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                          &startup, &process)) {
        return ::GetLastError();
    }
    // Not waited for: the program runs on by itself.
    UniqueKernelHandle ownProcess(process.hProcess);
    UniqueKernelHandle ownThread(process.hThread);
    return ERROR_SUCCESS;
}

}  // namespace corvane::menu
