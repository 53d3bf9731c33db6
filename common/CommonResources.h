// Resource numbers every program uses the same way (included by the .rc scripts and the code).
#pragma once

#define IDI_PROGRAM 1      // the program's icon (first icon: Explorer shows it for the .exe)
#define IDC_LINK_HAND 101  // the pointing-hand cursor of link labels
