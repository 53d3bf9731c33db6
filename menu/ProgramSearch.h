// The walk over a drive behind "Find Programs on Drive": every folder the rules let it enter, once,
// listing each with one directory read and reading nothing but the portable layout's small
// description file. Runs on any thread; menu/ProgramSearchThread.h runs it off the window's.
#pragma once

#include "menu/core/ProgramSearchRules.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace corvane::menu {

// A program the search offers to add.
struct OfferedProgram {
    std::string path;        // full path, as the editor's Save is given it
    std::string name;        // the proposed name: the portable layout's, or what Browse proposes
    std::string iconSource;  // where its icon is read: the layout's appicon.ico, or the program
};

struct SearchCounts {
    std::uint64_t folders = 0;
    std::uint64_t files = 0;
};

struct ProgramSearchRequest {
    std::string root;        // where the walk starts, with its trailing backslash (E:\)
    std::string menuFolder;  // the menu's folder, with its trailing backslash (E:\ or E:\Menus\)
    const ListedTargets* listed = nullptr;  // programs already in the list are not offered
    const std::atomic<bool>* cancel = nullptr;
    // Told the counts now and then (about every 256 folders) and once at the end.
    std::function<void(const SearchCounts&)> progress;
};

// The programs found, in the order the walk met them; what was found so far when cancelled.
std::vector<OfferedProgram> SearchForPrograms(const ProgramSearchRequest& request);

}  // namespace corvane::menu
