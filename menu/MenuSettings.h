// The menu's two remembered settings in Settings.ini: the window size and the on-run option.
#pragma once

#include "menu/core/SettingsValues.h"

#include <windows.h>

#include <optional>
#include <string>

namespace corvane::menu {

// Start-up: sets the window's size from the file, height read first (defaults written back when
// missing). A value that is not a number counts as the default; a size out of reach is clamped to
// the work area on screen while the file keeps what it holds.
void ApplyStoredWindowSize(HWND window, const std::string& settingsFile);

// Unload: writes height, then width, in twips, but only while the window is in its normal state.
void StoreWindowSize(HWND window, const std::string& settingsFile);

// The stored on-run option; nullopt when the file holds 0 or anything else that selects none.
std::optional<OnRunOption> StoredRunOption(const std::string& settingsFile);

// Writes the option at once (the on-run commands).
void StoreRunOption(OnRunOption option, const std::string& settingsFile);

}  // namespace corvane::menu
