// Kindel: started by AutoPlay from the drive root. Puts the common-controls component into the
// system folder when the computer lacks it, then opens the menu beside it and ends.
#include "common/MessageLoop.h"
#include "common/ProgramPath.h"
#include "common/SafeDllSearch.h"
#include "common/TextEncoding.h"
#include "start/ComponentInstall.h"
#include "start/ShellStart.h"
#include "start/StartSteps.h"
#include "start/core/StartFiles.h"
#include "start/frmStart.h"

#include <windows.h>

namespace corvane::start {
namespace {

// Installs and registers the component, with the waiting window up meanwhile. Whatever fails (no
// component on the drive, one that is not the publisher's, a system folder the user may not write,
// a failed registration) is passed over without a word: the menu is started regardless.
void PrepareComputer(frmStart& window, const StartFiles& files) {
    window.ShowAndPaint();
    const InstallOutcome outcome =
        InstallComponent(files.componentSource, files.componentFile, files.systemFolder);
    PumpPendingMessages();
    if (outcome == InstallOutcome::Installed &&
        RunRegistration(files.registrar, files.registrationCommandLine, files.systemFolder,
                        kRegistrationWaitMs) == RegistrationOutcome::Failed) {
        // A component that would not register is of no use to anyone: take back what this run put there.
        ::DeleteFileW(WideFromUtf8(files.componentFile).c_str());
    }
    PumpPendingMessages();
}

void Run() {
    const StartFiles files = PlanStartFiles(ProgramFolder(), SystemFolder());
    frmStart window;
    window.Create();  // without a window the menu is still started, only without an owner
    // Only the presence of the file counts as "prepared"; whether it is registered is not examined.
    // Without a known system folder there is nowhere to install to.
    if (!files.systemFolder.empty() && ProbeComponentFile(files.componentFile) == ComponentPlace::Absent) {
        PrepareComputer(window, files);
    }
    StartMenu(window.Hwnd(), files.menuFile, IsElevated());
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
