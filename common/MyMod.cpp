#include "common/MyMod.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"

namespace corvane::MyMod {

SearchOutcome Search(const std::string& path, const std::function<bool(DWORD attributes)>& accept) {
    if (path.empty()) {
        return {SearchResult::NotFound, ERROR_SUCCESS};
    }
    WIN32_FIND_DATAW entry{};
    UniqueFind find(::FindFirstFileW(WideFromUtf8(path).c_str(), &entry));
    if (!find) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND || error == ERROR_NO_MORE_FILES) {
            return {SearchResult::NotFound, ERROR_SUCCESS};
        }
        return {SearchResult::Failed, error};
    }
    do {
        if (accept(entry.dwFileAttributes)) {
            return {SearchResult::Found, ERROR_SUCCESS};
        }
    } while (::FindNextFileW(find.get(), &entry));
    return {SearchResult::NotFound, ERROR_SUCCESS};
}

SearchOutcome FindFile(const std::string& path) {
    return Search(path, [](DWORD attributes) { return (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0; });
}

bool FileExists(const std::string& path) {
    return FindFile(path).result == SearchResult::Found;
}

bool FolderExists(const std::string& path) {
    return Search(path, [](DWORD) { return true; }).result == SearchResult::Found;
}

}  // namespace corvane::MyMod
