// frmMain: the menu window. It holds the entries (Data.dat follows them) and shows them in lstApp, a
// view of them; it reports in its status bar, keeps an icon in the tray, runs and browses entries and
// opens the support tools.
#pragma once

#include "common/AboutWindow.h"
#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"
#include "menu/EntryDecorations.h"
#include "menu/EntryEditorHost.h"
#include "menu/EntryListView.h"
#include "menu/FindBox.h"
#include "menu/HandOffCopy.h"
#include "menu/frmAdd.h"
#include "menu/frmRestore.h"
#include "menu/PathHelpers.h"
#include "menu/ProgramSearchWindow.h"
#include "menu/ProgramStarter.h"
#include "menu/StatusBar.h"
#include "menu/TrayEntryMenu.h"
#include "menu/core/EntryModel.h"
#include "menu/core/SettingsValues.h"
#include "menu/core/ShownEntries.h"

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace corvane::menu {

struct LaunchCandidate;
struct BrowseCandidate;

class frmMain : public BaseWindow<frmMain>, public EntryEditorHost, private FindBoxHost {
  public:
    enum ControlId {
        lstApp = 100,  // the list of entries
        Status,        // the status bar
        txtFind,       // the find box, above the list while a find is open
    };

    // `menuFolder` is where Data.dat and Settings.ini live and what the menu's root, the support
    // folder and relative targets derive from (E:\ or E:\Menus\, always with a trailing backslash).
    // Programs started by command line go through `starter`, an eject is handed over through
    // `handOff` (the real ones when null).
    explicit frmMain(std::string menuFolder = MenuFolder(), ProgramStarter* starter = nullptr,
                     EjectHandOff* handOff = nullptr);

    // Creates the window, runs its start-up and shows it centred on the screen.
    bool Create(int showCommand = SW_SHOWNORMAL);

    [[nodiscard]] HWND ListView() const noexcept { return list_; }
    [[nodiscard]] HWND FindBoxHandle() const noexcept { return findBox_.Handle(); }
    [[nodiscard]] ProgramSearchWindow& ProgramSearch() noexcept { return programSearch_; }
    // True while icons or missing marks of rows drawn so far are still being looked up.
    [[nodiscard]] bool LooksPending() const noexcept { return decorations_ && decorations_->Waiting(); }

    // What the entry editor works with.
    [[nodiscard]] const std::string& Folder() const noexcept override { return folder_; }
    [[nodiscard]] HWND OwnerWindow() const noexcept override { return list_ != nullptr ? Hwnd() : nullptr; }
    [[nodiscard]] EntryModel& Entries() noexcept override { return entries_; }
    [[nodiscard]] std::optional<EntryId> SelectedEntry() const noexcept override {
        return listView_.SelectedEntry();
    }
    [[nodiscard]] std::string DataFile() const;
    [[nodiscard]] std::string SettingsFile() const;
    void SetStatusText(const std::string& text) { status_.SetMessage(text); }
    [[nodiscard]] std::string StatusText() const { return status_.Message(); }
    [[nodiscard]] HWND StatusBarHandle() const noexcept { return status_.Handle(); }
    // Rewrites Data.dat from the entries; a failure shows "Error saving list : " and why in the status
    // bar. After a load that failed or stopped part-way the entries are not the file's contents:
    // Data.dat is then never written, and the status bar says so. Fails, writing nothing, once the
    // window is gone.
    bool SaveList() override;
    // Puts the entries back into the current sort order and shows them, the selection and focus
    // staying on the entries they were on.
    void EntriesChanged() noexcept override;

    // The operations other parts of the program use.
    void LoadEntries();
    void ApplyRunOption();
    // Says in the status bar when Settings.ini is a link, which the menu neither reads nor writes.
    void ReportUnusedSettings();
    // How an entry is started: as the user, or through the shell's elevation request.
    enum class Elevation { AsUser, Administrator };
    void RunSelectedEntry(Elevation elevation = Elevation::AsUser);
    // Runs `entry` as Run runs the selected one (null: the reason is reported).
    void RunEntry(const Entry* entry, Elevation elevation = Elevation::AsUser);
    [[noreturn]] void EndAfterRun() noexcept;

    static const char* ClassName() { return "frmMain"; }
    static void ConfigureClass(WNDCLASSEXW& windowClass);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    // Creation, start-up and shut-down (frmMain.cpp).
    bool OnCreate();
    void StartUp();
    void Layout() noexcept;
    // Makes the fonts, the list's icons and the tray icon for the window's DPI: on creation and
    // again on each change of DPI.
    void FollowDpi() noexcept;
    void OnDpiChanged() override;
    [[nodiscard]] HICON TrayIcon() const noexcept;
    void Unload();
    void OnEndSession(bool ending);
    void CloseOtherWindows() noexcept;
    void OnWindowDestroyed() noexcept override;

    // Mouse, keyboard and tray events (frmMain.cpp).
    LRESULT OnNotify(NMHDR& header);
    void OnListClick();
    void StartDecorations() noexcept;
    void OnDecorationsReady() noexcept;
    void ShowEntries(std::optional<EntryId> selected, std::optional<EntryId> focused) noexcept;
    void OnListEnter();
    void OnColumnClick(int column);
    void OnContextMenu(HWND source, LPARAM position);
    void OnTrayNotification(UINT mouseMessage);

    // Find Entry (frmMainFind.cpp).
    void OpenFind();
    void OnFindTextChanged() override;
    void OnFindDown() override;
    void OnFindEnter() override;
    void OnFindClosed() override;

    // Restore Earlier List (frmMainHistory.cpp).
    void OpenRestoreWindow();
    void RestoreEarlierList(const ListVersion& version);

    // Files and folders dropped onto the window, and entries added together (frmMainDrop.cpp).
    void OnDropFiles(HDROP drop) noexcept;
    // Adds the entries, each stored as the editor's Save stores it, with one save for them all; the
    // last is selected and the status bar says how many were added. A list that may not be saved
    // takes none.
    void AddEntries(const std::vector<ProposedEntry>& proposed) noexcept;

    // Menu commands (frmMainCommands.cpp).
    void OnCommand(int id);
    // After a load that failed the entries are not the file's: commands that add entries add none,
    // since they could not be saved, and the status bar says why. True when that is so.
    bool RefusedAsUnsaved();
    void OnAddEntry();
    void OnEditEntry();
    void OnDeleteEntry();
    void RefreshList();
    void BrowseFileDirectory();
    void BrowseRootDirectory();
    DWORD Browse(const BrowseCandidate& candidate);
    void Launch(const LaunchCandidate& candidate, Elevation elevation);
    void ChooseRunOption(OnRunOption option);
    void CheckRunOption(OnRunOption option) noexcept;
    [[nodiscard]] bool IsChecked(int command) const noexcept;
    void OpenSupportFile(std::string_view relativePath) const noexcept;
    void ExitProgram();

    // Eject Drive (frmMainEject.cpp).
    void RemoveEjectUnlessRemovable();
    void EjectDrive();
    bool CloseProgramsOnDrive(char drive);
    void ShowError(const std::string& text) const noexcept;
    [[nodiscard]] int RowCount() const noexcept;

    std::string folder_;
    std::string root_;
    WindowsFolderStarter windowsStarter_;
    ProgramStarter& starter_;
    TempCopyHandOff tempCopyHandOff_;
    EjectHandOff& handOff_;
    bool ejecting_ = false;  // while Eject Drive runs: its waits let messages in, but not a second one
    EntryModel entries_;
    ShownEntries shown_;
    EntryListView listView_{entries_, shown_};
    FindBox findBox_{*this};
    // Icons and missing marks; null when their thread could not start (the rows are then plain).
    std::unique_ptr<EntryDecorations> decorations_;
    // The last click's status text and entry: a missing mark that is found later is added to it.
    std::optional<EntryId> clickedEntry_;
    std::string clickText_;
    HWND list_ = nullptr;  // children live as long as the window
    StatusBar status_;
    HMENU menuBar_ = nullptr;  // owned by the window once set
    UniqueMenu trayMenu_;
    TrayEntryMenu trayEntries_;  // the tray's popup as last shown
    UniqueFont font_;
    UniqueIcon trayIcon_;  // the program's icon at the small icon size of the window's DPI
    UINT taskbarCreated_ = 0;
    // What loading Data.dat returned; anything but ERROR_SUCCESS (the file was there but could not be
    // read whole, or not exactly) keeps the list from being saved; restarting loads again.
    DWORD loadResult_ = ERROR_SUCCESS;
    int sortColumn_ = 0;
    bool sortDescending_ = false;
    AboutWindow about_;
    frmAdd editor_{*this};
    ProgramSearchWindow programSearch_{
        *this, [this](const std::vector<ProposedEntry>& chosen) { AddEntries(chosen); }};
    frmRestore restore_{[this](const ListVersion& version) { RestoreEarlierList(version); }};
};

}  // namespace corvane::menu
