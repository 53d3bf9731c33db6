// The texts the file-dialog wrapper hands to and takes from the common Open and Save As dialogs:
// NUL-separated filter lists and multi-select results. Errors carry a number, a source and a
// description, like the errors the wrapper raises itself.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace corvane::menu {

struct FileDialogError {
    long number;
    std::string source;
    std::string description;
};

inline constexpr long kInvalidArgumentError = 5;
inline constexpr const char* kInvalidArgumentText = "Invalid procedure call or argument";
inline constexpr long kCancelError = 32755;
inline constexpr const char* kCancelText = "User selected cancel.";

// "All Files (*.*)|*.*|" -> "All Files (*.*)\0*.*\0\0\0": bars and colons become NULs, two NULs follow.
std::string DialogFilter(std::string_view filter);

// The text followed by two NULs (default extension, initial folder).
std::string WithTwoNuls(std::string_view text);

// Splits a multi-select result. One file (a full path without NULs inside the list): `folder` is
// the path up to and including its last backslash, `files` holds the rest. Several files: `folder`
// is the first NUL-separated item (no trailing backslash), `files` the following names. Throws
// FileDialogError (invalid argument, with `source`) when the text holds no pair of NULs.
void ParseMultiSelection(std::string_view filename, const std::string& source, std::string& folder,
                         std::vector<std::string>& files);

}  // namespace corvane::menu
