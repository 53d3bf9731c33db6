// frmMain's Eject Drive: offered only on a removable drive. It saves the window's size, leaves the
// drive, asks the programs running from it to close, hands the eject to a copy of the menu outside
// the drive (menu/HandOffCopy.h) and ends the menu, which the copy waits for.
#include "menu/frmMain.h"

#include "common/RunningFlag.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/WindowText.h"
#include "common/WindowsFolders.h"
#include "menu/DriveProcesses.h"
#include "menu/MenuResources.h"
#include "menu/MenuSettings.h"
#include "menu/modTray.h"
#include "menu/core/EjectHandOff.h"
#include "menu/core/EjectPlan.h"
#include "menu/core/MenuTexts.h"

namespace corvane::menu {
namespace {

// How long programs get to close after the request; one that asks its user to save usually takes
// longer, and is then named, so that the user can answer it and try again.
constexpr DWORD kCloseWaitMs = 10000;

}  // namespace

void frmMain::RemoveEjectUnlessRemovable() {
    if (::GetDriveTypeW(WideFromUtf8(root_).c_str()) == DRIVE_REMOVABLE && DriveLetterOf(root_) != 0) {
        return;
    }
    ::DeleteMenu(menuBar_, mnuEject, MF_BYCOMMAND);
    ::DeleteMenu(trayMenu_.get(), mnuEject2, MF_BYCOMMAND);
}

void frmMain::EjectDrive() {
    const char drive = DriveLetterOf(root_);
    if (ejecting_ || drive == 0) {
        return;
    }
    const RunningFlag running(ejecting_);
    // The copy would be on the drive too and keep it in use: say so before any program is closed.
    if (DriveLetterOf(TempFolder()) == drive) {
        ShowMessageBox(Hwnd(), texts::kTempFolderOnDrive, texts::kProgramTitle, MB_OK | MB_ICONWARNING);
        return;
    }
    if (editor_.Hwnd() != nullptr) {  // closing the menu would drop what is typed there
        ShowMessageBox(Hwnd(), texts::kFinishEditingFirst, texts::kProgramTitle, MB_OK | MB_ICONINFORMATION);
        return;
    }
    // As on exit; and the menu's current folder (which follows launches) must not keep the drive.
    StoreWindowSize(Hwnd(), SettingsFile());
    ::SetCurrentDirectoryW(WideFromUtf8(SystemFolder()).c_str());
    if (!CloseProgramsOnDrive(drive)) {
        return;
    }
    if (const DWORD error = handOff_.Start(drive); error != ERROR_SUCCESS) {
        ShowError(texts::kEjectHandOffFailed + SystemErrorText(error));
        return;
    }
    // The size is saved already: the window goes without the unload handling.
    modTray::RemoveTrayIcon(Hwnd());
    CloseOtherWindows();
    Destroy();
}

bool frmMain::CloseProgramsOnDrive(char drive) {
    for (;;) {
        const std::vector<RunningProgram> programs =
            ProgramsOnDrive(RunningPrograms(), drive, ::GetCurrentProcessId());
        if (programs.empty()) {
            return true;
        }
        if (ShowMessageBox(Hwnd(), CloseProgramsQuestion(drive, ProgramNames(programs)), texts::kProgramTitle,
                           MB_YESNO | MB_ICONQUESTION) != IDYES) {
            return false;
        }
        // The window takes no clicks while it waits; its messages (painting, the tray) still run.
        ::EnableWindow(Hwnd(), FALSE);
        const std::vector<RunningProgram> stayed = AskProgramsToClose(programs, kCloseWaitMs);
        ::EnableWindow(Hwnd(), TRUE);
        if (Hwnd() == nullptr) {  // closed meanwhile (the tray's Exit)
            return false;
        }
        if (stayed.empty()) {
            return true;
        }
        if (ShowMessageBox(Hwnd(), ProgramsStillRunningMessage(drive, ProgramNames(stayed)),
                           texts::kProgramTitle, MB_RETRYCANCEL | MB_ICONWARNING) != IDRETRY) {
            return false;
        }
    }
}

}  // namespace corvane::menu
