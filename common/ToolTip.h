// Tool tips for controls: one tip window per owner, each tool a control of that owner.
#pragma once

#include <windows.h>

#include <string_view>

namespace corvane {

// Creates a tip window owned by `owner` (destroyed with it) that shows its tools' tips even when the
// owner is not active. Null on failure.
HWND CreateToolTip(HWND owner) noexcept;

// Shows `text` (UTF-8, copied by the tip) over `control`, a child of `owner`.
bool AddToolTip(HWND toolTip, HWND owner, HWND control, std::string_view text);

// Shows a tip over `control` whose text `owner` gives with TTN_GETDISPINFOW on every showing.
bool AddToolTipAskingOwner(HWND toolTip, HWND owner, HWND control) noexcept;

}  // namespace corvane
