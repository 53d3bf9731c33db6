// Stands in for a DLL someone placed on the stick beside a program, named like a system DLL. It
// does no harm: when a process loads it, it leaves a marker file beside itself, "<its path>.loaded",
// so a test can tell that the program picked it up.
#include "common/UniqueHandle.h"

#include <windows.h>

#include <string>

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
    if (reason != DLL_PROCESS_ATTACH) {
        return TRUE;
    }
    char path[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameA(instance, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return TRUE;
    }
    const std::string marker = std::string(path, length) + ".loaded";
    const corvane::UniqueFile file(::CreateFileA(marker.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                                 FILE_ATTRIBUTE_NORMAL, nullptr));
    return TRUE;
}
