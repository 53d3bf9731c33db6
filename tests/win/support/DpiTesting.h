// Windows at the DPIs of today's monitors. Wine reads the DPI (LogPixels of HKCU\Control Panel\Desktop,
// else of HKCC\Software\Fonts) once, when a process starts, and gives every monitor that DPI; it sends
// no WM_DPICHANGED of its own. So a window is tested at a DPI in a process started at it, and a change
// of DPI by the message Windows would send.
//
// A grouped test per window: the visible test calls RunAtEachDpi with the name of a disabled test,
// which then runs once in a child process at each DPI of kTestedDpis and checks the window there.
#pragma once

#include "common/WindowLayout.h"

#include <windows.h>

#include <array>
#include <functional>
#include <optional>
#include <span>
#include <string>

namespace corvane::test {

inline constexpr std::array<int, 4> kTestedDpis = {96, 120, 144, 192};

// A control and where its window's layout puts it, in twips of the client area.
struct PlacedControl {
    int id;
    TwipsRect place;
};

// Runs the test `disabledTest` ("Suite.DISABLED_Name") of this program in a child process at each of
// kTestedDpis, one after the other, and expects each run to pass. The prefix's LogPixels is set for
// each child's start and put back afterwards (the Wine tests run one at a time: RESOURCE_LOCK).
void RunAtEachDpi(const std::string& disabledTest);

// The DPI RunAtEachDpi started this process at; fails the test unless Wine gave the process that DPI.
int ProcessDpi();

// The DPI a test moves a window to from `dpi`: the next of kTestedDpis (192 goes back to 96).
int OtherDpi(int dpi);

// Sends `window` what Windows sends when the window reaches a monitor of `newDpi`: WM_GETDPISCALEDSIZE,
// then WM_DPICHANGED with the new DPI and a suggested rectangle at the same top left, of the size the
// window answered or else of its size scaled by newDpi / oldDpi.
void SendDpiChange(HWND window, int oldDpi, int newDpi);

// The size the window answers WM_GETDPISCALEDSIZE with for `dpi`, or nothing when it leaves the
// size to Windows.
std::optional<SIZE> ScaledSizeAnswer(HWND window, int dpi);

// Expects every control at its twips place at `dpi`, relative to the client area of `window`.
void ExpectPlacedAt(HWND window, std::span<const PlacedControl> controls, int dpi);

// Expects the control's font to be the dialog font at `dpi`: the message font's height scaled from
// the system DPI.
void ExpectDialogFontAt(HWND control, int dpi);

// What a window's DPI test looks at.
struct DpiLayout {
    std::span<const PlacedControl> controls;  // where the twips put them
    std::span<const int> fontControls;        // controls in the dialog font
    std::string screenshot;                   // name of the picture kept at 144 dpi
    std::function<void(int dpi)> alsoCheck;   // anything else that follows the DPI, or empty
    SIZE clientTwips{};                       // a fixed client area, or {0, 0} for a window sized otherwise
};

// The grouped check of one window in a process started at `dpi`: its controls where the twips put
// them and in the dialog font of that DPI (and a screenshot at 144 dpi); then, sent a change to
// OtherDpi(dpi), the same again at the new DPI, as a window created there has them.
void ExpectLayoutFollowsDpi(HWND window, int dpi, const DpiLayout& layout);

// The width in pixels an icon or cursor is drawn at (0 for none), and that of the icon a picture
// control (SS_ICON) of `window` shows.
int IconWidth(HICON icon);
int PictureIconWidth(HWND window, int id);

// Saves a screenshot of the window named "<name>-144dpi" when `dpi` is 144 (others are not kept).
void SaveScreenshotAt144(HWND window, const std::string& name, int dpi);

}  // namespace corvane::test
