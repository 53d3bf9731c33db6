// Command numbers every support tool's window uses for its shared buttons and keys (included by the
// tools' .rc scripts and the code).
#pragma once

#define IDC_TOOL_HELP 120   // F1 and "&Help": the tool's help page
#define IDC_TOOL_ABOUT 121  // "&About": the about window
