#include "start/SystemLibrary.h"

#include "common/TextEncoding.h"
#include "common/WindowsFolders.h"
#include "common/core/PathText.h"

#include <string>

namespace corvane::start {

UniqueModule LoadSystemLibrary(const char* name) {
    const std::string folder = SystemFolder();
    if (folder.empty()) {
        return UniqueModule();
    }
    const std::string path = JoinPath(folder, name);
    // A full path with the altered search order: the DLL's dependencies are looked for in its own
    // folder first. Unlike LOAD_LIBRARY_SEARCH_SYSTEM32 this needs no update on Windows 7.
    return UniqueModule(::LoadLibraryExW(WideFromUtf8(path).c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH));
}

}  // namespace corvane::start
