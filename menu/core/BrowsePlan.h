// Folder browsing: which folder Explorer is opened at, with which command line, and what the status
// line and the failure reports say. Pure text rules; the caller tests which folder exists.
#pragma once

#include "common/core/AnsiText.h"

#include <string>
#include <string_view>

namespace corvane::menu {

// Explorer, started by name from the system's search path, and the start of its command line: a
// folder pane (/e) opened at the folder that follows.
inline constexpr const char* kExplorerProgram = "explorer.exe";
inline constexpr const char* kExplorerCommandPrefix = "explorer.exe /e,";

struct BrowseCandidate {
    std::string folder;
    std::string commandLine;  // "explorer.exe /e," and the folder in quotes (a comma must not split it)
    std::string statusText;
};

struct BrowsePlan {
    BrowseCandidate recorded;     // the folder that holds the target, as recorded
    BrowseCandidate onMenuDrive;  // the same folder below the menu's own root
};

// Browse File Directory for `target` (the entry's "Target File"), menu running from `menuFolder`.
// A target recorded without a drive letter or network root is taken from the menu's drive root,
// as launching does, so that its folder can be found at all.
// Paths are walked character by character with `isLead` (menu/core/PathRules.h).
BrowsePlan PlanBrowse(std::string_view menuFolder, std::string_view target,
                      LeadByteTest isLead = NoLeadBytes);

// Browse Root Directory: Explorer at the menu's root, no existence test.
BrowseCandidate PlanRootBrowse(std::string_view menuFolder, LeadByteTest isLead = NoLeadBytes);

// Failure reports of Browse File Directory: the message (two lines) and the status text.
std::string BrowseErrorMessage(std::string_view description);
std::string BrowseErrorStatus(std::string_view folder, std::string_view description);

// Failure report of Browse Root Directory: the message is one line only.
std::string RootBrowseErrorMessage(std::string_view description);

}  // namespace corvane::menu
