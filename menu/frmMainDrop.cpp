// frmMain: files and folders dropped onto the window from Explorer. Each becomes an entry, named and
// stored as the editor names and stores a file Browse picked, and the list is saved once for the
// whole drop. A single file dropped while the editor is open goes into the editor instead. The
// program search adds the programs it found through the same AddEntries.
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
            return;  // before any shortcut is read
        }
        std::vector<ProposedEntry> proposed;
        proposed.reserve(paths.size());
        for (const std::string& path : paths) {
            proposed.push_back(ProposeEntry(DescribeDroppedItem(path)));
        }
        AddEntries(proposed);
    } catch (const std::bad_alloc&) {  // no room to describe the drop: nothing is added
    }
}

void frmMain::AddEntries(const std::vector<ProposedEntry>& proposed) noexcept {
    if (proposed.empty() || list_ == nullptr || RefusedAsUnsaved()) {
        return;
    }
    const std::string drivePrefix = MenuDrivePrefix(folder_);
    EntryId last = 0;
    std::size_t added = 0;
    try {
        for (const ProposedEntry& entry : proposed) {
            last = entries_.Append(entry.name, StoredTarget(entry.path, drivePrefix), entry.switches);
            ++added;
        }
    } catch (const std::bad_alloc&) {  // out of memory part-way: what was added is shown and saved
    }
    if (added == 0) {
        return;
    }
    EntriesChanged();
    listView_.SelectRow(listView_.RowOf(last));  // the last one added, in view
    if (SaveList()) {
        SetStatusText(EntriesAddedText(added));
    }
}

}  // namespace corvane::menu
