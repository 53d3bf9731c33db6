// The launch recorder (see support/LaunchRecord.h): writes "folder\narguments\nprogram\n" to the file
// named by CORVANE_LAUNCH_RECORD, in one step, and ends.
#include "common/FileContents.h"

#include <windows.h>

#include <string>

namespace {

std::string ArgumentsOf(const char* commandLine) {
    const char* p = commandLine;
    if (*p == '"') {
        ++p;
        while (*p != '\0' && *p != '"') {
            ++p;
        }
        if (*p == '"') {
            ++p;
        }
    } else {
        while (*p != '\0' && *p != ' ' && *p != '\t') {
            ++p;
        }
    }
    while (*p == ' ' || *p == '\t') {
        ++p;
    }
    return p;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    char recordPath[MAX_PATH] = {};
    if (::GetEnvironmentVariableA("CORVANE_LAUNCH_RECORD", recordPath, MAX_PATH) == 0) {
        return 1;
    }
    char folder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    char program[MAX_PATH] = {};
    ::GetModuleFileNameA(nullptr, program, MAX_PATH);
    const std::string record =
        std::string(folder) + "\n" + ArgumentsOf(::GetCommandLineA()) + "\n" + program + "\n";
    return corvane::ReplaceFileContents(recordPath, record) == ERROR_SUCCESS ? 0 : 2;
}
