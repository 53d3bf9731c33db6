// The menu's icon in the notification area: put up at start-up, taken down at shut-down, the way
// back to a window that hides itself when minimised.
#pragma once

#include <windows.h>

namespace corvane::menu::modTray {

// The private message the icon's notifications arrive with; lParam holds the mouse message.
inline constexpr UINT kTrayNotification = WM_APP + 1;

// Registers the icon (identifier 1) for `window` with `icon` and the tip `tip` (cut at 63
// characters). Failures of the platform call are ignored.
void AddTrayIcon(HWND window, HICON icon, const char* tip) noexcept;

// Replaces the picture of the icon of `window` (after a change of DPI); the tip stays.
void ChangeTrayIcon(HWND window, HICON icon) noexcept;

// Removes the icon of `window`; nothing happens when it is already gone.
void RemoveTrayIcon(HWND window) noexcept;

// Minimises the window; its resize handling then hides it, leaving only the icon.
void MinimizeToTray(HWND window) noexcept;

// Brings the window to the foreground and shows it in its normal state.
void RestoreFromTray(HWND window) noexcept;

// Pops up `menu` at the mouse position for the icon of `window`; the menu closes when the user
// clicks elsewhere. Commands go to `window` as WM_COMMAND.
void ShowTrayMenu(HWND window, HMENU menu) noexcept;

}  // namespace corvane::menu::modTray
