// Text helpers for the programs' single-byte (ANSI code page) strings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// A field that must stay on one line: every CR and LF becomes a space.
std::string LineBreaksToSpaces(std::string_view text);

std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);

// Replaces every occurrence of `what` (compared without regard to ASCII letter case) by `with`.
std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view what, std::string_view with);

// A whole decimal number with optional surrounding blanks and sign; nullopt for anything else
// (empty, letters, a decimal part, out of range).
std::optional<long long> ParseWholeNumber(std::string_view text);

}  // namespace corvane
