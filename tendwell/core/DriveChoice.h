// Which drive the wizard works on: the one it runs from when that is a USB drive, any removable
// drive the user picks, never a fixed drive or the one that holds Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::tendwell {

enum class DriveVerdict {
    Allowed,  // a removable drive that does not hold Windows
    NotRemovable,
    System,      // holds Windows (a removable one too: Windows To Go)
    Unavailable  // no such drive, or not ready
};

// The drive type as GetDriveType gives it (DRIVE_REMOVABLE is 2, DRIVE_NO_ROOT_DIR 1).
inline constexpr unsigned kDriveRemovable = 2;
inline constexpr unsigned kDriveNoRootDir = 1;

DriveVerdict JudgeDrive(unsigned driveType, bool holdsWindows);

// The message for a drive the wizard refuses; nothing for an allowed one.
std::optional<std::string> RefusalText(std::string_view root, DriveVerdict verdict);

// The root of a path's drive with its backslash ("E:\Support" gives "E:\"); empty for a path
// without a drive letter (a network share).
std::string DriveRootOf(std::string_view path);

// A drive as the list shows it: "E:\  (MYSTICK)", or the root alone when it has no label.
std::string DriveListText(std::string_view root, std::string_view label);

// What hh.exe is given to open one page of a help file: "C:\x\Corvane.chm::/page.html", quoted.
std::string HelpPageArgument(std::string_view helpFile, std::string_view page);

}  // namespace corvane::tendwell
