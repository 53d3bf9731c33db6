#include "tests/win/support/TestEntries.h"

#include "common/TextEncoding.h"

#include <commctrl.h>

namespace corvane::test {

void AddRows(menu::EntryModel& entries, const std::vector<Row>& rows) {
    for (const Row& row : rows) {
        entries.Append(row.at(0), row.at(1), row.at(2));
    }
}

menu::EntryModel EntriesOf(const std::vector<Row>& rows) {
    menu::EntryModel entries;
    AddRows(entries, rows);
    return entries;
}

std::vector<Row> RowsOf(const menu::EntryModel& entries) {
    std::vector<Row> rows;
    for (std::size_t index = 0; index < entries.Size(); ++index) {
        const menu::Entry& entry = entries[index];
        rows.push_back(
            {std::string(entry.Name()), std::string(entry.Target()), std::string(entry.Switches())});
    }
    return rows;
}

std::string ListViewText(HWND listView, int row, int column) {
    // LVM_GETITEMTEXT has no way to ask for the length: grow until the text fits.
    std::vector<wchar_t> buffer(256);
    while (true) {
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(buffer.size());
        const auto length = static_cast<std::size_t>(::SendMessageW(
            listView, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < buffer.size()) {
            return Utf8FromWide({buffer.data(), length});
        }
        buffer.resize(buffer.size() * 4);
    }
}

std::vector<Row> ListRows(HWND listView) {
    std::vector<Row> rows;
    const auto count = static_cast<int>(::SendMessageW(listView, LVM_GETITEMCOUNT, 0, 0));
    for (int row = 0; row < count; ++row) {
        rows.push_back(
            {ListViewText(listView, row, 0), ListViewText(listView, row, 1), ListViewText(listView, row, 2)});
    }
    return rows;
}

}  // namespace corvane::test
