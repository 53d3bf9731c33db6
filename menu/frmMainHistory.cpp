// frmMain's "Restore Earlier List...": the kept versions of the list in a window of their own, and
// putting the chosen one back.
#include "menu/frmMain.h"

#include "common/SystemError.h"
#include "common/WindowText.h"
#include "menu/ListHistory.h"
#include "menu/core/MainWindowTexts.h"
#include "menu/core/MenuTexts.h"

namespace corvane::menu {

void frmMain::OpenRestoreWindow() {
    const ListHistory history(folder_);
    std::vector<KeptVersion> versions = history.Versions();
    if (versions.empty()) {
        ShowMessageBox(Hwnd(), history.IsLinked() ? texts::kHistoryIsLinked : texts::kNoEarlierLists,
                       texts::kProgramTitle, MB_OK | MB_ICONINFORMATION);
        return;
    }
    restore_.Show(Hwnd(), std::move(versions));
}

void frmMain::RestoreEarlierList(const ListVersion& version) {
    if (list_ == nullptr) {
        return;  // the menu went while the choice was made
    }
    // The one write allowed after a load that failed: the user chose these bytes, and the list that
    // is there now is kept first.
    if (const DWORD error = RestoreVersion(folder_, version); error != ERROR_SUCCESS) {
        const std::string text = texts::kErrorRestoringList + SystemErrorText(error);
        ShowError(text);
        SetStatusText(text);
        return;
    }
    LoadEntries();
    if (loadResult_ == ERROR_SUCCESS) {  // a restored list that does not load exactly says so instead
        SetStatusText(ListRestoredText(SavedTimeText(version.saved)));
    }
    listView_.SelectRow(listView_.FocusedRow());
}

}  // namespace corvane::menu
