#include "menu/core/MainWindowTexts.h"

#include "menu/core/MenuTexts.h"

namespace corvane::menu {
namespace {

std::string Caption(std::string_view arrow, std::string_view freeMegabytes, std::string_view menuRoot) {
    return std::string(texts::kProgramTitle) + std::string(arrow) + std::string(freeMegabytes) +
           texts::kMbRemainingOn + std::string(menuRoot);
}

}  // namespace

std::string StartupCaption(std::string_view freeMegabytes, std::string_view menuRoot) {
    return Caption(texts::kStartupCaptionArrow, freeMegabytes, menuRoot);
}

std::string RefreshCaption(std::string_view freeMegabytes, std::string_view menuRoot) {
    return Caption(texts::kRefreshCaptionArrow, freeMegabytes, menuRoot);
}

std::string ItemStatusText(int position, int count, std::string_view target, std::string_view switches) {
    return texts::kItem + std::to_string(position) + texts::kItemOf + std::to_string(count) +
           texts::kItemDash + std::string(target) + " " + std::string(switches);
}

std::string FindStatusText(std::size_t shown, std::size_t total) {
    return std::to_string(shown) + texts::kItemOf + std::to_string(total) + texts::kEntriesShown;
}

std::string EntriesAddedText(std::size_t added) {
    return std::to_string(added) + (added == 1 ? texts::kEntryAdded : texts::kEntriesAdded);
}

std::string SearchCountsText(std::uint64_t folders, std::uint64_t files) {
    return std::to_string(folders) + texts::kFoldersAnd + std::to_string(files) + texts::kFilesSearched;
}

std::string VersionStatusText(std::string_view versionText) {
    return texts::kVersionStatusLeadIn + std::string(versionText);
}

std::string RootBrowseItemCaption(std::string_view menuRoot) {
    return texts::kBrowsePrefix + std::string(menuRoot);
}

std::string ListRestoredText(std::string_view savedTime) {
    return texts::kListRestored + std::string(savedTime) + ".";
}

}  // namespace corvane::menu
