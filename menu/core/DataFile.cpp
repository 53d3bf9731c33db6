#include "menu/core/DataFile.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace corvane::menu {
namespace {

// The position of the first CR or LF at or after `pos`, or the text's size. Splitting is most of the
// cost of loading a list, so the text is scanned eight bytes at a time: a byte equal to CR or LF
// becomes zero after the XOR, and (w - 0x01..) & ~w & 0x80.. marks zero bytes. Marks can be wrong
// only above a true zero byte, so the lowest mark (the first byte, on a little-endian machine) is a
// true line end.
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

// Where the line after the line end at `end` starts: a CR LF is a single line end.
std::size_t NextLineStart(std::string_view text, std::size_t end) {
    const std::size_t next = end + 1;
    return text[end] == '\r' && next < text.size() && text[next] == '\n' ? next + 1 : next;
}

#if defined(__SSE2__)

// With SSE2 the text is taken in blocks of 64 bytes (four 16-byte compares), one bit per byte. Each
// block ends in a loop exit that no branch predictor foresees, so larger blocks split faster: 64
// bytes loaded a large list in about four fifths of the time 16 bytes took.
constexpr std::size_t kBlockSize = 64;
using BlockBits = std::uint64_t;

// The bits of the block at `block` that mark a line end: every CR, and every LF that does not follow
// a CR (the LF of a CR LF belongs to the CR's line end). The last, partial block is copied into a
// zeroed one first, so that no load reads past the end of the text.
BlockBits LineEndBits(std::string_view text, std::size_t block) {
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
        cr |= static_cast<BlockBits>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, crs)))) << i;
        lf |= static_cast<BlockBits>(static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, lfs)))) << i;
    }
    const BlockBits crBefore = (cr << 1) | (block > 0 && text[block - 1] == '\r' ? 1U : 0U);
    return cr | (lf & ~crBefore);
}

// Hands every line of `text` to `onLine`, in order. Splitting is most of the cost of loading a list:
// one pass over a block finds all of its line ends at once, and its lines are then read off the bits
// with a count of trailing zeros each, instead of a scan of their own.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
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
}

#else

// Hands every line of `text` to `onLine`, in order, each found by a scan of its own.
template <typename OnLine>
void ForEachLine(std::string_view text, OnLine&& onLine) {
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = FindLineEnd(text, start);
        onLine(text.substr(start, end - start));
        start = end < text.size() ? NextLineStart(text, end) : end;
    }
}

#endif

}  // namespace

void AppendRecord(std::string& out, std::span<const std::string_view> fields) {
    for (const std::string_view field : fields) {
        // Runs without a line end are appended whole; a CR or LF between them becomes a space.
        std::size_t pos = 0;
        for (;;) {
            const std::size_t end = FindLineEnd(field, pos);
            out.append(field.substr(pos, end - pos));
            if (end == field.size()) {
                break;
            }
            out.push_back(' ');
            pos = end + 1;
        }
        out.append("\r\n");
    }
}

void ForEachRecord(std::string_view text, std::size_t fieldCount,
                   const std::function<void(std::span<const std::string_view>)>& onRecord) {
    if (fieldCount == 0) {
        return;
    }
    std::vector<std::string_view> fields(fieldCount);
    std::size_t filled = 0;
    ForEachLine(text, [&](std::string_view line) {
        fields[filled] = line;
        if (++filled == fieldCount) {
            onRecord(fields);
            filled = 0;
        }
    });
    if (filled > 0) {
        // A truncated last record: its missing fields are empty.
        std::fill(fields.begin() + static_cast<std::ptrdiff_t>(filled), fields.end(), std::string_view{});
        onRecord(fields);
    }
}

std::size_t CountRecords(std::string_view text, std::size_t fieldCount) {
    if (fieldCount == 0) {
        return 0;
    }
    std::size_t lines = 0;
    ForEachLine(text, [&](std::string_view) { ++lines; });
    return (lines + fieldCount - 1) / fieldCount;
}

std::string EncodeRecords(const std::vector<EntryFields>& records) {
    // Reserved up front: growing a multi-megabyte list by doubling costs more than encoding it.
    std::size_t bytes = 0;
    for (const auto& record : records) {
        for (const std::string& field : record) {
            bytes += field.size() + 2;
        }
    }
    std::string out;
    out.reserve(bytes);
    std::vector<std::string_view> views;
    for (const auto& record : records) {
        views.assign(record.begin(), record.end());
        AppendRecord(out, views);
    }
    return out;
}

std::vector<EntryFields> DecodeRecords(std::string_view text, std::size_t fieldCount) {
    std::vector<EntryFields> records;
    ForEachRecord(text, fieldCount, [&](std::span<const std::string_view> fields) {
        records.emplace_back(fields.begin(), fields.end());
    });
    return records;
}

}  // namespace corvane::menu
