// Whole-file reads and writes. A rewrite never leaves a half-written file: a crash, a full drive or a
// pulled stick leaves either the old file or the new one.
//
// Neither ever goes through a symbolic link, junction or other reparse point: a link planted on a
// stick could otherwise make a read or a save reach any file of the PC.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace corvane {

// What a read or a rewrite returns when the file (or the name it would be written under) is a
// reparse point. The system describes it as a file that cannot be accessed, which is what happened.
inline constexpr DWORD kReparsePointRefused = ERROR_CANT_ACCESS_FILE;

// True when `path` itself is a reparse point (the link, not what it leads to).
bool IsReparsePoint(const std::string& path);

// Writes `contents` to a temporary file of a fresh name beside the file (created new, never an
// existing one), flushes it and moves it over `path` in one step. A hidden or system file stays
// hidden or system. Returns ERROR_SUCCESS or the Win32 error of the step that failed; on failure the
// old file is left as it was and the temporary file this call created is removed.
DWORD ReplaceFileContents(const std::string& path, std::string_view contents);

// Reads a whole file. Returns ERROR_SUCCESS or the Win32 error of the step that failed.
DWORD ReadWholeFile(const std::string& path, std::string& contents);

}  // namespace corvane
