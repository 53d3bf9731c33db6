// Putting text on the clipboard, as Unicode text any program can paste.
#pragma once

#include <windows.h>

#include <string_view>

namespace corvane::usbview {

// Replaces the clipboard's contents with `text` (UTF-8). Returns ERROR_SUCCESS or the failing step's
// error (another program holding the clipboard open, no memory).
DWORD CopyTextToClipboard(HWND owner, std::string_view text);

}  // namespace corvane::usbview
