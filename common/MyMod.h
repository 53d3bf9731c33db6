// File and folder tests shared by the three programs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace corvane::MyMod {

enum class SearchResult { Found, NotFound, Failed };

// What a directory search came to, with the error the failed search itself gave (drive not
// ready, malformed name); ERROR_SUCCESS unless the result is Failed. Taken from the search at
// once, so that no later call can overwrite it before the caller reads it.
struct SearchOutcome {
    SearchResult result;
    DWORD error;
};

// Directory search for `path`: Found when an entry's attributes pass `accept`. An empty path, a
// name or folder that is not there and a search without a passing entry are NotFound.
SearchOutcome Search(const std::string& path, const std::function<bool(DWORD attributes)>& accept);

// Directory search for `path` that sees normal, read-only, hidden and system files but not folders.
SearchOutcome FindFile(const std::string& path);

// True when a file (hidden and system files included, folders not) of that name exists.
bool FileExists(const std::string& path);

// True when a folder or a file of that name exists; false on any failure of the search.
bool FolderExists(const std::string& path);

}  // namespace corvane::MyMod
