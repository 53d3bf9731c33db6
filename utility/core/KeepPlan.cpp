#include "utility/core/KeepPlan.h"

#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"
#include "utility/core/FormatRules.h"

namespace corvane::utility {
namespace {

constexpr std::string_view kForbiddenInNames = "\\/:*?\"<>|";

// A label as part of a folder name: no character a name may not hold, no trailing dot or space
// (Windows would drop them and so name a different folder).
std::string NameSafe(std::string_view text) {
    std::string safe;
    for (const char c : text) {
        const bool control = static_cast<unsigned char>(c) < 0x20;
        safe += (control || kForbiddenInNames.find(c) != std::string_view::npos) ? '_' : c;
    }
    while (!safe.empty() && (safe.back() == '.' || safe.back() == ' ')) {
        safe.pop_back();
    }
    return safe;
}

std::vector<CopyStep> StepsBetween(std::string_view fromRoot, std::string_view toRoot,
                                   const std::vector<KeptItem>& items,
                                   const std::function<bool(const KeptItem&)>& wanted) {
    std::vector<CopyStep> steps;
    for (const KeptItem& item : items) {
        if (wanted(item)) {
            steps.push_back(
                {JoinPath(fromRoot, item.relativePath), JoinPath(toRoot, item.relativePath), item.folder});
        }
    }
    return steps;
}

}  // namespace

bool HoldsMenu(const MenuDriveContents& contents) noexcept {
    return contents.menuProgram && contents.dataFile;
}

std::vector<KeptItem> ItemsToKeep(const MenuDriveContents& contents) {
    std::vector<KeptItem> items;
    if (!HoldsMenu(contents)) {
        return items;
    }
    items.push_back({std::string(drive::kDataFileName), false});
    if (contents.settingsFile) {
        items.push_back({std::string(drive::kSettingsFileName), false});
    }
    if (contents.historyFolder) {
        items.push_back({std::string(kHistoryFolder), true});
    }
    return items;
}

std::string ItemNames(const std::vector<KeptItem>& items) {
    std::string names;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0) {
            names += (i + 1 == items.size()) ? " and " : ", ";
        }
        names += items[i].relativePath;
    }
    return names;
}

std::string ChooseKeepFolder(std::string_view parent, char letter, std::string_view label,
                             const std::function<bool(const std::string&)>& exists) {
    std::string name = "Drive ";
    name += letter;
    const std::string safeLabel = NameSafe(label);
    if (!safeLabel.empty()) {
        name += " (" + safeLabel + ")";
    }
    std::string folder = JoinPath(parent, name);
    for (int copy = 2; exists(folder); ++copy) {
        folder = JoinPath(parent, name + " (" + std::to_string(copy) + ")");
    }
    return folder;
}

bool KeepFolderOnDrive(std::string_view keepFolder, char letter) noexcept {
    const std::optional<char> drive = DriveLetterOf(keepFolder);
    const std::optional<char> formatted = DriveLetterOf(std::string(1, letter) + ":\\");
    return drive && drive == formatted;
}

std::vector<CopyStep> KeepSteps(std::string_view driveRoot, std::string_view keepFolder,
                                const std::vector<KeptItem>& items) {
    return StepsBetween(driveRoot, keepFolder, items, [](const KeptItem&) { return true; });
}

std::vector<CopyStep> RestoreSteps(std::string_view driveRoot, std::string_view keepFolder,
                                   const std::vector<KeptItem>& items,
                                   const std::function<bool(const std::string&)>& onDrive) {
    return StepsBetween(keepFolder, driveRoot, items, [&](const KeptItem& item) {
        return !onDrive(JoinPath(driveRoot, item.relativePath));
    });
}

}  // namespace corvane::utility
