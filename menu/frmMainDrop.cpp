// frmMain: files and folders dropped onto the window from Explorer. Each becomes an entry, named and
// stored as the editor names and stores a file Browse picked, and the list is saved once for the
// whole drop. A single file dropped while the editor is open goes into the editor instead.
#include "menu/frmMain.h"

#include "common/DroppedFiles.h"
#include "menu/DroppedItems.h"
#include "menu/core/EntryTarget.h"
#include "menu/core/MainWindowTexts.h"

#include <new>

namespace corvane::menu {

void frmMain::OnDropFiles(HDROP drop) noexcept {
    const std::vector<std::string> paths = TakeDroppedPaths(drop);
    if (paths.empty() || list_ == nullptr) {
        return;
    }
    try {
        if (editor_.IsOpen() && paths.size() == 1) {
            const DroppedItem item = DescribeDroppedItem(paths.front());
            if (item.kind != DroppedKind::Folder) {
                editor_.FillFromDrop(item);
                return;
            }
        }
        if (RefusedAsUnsaved()) {
            return;
        }
        const std::string drivePrefix = MenuDrivePrefix(folder_);
        EntryId added = 0;
        for (const std::string& path : paths) {
            const ProposedEntry entry = ProposeEntry(DescribeDroppedItem(path));
            added = entries_.Append(entry.name, StoredTarget(entry.path, drivePrefix), entry.switches);
        }
        EntriesChanged();
        listView_.SelectRow(listView_.RowOf(added));  // the last one dropped, in view
        if (SaveList()) {
            SetStatusText(EntriesAddedText(paths.size()));
        }
    } catch (const std::bad_alloc&) {  // the entries added so far stay and are shown
        EntriesChanged();
    }
}

}  // namespace corvane::menu
