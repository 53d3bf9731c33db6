// Data.dat: any file text reads without harm into whole records, and entries written and read back
// keep their rows; a field's line break can never add a line. Any file reads as UTF-8 exactly when
// it starts with the UTF-8 mark; a list is written as those same records, after the mark unless all
// its texts are plain ASCII, and reads back as the same rows whatever the characters.
#include "common/core/PlainAscii.h"
#include "fuzz/FuzzSupport.h"
#include "menu/core/DataFile.h"
#include "menu/core/DataFileEncoding.h"

#include <algorithm>
#include <string>

using namespace corvane::menu;

namespace {

std::size_t CountCrLf(std::string_view text) {
    std::size_t count = 0;
    for (auto pos = text.find("\r\n"); pos != std::string_view::npos; pos = text.find("\r\n", pos + 2)) {
        ++count;
    }
    return count;
}

std::size_t CountLineBreakBytes(std::string_view text) {
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }));
}

// The text with each of its line ends (CR LF, CR or LF) made one LF, and an LF added after a last
// line that has none: the lines a reader must find, each followed by an LF.
std::string LinesEachEndedByLf(std::string_view text) {
    std::string lines;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r') {
            lines += text[i];
            continue;
        }
        lines += '\n';
        if (i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
    }
    if (!lines.empty() && lines.back() != '\n') {
        lines += '\n';
    }
    return lines;
}

// Whatever the file holds: every record is whole, no field holds a line end, the fields are the
// text's lines in order (then the empty fields of a truncated last record), the count agrees with
// the records handed out, and what was read is written back to text that reads the same again.
void ReadAnyText(std::string_view text) {
    const DataFileText file = SplitDataFile(text);
    const bool marked = text.starts_with(kUtf8ByteOrderMark);
    FUZZ_REQUIRE(file.encoding == (marked ? DataFileEncoding::Utf8 : DataFileEncoding::AnsiCodePage));
    FUZZ_REQUIRE(file.records == (marked ? text.substr(kUtf8ByteOrderMark.size()) : text));

    const std::string lines = LinesEachEndedByLf(text);
    for (std::size_t fieldCount = 1; fieldCount <= kEntryFieldCount + 1; ++fieldCount) {
        const auto records = DecodeRecords(text, fieldCount);
        FUZZ_REQUIRE(records.size() == CountRecords(text, fieldCount));
        FUZZ_REQUIRE(text.empty() == records.empty());
        std::string fields;
        for (const auto& record : records) {
            FUZZ_REQUIRE(record.size() == fieldCount);
            for (const auto& field : record) {
                FUZZ_REQUIRE(!corvane::fuzz::HasLineBreak(field));
                fields += field;
                fields += '\n';
            }
        }
        FUZZ_REQUIRE(fields.starts_with(lines));
        const std::string_view padding = std::string_view(fields).substr(lines.size());
        FUZZ_REQUIRE(padding.size() < fieldCount &&
                     padding.find_first_not_of('\n') == std::string_view::npos);
        if (fieldCount == kEntryFieldCount) {
            FUZZ_REQUIRE(DecodeRecords(EncodeRecords(records)) == records);
        }
    }
}

// Entries made of the input's texts: the file has exactly one CR LF line per field and no other
// line end, and reading it back gives the same rows, a line break in a field turned into a space.
void WriteAndReadBack(corvane::fuzz::FuzzFields& fields) {
    std::vector<EntryFields> entries;
    while (!fields.Empty()) {
        EntryFields entry;
        for (std::size_t i = 0; i < kEntryFieldCount; ++i) {
            entry.emplace_back(fields.Next());
        }
        entries.push_back(std::move(entry));
    }
    const std::string text = EncodeRecords(entries);
    bool plainAscii = true;
    for (const EntryFields& entry : entries) {
        plainAscii = plainAscii && std::all_of(entry.begin(), entry.end(), corvane::IsPlainAscii);
    }
    const std::string file = EncodeDataFile(entries);
    FUZZ_REQUIRE(file == (plainAscii ? text : std::string(kUtf8ByteOrderMark) + text));
    FUZZ_REQUIRE(DecodeDataFile(file) == DecodeRecords(text));
    FUZZ_REQUIRE(CountCrLf(text) == entries.size() * kEntryFieldCount);
    FUZZ_REQUIRE(CountLineBreakBytes(text) == 2 * entries.size() * kEntryFieldCount);
    FUZZ_REQUIRE(entries.empty() == text.empty());

    const auto readBack = DecodeRecords(text);
    FUZZ_REQUIRE(readBack.size() == entries.size());
    for (std::size_t row = 0; row < entries.size(); ++row) {
        for (std::size_t column = 0; column < kEntryFieldCount; ++column) {
            const std::string& written = entries[row][column];
            const std::string& read = readBack[row][column];
            if (!corvane::fuzz::HasLineBreak(written)) {
                FUZZ_REQUIRE(read == written);
                continue;
            }
            FUZZ_REQUIRE(read.size() == written.size());
            for (std::size_t i = 0; i < read.size(); ++i) {
                const bool lineBreak = written[i] == '\r' || written[i] == '\n';
                FUZZ_REQUIRE(read[i] == (lineBreak ? ' ' : written[i]));
            }
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReadAnyText(std::string_view(reinterpret_cast<const char*>(data), size));
    corvane::fuzz::FuzzFields fields(data, size);
    WriteAndReadBack(fields);
    return 0;
}
