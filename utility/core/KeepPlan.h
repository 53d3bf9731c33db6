// What the format utility keeps of a Corvane menu around a format, where it keeps it and what it puts
// back afterwards. Paths are UTF-8 text; the Win32 side copies and checks.
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::utility {

// The menu's list history: earlier versions of its list, kept below the drive's root.
inline constexpr std::string_view kHistoryFolder = "Support\\Backups";

// What is at the drive's root before the format.
struct MenuDriveContents {
    bool menuProgram = false;    // Menu.exe
    bool dataFile = false;       // Data.dat
    bool settingsFile = false;   // Settings.ini
    bool historyFolder = false;  // Support\Backups, the list's earlier versions
};

// A drive holds a Corvane menu when both the menu program and its list are at its root.
bool HoldsMenu(const MenuDriveContents& contents) noexcept;

struct KeptItem {
    std::string relativePath;  // below the drive's root and below the keep folder: "Support\Backups"
    bool folder = false;
};

// The list, the settings and the list history, those of them that are there. Nothing when the drive
// holds no menu.
std::vector<KeptItem> ItemsToKeep(const MenuDriveContents& contents);

// "Data.dat, Settings.ini and Support\Backups": the items as the question names them.
std::string ItemNames(const std::vector<KeptItem>& items);

// The folder the copy goes to: below `parent` (a folder of the user's profile), named after the
// drive and its label ("Drive E (MY STICK)"), with " (2)", " (3)"... added while `exists` says a
// folder of that name is there, so that a copy kept from an earlier format is never overwritten.
// Characters a file name may not hold are replaced by '_'.
std::string ChooseKeepFolder(std::string_view parent, char letter, std::string_view label,
                             const std::function<bool(const std::string&)>& exists);

// True when the keep folder would be on the drive being formatted ('E'), where the format would erase
// the copy along with the files it keeps.
bool KeepFolderOnDrive(std::string_view keepFolder, char letter) noexcept;

struct CopyStep {
    std::string from;
    std::string to;
    bool folder = false;
};

// Copies from the drive (root "E:\") into the keep folder, one per item.
std::vector<CopyStep> KeepSteps(std::string_view driveRoot, std::string_view keepFolder,
                                const std::vector<KeptItem>& items);

// Copies back to the drive of the items it does not hold after the format (`onDrive` asks by path).
// An item the drive still holds (a cancelled format) stays as it is there: nothing is overwritten.
std::vector<CopyStep> RestoreSteps(std::string_view driveRoot, std::string_view keepFolder,
                                   const std::vector<KeptItem>& items,
                                   const std::function<bool(const std::string&)>& onDrive);

}  // namespace corvane::utility
