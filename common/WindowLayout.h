// Placing controls from their twips positions at the window's DPI, and the fonts they use.
#pragma once

#include "common/DpiScaling.h"
#include "common/UniqueHandle.h"

#include <windows.h>

#include <span>

namespace corvane {

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

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

// Set `font` on every child of `parent`, or on one control, and hand it back to be kept for as long
// as they use it. Assigning the result over the font they used before deletes that one only once no
// control holds it any more (`font_ = WithFontOnChildren(hwnd, CreateDialogFont(dpi))`).
[[nodiscard]] UniqueFont WithFontOnChildren(HWND parent, UniqueFont font) noexcept;
[[nodiscard]] UniqueFont WithFontOn(HWND control, UniqueFont font) noexcept;

// Moves every control of a window's table to its twips position at `dpi`: the one placing of a
// window's controls, on creation and again whenever its DPI changes.
void PlaceChildren(HWND parent, std::span<const ControlSpec> controls, int dpi) noexcept;

// Where to create a window that opens on the monitor `reference` is on: the top left of that
// monitor's work area, so that the window is made at that monitor's DPI from the start.
// {CW_USEDEFAULT, CW_USEDEFAULT} without a reference.
POINT OpeningPointNear(HWND reference) noexcept;

// Moves a window so that it is centred on the work area of its monitor.
void CentreOnScreen(HWND hwnd) noexcept;

// The size of the whole window (frame, caption and menu bar drawn for `dpi`) whose client area is
// `width` by `height` twips at `dpi`.
SIZE WindowSizeForClientTwips(HWND hwnd, int width, int height, int dpi) noexcept;

// Resizes a top-level window so that its client area is `width` by `height` twips.
void SetClientSizeTwips(HWND hwnd, int width, int height, int dpi) noexcept;

}  // namespace corvane
