#include "common/MyMod.h"

#include "common/UniqueHandle.h"

#include <functional>

namespace corvane::MyMod {
namespace {

using corvane::UniqueFind;

// Runs the directory search and reports whether any entry passes `accept`.
SearchResult Search(const std::string& path, const std::function<bool(const WIN32_FIND_DATAA&)>& accept) {
    if (path.empty()) {
        return SearchResult::NotFound;
    }
    WIN32_FIND_DATAA entry{};
    UniqueFind find(::FindFirstFileA(path.c_str(), &entry));
    if (!find) {
        const DWORD error = ::GetLastError();
        return (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES)
                   ? SearchResult::NotFound
                   : SearchResult::Failed;
    }
    do {
        if (accept(entry)) {
            return SearchResult::Found;
        }
    } while (::FindNextFileA(find.get(), &entry));
    return SearchResult::NotFound;
}

}  // namespace

SearchResult FindFile(const std::string& path) {
    return Search(path, [](const WIN32_FIND_DATAA& entry) {
        return (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    });
}

bool FileExists(const std::string& path) { return FindFile(path) == SearchResult::Found; }

bool FolderExists(const std::string& path) {
    return Search(path, [](const WIN32_FIND_DATAA&) { return true; }) == SearchResult::Found;
}

}  // namespace corvane::MyMod
