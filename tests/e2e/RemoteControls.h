// Reading another process's controls: list view rows and status bar panels need a buffer inside
// the process that owns the control.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace corvane::e2e {

std::vector<std::vector<std::string>> ReadListRows(HWND listView, int columns);
std::string ReadStatusPanel(HWND statusBar, int panel);
// The rectangle (client coordinates) of a list view row, for clicks.
RECT ReadRowRect(HWND listView, int row);
// Selects and focuses one row (and clears the others).
void SelectListRow(HWND listView, int row);

}  // namespace corvane::e2e
