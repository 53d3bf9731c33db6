// Sorting the rows of a report-view list view by one column's text.
#pragma once

#include <windows.h>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace corvane::menu {

// The positions of `texts` in the order Windows sorts names for people, ascending or descending:
// letter case ignored and, where the system supports it, digits compared as numbers ("Item 9"
// before "Item 10"), never by byte. Equal texts keep their relative order. SortListView puts rows
// in exactly this order, so rows can also be inserted in it directly.
std::vector<std::size_t> OrderForPeople(std::span<const std::string_view> texts, bool descending);

// Sorts the rows by the text of `column`, ascending or descending (rows with equal texts keep their
// order), and shows the direction in the column's header. Rows keep their data, selection and focus.
void SortListView(HWND listView, int column, bool descending);

// Shows the sort direction in the header of `column` and no direction in the others.
void ShowSortArrow(HWND listView, int column, bool descending);

}  // namespace corvane::menu
