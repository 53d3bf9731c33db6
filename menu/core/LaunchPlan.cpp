#include "menu/core/LaunchPlan.h"

#include "common/core/AnsiText.h"
#include "common/core/PathText.h"
#include "menu/core/MenuTexts.h"
#include "menu/core/PathRules.h"

namespace corvane::menu {
namespace {

constexpr std::string_view kDrivePlaceholder = "%drive%";
constexpr std::string_view kDirPlaceholder = "%dir%";

bool IsDrivePath(std::string_view path) {
    return path.size() >= 2 && path[1] == ':';
}

LaunchCandidate CandidateFor(std::string path, std::string_view switches, std::string_view menuRoot,
                             std::string statusText, LeadByteTest isLead) {
    std::string folder = ParentFolder(path, isLead);
    std::string parameters = ExpandPlaceholders(switches, menuRoot, folder);
    return {std::move(path), std::move(folder), std::move(parameters), std::move(statusText)};
}

}  // namespace

std::string LaunchBase(std::string_view menuFolder, LeadByteTest isLead) {
    // The first three characters of \\server\share\... are no root; the share's root is.
    return IsNetworkPath(menuFolder) ? MenuRootOf(menuFolder, isLead) : std::string(menuFolder.substr(0, 3));
}

std::string ResolveTarget(std::string_view base, std::string_view target) {
    if (IsNetworkPath(target) || IsDrivePath(target)) {
        return std::string(target);
    }
    return std::string(base) + std::string(target);
}

std::string ExpandPlaceholders(std::string_view switches, std::string_view menuRoot,
                               std::string_view launchFolder) {
    const std::string withDrive =
        ReplaceAllIgnoringCase(switches, kDrivePlaceholder, WithoutTrailingBackslash(menuRoot));
    return ReplaceAllIgnoringCase(withDrive, kDirPlaceholder, launchFolder);
}

std::string DriveChangedText(std::string_view menuRoot, std::string_view recorded) {
    return std::string(texts::kDriveChangedTo) + std::string(menuRoot) + texts::kBecause +
           std::string(recorded) + texts::kNotOnSelectedDrive;
}

LaunchPlan PlanLaunch(std::string_view menuFolder, const std::optional<SelectedEntry>& entry,
                      LeadByteTest isLead) {
    LaunchPlan plan;
    if (!entry) {
        return plan;
    }
    const std::string menuRoot = MenuRootOf(menuFolder, isLead);
    plan.resolvedPath = ResolveTarget(LaunchBase(menuFolder, isLead), entry->target);
    plan.recorded = CandidateFor(plan.resolvedPath, entry->switches, menuRoot,
                                 texts::kRunning + plan.resolvedPath, isLead);
    plan.onMenuDrive = CandidateFor(menuRoot + BelowRoot(plan.resolvedPath, isLead), entry->switches,
                                    menuRoot, DriveChangedText(menuRoot, plan.resolvedPath), isLead);
    return plan;
}

std::string LaunchErrorStatus(std::string_view resolvedPath, std::string_view reason) {
    return std::string(texts::kErrorRunning) + std::string(resolvedPath) + texts::kReasonSeparator +
           std::string(reason);
}

std::string LaunchErrorMessage(std::string_view resolvedPath, std::string_view reason) {
    return LaunchErrorStatus(resolvedPath, reason) + "\r\n" + texts::kCheckFileExists;
}

}  // namespace corvane::menu
