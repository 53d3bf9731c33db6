// What the status line says after the menu loaded its list, and when a save of a list that did not
// load exactly is refused.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::menu {

// The status line once LoadList returned `result`.
std::string LoadStatusText(DWORD result);

// The status line when a save is refused because LoadList returned `loadResult` (not ERROR_SUCCESS).
const char* ListNotSavedText(DWORD loadResult) noexcept;

}  // namespace corvane::menu
