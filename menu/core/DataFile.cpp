#include "menu/core/DataFile.h"

#include <bit>
#include <cstdint>
#include <cstring>

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

// Reads one line from `text` at `pos` and moves `pos` past its line end.
std::string_view ReadLine(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    const std::size_t end = FindLineEnd(text, start);
    if (end == text.size()) {
        pos = text.size();
        return text.substr(start);
    }
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') {
        ++pos;
    }
    return text.substr(start, end - start);
}

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
    std::size_t pos = 0;
    while (pos < text.size()) {
        for (auto& field : fields) {
            field = pos < text.size() ? ReadLine(text, pos) : std::string_view{};
        }
        onRecord(fields);
    }
}

std::size_t CountRecords(std::string_view text, std::size_t fieldCount) {
    if (fieldCount == 0) {
        return 0;
    }
    std::size_t lines = 0;
    for (std::size_t pos = 0; pos < text.size(); ++lines) {
        ReadLine(text, pos);
    }
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
