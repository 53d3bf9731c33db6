// Every text the repair wizard shows, in one place, so that the window, the reports and the tests
// share them.
#pragma once

namespace corvane::tendwell::texts {

inline constexpr const char* kProgramTitle = "Autorun Repair Wizard";
inline constexpr const char* kHeading = "Autorun Repair Wizard";
inline constexpr const char* kSubheading =
    "Checks how this PC treats USB drives, and repairs a Corvane drive";

// The two pages and the buttons.
inline constexpr const char* kPcPage = "The PC";
inline constexpr const char* kDrivePage = "The drive";
inline constexpr const char* kTurnOn = "&Turn AutoPlay back on";
inline constexpr const char* kDriveCaption = "&Drive:";
inline constexpr const char* kCheck = "&Check";
inline constexpr const char* kRepair = "&Repair...";
inline constexpr const char* kCreatorHelp = "How to &prepare a drive";
inline constexpr const char* kHelp = "&Help";
inline constexpr const char* kAbout = "&About";
inline constexpr const char* kClose = "Close";

// The PC: what Windows does with a USB stick, whatever the settings say.
inline constexpr const char* kNoStartOnInsertion =
    "Windows 7 and later never start a program from a USB stick when it is inserted, whatever the "
    "settings below say: they show the drive with its label and icon and, when AutoPlay is on, offer to "
    "open it.";
inline constexpr const char* kHowToStart =
    "To start the menu: open the drive in File Explorer (or choose \"Open folder to view files\" when "
    "AutoPlay asks) and double-click Kindel.exe. Kindel.exe prepares the PC on first use and opens "
    "Menu.exe; on a PC that has run the menu before, Menu.exe opens the menu directly.";
inline constexpr const char* kSettingsHeading = "AutoPlay settings for removable drives on this PC:";
inline constexpr const char* kBullet = "- ";

inline constexpr const char* kAutoplayAllOff =
    "AutoPlay is turned off for all media and devices for your user account (DisableAutoplay = 1).";
inline constexpr const char* kAutoplayAllOn = "AutoPlay is on for media and devices for your user account.";
inline constexpr const char* kDriveTypeMachineOff =
    "This computer's policy turns AutoPlay off for removable drives (NoDriveTypeAutoRun = ";
inline constexpr const char* kDriveTypeMachineOn =
    "This computer's policy leaves AutoPlay on for removable drives (NoDriveTypeAutoRun = ";
inline constexpr const char* kDriveTypeUserOff =
    "Your user account's policy turns AutoPlay off for removable drives (NoDriveTypeAutoRun = ";
inline constexpr const char* kDriveTypeUserOn =
    "Your user account's policy leaves AutoPlay on for removable drives (NoDriveTypeAutoRun = ";
inline constexpr const char* kDriveTypeDefault =
    "No policy limits AutoPlay by drive type: Windows' default leaves it on for removable drives.";
inline constexpr const char* kPolicyValueTail = ").";
inline constexpr const char* kUserDriveTypeOverruled =
    "Your user account's own NoDriveTypeAutoRun value does not count while this computer has one.";
inline constexpr const char* kLettersMachineOff =
    "This computer's policy turns AutoPlay off for the drive letters ";
inline constexpr const char* kLettersUserOff =
    "Your user account's policy turns AutoPlay off for the drive letters ";
inline constexpr const char* kNoAutorunMachine =
    "This computer's policy ignores the commands of Autorun.inf on every drive (NoAutorun = 1).";
inline constexpr const char* kNoAutorunUser =
    "Your user account's policy ignores the commands of Autorun.inf on every drive (NoAutorun = 1).";
inline constexpr const char* kMachineNeedsAdministrator =
    "A setting of this computer can only be changed by an administrator (Group Policy: Computer "
    "Configuration, Administrative Templates, Windows Components, AutoPlay Policies).";
inline constexpr const char* kSummaryOn = "AutoPlay is on for removable drives for you on this PC.";
inline constexpr const char* kSummaryOff = "AutoPlay is off for removable drives for you on this PC.";
inline constexpr const char* kUserCanTurnOn =
    "Your own settings turn it off: \"Turn AutoPlay back on\" changes them for your user account.";

// Turning AutoPlay back on.
inline constexpr const char* kTurnOnQuestion =
    "Change these settings of your user account, so that AutoPlay works for removable drives?\r\n\r\n";
inline constexpr const char* kTurnOnDisableAutoplay =
    "Turn AutoPlay on for all media and devices (DisableAutoplay = 0)";
inline constexpr const char* kTurnOnDriveType =
    "Let AutoPlay work on removable drives (NoDriveTypeAutoRun of your account becomes ";
inline constexpr const char* kTurnOnLetters = "Let AutoPlay work on the USB drives ";
inline constexpr const char* kTurnOnNoAutorun = "Remove your account's NoAutorun policy value";
inline constexpr const char* kTurnOnDone =
    "AutoPlay is turned back on for your user account. If your organisation manages this PC, its "
    "policies may turn it off again.";
inline constexpr const char* kTurnOnFailed = "This setting could not be changed: ";

// The drive page.
inline constexpr const char* kNoRemovableDrives =
    "No removable drive is attached. Insert a USB drive prepared with Stickwright; it appears in the "
    "list.";
inline constexpr const char* kPickDrive = "Pick the USB drive to check from the list.";
inline constexpr const char* kDriveRefusedFixed =
    " is not a removable drive. The wizard checks and repairs USB drives only: pick one from the list.";
inline constexpr const char* kDriveRefusedSystem =
    " holds Windows. The wizard never changes the system drive: pick a USB drive from the list.";
inline constexpr const char* kDriveRefusedMissing =
    " cannot be read: the drive is not ready or no longer attached.";
inline constexpr const char* kDriveChanged =
    "The drive in this letter is not the one that was checked (it was removed or swapped). Nothing was "
    "changed: check it again.";
inline constexpr const char* kDriveFine = "This drive is in order: nothing needs repairing.";
inline constexpr const char* kFoundHeading = "Found on ";
inline constexpr const char* kRepairsHeading = "\"Repair\" will make these changes, and no others:";
inline constexpr const char* kNothingToRepair = "There is nothing the wizard can repair by itself.";
inline constexpr const char* kRepairQuestion = "Make these changes on ";
inline constexpr const char* kAndMoreLead = "... and ";
inline constexpr const char* kAndMoreTail = " more changes, listed in the wizard's window.\r\n";
inline constexpr const char* kRepairResultsHeading = "Changes made on ";
inline constexpr const char* kCheckedAgain = "Checked again:";
inline constexpr const char* kStepDone = "Done: ";
inline constexpr const char* kStepFailed = "Not done: ";
inline constexpr const char* kErrorSeparator = " : ";

// Findings.
inline constexpr const char* kAutorunMissing =
    "Autorun.inf is missing: Windows shows neither the drive's label nor its icon.";
inline constexpr const char* kAutorunUnreadable = "Autorun.inf cannot be read";
inline constexpr const char* kAutorunTooLarge =
    "Autorun.inf is far larger than the one Stickwright writes, so it is not read.";
inline constexpr const char* kAutorunNotCreators = "Autorun.inf is not the one Stickwright writes.";
inline constexpr const char* kAutorunForeignStart = "Autorun.inf starts something other than Kindel.exe: ";
inline constexpr const char* kAutorunFolder =
    "Autorun.inf is a folder (some protection tools make one so that malware cannot write the file). It "
    "is left alone: remove it yourself to let the wizard write Autorun.inf.";
inline constexpr const char* kAutorunLink = "Autorun.inf is a link to another place: it is left alone.";
inline constexpr const char* kForeignProgramNote =
    "The program it names is not deleted: have a virus scanner check the drive.";
inline constexpr const char* kProgramMissing = " is missing: the menu cannot start from this drive.";
inline constexpr const char* kSupportMissing =
    "The Support folder is missing: the menu's tools and help are gone.";
inline constexpr const char* kMissingAdvice =
    "Prepare the drive again with Stickwright to put the missing files back (your entries and settings "
    "stay): \"How to prepare a drive\" explains it.";
inline constexpr const char* kHiddenWithShortcut =
    " is hidden as a system file, with a shortcut of its name beside it: marks that USB malware leaves.";
inline constexpr const char* kLinkLeftAlone = " is a link to another place: it is left alone.";

// Repair steps, each followed by the name concerned.
inline constexpr const char* kStepUnhide = "Show again (clear hidden and system): ";
inline constexpr const char* kStepDeleteShortcut = "Delete the shortcut ";
inline constexpr const char* kStepRewriteAutorun = "Write Autorun.inf as Stickwright does, with the label \"";
inline constexpr const char* kStepRewriteAction = "\" and the action \"";
inline constexpr const char* kStepRewriteTail = "\"";
inline constexpr const char* kStepRemoveEntry = "Remove from Autorun.inf: ";
inline constexpr const char* kDefaultAction = "Open the Corvane menu";

// Help.
inline constexpr const char* kHelpMissing = "The help file was not found: ";

}  // namespace corvane::tendwell::texts
