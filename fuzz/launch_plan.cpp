// Launch planning for any entry: the file tried first is the target itself (a drive or network
// path) or the menu's root followed by it, the fallback is the menu's root followed by the part
// below the root, each starts in its own parent folder, and no placeholder survives in the switch.
#include "common/core/AnsiText.h"
#include "fuzz/FuzzSupport.h"
#include "menu/core/LaunchPlan.h"
#include "menu/core/PathRules.h"

using namespace corvane::menu;

namespace {

bool IsDriveOrNetworkPath(std::string_view target) {
    return IsNetworkPath(target) || (target.size() >= 2 && target[1] == ':');
}

bool HoldsPlaceholder(std::string_view text) {
    const std::string lower = corvane::ToLowerAscii(text);
    return lower.find("%drive%") != std::string::npos || lower.find("%dir%") != std::string::npos;
}

// `named`: the path the status line must name (the fallback's names the recorded path it replaces).
void CheckCandidate(const LaunchCandidate& candidate, std::string_view named, std::string_view switches,
                    bool expandedValuesPlain) {
    FUZZ_REQUIRE(candidate.workingFolder == ParentFolder(candidate.path));
    FUZZ_REQUIRE(candidate.path.starts_with(candidate.workingFolder));
    FUZZ_REQUIRE(candidate.statusText.find(named) != std::string::npos);
    if (switches.find('%') == std::string_view::npos) {
        FUZZ_REQUIRE(candidate.parameters == switches);
    }
    // The values put in are taken as they are, so a placeholder can only come back through them.
    if (expandedValuesPlain) {
        FUZZ_REQUIRE(!HoldsPlaceholder(candidate.parameters));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string menuFolder = corvane::fuzz::MenuFolderFrom(fields.Next());
    const SelectedEntry entry{std::string(fields.Next()), std::string(fields.Next())};
    const std::string menuRoot = MenuRootOf(menuFolder);

    FUZZ_REQUIRE(!PlanLaunch(menuFolder, std::nullopt).recorded.has_value());
    FUZZ_REQUIRE(LaunchBase(menuFolder) == menuRoot);

    const LaunchPlan plan = PlanLaunch(menuFolder, entry);
    FUZZ_REQUIRE(plan.recorded && plan.onMenuDrive);
    FUZZ_REQUIRE(plan.recorded->path == plan.resolvedPath);
    FUZZ_REQUIRE(plan.resolvedPath ==
                 (IsDriveOrNetworkPath(entry.target) ? entry.target : menuRoot + entry.target));
    FUZZ_REQUIRE(plan.onMenuDrive->path == menuRoot + BelowRoot(plan.resolvedPath));

    const bool plain =
        menuFolder.find('%') == std::string::npos && entry.target.find('%') == std::string::npos;
    CheckCandidate(*plan.recorded, plan.resolvedPath, entry.switches, plain);
    CheckCandidate(*plan.onMenuDrive, plan.resolvedPath, entry.switches, plain);

    // A failure report names the file and the reason; the status line is its first line.
    const std::string_view reason = fields.Next();
    const std::string status = LaunchErrorStatus(plan.resolvedPath, reason);
    FUZZ_REQUIRE(status.find(plan.resolvedPath) != std::string::npos && status.ends_with(reason));
    FUZZ_REQUIRE(LaunchErrorMessage(plan.resolvedPath, reason).starts_with(status + "\r\n"));
    return 0;
}
