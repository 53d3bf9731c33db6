// Tendwell.exe: the autorun repair wizard. Says what the PC's AutoPlay settings allow and repairs a
// prepared USB drive; it runs from the drive's Support folder and checks that drive first.
#include "common/MessageLoop.h"
#include "common/ProgramPath.h"
#include "common/SafeDllSearch.h"
#include "tendwell/frmTendwell.h"

#include <commctrl.h>
#include <windows.h>

namespace {

int Run(int showCommand) {
    // Visual styles of the manifest's common controls 6 for the tabs, buttons and boxes.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    corvane::tendwell::frmTendwell window(corvane::ProgramFolder(), [] { ::PostQuitMessage(0); });
    if (!window.Create(showCommand)) {
        return 1;
    }
    return corvane::RunMessageLoop(window.Accelerators(), window.Hwnd());
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    corvane::RestrictDllSearchToSystemFolder();
    try {
        return Run(showCommand);
    } catch (...) {
        return 1;  // out of memory before the window could say anything
    }
}
