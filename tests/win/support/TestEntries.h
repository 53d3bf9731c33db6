// Entry lists for tests: a model filled from rows of texts, and the rows it holds.
#pragma once

#include "menu/core/EntryModel.h"

#include <windows.h>

#include <string>
#include <vector>

namespace corvane::test {

using Row = std::vector<std::string>;  // name, target, switches

void AddRows(menu::EntryModel& entries, const std::vector<Row>& rows);
menu::EntryModel EntriesOf(const std::vector<Row>& rows);
std::vector<Row> RowsOf(const menu::EntryModel& entries);

// The texts of a list view's cell and of all its rows, asked of the list view itself (for the menu's
// owner-data list, its window answers).
std::string ListViewText(HWND listView, int row, int column);
std::vector<Row> ListRows(HWND listView);

}  // namespace corvane::test
