// The message loops of the programs.
#pragma once

#include <windows.h>

namespace corvane {

// Runs until WM_QUIT. Accelerators of `accelerators` work in `acceleratorWindow` and its children; Tab,
// arrows and mnemonics work in whichever window is active (IsDialogMessage). Returns the quit code.
int RunMessageLoop(HACCEL accelerators = nullptr, HWND acceleratorWindow = nullptr);

// Lets pending window messages run (repaints during a long operation), then returns.
void PumpPendingMessages();

}  // namespace corvane
