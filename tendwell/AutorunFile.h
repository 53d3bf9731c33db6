// Autorun.inf as bytes on the drive: how the wizard reads any form the creator writes, and the one
// place that decides the bytes it writes.
#pragma once

#include "tendwell/core/AutorunInf.h"

#include <string>
#include <string_view>

namespace corvane::tendwell {

// The file's text as UTF-8: UTF-16LE when it has the byte order mark, else the ANSI code page.
std::string AutorunFileText(std::string_view bytes);

// The bytes of the Autorun.inf the creator writes for these labels (held as UTF-8): every file the
// wizard writes goes through here, so that it follows the creator's format, which keeps every
// character (UTF-16 when a label is not plain ASCII).
std::string AutorunFileBytes(const AutorunLabels& labels);

}  // namespace corvane::tendwell
