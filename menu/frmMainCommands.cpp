// frmMain's menu commands: running and browsing entries, the on-run option, the support tools, the
// about window and the Exit commands.
#include "menu/frmMain.h"

#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/WindowText.h"
#include "common/WindowsFolders.h"
#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"
#include "menu/ListLoadStatus.h"
#include "menu/MenuResources.h"
#include "menu/MenuSettings.h"
#include "menu/modDriveSpace.h"
#include "menu/modTray.h"
#include "menu/core/BrowsePlan.h"
#include "menu/core/LaunchPlan.h"
#include "menu/core/MainWindowTexts.h"
#include "menu/core/MenuTexts.h"
#include "menu/core/PathRules.h"

#include <shellapi.h>

namespace corvane::menu {
namespace {

// The shell's verb that asks the user to let a program run with administrator rights.
constexpr const char* kElevationVerb = "runas";

// The on-run items, in the order of the option's values.
constexpr int kRunOptionItems[] = {mnuRunNothing, mnuRunMinimize, mnuRunClose};

int RunOptionItem(OnRunOption option) {
    return kRunOptionItems[static_cast<int>(option) - 1];
}

// The process's current drive and folder follow the launched file (dialogs then start there).
void EnterFolderOf(const std::string& path, const std::string& folder) {
    if (!IsNetworkPath(path) && !path.empty()) {
        ::SetCurrentDirectoryW(WideFromUtf8(path.substr(0, 1) + ":").c_str());
    }
    ::SetCurrentDirectoryW(WideFromUtf8(folder).c_str());
}

}  // namespace

void frmMain::OnCommand(int id) {
    switch (id) {
        case mnuRun:
            if (RowCount() > 0) {
                RunSelectedEntry();
            }
            break;
        case mnuRunAsAdmin:
            if (RowCount() > 0) {
                RunSelectedEntry(Elevation::Administrator);
            }
            break;
        case IDOK:  // Enter, when the message loop's dialog handling took it from the list
            if (::GetFocus() == list_) {
                OnListEnter();
            }
            break;
        case mnuBrowse:
            BrowseFileDirectory();
            break;
        case mnuRootBrowse:
            BrowseRootDirectory();
            break;
        case mnuAdd:
        case mnuAdd2:
            OnAddEntry();
            break;
        case mnuFindPrograms:
            if (!RefusedAsUnsaved()) {
                programSearch_.Show();
            }
            break;
        case mnuEdit:
            OnEditEntry();
            break;
        case mnuDelete:
            OnDeleteEntry();
            break;
        case mnuRefresh:
            RefreshList();
            break;
        case mnuFind:
            OpenFind();
            break;
        case mnuEject:
        case mnuEject2:
            EjectDrive();
            break;
        case mnuRestore:
            OpenRestoreWindow();
            break;
        case mnuRunNothing:
            ChooseRunOption(OnRunOption::DoNothing);
            break;
        case mnuRunMinimize:
            ChooseRunOption(OnRunOption::MinimizeToTray);
            break;
        case mnuRunClose:
            ChooseRunOption(OnRunOption::CloseMenu);
            break;
        case mnuOpenMenu:
            modTray::RestoreFromTray(Hwnd());
            break;
        case mnuAbout:
        case mnuAbout2:
            about_.Show(Hwnd());
            break;
        case mnuExit:
        case mnuExit2:
            ExitProgram();
            break;
        case mnuRepair:
            OpenSupportFile(drive::kRepairWizardFile);
            break;
        case mnuFormat:
            OpenSupportFile(drive::kFormatUtilityFile);
            break;
        case mnuUsbview:
            OpenSupportFile(drive::kUsbViewFile);
            break;
        case mnuHelp2:
            OpenSupportFile(drive::kHelpFile);
            break;
        default:  // MnuOnRun is a heading: nothing
            if (const std::optional<EntryId> entry = trayEntries_.EntryFor(id)) {
                const std::optional<std::size_t> index = entries_.IndexOf(*entry);
                if (index) {  // an entry deleted while its menu was up is not started
                    RunEntry(&entries_[*index]);
                }
            }
            break;
    }
}

void frmMain::RunSelectedEntry(Elevation elevation) {
    RunEntry(listView_.EntryAt(listView_.SelectedRow()), elevation);
}

void frmMain::RunEntry(const Entry* selected, Elevation elevation) {
    std::optional<menu::SelectedEntry> entry;
    if (selected != nullptr) {
        entry = menu::SelectedEntry{std::string(selected->Target()), std::string(selected->Switches())};
    }
    const LaunchPlan plan = PlanLaunch(folder_, entry);
    if (plan.recorded && FileFound(plan.recorded->path)) {
        Launch(*plan.recorded, elevation);
    } else if (plan.onMenuDrive && FileFound(plan.onMenuDrive->path)) {
        Launch(*plan.onMenuDrive, elevation);
    } else {
        const std::string reason = entry ? std::string() : std::string(texts::kNoEntrySelected);
        ShowError(LaunchErrorMessage(plan.resolvedPath, reason));
        SetStatusText(LaunchErrorStatus(plan.resolvedPath, reason));
    }
}

void frmMain::Launch(const LaunchCandidate& candidate, Elevation elevation) {
    EnterFolderOf(candidate.path, candidate.workingFolder);
    const bool minimize = IsChecked(mnuRunMinimize);
    if (minimize) {
        modTray::MinimizeToTray(Hwnd());  // hidden before the program shows its window
    }
    const bool elevated = elevation == Elevation::Administrator;
    const DWORD result = starter_.OpenFile(candidate.path, candidate.workingFolder, candidate.parameters,
                                           elevated ? kElevationVerb : nullptr);
    if (elevated && result == ERROR_CANCELLED) {
        // The user said No: nothing ran, so the menu neither hides nor ends, and it is no error.
        if (minimize) {
            modTray::RestoreFromTray(Hwnd());
        }
        SetStatusText(texts::kElevationCancelled + candidate.path);
        return;
    }
    // Whether the shell managed to open the file is not reported: the status says what was asked.
    SetStatusText(candidate.statusText);
    if (IsChecked(mnuRunClose)) {
        EndAfterRun();
    }
}

void frmMain::BrowseFileDirectory() {
    if (RowCount() == 0) {
        return;
    }
    const Entry* selected = listView_.EntryAt(listView_.SelectedRow());
    if (selected == nullptr) {
        ShowError(BrowseErrorMessage(texts::kNoEntrySelected));
        SetStatusText(BrowseErrorStatus("", texts::kNoEntrySelected));
        return;
    }
    const BrowsePlan plan = PlanBrowse(folder_, selected->Target());
    // Folders only: handed a file, Explorer would run it.
    const BrowseCandidate* found = FolderFound(plan.recorded.folder)      ? &plan.recorded
                                   : FolderFound(plan.onMenuDrive.folder) ? &plan.onMenuDrive
                                                                          : nullptr;
    const DWORD error = found != nullptr ? Browse(*found) : ERROR_SUCCESS;
    if (found == nullptr || error != ERROR_SUCCESS) {
        const std::string description = found != nullptr ? SystemErrorText(error) : std::string();
        ShowError(BrowseErrorMessage(description));
        SetStatusText(
            BrowseErrorStatus(found != nullptr ? found->folder : plan.recorded.folder, description));
    }
}

void frmMain::BrowseRootDirectory() {
    const BrowseCandidate root = PlanRootBrowse(folder_);
    if (const DWORD error = Browse(root); error != ERROR_SUCCESS) {
        const std::string description = SystemErrorText(error);
        ShowError(RootBrowseErrorMessage(description));
        SetStatusText(BrowseErrorStatus(root.folder, description));
    }
}

DWORD frmMain::Browse(const BrowseCandidate& candidate) {
    const bool minimize = IsChecked(mnuRunMinimize);
    if (minimize) {
        modTray::MinimizeToTray(Hwnd());  // hidden before Explorer starts
    }
    const DWORD error = starter_.Start(kExplorerProgram, candidate.commandLine, SW_SHOWMAXIMIZED);
    if (error != ERROR_SUCCESS) {
        if (minimize) {
            modTray::RestoreFromTray(Hwnd());  // a failure report never leaves the menu hidden
        }
        return error;
    }
    SetStatusText(candidate.statusText);
    if (IsChecked(mnuRunClose)) {
        EndAfterRun();
    }
    return ERROR_SUCCESS;
}

void frmMain::OnAddEntry() {
    editor_.Show(frmAdd::Mode::Add);
}

void frmMain::OnEditEntry() {
    if (RowCount() > 0) {
        editor_.Show(frmAdd::Mode::Edit);
    }
}

void frmMain::OnDeleteEntry() {
    DeleteSelectedEntry(*this);
}

bool frmMain::RefusedAsUnsaved() {
    if (loadResult_ == ERROR_SUCCESS) {
        return false;
    }
    SetStatusText(ListNotSavedText(loadResult_));
    return true;
}

void frmMain::RefreshList() {
    if (decorations_) {
        decorations_->Refresh();  // every target is looked at again as its row is drawn
    }
    ::InvalidateRect(list_, nullptr, TRUE);
    ::UpdateWindow(list_);
    SetWindowTextOf(Hwnd(), RefreshCaption(modDriveSpace::FreeMB(root_), root_));
}

void frmMain::ChooseRunOption(OnRunOption option) {
    CheckRunOption(option);
    StoreRunOption(option, SettingsFile());
    ReportUnusedSettings();
}

void frmMain::CheckRunOption(OnRunOption option) noexcept {
    for (const int item : kRunOptionItems) {
        ::CheckMenuItem(
            menuBar_, static_cast<UINT>(item),
            item == RunOptionItem(option) ? MF_BYCOMMAND | MF_CHECKED : MF_BYCOMMAND | MF_UNCHECKED);
    }
}

bool frmMain::IsChecked(int command) const noexcept {
    return (::GetMenuState(menuBar_, static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void frmMain::OpenSupportFile(std::string_view relativePath) const noexcept {
    // The tool starts in the system folder, never in a folder on the stick (the menu's current
    // folder follows the last launch), which would then stay in use.
    const std::string file = JoinPath(folder_, relativePath);
    const std::string system = SystemFolder();
    const std::wstring systemFolder = WideFromUtf8(system);
    ::ShellExecuteW(Hwnd(), L"open", WideFromUtf8(file).c_str(), L"",
                    systemFolder.empty() ? nullptr : systemFolder.c_str(), SW_SHOWNORMAL);
}

void frmMain::ExitProgram() {
    modTray::RemoveTrayIcon(Hwnd());
    CloseOtherWindows();
    ::SendMessageW(Hwnd(), WM_CLOSE, 0, 0);
}

void frmMain::ShowError(const std::string& text) const noexcept {
    ShowMessageBox(Hwnd(), text, texts::kProgramTitle, MB_OK | MB_ICONERROR);
}

}  // namespace corvane::menu
