// Walking UTF-8 text one unit at a time: a unit is a whole character or, where the bytes are not
// valid UTF-8, one byte on its own. Texts from old files, other code pages or cut at a byte limit
// can hold such bytes; they must neither stop a walk nor be taken for characters they are not.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace corvane {

struct Utf8Unit {
    char32_t value;        // the code point, or kLoneByteBase + the byte
    std::uint32_t length;  // bytes taken, 1 to 4
};

// A lone byte's value lies among the UTF-16 low surrogates (0xDC80 to 0xDCFF), which valid UTF-8
// never encodes: a lone byte equals only the same lone byte, never a character.
inline constexpr char32_t kLoneByteBase = 0xDC00;

// The unit of a byte at or above 0x80 that starts at `at`, which must be before the end.
Utf8Unit DecodeMultiByteUnit(std::string_view text, std::size_t at) noexcept;

// The unit that starts at `at`, which must be before the end.
inline Utf8Unit DecodeUnit(std::string_view text, std::size_t at) noexcept {
    const auto lead = static_cast<unsigned char>(text[at]);
    return lead < 0x80 ? Utf8Unit{lead, 1} : DecodeMultiByteUnit(text, at);
}

// Appends the UTF-8 of a unit's value: a code point as its bytes, a lone byte as that byte.
void AppendUnit(char32_t value, std::string& text);

}  // namespace corvane
