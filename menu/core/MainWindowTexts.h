// The texts the menu window composes for its caption, status line and menu.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::menu {

// "Corvane  ---> 1843 MB Remaining on E:\" at start-up.
std::string StartupCaption(std::string_view freeMegabytes, std::string_view menuRoot);

// "Corvane >> 1843 MB Remaining on E:\" after "Refresh List".
std::string RefreshCaption(std::string_view freeMegabytes, std::string_view menuRoot);

// "Item 2 of 5 - Apps\tool.exe /s" for a click in the list; `position` counts from 1.
std::string ItemStatusText(int position, int count, std::string_view target, std::string_view switches);

// "3 of 120 entries shown" while a find narrows the list.
std::string FindStatusText(std::size_t shown, std::size_t total);

// "3 entries added." (and "1 entry added.") after entries were added together.
std::string EntriesAddedText(std::size_t added);

// "1204 folders and 15630 files searched" while and after the drive is searched for programs.
std::string SearchCountsText(std::uint64_t folders, std::uint64_t files);

// "Corvane v1.11".
std::string VersionStatusText(std::string_view versionText);

// "Browse E:\" for the root-browse menu item.
std::string RootBrowseItemCaption(std::string_view menuRoot);

// "List restored as saved 2026-12-07 20:22." once an earlier list is back.
std::string ListRestoredText(std::string_view savedTime);

}  // namespace corvane::menu
