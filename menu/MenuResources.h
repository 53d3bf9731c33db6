// Resource and command numbers of the menu program (shared by Menu.rc and the code).
#pragma once

#define IDR_MAINMENU 200  // menu bar: "&Actions" and "&Utilities"
#define IDR_TRAYMENU 201  // the hidden "Popup Menu" that the tray icon pops up
#define IDR_ACCELERATORS 202

// "&Actions" (mnuPopup)
#define mnuRun 1001          // "Run/Open File": runs the selected entry
#define mnuBrowse 1002       // "Browse File Directory": opens the selected entry's folder
#define mnuRootBrowse 1003   // "Browse Root Directory": opens the menu's root
#define mnuAdd 1004          // "Add Entry": opens the editor to add an entry
#define mnuEdit 1005         // "Edit Entry": opens the editor on the selected entry
#define mnuDelete 1006       // "Delete Entry": removes the selected entry
#define mnuRefresh 1007      // "Refresh List": reads Data.dat again
#define MnuOnRun 1008        // "On Run File Option": heading of the three items below, does nothing
#define mnuRunNothing 1009   // " - Do Nothing" after a run
#define mnuRunMinimize 1010  // " - Minimize to tray" after a run
#define mnuRunClose 1011     // " - Close Menu" after a run
#define mnuExit2 1012        // "Exit" in the Actions menu: ends the program
#define mnuFind 1013         // "Find Entry": opens the find box above the list
#define mnuRunAsAdmin 1014   // "Run as Administrator": runs the selected entry elevated
// "Find Programs on Drive": offers the drive's programs that the list lacks
#define mnuFindPrograms 1015
#define mnuEject 1016    // "Eject Drive": closes the menu and ejects its removable drive
#define mnuRestore 1017  // "Restore Earlier List...": puts an earlier version of Data.dat back

// "Popup Menu" (mnuTrayPopup)
#define mnuOpenMenu 1020  // "Show Menu": brings the menu window back
#define mnuAdd2 1021      // "Add Entry" in the tray menu, as mnuAdd
#define mnuAbout2 1022    // "About" in the tray menu, as mnuAbout
#define mnuExit 1023      // "Exit" in the tray menu: ends the program
#define mnuEject2 1024    // "Eject Drive" in the tray menu, as mnuEject

// "&Utilities" (mnuUtilities)
#define mnuRepair 1030   // "Autorun Repair Wizard": starts the repair tool
#define mnuFormat 1031   // "Format Utility": starts the format tool
#define mnuUsbview 1032  // "USB View": starts the USB viewer
#define mnuHelp2 1033    // "Corvane Help": opens the help file
#define mnuAbout 1034    // "About Corvane": shows the about window
