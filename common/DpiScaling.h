// What a window needs to follow the DPI of its monitor: its DPI when created, the system metrics at
// that DPI, and the move Windows asks for when the window reaches a monitor of another DPI.
#pragma once

#include <windows.h>

namespace corvane {

// The DPI of the monitor the window is on (the system DPI on systems without per-monitor awareness,
// and for a null window).
int WindowDpi(HWND hwnd) noexcept;

// GetSystemMetrics for a window at `dpi` (icon and cursor sizes, frame widths). Systems before
// Windows 10 1607 have one DPI for everything: their metrics are scaled from the system DPI.
int SystemMetricForDpi(int index, int dpi) noexcept;

// AdjustWindowRectEx with the frame, caption and menu bar drawn for `dpi`. Systems before Windows 10
// 1607 draw them for the system DPI.
void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) noexcept;

// WM_GETDPISCALEDSIZE: Windows 10 1703 and later ask a per-monitor window for its size at a new DPI
// before they suggest a rectangle; the headers name it only for programs built for that version.
inline constexpr UINT kGetDpiScaledSize = 0x02E4;

// The new DPI a WM_DPICHANGED carries (its wParam; the X and Y values are always the same).
int DpiOfChange(WPARAM wParam) noexcept;

// Moves and sizes a window to the rectangle a WM_DPICHANGED suggests (its lParam). Taking that
// rectangle as it is keeps the window from jumping back across the monitors' border.
void MoveToSuggestedRect(HWND hwnd, LPARAM suggested) noexcept;

}  // namespace corvane
