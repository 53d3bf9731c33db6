// Kindel: started by AutoPlay from the drive root. Puts the common-controls component into the
// system folder when the computer lacks it, then opens the menu beside it and ends.
#include "common/MessageLoop.h"
#include "common/MyMod.h"
#include "common/SafeDllSearch.h"
#include "start/StartSteps.h"
#include "start/core/StartFiles.h"
#include "start/frmStart.h"

#include <windows.h>

namespace corvane::start {
namespace {

// Copies and registers the component, with the waiting window up meanwhile.
void PrepareComputer(frmStart& window, const StartFiles& files) {
    window.ShowAndPaint();
    // A failed copy (no component on the drive, a system folder the user may not write) is passed
    // over: the silent registration then fails just as quietly, and the menu needs nothing from it.
    CopyComponent(files.componentSource, files.componentFile);
    PumpPendingMessages();
    if (!files.registrar.empty()) {
        RunRegistration(files.registrar, files.registrationCommandLine, kRegistrationWaitMs);
    }
    PumpPendingMessages();
}

void Run() {
    const StartFiles files = PlanStartFiles(OwnFolder(), SystemFolder());
    frmStart window;
    window.Create();  // without a window the menu is still started, only without an owner
    // Only the presence of the file counts as "prepared"; whether it is registered is not examined.
    if (!MyMod::FileExists(files.componentFile)) {
        PrepareComputer(window, files);
    }
    StartMenu(window.Hwnd(), files.menuFile);
}

}  // namespace
}  // namespace corvane::start

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    corvane::RestrictDllSearchToSystemFolder();
    try {
        corvane::start::Run();
    } catch (...) {
        return 1;  // out of memory: end quietly, there is nobody to tell
    }
    return 0;
}
