// A window's or control's text as UTF-8, read whole however long it is, and set from UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace corvane {

// The whole text of `window` (empty when it has none or is gone). Never cut to a fixed buffer: a text
// of any length, even one pasted or loaded from a crafted file, comes back complete.
std::string WindowTextOf(HWND window);

// Sets the text of `window` (WM_SETTEXT); false when the window refused it.
bool SetWindowTextOf(HWND window, std::string_view text);

// Sets the text of the dialog item or child `id` of `parent`.
bool SetChildTextOf(HWND parent, int id, std::string_view text);

// MessageBox with UTF-8 texts; returns the button chosen (0 when the box could not be shown).
int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type);

}  // namespace corvane
