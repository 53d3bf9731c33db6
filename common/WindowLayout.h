// Placing controls from their twips positions at the window's DPI, and the fonts they use.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

namespace corvane {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// The DPI of the monitor the window is on (96 on systems without per-monitor awareness).
int WindowDpi(HWND hwnd) noexcept;

// Creates a child control at a twips position (a Unicode window; `text` is UTF-8). `id` is the
// control id (menu parameter).
HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle,
                 const TwipsRect& place, int id, int dpi) noexcept;

// One row of a window's table of controls. Windows list their controls in tab order and create them
// from the table in WM_CREATE.
struct ControlSpec {
    int id;
    const char* className;
    const char* text;
    DWORD style;  // WS_CHILD and WS_VISIBLE are added
    DWORD exStyle;
    TwipsRect place;
};

// Creates the child a table row describes.
HWND CreateChild(HWND parent, const ControlSpec& control, int dpi) noexcept;

// Moves a child to a twips position.
void PlaceChild(HWND child, const TwipsRect& place, int dpi) noexcept;

// The user's message-box font at the given DPI, as Windows dialogs use it.
UniqueFont CreateDialogFont(int dpi, bool underline = false, bool bold = false) noexcept;

// Sets `font` on every child of `parent`.
void ApplyFontToChildren(HWND parent, HFONT font) noexcept;

// Moves a window so that it is centred on the work area of its monitor.
void CentreOnScreen(HWND hwnd) noexcept;

// Resizes a top-level window so that its client area is `width` by `height` twips.
void SetClientSizeTwips(HWND hwnd, int width, int height, int dpi) noexcept;

}  // namespace corvane
