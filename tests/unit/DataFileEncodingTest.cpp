#include "menu/core/DataFileEncoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace corvane::menu {
namespace {

using Records = std::vector<EntryFields>;

const std::string kBom(kUtf8ByteOrderMark);

// A list of plain ASCII texts is written exactly as the records always were, without the mark; a
// single text beyond ASCII, in any field, makes the file UTF-8 with the mark, its texts unchanged.
TEST(DataFileEncoding, AsciiListsKeepTheirBytesAndOthersAreUtf8WithTheMark) {
    struct Case {
        const char* what;
        Records records;
        DataFileEncoding expected;
    };
    const std::vector<Case> cases = {
        {"empty list", {}, DataFileEncoding::AnsiCodePage},
        {"plain ASCII",
         {{"Notepad", "Apps\\Notepad\\notepad.exe", ""}, {"Share", "\\\\s\\t.exe", "%drive% %dir%"}},
         DataFileEncoding::AnsiCodePage},
        {"ASCII line breaks", {{"Two\r\nlines", "x.exe", "/a\n/b"}}, DataFileEncoding::AnsiCodePage},
        {"name", {{"Caf\xC3\xA9", "cafe.exe", ""}}, DataFileEncoding::Utf8},
        {"target of a later entry",
         {{"A", "a.exe", ""}, {"B", "E:\\\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE\\b.exe", ""}},  // Фото
         DataFileEncoding::Utf8},
        {"switch with an emoji", {{"A", "a.exe", "/title=\xF0\x9F\x8E\xB5"}}, DataFileEncoding::Utf8},
        {"a byte that is not UTF-8", {{"Caf\xE9", "c.exe", ""}}, DataFileEncoding::Utf8},
    };
    for (const Case& c : cases) {
        DataFileWriter writer;
        for (const EntryFields& record : c.records) {
            const std::vector<std::string_view> fields(record.begin(), record.end());
            writer.Append(fields);
        }
        EXPECT_EQ(writer.Encoding(), c.expected) << c.what;
        const std::string records = EncodeRecords(c.records);
        EXPECT_EQ(writer.Bytes(), c.expected == DataFileEncoding::Utf8 ? kBom + records : records) << c.what;
        EXPECT_EQ(EncodeDataFile(c.records), writer.Bytes()) << c.what;
    }
}

// The mark, and only a whole mark at the very start, makes a file UTF-8; one mark is taken off.
TEST(DataFileEncoding, OnlyALeadingMarkMakesAFileUtf8) {
    struct Case {
        std::string contents;
        DataFileEncoding encoding;
        std::string records;
    };
    const std::vector<Case> cases = {
        {"", DataFileEncoding::AnsiCodePage, ""},
        {"Caf\xE9\r\nc.exe\r\n\r\n", DataFileEncoding::AnsiCodePage, "Caf\xE9\r\nc.exe\r\n\r\n"},
        {"\xEF\xBB", DataFileEncoding::AnsiCodePage, "\xEF\xBB"},
        {"A\r\n" + kBom, DataFileEncoding::AnsiCodePage, "A\r\n" + kBom},
        {kBom, DataFileEncoding::Utf8, ""},
        {kBom + "A\r\na.exe\r\n\r\n", DataFileEncoding::Utf8, "A\r\na.exe\r\n\r\n"},
        {kBom + kBom + "A", DataFileEncoding::Utf8, kBom + "A"},
    };
    for (const Case& c : cases) {
        const DataFileText file = SplitDataFile(c.contents);
        EXPECT_EQ(file.encoding, c.encoding) << c.contents;
        EXPECT_EQ(file.records, c.records) << c.contents;
    }
}

// Whatever the characters, a list written and read back is the same list, bytes that are not
// UTF-8 and a first text that starts with the mark's own character included.
TEST(DataFileEncoding, ListsOfAnyCharactersComeBackAsTheyWere) {
    const std::vector<Records> lists = {
        {},
        {{"", "", ""}},
        {{"Notepad", "Apps\\notepad.exe", "/s"}},
        {{"\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE", "E:\\\xCE\xB1\xCE\xB2\\\xCE\xB3.exe", ""},  // Фото, αβ\γ
         {"\xE5\x86\x99\xE7\x9C\x9F", "\xE8\xA1\xA8\\\xE3\x82\xBD.exe", "%dir%"},         // 写真, 表\ソ
         {"\xD8\xB5\xD9\x88\xD8\xB1", "a.exe", "/m=\xF0\x9F\x8E\xB5\xF0\x9F\x98\x80"}},   // صور, 🎵😀
        {{"\xEF\xBB\xBFStarts with the mark", "x.exe", ""}},
        {{"Caf\xE9", "\xFF\xFE", "\x80"}},
    };
    for (const Records& list : lists) {
        EXPECT_EQ(DecodeDataFile(EncodeDataFile(list)), list) << EncodeDataFile(list);
    }
}

}  // namespace
}  // namespace corvane::menu
