// Sorting the entries by one column's text, as Windows sorts names for people.
#pragma once

#include "menu/core/EntryModel.h"

#include <windows.h>

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

namespace corvane::menu {

// The positions of the UTF-8 `texts` in the order Windows sorts names for people, ascending or
// descending: letter case ignored and, where the system supports it, digits compared as numbers
// ("Item 9" before "Item 10"), never by byte. Equal texts keep their relative order.
std::vector<std::size_t> OrderForPeople(std::span<const std::string_view> texts, bool descending);

// Puts the entries in that order by the text of `field`. Entries keep their identities. Returns
// false, leaving the order as it was, when there was not the memory to sort.
bool SortEntries(EntryModel& entries, EntryField field, bool descending) noexcept;

// Shows the sort direction in the header of `column` and no direction in the others.
void ShowSortArrow(HWND listView, int column, bool descending);

}  // namespace corvane::menu
