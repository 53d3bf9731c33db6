// Text helpers for the programs' single-byte (ANSI code page) strings.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane {

// Tells whether a byte begins a two-byte character in the text's code page. On the double-byte ANSI
// code pages (932, 936, 949, 950) the second byte of a character can be any of many ASCII values,
// a backslash (0x5C) among them, so text is walked character by character, never byte by byte.
// Windows answers with IsDBCSLeadByte; NoLeadBytes is every single-byte code page.
using LeadByteTest = bool (*)(char);
bool NoLeadBytes(char);

// The byte position of the first character `c` at or after byte `from`, or npos. Only whole
// characters match: the second byte of a two-byte character never does.
std::size_t FindCharacter(std::string_view text, char c, std::size_t from, LeadByteTest isLead);

// The byte position of the last character `c`, or npos.
std::size_t FindLastCharacter(std::string_view text, char c, LeadByteTest isLead);

// True when the last character of the text is `c`.
bool EndsWithCharacter(std::string_view text, char c, LeadByteTest isLead);

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
