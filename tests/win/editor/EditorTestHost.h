// A stand-in for the menu window: a real list view, saved to Data.dat in the given folder.
#pragma once

#include "menu/EntryEditorHost.h"
#include "menu/EntryList.h"
#include "tests/win/support/TestListView.h"

#include <commctrl.h>

namespace corvane::test {

class EditorTestHost : public menu::EntryEditorHost {
  public:
    explicit EditorTestHost(std::string folder = "E:\\") : folder_(std::move(folder)) {}

    [[nodiscard]] HWND ListView() const noexcept override { return list_.Handle(); }
    [[nodiscard]] const std::string& Folder() const noexcept override { return folder_; }
    // The order of rows is the menu window's business: here rows stay where they were added.
    void SortRows() noexcept override { ++sorts_; }
    bool SaveList() override {
        ++saves_;
        return menu::SaveList(folder_ + "Data.dat", list_.Handle()) == ERROR_SUCCESS;
    }

    TestListView& List() { return list_; }
    [[nodiscard]] int Saves() const { return saves_; }
    [[nodiscard]] int Sorts() const { return sorts_; }
    void Select(int row) {
        LVITEMA item{};
        item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        item.state = row >= 0 ? (LVIS_SELECTED | LVIS_FOCUSED) : 0;
        ::SendMessageA(list_.Handle(), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                       reinterpret_cast<LPARAM>(&item));
    }

  private:
    std::string folder_;
    TestListView list_;
    int saves_ = 0;
    int sorts_ = 0;
};

}  // namespace corvane::test
