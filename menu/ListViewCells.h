// The columns and cells of the small report lists in the menu's windows, with UTF-8 texts.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace corvane::menu {

// Adds a column with its header, `widthTwips` wide at `dpi`, its text aligned by `format` (LVCFMT_*).
void InsertColumn(HWND list, int column, const char* header, int widthTwips, int dpi,
                  int format = LVCFMT_LEFT);

// Sets the text of a cell of an existing row.
void SetCell(HWND list, int row, int column, const std::string& text);

}  // namespace corvane::menu
