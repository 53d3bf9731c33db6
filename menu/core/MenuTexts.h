// Every text the menu program shows, in one place, character for character.
#pragma once

namespace corvane::menu::texts {

inline constexpr const char* kProgramTitle = "Corvane";

// Entry list.
inline constexpr const char* kLoadingData = "Loading data . . .";
inline constexpr const char* kDataLoaded = "Data loaded.";
inline constexpr const char* kErrorSavingList = "Error saving list : ";
inline constexpr const char* kErrorLoadingList = "Error loading list : ";
inline constexpr const char* kListNotSaved =
    "List not saved : Data.dat could not be read when the menu started.";
// Data.dat was written on a PC with another ANSI code page: its entries are shown, but some of their
// texts are not what that PC wrote, so this PC never writes them back.
inline constexpr const char* kListInOtherCodePage =
    "Data.dat uses another code page: the list is shown, not saved.";
inline constexpr const char* kListNotSavedOtherCodePage = "List not saved : Data.dat uses another code page.";

// Settings.ini is a link to somewhere else: it is neither read nor written (the defaults apply).
inline constexpr const char* kSettingsLinkNotUsed =
    "Settings.ini is a link and is not used: default settings apply.";

// Main window: caption, list columns, status line.
inline constexpr const char* kStartupCaptionArrow = "  ---> ";
inline constexpr const char* kRefreshCaptionArrow = " >> ";
inline constexpr const char* kMbRemainingOn = " MB Remaining on ";
inline constexpr const char* kColumnName = "Name";
inline constexpr const char* kColumnTarget = "Target File";
inline constexpr const char* kColumnSwitch = "Command Line Switch";
inline constexpr const char* kVersionStatusLeadIn = "Corvane v";
inline constexpr const char* kItem = "Item ";
inline constexpr const char* kItemOf = " of ";
inline constexpr const char* kItemDash = " - ";
inline constexpr const char* kNotFound = " (not found)";  // after an entry's text when its file is missing
inline constexpr const char* kBrowsePrefix = "Browse ";   // mnuRootBrowse: "Browse E:\"

// Find Entry: the find box's hint while it is empty, and the count of entries shown while it is open.
inline constexpr const char* kFindCue = "Type part of a name or target";
inline constexpr const char* kTrayMore =
    "More\xE2\x80\xA6";  // after the entries in the tray's menu: the window
inline constexpr const char* kEntriesShown = " entries shown";  // "3 of 120 entries shown"

// Adding several entries at once: "3 entries added.", "1 entry added.".
inline constexpr const char* kEntriesAdded = " entries added.";
inline constexpr const char* kEntryAdded = " entry added.";

// Find Programs on Drive.
inline constexpr const char* kFindProgramsCaption = "Find Programs on Drive";
inline constexpr const char* kSearchingFor = "Searching ";  // "Searching E:\ for programs..."
inline constexpr const char* kForPrograms = " for programs...";
inline constexpr const char* kFoldersAnd = " folders and ";  // "1204 folders and 15630 files searched"
inline constexpr const char* kFilesSearched = " files searched";
inline constexpr const char* kTickPrograms = "Tick the programs to add to the menu:";
inline constexpr const char* kNoProgramsFound = "No programs were found that the list does not already hold.";
inline constexpr const char* kTickAllButton = "Tick &All";
inline constexpr const char* kAddButton = "&Add";

// Launching an entry.
inline constexpr const char* kRunning = "Running ";
inline constexpr const char* kDriveChangedTo = "Drive changed to ";
inline constexpr const char* kBecause = " because '";
inline constexpr const char* kNotOnSelectedDrive = "' doesn't exist on selected drive.";
inline constexpr const char* kErrorRunning = "Error running ";
inline constexpr const char* kReasonSeparator = " : ";
inline constexpr const char* kCheckFileExists = "Check the file exists at the specified location.";
inline constexpr const char* kNoEntrySelected = "No entry is selected.";
// The elevation prompt was answered No: "Not run as administrator (cancelled) : E:\Apps\tool.exe".
inline constexpr const char* kElevationCancelled = "Not run as administrator (cancelled) : ";

// Folder browsing.
inline constexpr const char* kBrowsing = "Browsing ";
inline constexpr const char* kBrowsingRoot = "Browsing root directory ";
inline constexpr const char* kErrorBrowsingToDirectory = "Error browsing to the directory : ";
inline constexpr const char* kCheckFolderExists = "Check the folder exists at the specified location.";
inline constexpr const char* kErrorBrowsing = "Error browsing ";

// Entry editor.
inline constexpr const char* kEditorDesignCaption = "Add/Edit Entry";
inline constexpr const char* kAddEntryCaption = "Add Entry";
inline constexpr const char* kEditEntryCaption = "Edit Entry";
inline constexpr const char* kEditorHint =
    "Files may be of any type and can be located on the Local or Network Computer.  Files to be stored on "
    "your USB drive must be copied to it first before adding shortcuts for them.";
inline constexpr const char* kFilePathLabel = "File Path";
inline constexpr const char* kBrowseButton = "....";
inline constexpr const char* kMenuNameLabel = "Menu Name";
inline constexpr const char* kSwitchLabel = "Command Line Switch: (Optional)";
inline constexpr const char* kSaveButton = "&Save";
inline constexpr const char* kCancelButton = "&Cancel";
inline constexpr const char* kSelectFileTitle = "Select a File";
inline constexpr const char* kAllFilesFilter = "All Files (*.*)|*.*|";
inline constexpr const char* kDeleteQuestion = "Are you sure toy want to remove ";
inline constexpr const char* kDeleteQuestionEnd = "?";

// Eject Drive: the item (the menu resource adds its mnemonic), the question before closing programs,
// the report of those that stayed and the outcome of the eject request (menu/core/EjectPlan.cpp).
inline constexpr const char* kEjectDriveItem = "Eject Drive";
inline constexpr const char* kProgramsOnDriveLeadIn = "These programs run from drive ";
inline constexpr const char* kProgramsKeepItInUse = " and keep it in use:";
inline constexpr const char* kCloseProgramsQuestion =
    "Close them and eject the drive? Each one is asked to close as if you closed it, so it can ask you to "
    "save your work first.";
inline constexpr const char* kProgramsDidNotClose = "These programs did not close, so drive ";
inline constexpr const char* kWasNotEjectedColon = " was not ejected:";
inline constexpr const char* kAnswerOrCloseThenRetry =
    "If one asks whether to save your work, answer it, or close it yourself; then choose Retry.";
inline constexpr const char* kDrive = "Drive ";
inline constexpr const char* kCanBeRemoved = " can now be removed safely.";
inline constexpr const char* kAlreadyRemoved = " has already been removed.";
inline constexpr const char* kWasNotEjected = " was not ejected: ";
inline constexpr const char* kNothingChanged =
    "Nothing on the drive was changed: you can start the menu from it again.";
inline constexpr const char* kEjectHandOffFailed = "Eject Drive could not start: ";
inline constexpr const char* kTempFolderOnDrive =
    "Eject Drive cannot work here: the temporary folder (TEMP) is on the drive itself.";
inline constexpr const char* kFinishEditingFirst =
    "Save or cancel the entry you are editing before ejecting the drive.";

// The list's history: the restore window and what the menu says about a restore.
inline constexpr const char* kRestoreCaption = "Restore Earlier List";
inline constexpr const char* kRestoreHint =
    "Choose the list to bring back. The list you have now is kept as a version first, so a restore can "
    "be undone.";
inline constexpr const char* kColumnSaved = "Saved";
inline constexpr const char* kColumnEntries = "Entries";
inline constexpr const char* kRestoreButton = "&Restore";
inline constexpr const char* kNoEarlierLists =
    "No earlier list has been kept yet. A version of the list is kept each time a save changes its entries.";
inline constexpr const char* kHistoryIsLinked =
    "Earlier lists are not kept: the Support or Support\\Backups folder beside the menu is a link to another "
    "place.";
inline constexpr const char* kListRestored = "List restored as saved ";  // "... 2026-12-07 20:22."
inline constexpr const char* kErrorRestoringList = "Error restoring list : ";

}  // namespace corvane::menu::texts
