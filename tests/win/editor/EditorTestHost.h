// A stand-in for the menu window: entries in a model, saved to Data.dat in the given folder, and a
// selection set by the test.
#pragma once

#include "common/UniqueHandle.h"
#include "menu/EntryEditorHost.h"
#include "menu/EntryList.h"
#include "tests/win/support/TestEntries.h"

namespace corvane::test {

class EditorTestHost : public menu::EntryEditorHost {
  public:
    explicit EditorTestHost(std::string folder = "E:\\")
        : folder_(std::move(folder)),
          owner_(::CreateWindowExA(0, "STATIC", "menu", WS_POPUP, 0, 0, 100, 100, nullptr, nullptr,
                                   ::GetModuleHandleA(nullptr), nullptr)) {}

    [[nodiscard]] const std::string& Folder() const noexcept override { return folder_; }
    [[nodiscard]] HWND OwnerWindow() const noexcept override { return owner_.get(); }
    [[nodiscard]] menu::EntryModel& Entries() noexcept override { return entries_; }
    [[nodiscard]] std::optional<menu::EntryId> SelectedEntry() const noexcept override {
        return selected_ < entries_.Size() ? std::optional<menu::EntryId>(entries_[selected_].Id())
                                           : std::nullopt;
    }
    // The order of entries is the menu window's business: here they stay where they were added.
    void EntriesChanged() noexcept override { ++changes_; }
    bool SaveList() override {
        ++saves_;
        return menu::SaveList(folder_ + "Data.dat", entries_) == ERROR_SUCCESS;
    }

    [[nodiscard]] std::vector<Row> Rows() const { return RowsOf(entries_); }
    void AddRows(const std::vector<Row>& rows) { test::AddRows(entries_, rows); }
    [[nodiscard]] int Saves() const { return saves_; }
    [[nodiscard]] int Changes() const { return changes_; }
    // Selects the entry at `index`; -1 selects none.
    void Select(int index) { selected_ = static_cast<std::size_t>(index); }
    // The menu window going away while a question is up.
    void CloseOwner() { owner_.reset(); }

  private:
    std::string folder_;
    UniqueWindow owner_;
    menu::EntryModel entries_;
    std::size_t selected_ = static_cast<std::size_t>(-1);
    int saves_ = 0;
    int changes_ = 0;
};

}  // namespace corvane::test
