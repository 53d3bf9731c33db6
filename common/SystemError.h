// The platform's own description of a failure, as the programs show it to the user.
#pragma once

#include <windows.h>

#include <string>

namespace corvane {

// FormatMessage's text for a Win32 error code without its trailing line break; "Error N" when the
// system has no text for the code.
std::string SystemErrorText(DWORD error);

}  // namespace corvane
