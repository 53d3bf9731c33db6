// Data.dat's encodings: whatever the characters, a list written and read back is the same list (a
// line break in a field turned into a space); a list of plain ASCII texts is written byte for byte
// as the records always were, and any other list is exactly those records after the UTF-8 mark; any
// file reads as UTF-8 exactly when it starts with the mark.
#include "common/core/AnsiText.h"
#include "common/core/PlainAscii.h"
#include "fuzz/FuzzSupport.h"
#include "menu/core/DataFileEncoding.h"

using namespace corvane::menu;

namespace {

void ReadAnyFile(std::string_view contents) {
    const DataFileText file = SplitDataFile(contents);
    const bool marked = contents.starts_with(kUtf8ByteOrderMark);
    FUZZ_REQUIRE(file.encoding == (marked ? DataFileEncoding::Utf8 : DataFileEncoding::AnsiCodePage));
    FUZZ_REQUIRE(file.records == (marked ? contents.substr(kUtf8ByteOrderMark.size()) : contents));
}

void WriteAndReadBack(corvane::fuzz::FuzzFields& fields) {
    std::vector<EntryFields> entries;
    std::vector<EntryFields> expected;  // as they read back: a line break in a field is a space
    bool plainAscii = true;
    while (!fields.Empty()) {
        EntryFields entry;
        EntryFields spaced;
        for (std::size_t i = 0; i < kEntryFieldCount; ++i) {
            const std::string_view field = fields.Next();
            plainAscii = plainAscii && corvane::IsPlainAscii(field);
            entry.emplace_back(field);
            spaced.push_back(corvane::LineBreaksToSpaces(field));
        }
        entries.push_back(std::move(entry));
        expected.push_back(std::move(spaced));
    }
    const std::string file = EncodeDataFile(entries);
    FUZZ_REQUIRE(DecodeDataFile(file) == expected);

    const std::string oldForm = EncodeRecords(entries);
    FUZZ_REQUIRE(file == (plainAscii ? oldForm : std::string(kUtf8ByteOrderMark) + oldForm));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ReadAnyFile(std::string_view(reinterpret_cast<const char*>(data), size));
    corvane::fuzz::FuzzFields fields(data, size);
    WriteAndReadBack(fields);
    return 0;
}
