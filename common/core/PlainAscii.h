// Plain ASCII: the texts that are the same bytes in UTF-8, UTF-16's low bytes and every ANSI code
// page (the double-byte ones use only bytes above 127 to start a character). The files the programs
// write keep their old form for such texts.
#pragma once

#include <algorithm>
#include <string_view>

namespace corvane {

inline bool IsPlainAscii(std::string_view text) noexcept {
    return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

}  // namespace corvane
