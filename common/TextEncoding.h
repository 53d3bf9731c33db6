// Conversions between the encodings the programs meet: UTF-16 (what Windows speaks), UTF-8 (how the
// menu holds its texts) and the system's ANSI code page (how the drive's files are written today).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Text in the ANSI code page as UTF-8. A byte sequence the code page does not define is converted as
// the system converts it for the ANSI functions, so nothing is refused. (Plain ASCII, the same text
// in every encoding here, is common/core/PlainAscii.h.)
std::string Utf8FromAnsi(std::string_view text);

// UTF-8 as UTF-16, and back. Invalid UTF-8 becomes the replacement character.
std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// UTF-8 in the ANSI code page; a character the code page lacks becomes the system's stand-in for it.
std::string AnsiFromUtf8(std::string_view text);

// Text in the ANSI code page as UTF-8 when every byte sequence is a character of this PC's code
// page, else nothing: text written on a PC with another code page often holds sequences that this
// one does not define, and converting them would change the text for good. A byte the code page
// leaves undefined counts as not a character even where the system converts it to a C1 control
// character instead of refusing it.
std::optional<std::string> Utf8FromAnsiExactly(std::string_view text);

}  // namespace corvane
