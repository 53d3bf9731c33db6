// Saves what a window shows on screen as a .bmp beside the test program (folder "screenshots"),
// so that people can look at what the tests drove.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::test {

// Returns the path written, or empty text when the capture failed.
std::string SaveWindowScreenshot(HWND window, const std::string& name);

}  // namespace corvane::test
