// Whole-file reads and writes. A rewrite never leaves a half-written file: a crash, a full drive or a
// pulled stick leaves either the old file or the new one.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace corvane {

// Writes `contents` to "<path>.tmp" beside the file, flushes it and moves it over `path` in one
// step. Returns ERROR_SUCCESS or the Win32 error of the step that failed; on failure the old file
// is left as it was and the temporary file is removed.
DWORD ReplaceFileContents(const std::string& path, std::string_view contents);

// Reads a whole file. Returns ERROR_SUCCESS or the Win32 error of the step that failed.
DWORD ReadWholeFile(const std::string& path, std::string& contents);

}  // namespace corvane
