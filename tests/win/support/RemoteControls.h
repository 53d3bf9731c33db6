// Reading another process's controls: list view rows and status bar panels need a buffer inside
// the process that owns the control. The benchmarks use these too (they build without the tests),
// so this file depends on nothing but Windows and common/.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace corvane::test {

// The text of one cell of a list view, as the list answers LVM_GETITEMTEXTA (an owner-data list
// asks its owner). Empty when the list's process cannot be reached.
std::string ReadListText(HWND listView, int row, int column);
std::vector<std::vector<std::string>> ReadListRows(HWND listView, int columns);
std::string ReadStatusPanel(HWND statusBar, int panel);
// The rectangle (client coordinates) of a list view row, for clicks.
RECT ReadRowRect(HWND listView, int row);
// Selects and focuses one row (and clears the others).
void SelectListRow(HWND listView, int row);

}  // namespace corvane::test
