// What "Find Programs on Drive" proposes: which folders the search enters, which files it offers,
// the names it offers them under, and which programs the list already holds. Plain text rules; the
// walk over the drive is menu/ProgramSearch.h.
#pragma once

#include "menu/core/EntryModel.h"

#include <optional>
#include <string>
#include <string_view>
#include <unordered_set>

namespace corvane::menu {

// A folder as the directory listing describes it.
struct FolderFacts {
    std::string_view name;
    bool hidden = false;
    bool system = false;
    bool reparsePoint = false;  // a junction or link: it may lead off the drive or back up the tree
};

// Where a folder lies, for the few folders that are passed over by place.
enum class FolderPlace : unsigned char {
    Elsewhere,
    InMenuFolder,      // directly in the menu's folder, beside Menu.exe
    InPortableFolder,  // directly in a folder of the portable-application layout (see below)
};

// Whether the search goes into a folder: never into hidden, system or linked folders, the menu's own
// Support folder, or the App, Data and Other folders of a portable application, whose programs are
// the application's own helpers and are started through the launcher beside them.
bool SearchEnters(const FolderFacts& folder, FolderPlace place) noexcept;

// Whether a file is offered: a program (.exe in any letter case) other than the menu's own Menu.exe
// and Kindel.exe beside it.
bool IsProgramToOffer(std::string_view fileName, bool inMenuFolder) noexcept;

// The folder of the portable-application layout's description, below the program's folder.
inline constexpr std::string_view kPortableInfoFile = "App\\AppInfo\\appinfo.ini";
inline constexpr std::string_view kPortableIconFile = "App\\AppInfo\\appicon.ico";

// The application's name from the text of an appinfo.ini (UTF-8): Name= in its [Details] section,
// section and key in any letter case, blanks around the value trimmed. Nothing when it has none.
std::optional<std::string> PortableApplicationName(std::string_view appInfoText);

// The programs the list already starts, by their resolved paths with letter case ignored.
class ListedTargets {
  public:
    // `launchBase` is the root relative targets are resolved against (LaunchBase in LaunchPlan.h).
    ListedTargets(const EntryModel& entries, std::string_view launchBase);
    [[nodiscard]] bool Contains(std::string_view fullPath) const;

  private:
    std::unordered_set<std::string> folded_;
};

}  // namespace corvane::menu
