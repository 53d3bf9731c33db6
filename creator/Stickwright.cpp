// Stickwright.exe: prepares a USB drive as a self-starting menu drive.
#include "common/MessageLoop.h"
#include "common/ProgramPath.h"
#include "common/SafeDllSearch.h"
#include "creator/frmBrowse.h"

#include <commctrl.h>
#include <objbase.h>
#include <windows.h>

namespace {

// The folder Stickwright.exe runs from, without a trailing backslash: it holds what goes onto drives.
int Run(int showCommand) {
    // Visual styles of the manifest's common controls 6 for the buttons and boxes.
    ::InitCommonControls();
    // The folder browser is a shell component: it needs COM on this thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
    int exitCode = 1;
    {
        corvane::creator::frmBrowse window(corvane::ProgramFolder(), [] { ::PostQuitMessage(0); });
        if (window.Create(showCommand)) {
            exitCode = corvane::RunMessageLoop();
        }
    }
    if (SUCCEEDED(com)) {
        ::CoUninitialize();
    }
    return exitCode;
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
