// Every text the format utility shows, in one place, character for character.
#pragma once

namespace corvane::utility::texts {

inline constexpr const char* kProgramTitle = "Corvane Format Utility";

// The window.
inline constexpr const char* kInstruction =
    "Choose the removable drive to format. Its files are erased; a Corvane menu list can be kept.";
inline constexpr const char* kColumnDrive = "Drive";
inline constexpr const char* kColumnLabel = "Label";
inline constexpr const char* kColumnFileSystem = "File system";
inline constexpr const char* kColumnSize = "Size";
inline constexpr const char* kColumnFree = "Free";
inline constexpr const char* kColumnState = "Can it be formatted?";
inline constexpr const char* kFormat = "&Format...";
inline constexpr const char* kRefresh = "&Refresh";
inline constexpr const char* kHelp = "&Help";
inline constexpr const char* kAbout = "&About";
inline constexpr const char* kClose = "&Close";
inline constexpr const char* kNoDrives = "No removable drive is attached. Insert one and press Refresh (F5).";
inline constexpr const char* kReadyHint =
    " can be formatted: press Format (Enter) to open the format dialog.";
inline constexpr const char* kChooseDrive = "Please choose a drive in the list first.";

// A drive's row.
inline constexpr const char* kNoLabel = "(no label)";
inline constexpr const char* kUnreadable = "(not readable)";
inline constexpr const char* kReady = "Yes";
inline constexpr const char* kStateSystem = "No: Windows runs from it";
inline constexpr const char* kStateNotRemovable = "No: not a removable drive";
inline constexpr const char* kStateProgram = "No: this program runs from it";

// Refusals; each follows the drive's name ("E:").
inline constexpr const char* kRefusedSystem =
    " holds Windows, which runs from it. The format utility never formats the system drive.";
inline constexpr const char* kRefusedNotRemovable =
    " is not a removable drive. The format utility formats only USB sticks and other removable drives.";
inline constexpr const char* kRefusedProgram =
    " is the drive this program runs from, so it cannot format it while it runs.\r\n\r\n"
    "Copy Utility.exe to your computer (for example to the desktop) and start it from there, or start it "
    "from the Support folder beside Stickwright in the creator folder.";
inline constexpr const char* kDriveChanged =
    " has changed since the list was made. The list is now up to date.";

// Keeping the menu's files around the format.
inline constexpr const char* kKeepQuestionLead = " holds a Corvane menu.\r\n\r\nKeep a copy of its list (";
inline constexpr const char* kKeepQuestionMiddle = ") in this folder of your profile:\r\n\r\n";
inline constexpr const char* kKeepQuestionTail =
    "\r\n\r\nand put it back on the drive after the format? The copy stays there until it is back on the "
    "drive.\r\n\r\nYes: keep and put back.   No: format without keeping.   Cancel: do not format.";
inline constexpr const char* kKeepFailedLead = "The menu's files could not be kept in ";
inline constexpr const char* kKeepFailedTail =
    "\r\n\r\nThe drive was not formatted. Nothing on it was changed.";
inline constexpr const char* kKeepOnFormattedDrive =
    "The folder is on the drive that is to be formatted: the format would erase the copy too.";

// After the format.
inline constexpr const char* kFormatted = " is formatted.";
inline constexpr const char* kNotFormatted = " was not formatted.";
inline constexpr const char* kFormatFailed =
    " could not be formatted. The drive may be write-protected or in use.";
inline constexpr const char* kRestored =
    "\r\n\r\nThe menu's list, settings and history are back on the drive.";
inline constexpr const char* kRestoreFailedLead =
    "\r\n\r\nThe menu's files could not all be put back on the drive:\r\n\r\n";
inline constexpr const char* kRestoreFailedTail =
    "\r\n\r\nTheir copy is kept in this folder; copy them back by hand:\r\n\r\n";
inline constexpr const char* kPrepareAsk = "\r\n\r\nPrepare the drive again with Stickwright now?";
inline constexpr const char* kCreatorStartFailed = "Stickwright could not be started: ";

// Help.
inline constexpr const char* kHelpPage = "utility.html";

}  // namespace corvane::utility::texts
