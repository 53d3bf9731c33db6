// Autorun.inf as bytes on the drive: how the wizard reads any form the creator writes, and the one
// place that decides the bytes it writes.
#pragma once

#include "tendwell/core/AutorunInf.h"

#include <string>
#include <string_view>

namespace corvane::tendwell {

// The file's text as UTF-8: UTF-16LE when it has the byte order mark, else the ANSI code page.
std::string AutorunFileText(std::string_view bytes);

// The bytes of the Autorun.inf the creator writes for these labels (held as UTF-8). Every file the
// wizard writes goes through here, so that it follows the creator's format in one place: today the
// creator's nine lines in the ANSI code page.
std::string AutorunFileBytes(const AutorunLabels& labels);

// False when AutorunFileBytes cannot keep every character of the labels (today: one the ANSI code
// page lacks becomes the system's stand-in), so that the list the user confirms can say so.
bool AutorunFileKeepsLabels(const AutorunLabels& labels);

}  // namespace corvane::tendwell
