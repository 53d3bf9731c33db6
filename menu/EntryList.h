// The menu's entries live in the rows of the list view; Data.dat follows them. LoadList and SaveList
// move the rows between the list view and the file (format in menu/core/DataFile.h).
#pragma once

#include <windows.h>

#include <functional>
#include <span>
#include <string>
#include <string_view>

namespace corvane::menu {

// A sort order of the rows: by the text of one column, as SortListView sorts.
struct RowOrder {
    int column = 0;
    bool descending = false;
};

// Appends the file's records to the list view as new rows; never clears the list. The rows go in in
// file order, or, given `order`, in the order SortListView would then put them in, which spares a
// large list a second pass through the list view. `firstRecordRow`, if given, receives the index of
// the row made from the file's first record (left as it is when the file holds none).
// Returns ERROR_SUCCESS or the error that kept the file from being read (no rows are added then), or
// ERROR_NOT_ENOUGH_MEMORY when the list outgrew the memory or refused a row (the rows added so far
// stay): anything but ERROR_SUCCESS means the rows are not the file's whole contents.
DWORD LoadList(const std::string& fileName, HWND listView, const RowOrder* order = nullptr,
               int* firstRecordRow = nullptr);

// Rewrites the file from the rows of the list view, one line per column. The file is replaced in one
// step: on failure (ERROR_NOT_ENOUGH_MEMORY among them) it is left exactly as it was and the error is
// returned (the rows keep whatever change the caller made). A list view that is gone fails with
// ERROR_INVALID_WINDOW_HANDLE: it would read as an empty list.
DWORD SaveList(const std::string& fileName, HWND listView);

// The start-up load step: status "Loading data . . .", clear the rows, LoadList of Data.dat in the
// given file (Data.dat beside Menu.exe) with the rows in the window's sort order, then status "Data
// loaded." or, when the load failed or stopped part-way, "Error loading list : " and why. The row read
// first from the file becomes the current (focused) row, wherever the sort put it. The status texts
// go to `showStatus`. Returns LoadList's result.
DWORD LoadEntries(HWND listView, const std::function<void(const std::string&)>& showStatus,
                  const std::string& dataFile, const RowOrder& order);

// Appends a row with the given texts (name, then sub-items) and a fresh identity; returns its index,
// or -1 when the list view refused the row or one of its texts (no part of the row is left then).
int AppendRow(HWND listView, std::span<const std::string_view> fields);

// Every row carries an identity that survives sorting, so a row can be found again after the
// list changed under it. FindRow gives -1 when the row is gone.
LPARAM RowId(HWND listView, int row);
int FindRow(HWND listView, LPARAM id);

// The texts of one row, column by column.
std::string RowText(HWND listView, int row, int column);

// The list view's column count (the number of lines per record).
int ColumnCount(HWND listView);

}  // namespace corvane::menu
