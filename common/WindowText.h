// Reading a window's or control's text whole, however long it is.
#pragma once

#include <windows.h>

#include <string>

namespace corvane {

// The whole text of `window` (empty when it has none or is gone). Never cut to a fixed buffer: a text
// of any length, even one pasted or loaded from a crafted file, comes back complete.
std::string WindowTextOf(HWND window);

}  // namespace corvane
