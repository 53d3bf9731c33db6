// File and folder tests shared by the creator and the start program.
#pragma once

#include <string>

namespace corvane::MyMod {

enum class SearchResult { Found, NotFound, Failed };

// Directory search for `path` that sees normal, read-only, hidden and system files but not
// folders. Failed: the search itself failed (drive not ready, malformed name).
SearchResult FindFile(const std::string& path);

// True when a file (hidden and system files included, folders not) of that name exists.
bool FileExists(const std::string& path);

// True when a folder or a file of that name exists; false on any failure of the search.
bool FolderExists(const std::string& path);

}  // namespace corvane::MyMod
