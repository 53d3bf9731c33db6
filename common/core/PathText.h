// Path text rules every program shares: joining a name to a folder, a folder's text with or
// without its trailing backslash, the folder of a file's path. Plain text, no file system.
#pragma once

#include "common/core/AnsiText.h"

#include <string>
#include <string_view>

namespace corvane {

// The folder with one trailing backslash taken off, when its last character is one (E:\ gives E:).
std::string WithoutTrailingBackslash(std::string_view folder, LeadByteTest isLead = NoLeadBytes);

// `name` below `folder` with exactly one backslash between them, whether or not the folder ends in
// one (E: and E:\ both give E:\Menu.exe). An empty folder gives \name, the current drive's root.
std::string JoinPath(std::string_view folder, std::string_view name, LeadByteTest isLead = NoLeadBytes);

// The folder of a file's path, without a trailing backslash (E:\Kindel.exe gives E:); empty text
// for a bare name.
std::string FolderOf(std::string_view path, LeadByteTest isLead = NoLeadBytes);

}  // namespace corvane
