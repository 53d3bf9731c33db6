// The list view as a view of the model: an owner-data list that holds no texts of its own. It is
// told how many rows there are and asks for the texts and icons of the rows it draws
// (LVN_GETDISPINFO) and for the row a typed prefix starts (LVN_ODFINDITEM); selection and focus it
// keeps by row. Rows whose target is missing are drawn grey (NM_CUSTOMDRAW).
#pragma once

#include "menu/EntryDecorations.h"
#include "menu/core/EntryModel.h"
#include "menu/core/ShownEntries.h"

#include <windows.h>

#include <commctrl.h>

#include <optional>
#include <string>

namespace corvane::menu {

class EntryListView {
  public:
    EntryListView(const EntryModel& entries, const ShownEntries& shown) : entries_(entries), shown_(shown) {}

    void Attach(HWND listView) noexcept { list_ = listView; }
    // The icons and missing marks of the rows; none (null) draws every row plain.
    void SetDecorations(EntryDecorations* decorations) noexcept { decorations_ = decorations; }
    // The look of an entry as far as it is known (asking for it when it is not).
    [[nodiscard]] EntryDecoration LookOf(const Entry& entry) noexcept;
    [[nodiscard]] HWND Handle() const noexcept { return list_; }

    // The shown entries changed: the list takes their number and repaints, and the selection and focus
    // go to the rows that now show the given entries (none when an entry is not shown).
    void Update(std::optional<EntryId> selected, std::optional<EntryId> focused) noexcept;

    [[nodiscard]] int Rows() const noexcept;
    [[nodiscard]] int SelectedRow() const noexcept;
    [[nodiscard]] int FocusedRow() const noexcept;
    // The entry a row shows, or null for a row that is not there.
    [[nodiscard]] const Entry* EntryAt(int row) const noexcept;
    [[nodiscard]] std::optional<EntryId> SelectedEntry() const noexcept;
    [[nodiscard]] std::optional<EntryId> FocusedEntry() const noexcept;
    // The row that shows the entry, or -1.
    [[nodiscard]] int RowOf(EntryId id) const noexcept;

    // Selects and focuses the row and scrolls it into view; -1 leaves no row selected.
    void SelectRow(int row) noexcept;

    // Answers the list's requests for texts and for typed prefixes. Returns whether `header` was one,
    // with the answer in `result`.
    bool OnNotify(const NMHDR& header, LRESULT& result) noexcept;

  private:
    // The row that has the mark (LVNI_SELECTED, LVNI_FOCUSED), or -1.
    [[nodiscard]] int RowWith(UINT mark) const noexcept;
    void ClearMark(UINT which, UINT mark) noexcept;
    void FillItem(LVITEMW& item) noexcept;
    [[nodiscard]] LRESULT OnCustomDraw(NMLVCUSTOMDRAW& draw) noexcept;
    [[nodiscard]] int FindRow(const NMLVFINDITEMW& find) const noexcept;

    const EntryModel& entries_;
    const ShownEntries& shown_;
    HWND list_ = nullptr;
    EntryDecorations* decorations_ = nullptr;
    std::wstring text_;  // the last text handed out, converted from the model's UTF-8
};

}  // namespace corvane::menu
