// Conversions for the few Windows interfaces Kindel calls that take only UTF-16 text (the signature
// checks, the shell's automation objects).
#pragma once

#include <string>

namespace corvane::start {

// Text in the system's ANSI code page (Kindel's paths) as UTF-16; empty when it cannot be converted.
std::wstring WideFromAnsi(const std::string& text);

// UTF-16 as UTF-8: unlike the ANSI code page, no character is replaced by a look-alike.
std::string Utf8FromWide(const std::wstring& text);

}  // namespace corvane::start
