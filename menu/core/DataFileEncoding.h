// How Data.dat's bytes say its texts. A file that starts with the UTF-8 byte-order mark is UTF-8;
// any other file is in the ANSI code page of the PC, as every file before UTF-8 was. A list whose
// texts are all plain ASCII is written without the mark (the same bytes in either encoding, and
// the same file older versions wrote); any other list is written as UTF-8 with the mark, since an
// ANSI byte above 127 means different characters on PCs with different code pages.
//
// A UTF-8 file's bytes are taken as they are, including any that are not valid UTF-8 (a file
// changed by an editor that wrote in another encoding): the window shows those as the replacement
// character, and a save writes them back unchanged instead of losing them.
#pragma once

#include "menu/core/DataFile.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::menu {

enum class DataFileEncoding : std::uint8_t { AnsiCodePage, Utf8 };

inline constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

// A file's encoding and its records' text (after the mark, when it has one).
struct DataFileText {
    DataFileEncoding encoding;
    std::string_view records;
};
DataFileText SplitDataFile(std::string_view contents) noexcept;

// Builds a whole file from UTF-8 records, choosing the encoding as it goes: the bytes are the
// records, preceded by the mark once a text is not plain ASCII. The records are never converted,
// so the plain ASCII list costs what it cost before there was a choice.
class DataFileWriter {
  public:
    DataFileWriter();

    // Room for `recordBytes` more bytes of records, so that a large list is not grown by doubling.
    void Reserve(std::size_t recordBytes);
    void Append(std::span<const std::string_view> fields);

    [[nodiscard]] DataFileEncoding Encoding() const noexcept {
        return plainAscii_ ? DataFileEncoding::AnsiCodePage : DataFileEncoding::Utf8;
    }
    // The file's bytes, valid until the next Append.
    [[nodiscard]] std::string_view Bytes() const noexcept;

  private:
    std::string bytes_;  // the mark, always, then the records; Bytes() leaves the mark out when unused
    bool plainAscii_ = true;
};

// Convenience forms over whole lists (tests, benchmarks, fuzzing): the file of UTF-8 records, and
// the records of a file whose ANSI texts are plain ASCII or that is UTF-8.
std::string EncodeDataFile(const std::vector<EntryFields>& records);
std::vector<EntryFields> DecodeDataFile(std::string_view contents);

}  // namespace corvane::menu
