// frmMain's Find Entry: the find box above the list narrows the rows to the entries whose name or
// target holds the typed text. The entries themselves never change with it: sorting, editing and
// saving always work on every entry.
#include "menu/frmMain.h"

namespace corvane::menu {

void frmMain::OpenFind() {
    const bool wasOpen = findBox_.IsOpen();
    findBox_.Open();
    if (!wasOpen) {
        Layout();
    }
}

void frmMain::OnFindTextChanged() {
    ShowEntries(listView_.SelectedEntry(), listView_.FocusedEntry());
}

void frmMain::OnFindDown() {
    ::SetFocus(list_);
    if (listView_.SelectedRow() < 0 && listView_.Rows() > 0) {
        listView_.SelectRow(0);
    }
}

void frmMain::OnFindEnter() {
    if (listView_.SelectedRow() < 0 && listView_.Rows() == 1) {
        listView_.SelectRow(0);  // the only match
    }
    if (listView_.SelectedRow() >= 0) {
        RunSelectedEntry();
    }
}

void frmMain::OnFindClosed() {
    Layout();
    ::SetFocus(list_);
}

}  // namespace corvane::menu
