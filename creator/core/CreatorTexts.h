// Every text the creator shows, in one place, character for character.
#pragma once

namespace corvane::creator::texts {

inline constexpr const char* kProgramTitle = "Corvane";

// The creator window.
inline constexpr const char* kInstruction = "Enter Action, Volume Labels and select your USB drive";
inline constexpr const char* kActionLabelCaption = "Action Label";
inline constexpr const char* kVolumeLabelCaption = "Volume Label";
inline constexpr const char* kSelectUsb = "&Select USB";
inline constexpr const char* kCreateMenu = "Create Menu";
inline constexpr const char* kClose = "&Close";
inline constexpr const char* kWhatsThis = "What's this?";
inline constexpr const char* kAutorunRepair = "Autorun Repair";
inline constexpr const char* kFormatUtility = "Format Utility";
inline constexpr const char* kUsbView = "USB View";
inline constexpr const char* kHelp = "Help";

// The folder picker.
inline constexpr const char* kBrowseTitle = "Select your USB drive from the list";

// The example windows.
inline constexpr const char* kActionExampleCaption = "Action Label Example";
inline constexpr const char* kVolumeExampleCaption = "Volume Label Example";

// Creating the menu.
inline constexpr const char* kInputsMissing = "Please select your USB drive, Action and Volume Labels     ";
inline constexpr const char* kCreatingFolders = "Creating directory structure...";
inline constexpr const char* kCopyingFiles = "Copying files.......";
inline constexpr const char* kReady =
    "Your Corvane is ready to use.  Please remove and reinsert it to use the Autorun feature.  If Autorun is "
    "disabled or not working on your PC use the Autorun Repair Wizard to correct the problem.\r\n\r\n"
    "You can use the 'Copy To Folder' entry in your right click context menu to begin copying your personal "
    "and "
    "data files to the appropriate folder on your USB drive.  After that you can create the shortcuts for "
    "them in "
    "the Menu.";

// The creator folder lacks a program: nothing on the drive is touched.
inline constexpr const char* kProgramsMissingLead = "The menu cannot be created: ";
inline constexpr const char* kProgramsMissingTail = " not found beside Stickwright in ";
inline constexpr const char* kDriveUnchanged = ".\r\n\r\nNothing on the drive was changed.";

// Support files that were not beside the creator, named after the ready message.
inline constexpr const char* kSupportMissingLead =
    "These support files were not found beside Stickwright and were not copied:\r\n\r\n";
inline constexpr const char* kSupportMissingTail =
    "\r\n\r\nThe drive keeps its own older copies of them, where it has any.";

// The chosen folder is refused or needs a yes first; each text follows the path concerned.
inline constexpr const char* kCreatorFolderRefused =
    " is the folder Stickwright runs from: preparing it would delete the creator's own files.\r\n\r\n"
    "Please select your USB drive. Nothing was changed.";
inline constexpr const char* kSystemFolderRefused =
    " is the system drive or the Windows folder of this computer: Stickwright does not prepare it.\r\n\r\n"
    "Please select your USB drive. Nothing was changed.";
inline constexpr const char* kLinkRefused =
    " is a link to another place (a junction or symbolic link): preparing the drive would change files "
    "there.\r\n\r\nRemove the link or select another drive. Nothing was changed.";
inline constexpr const char* kNotADriveQuestion =
    " is not the root of a removable drive.\r\n\r\nStickwright deletes its older files there (Autorun.inf, "
    "Menu.exe, Kindel.exe and the files of its Support folder) and copies new ones in. Prepare it anyway?";

// A run that stopped on an unexpected error (such as running out of memory).
inline constexpr const char* kRunFailed =
    "The menu could not be created: an unexpected error stopped the run. The steps before it stay done.";

// A step that failed: lead-in, the item concerned, kErrorSeparator, the system's description.
inline constexpr const char* kErrorSearching = "Error reading ";
inline constexpr const char* kErrorDeleting = "Error removing the old file ";
inline constexpr const char* kErrorStaging = "Error writing ";
inline constexpr const char* kErrorCreatingFolder = "Error creating the folder ";
inline constexpr const char* kErrorCopying = "Error copying ";
inline constexpr const char* kErrorSeparator = " : ";

}  // namespace corvane::creator::texts
