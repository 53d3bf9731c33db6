#include "menu/core/TextLines.h"

namespace corvane::menu {

// Writing a list and splitting it without SSE2 look for every line end here, so the text is scanned
// eight bytes at a time: a byte equal to CR or LF becomes zero after the XOR, and
// (w - 0x01..) & ~w & 0x80.. marks zero bytes. Marks can be wrong only above a true zero byte, so the
// lowest mark (the first byte, on a little-endian machine) is a true line end.
std::size_t FindLineEnd(std::string_view text, std::size_t pos) {
    if constexpr (std::endian::native == std::endian::little) {
        constexpr std::uint64_t kOnes = 0x0101010101010101U;
        constexpr std::uint64_t kHighs = 0x8080808080808080U;
        for (; pos + sizeof(std::uint64_t) <= text.size(); pos += sizeof(std::uint64_t)) {
            std::uint64_t word = 0;
            std::memcpy(&word, text.data() + pos, sizeof word);
            const std::uint64_t cr = word ^ (kOnes * '\r');
            const std::uint64_t lf = word ^ (kOnes * '\n');
            const std::uint64_t marks = (((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHighs;
            if (marks != 0) {
                return pos + static_cast<std::size_t>(std::countr_zero(marks)) / 8;
            }
        }
    }
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') {
        ++pos;
    }
    return pos;
}

std::size_t CountLines(std::string_view text) {
#if defined(__SSE2__)
    // The menu counts a list's records before it fills its list view. Counting needs no walk over the
    // bits: a block holds as many line ends as it has bits set, which takes about half the time.
    std::size_t ends = 0;
    for (std::size_t block = 0; block < text.size(); block += text_lines::kBlockSize) {
        ends += static_cast<std::size_t>(std::popcount(text_lines::LineEndBits(text, block)));
    }
    // A last line without a line end counts too.
    const bool lastLineOpen = !text.empty() && text.back() != '\r' && text.back() != '\n';
    return ends + (lastLineOpen ? 1 : 0);
#else
    std::size_t lines = 0;
    ForEachLine(text, [&](std::string_view) { ++lines; });
    return lines;
#endif
}

}  // namespace corvane::menu
