// Tool tips for controls: one tip window per owner, each tool a control of that owner.
#pragma once

#include <windows.h>

namespace corvane {

// Creates a tip window owned by `owner` (destroyed with it) that shows its tools' tips even when the
// owner is not active. Null on failure.
HWND CreateToolTip(HWND owner) noexcept;

// Shows `text` over `control` (a child of `owner`); LPSTR_TEXTCALLBACKA asks `owner` for it with
// TTN_GETDISPINFOA on every showing. The text is copied, unless it is the callback.
bool AddToolTip(HWND toolTip, HWND owner, HWND control, const char* text) noexcept;

}  // namespace corvane
