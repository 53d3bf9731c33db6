// A read-only multi-line text box for a report: the keyboard scrolls it with the arrows and the page
// keys, and leaves it with Tab (or closes the window with Escape) as in any other control. A plain
// multi-line box keeps both keys to itself, which traps a keyboard user in a text they cannot edit.
#pragma once

#include <windows.h>

namespace corvane::tendwell {

// Gives an existing multi-line EDIT the keys of a report box, for its whole life.
bool MakeReportBox(HWND edit) noexcept;

}  // namespace corvane::tendwell
