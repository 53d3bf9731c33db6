// The entry editor's rules for the texts it stores: a target on the menu's own drive is stored
// without its drive, so the entry keeps working when the stick gets another letter.
// Paths are walked character by character with `isLead`, as in menu/core/PathRules.h.
#pragma once

#include "common/core/AnsiText.h"

#include <string>
#include <string_view>

namespace corvane::menu {

// The text behind the last backslash; the whole path when it holds none (E:\Apps\ gives "").
std::string GetFileName(std::string_view path, LeadByteTest isLead = NoLeadBytes);

// The display name Browse proposes for a chosen file: its name without the last extension
// (Tool.exe gives Tool, .profile gives ""); a name without a dot is proposed whole.
std::string ProposedName(std::string_view path, LeadByteTest isLead = NoLeadBytes);

// The target as stored: `path` without its first three characters when they equal the menu's
// drive prefix exactly (case-sensitive, E:\), otherwise `path` as typed. Network paths are always
// kept whole.
std::string StoredTarget(std::string_view path, std::string_view menuDrivePrefix);

// The drive prefix of the menu: the first three characters of its folder.
std::string MenuDrivePrefix(std::string_view menuFolder);

// The display name Save stores: the typed name, or the file name of the path (with its extension)
// when no name was typed. Line breaks become spaces.
std::string NameToStore(std::string_view typedName, std::string_view path, LeadByteTest isLead = NoLeadBytes);

}  // namespace corvane::menu
