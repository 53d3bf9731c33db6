#include "start/SystemLibrary.h"

#include <string>

namespace corvane::start {

UniqueModule LoadSystemLibrary(const char* name) {
    char folder[MAX_PATH] = {};
    const UINT length = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) {
        return UniqueModule();
    }
    const std::string path = std::string(folder, length) + "\\" + name;
    // A full path with the altered search order: the DLL's dependencies are looked for in its own
    // folder first. Unlike LOAD_LIBRARY_SEARCH_SYSTEM32 this needs no update on Windows 7.
    return UniqueModule(::LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace corvane::start
