// The Format command carried out: check the drive afresh, offer to keep a menu's files, open the
// shell's format dialog, put the files back, report, and offer to prepare the drive again.
#pragma once

#include "utility/core/FormatMessages.h"

#include <windows.h>

#include <functional>
#include <string>

namespace corvane::utility {

// Formats drive number `driveNumber` (0 for A:) through a dialog owned by `owner`.
using FormatCall = std::function<FormatOutcome(HWND owner, unsigned driveNumber)>;

// The shell's own format dialog (SHFormatDrive).
FormatOutcome ShellFormat(HWND owner, unsigned driveNumber);

struct FormatSetup {
    std::string programPath;  // the running program: its drive is never formatted
    std::string keepParent;   // where kept copies go: a folder of the user's profile
    std::string creatorPath;  // Stickwright.exe beside the program's folder
    FormatCall format = &ShellFormat;
};

// The setup of the running program: its own path, "<profile>\Corvane kept lists" and the creator in
// the folder above its own (the creator folder holds Support\Utility.exe).
FormatSetup ProgramFormatSetup();

// What a run came to, for the window (and the tests).
struct FormatRunResult {
    bool formatCalled = false;
    FormatOutcome outcome = FormatOutcome::Cancelled;
    std::string keepFolder;     // empty when nothing was kept
    bool keptCopyLeft = false;  // the kept copy is still there (it could not all go back)
};

// Runs the command for drive `letter` with message boxes owned by `owner`, titled with the program's title.
FormatRunResult RunFormat(HWND owner, char letter, const FormatSetup& setup);

}  // namespace corvane::utility
