// Sorting the rows of a report-view list view by one column's text.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::menu {

// Compares two texts the way Windows sorts names for people: letter case ignored and, where the
// system supports it, digits compared as numbers ("Item 9" before "Item 10"). Never by byte.
int CompareForPeople(const std::string& first, const std::string& second) noexcept;

// Sorts the rows by the text of `column`, ascending or descending (rows with equal texts keep their
// order), and shows the direction in the column's header. Rows keep their data, selection and focus.
void SortListView(HWND listView, int column, bool descending);

}  // namespace corvane::menu
