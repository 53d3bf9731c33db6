#include "menu/core/BrowsePlan.h"

#include "menu/core/LaunchPlan.h"
#include "menu/core/MenuTexts.h"
#include "menu/core/PathRules.h"

namespace corvane::menu {
namespace {

BrowseCandidate CandidateFor(std::string folder, std::string statusText) {
    std::string commandLine = kExplorerCommandPrefix + ("\"" + folder + "\"");
    return {std::move(folder), std::move(commandLine), std::move(statusText)};
}

}  // namespace

BrowsePlan PlanBrowse(std::string_view menuFolder, std::string_view target, LeadByteTest isLead) {
    const std::string menuRoot = MenuRootOf(menuFolder, isLead);
    std::string folder = ParentFolder(ResolveTarget(LaunchBase(menuFolder, isLead), target), isLead);
    std::string substitute = menuRoot + BelowRoot(folder, isLead);
    BrowsePlan plan;
    plan.onMenuDrive = CandidateFor(std::move(substitute), DriveChangedText(menuRoot, folder));
    plan.recorded = CandidateFor(folder, texts::kBrowsing + folder);
    return plan;
}

BrowseCandidate PlanRootBrowse(std::string_view menuFolder, LeadByteTest isLead) {
    std::string root = MenuRootOf(menuFolder, isLead);
    return CandidateFor(root, texts::kBrowsingRoot + root);
}

std::string RootBrowseErrorMessage(std::string_view description) {
    return texts::kErrorBrowsingToDirectory + std::string(description);
}

std::string BrowseErrorMessage(std::string_view description) {
    return RootBrowseErrorMessage(description) + "\r\n" + texts::kCheckFolderExists;
}

std::string BrowseErrorStatus(std::string_view folder, std::string_view description) {
    return texts::kErrorBrowsing + std::string(folder) + texts::kReasonSeparator + std::string(description);
}

}  // namespace corvane::menu
