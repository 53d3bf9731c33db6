// Launch planning: where an entry's target is looked for, in which folder it starts, with which
// parameters and what the status line says. Pure text rules; the caller tests which candidate
// exists and starts it.
#pragma once

#include "common/core/AnsiText.h"

#include <optional>
#include <string>
#include <string_view>

namespace corvane::menu {

// One way to start the target: the file, its working folder, the expanded switch and the status text.
struct LaunchCandidate {
    std::string path;
    std::string workingFolder;
    std::string parameters;
    std::string statusText;
};

// The selected entry's "Target File" and "Command Line Switch".
struct SelectedEntry {
    std::string target;
    std::string switches;
};

struct LaunchPlan {
    std::string resolvedPath;  // the target resolved against the menu's drive (empty: no entry)
    std::optional<LaunchCandidate> recorded;     // try first: the resolved path itself
    std::optional<LaunchCandidate> onMenuDrive;  // then: the same place below the menu's own root
};

// Plans the launch of an entry whose target and switch are given, for a menu running from
// `menuFolder` (E:\, E:\Menus\, \\server\share\Menus\). Without a selected entry nothing can be
// tried. Relative targets are taken from the root of the menu's drive (a share's root for a
// menu on a network share); drive and network targets are used as recorded.
// Paths are walked character by character with `isLead` (menu/core/PathRules.h).
LaunchPlan PlanLaunch(std::string_view menuFolder, const std::optional<SelectedEntry>& entry,
                      LeadByteTest isLead = NoLeadBytes);

// The root a relative target is resolved against: the first three characters of the menu's folder
// (E:\), or the share's root for a menu on a network share.
std::string LaunchBase(std::string_view menuFolder, LeadByteTest isLead = NoLeadBytes);

// A target as the menu resolves it: drive and network paths unchanged, anything else below `base`.
std::string ResolveTarget(std::string_view base, std::string_view target);

// The switch with "%drive%" (the menu root without its backslash), then "%dir%" (`launchFolder`)
// replaced, every occurrence, without regard to letter case.
std::string ExpandPlaceholders(std::string_view switches, std::string_view menuRoot,
                               std::string_view launchFolder);

// The message box text and the status text for an entry that could not be started.
std::string LaunchErrorMessage(std::string_view resolvedPath, std::string_view reason);
std::string LaunchErrorStatus(std::string_view resolvedPath, std::string_view reason);

// "Drive changed to E:\ because 'F:\x' doesn't exist on selected drive." (launching and browsing).
std::string DriveChangedText(std::string_view menuRoot, std::string_view recorded);

}  // namespace corvane::menu
