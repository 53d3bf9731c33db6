#include "menu/core/ProgramSearchRules.h"

#include "common/core/CaseFolding.h"
#include "common/core/DriveFiles.h"
#include "menu/core/LaunchPlan.h"

#include <algorithm>
#include <array>

namespace corvane::menu {
namespace {

std::string Folded(std::string_view text) {
    std::string folded;
    FoldCaseInto(text, folded);
    return folded;
}

bool SameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && Folded(a) == Folded(b);
}

bool AnyIgnoringCase(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::any_of(names.begin(), names.end(),
                       [&](std::string_view each) { return SameIgnoringCase(name, each); });
}

std::string_view Trimmed(std::string_view text) {
    constexpr std::string_view kBlanks = " \t\r";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

}  // namespace

bool SearchEnters(const FolderFacts& folder, FolderPlace place) noexcept {
    if (folder.name == "." || folder.name == ".." || folder.hidden || folder.system || folder.reparsePoint) {
        return false;
    }
    switch (place) {
        case FolderPlace::InMenuFolder:
            return !SameIgnoringCase(folder.name, drive::kSupportFolderName);
        case FolderPlace::InPortableFolder:
            return !AnyIgnoringCase(folder.name, {"App", "Data", "Other"});
        case FolderPlace::Elsewhere:
            break;
    }
    return true;
}

bool IsProgramToOffer(std::string_view fileName, bool inMenuFolder) noexcept {
    constexpr std::string_view kProgramExtension = ".exe";
    if (fileName.size() <= kProgramExtension.size() ||
        !SameIgnoringCase(fileName.substr(fileName.size() - kProgramExtension.size()), kProgramExtension)) {
        return false;
    }
    return !inMenuFolder || !AnyIgnoringCase(fileName, {drive::kMenuName, drive::kKindelName});
}

std::optional<std::string> PortableApplicationName(std::string_view appInfoText) {
    bool inDetails = false;
    while (!appInfoText.empty()) {
        const std::size_t end = appInfoText.find('\n');
        const std::string_view line = Trimmed(appInfoText.substr(0, end));
        appInfoText = end == std::string_view::npos ? std::string_view{} : appInfoText.substr(end + 1);
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            inDetails = close != std::string_view::npos &&
                        SameIgnoringCase(Trimmed(line.substr(1, close - 1)), "Details");
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inDetails && equals != std::string_view::npos &&
            SameIgnoringCase(Trimmed(line.substr(0, equals)), "Name")) {
            const std::string_view name = Trimmed(line.substr(equals + 1));
            if (!name.empty()) {
                return std::string(name);
            }
        }
    }
    return std::nullopt;
}

ListedTargets::ListedTargets(const EntryModel& entries, std::string_view launchBase) {
    folded_.reserve(entries.Size());
    for (std::size_t i = 0; i < entries.Size(); ++i) {
        folded_.insert(Folded(ResolveTarget(launchBase, entries[i].Target())));
    }
}

bool ListedTargets::Contains(std::string_view fullPath) const {
    return folded_.contains(Folded(fullPath));
}

}  // namespace corvane::menu
