// The lines of a text. A line ends at CR LF, at a CR alone or at an LF alone; a text that ends in a
// line end has no empty line after it, and the empty text has no lines.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane::menu {

// The position of the first CR or LF at or after `pos`, or the text's size. Writing a list, and
// splitting one without SSE2, look for every line end here, so the text is scanned eight bytes at a
// time: a byte equal to CR or LF becomes zero after the XOR, and (w - 0x01..) & ~w & 0x80.. marks
// zero bytes. Marks can be wrong only above a true zero byte, so the lowest mark (the first byte, on
// a little-endian machine) is a true line end. It is inline because the writer calls it for every
// field: out of line, encoding a large list took 5 to 10% longer.
inline std::size_t FindLineEnd(std::string_view text, std::size_t pos) {
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

// The number of lines ForEachLine hands out.
std::size_t CountLines(std::string_view text);

namespace text_lines {

// Where the line after the line end at `end` starts: a CR LF is a single line end.
inline std::size_t NextLineStart(std::string_view text, std::size_t end) {
    const std::size_t next = end + 1;
    return text[end] == '\r' && next < text.size() && text[next] == '\n' ? next + 1 : next;
}

#if defined(__SSE2__)

// With SSE2 the text is taken in blocks of 64 bytes (four 16-byte compares), one bit per byte. Each
// block ends in a loop exit that no branch predictor foresees, so fewer, larger blocks split faster.
inline constexpr std::size_t kBlockSize = 64;
using BlockBits = std::uint64_t;

// One bit per byte of the 16 in `chunk`, set where the byte equals the one repeated in `bytes`.
inline BlockBits BytesEqual(__m128i chunk, __m128i bytes) {
    return static_cast<BlockBits>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, bytes))));
}

// The bits of the block at `block` that mark a line end: every CR, and every LF that does not follow
// a CR (the LF of a CR LF belongs to the CR's line end). The last, partial block is copied into a
// zeroed one first, so that no load reads past the end of the text.
inline BlockBits LineEndBits(std::string_view text, std::size_t block) {
    const char* bytes = text.data() + block;
    alignas(16) char tail[kBlockSize];
    if (text.size() - block < kBlockSize) {
        std::memset(tail, 0, sizeof tail);
        std::memcpy(tail, bytes, text.size() - block);
        bytes = tail;
    }
    const __m128i crs = _mm_set1_epi8('\r');
    const __m128i lfs = _mm_set1_epi8('\n');
    BlockBits cr = 0;
    BlockBits lf = 0;
    for (std::size_t i = 0; i < kBlockSize; i += 16) {
        const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
        cr |= BytesEqual(chunk, crs) << i;
        lf |= BytesEqual(chunk, lfs) << i;
    }
    const BlockBits crBefore = (cr << 1) | (block > 0 && text[block - 1] == '\r' ? 1U : 0U);
    return cr | (lf & ~crBefore);
}

#endif

}  // namespace text_lines

// Hands every line of `text` to `onLine` as a std::string_view, in order. Splitting is most of the
// cost of loading a list. With SSE2, one pass over a block finds all of its line ends at once, and
// its lines are then read off the bits with a count of trailing zeros each instead of a scan of their
// own; without it (the i686 programs), each line is found by FindLineEnd.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
#if defined(__SSE2__)
    using namespace text_lines;
    std::size_t start = 0;
    for (std::size_t block = 0; block < text.size(); block += kBlockSize) {
        for (BlockBits ends = LineEndBits(text, block); ends != 0; ends &= ends - 1) {
            const std::size_t end = block + static_cast<std::size_t>(std::countr_zero(ends));
            onLine(std::string_view(text.data() + start, end - start));
            start = NextLineStart(text, end);
        }
    }
    if (start < text.size()) {
        onLine(text.substr(start));  // the last line has no line end
    }
#else
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = FindLineEnd(text, start);
        onLine(text.substr(start, end - start));
        start = end < text.size() ? text_lines::NextLineStart(text, end) : end;
    }
#endif
}

}  // namespace corvane::menu
