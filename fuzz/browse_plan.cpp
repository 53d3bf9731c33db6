// Browse planning for any entry: Explorer is opened at the folder that holds the resolved target or
// at the same folder below the menu's own root, and the command line names exactly that folder.
#include "fuzz/FuzzSupport.h"
#include "menu/core/BrowsePlan.h"
#include "menu/core/LaunchPlan.h"
#include "menu/core/PathRules.h"

using namespace corvane::menu;

namespace {

// `named`: the folder the status line must name (the fallback's names the folder it replaces).
void CheckCandidate(const BrowseCandidate& candidate, std::string_view named) {
    FUZZ_REQUIRE(candidate.commandLine == kExplorerCommandPrefix + ("\"" + candidate.folder + "\""));
    FUZZ_REQUIRE(candidate.statusText.find(named) != std::string::npos);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string menuFolder = corvane::fuzz::MenuFolderFrom(fields.Next());
    const std::string_view target = fields.Next();
    const std::string menuRoot = MenuRootOf(menuFolder);

    const BrowsePlan plan = PlanBrowse(menuFolder, target);
    const std::string resolved = ResolveTarget(LaunchBase(menuFolder), target);
    FUZZ_REQUIRE(plan.recorded.folder == ParentFolder(resolved));
    FUZZ_REQUIRE(resolved.starts_with(plan.recorded.folder));
    FUZZ_REQUIRE(plan.onMenuDrive.folder == menuRoot + BelowRoot(plan.recorded.folder));
    CheckCandidate(plan.recorded, plan.recorded.folder);
    CheckCandidate(plan.onMenuDrive, plan.recorded.folder);

    const BrowseCandidate root = PlanRootBrowse(menuFolder);
    FUZZ_REQUIRE(root.folder == menuRoot);
    CheckCandidate(root, root.folder);

    // A failure report names the reason; the status line also the folder.
    const std::string_view reason = fields.Next();
    FUZZ_REQUIRE(BrowseErrorMessage(reason).starts_with(RootBrowseErrorMessage(reason) + "\r\n"));
    FUZZ_REQUIRE(RootBrowseErrorMessage(reason).ends_with(reason));
    const std::string status = BrowseErrorStatus(plan.recorded.folder, reason);
    FUZZ_REQUIRE(status.find(plan.recorded.folder) != std::string::npos && status.ends_with(reason));
    return 0;
}
