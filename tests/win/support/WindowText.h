// Reading a window's text in tests, whether the window belongs to this process or another.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::test {

// The text of `window` by WM_GETTEXT (GetWindowText does not reach other processes under Wine).
// Empty when the window is gone or does not answer within five seconds.
std::string WindowText(HWND window);

}  // namespace corvane::test
