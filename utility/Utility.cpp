// Utility.exe, the format utility: lists the removable drives and formats the chosen one through the
// shell's format dialog, keeping a Corvane menu's list around the format.
#include "support/ProgramMain.h"
#include "utility/UtilityResources.h"
#include "utility/frmUtility.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    using corvane::utility::frmUtility;
    return corvane::support::RunProgramWindow<frmUtility>(showCommand, ICC_LISTVIEW_CLASSES, IDA_UTILITY,
                                                          corvane::utility::ProgramFormatSetup());
}
