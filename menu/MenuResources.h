// Resource and command numbers of the menu program (shared by Menu.rc and the code).
#pragma once

#define IDR_MAINMENU 200  // menu bar: "&Actions" and "&Utilities"
#define IDR_TRAYMENU 201  // the hidden "Popup Menu" that the tray icon pops up
#define IDR_ACCELERATORS 202

// "&Actions" (mnuPopup)
#define mnuRun 1001
#define mnuBrowse 1002
#define mnuRootBrowse 1003
#define mnuAdd 1004
#define mnuEdit 1005
#define mnuDelete 1006
#define mnuRefresh 1007
#define MnuOnRun 1008
#define mnuRunNothing 1009
#define mnuRunMinimize 1010
#define mnuRunClose 1011
#define mnuExit2 1012

// "Popup Menu" (mnuTrayPopup)
#define mnuOpenMenu 1020
#define mnuAdd2 1021
#define mnuAbout2 1022
#define mnuExit 1023

// "&Utilities" (mnuUtilities)
#define mnuRepair 1030
#define mnuFormat 1031
#define mnuUsbview 1032
#define mnuHelp2 1033
#define mnuAbout 1034
