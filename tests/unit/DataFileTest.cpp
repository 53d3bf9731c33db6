#include "menu/core/DataFile.h"

#include <gtest/gtest.h>

#include <random>

namespace corvane::menu {
namespace {

using Records = std::vector<EntryFields>;

TEST(DataFile, WritesThreeCrLfLinesPerEntryAndNothingForAnEmptyList) {
    EXPECT_EQ(EncodeRecords({}), "");
    const Records two = {{"Notepad", "Apps\\Notepad\\notepad.exe", ""}, {"Readme", "E:\\readme.txt", "/s"}};
    EXPECT_EQ(EncodeRecords(two),
              "Notepad\r\nApps\\Notepad\\notepad.exe\r\n\r\nReadme\r\nE:\\readme.txt\r\n/s\r\n");
}

TEST(DataFile, ReadsRecordsInFileOrder) {
    const auto records =
        DecodeRecords("Notepad\r\nApps\\notepad.exe\r\n\r\nReadme\r\nE:\\readme.txt\r\n/s\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0], (EntryFields{"Notepad", "Apps\\notepad.exe", ""}));
    EXPECT_EQ(records[1][0], "Readme");  // the fourth line is the second entry's name
    EXPECT_EQ(records[1][2], "/s");
    EXPECT_TRUE(DecodeRecords("").empty());
}

TEST(DataFile, AcceptsCrAloneAndLfAloneAsLineEnds) {
    EXPECT_EQ(DecodeRecords("a\rb\rc\r"), (Records{{"a", "b", "c"}}));
    EXPECT_EQ(DecodeRecords("a\nb\nc\n"), (Records{{"a", "b", "c"}}));
    EXPECT_EQ(DecodeRecords("a\r\nb\rc\n"), (Records{{"a", "b", "c"}}));
}

TEST(DataFile, TrailingEmptyLineLoadsOneMoreEmptyEntry) {
    EXPECT_EQ(DecodeRecords("a\r\nb\r\nc\r\n\r\n"), (Records{{"a", "b", "c"}, {"", "", ""}}));
}

TEST(DataFile, CountRecordsAgreesWithTheReader) {
    for (const char* text :
         {"", "a", "a\r\nb\r\nc\r\n", "a\r\nb\r\nc\r\n\r\n", "a\rb\nc\r\nd", "\r\n\r\n\r\n\r\n"}) {
        EXPECT_EQ(CountRecords(text, kEntryFieldCount), DecodeRecords(text).size()) << text;
    }
}

TEST(DataFile, TruncatedLastRecordKeepsEarlierRowsAndEmptiesMissingFields) {
    EXPECT_EQ(DecodeRecords("a\r\nb\r\nc\r\nd\r\ne"), (Records{{"a", "b", "c"}, {"d", "e", ""}}));
    EXPECT_EQ(DecodeRecords("a\r\nb\r\nc\r\nd"), (Records{{"a", "b", "c"}, {"d", "", ""}}));
    EXPECT_EQ(DecodeRecords("only"), (Records{{"only", "", ""}}));
}

TEST(DataFile, LineBreaksInsideFieldsAreWrittenAsSpaces) {
    const Records pasted = {{"Two\r\nlines", "E:\\a\rb.exe", "/x\n/y"}, {"Next", "n.exe", ""}};
    const auto text = EncodeRecords(pasted);
    EXPECT_EQ(DecodeRecords(text), (Records{{"Two  lines", "E:\\a b.exe", "/x /y"}, {"Next", "n.exe", ""}}));
}

TEST(DataFile, OtherBytesPassThroughUnchanged) {
    const Records odd = {{"\xE9t\xE9 \t\"quoted\"", "  spaced  ", std::string("nul\0inside", 10)}};
    EXPECT_EQ(DecodeRecords(EncodeRecords(odd)), odd);
}

TEST(DataFile, FindsLineEndsAtEveryOffsetAmongBytesCloseToThem) {
    // Lines are scanned several bytes at a time: a line end must be found wherever it falls in a
    // block, and bytes one bit or one borrow away from CR and LF must never be taken for one.
    const std::string nearMisses("\x0B\x0C\x0E\x09\x00\x8A\x8D\x01\xFF\x2D", 10);
    for (std::size_t length = 0; length < 40; ++length) {
        std::string line;
        for (std::size_t i = 0; i < length; ++i) {
            line.push_back(nearMisses[(i * 7 + length) % nearMisses.size()]);
        }
        for (const char* end : {"\r\n", "\r", "\n"}) {
            const std::string text = line + end + "target" + end + line + end;
            EXPECT_EQ(DecodeRecords(text), (Records{{line, "target", line}})) << "length " << length;
            EXPECT_EQ(EncodeRecords(Records{{line, line + "\n" + line, ""}}),
                      line + "\r\n" + line + " " + line + "\r\n\r\n")
                << "length " << length;
        }
    }
}

// Records of one field each: a file's lines, one by one.
Records Lines(std::initializer_list<std::string> lines) {
    Records records;
    for (const std::string& line : lines) {
        records.push_back({line});
    }
    return records;
}

TEST(DataFile, FindsEveryKindOfLineEndWhereverItFallsInABlock) {
    // Lines are scanned a block of bytes at a time. A first line of every length up to more than two
    // 64-byte blocks moves each byte of "\r \r\n \n \n \r" across every block position and boundary:
    // a CR LF split between two blocks, a CR or an LF alone at the end or start of a block, the text
    // ending with a whole block or just before one.
    const std::string nearMisses("\x0B\x0C\x0E\x09\x8A\x8D\x01\xFF", 8);
    for (std::size_t length = 0; length < 140; ++length) {
        std::string first;
        for (std::size_t i = 0; i < length; ++i) {
            first.push_back(nearMisses[i % nearMisses.size()]);
        }
        const std::string ends = first + "\r\r\n\n\n\r";
        EXPECT_EQ(DecodeRecords(ends + "last", 1), Lines({first, "", "", "", "", "last"}))
            << "length " << length;
        EXPECT_EQ(DecodeRecords(ends, 1), Lines({first, "", "", "", ""})) << "length " << length;
        EXPECT_EQ(DecodeRecords(ends + "last"), (Records{{first, "", ""}, {"", "", "last"}}))
            << "length " << length;
        EXPECT_EQ(DecodeRecords(ends), (Records{{first, "", ""}, {"", "", ""}})) << "length " << length;
        EXPECT_EQ(CountRecords(ends + "last", 1), 6u) << "length " << length;
        EXPECT_EQ(CountRecords(ends, 1), 5u) << "length " << length;
    }
}

TEST(DataFile, ReadsBlocksFullOfLineEnds) {
    // Runs of nothing but line ends, over several blocks: every byte of a block can end a line, and a
    // CR LF pair lands on each side of a block boundary in turn.
    for (const std::string end : {"\r\n", "\r", "\n"}) {
        for (std::size_t count = 0; count < 200; ++count) {
            std::string text;
            for (std::size_t i = 0; i < count; ++i) {
                text += end;
            }
            const Records empty(count, EntryFields{""});
            EXPECT_EQ(DecodeRecords(text, 1), empty) << "count " << count;
            EXPECT_EQ(CountRecords(text, 1), count) << "count " << count;
            Records withLast = empty;
            withLast.push_back({"x"});
            EXPECT_EQ(DecodeRecords(text + "x", 1), withLast) << "count " << count;
            EXPECT_EQ(CountRecords(text + "x", 1), count + 1) << "count " << count;
        }
    }
}

TEST(DataFile, RoundTripOverVariedFields) {
    std::mt19937 random(20261207);
    const std::string alphabet = std::string("abcXYZ019 \\:%.\t\"'") + "\xE9\xFF\x80" + "\r\n";
    for (int round = 0; round < 200; ++round) {
        Records records(random() % 8);
        Records expected;
        for (auto& record : records) {
            EntryFields fields;
            for (std::size_t f = 0; f < kEntryFieldCount; ++f) {
                std::string field(random() % 12, ' ');
                for (char& c : field) {
                    c = alphabet[random() % alphabet.size()];
                }
                fields.push_back(field);
            }
            record = fields;
            for (auto& field : fields) {
                for (char& c : field) {
                    c = (c == '\r' || c == '\n') ? ' ' : c;
                }
            }
            expected.push_back(fields);
        }
        const auto text = EncodeRecords(records);
        EXPECT_EQ(DecodeRecords(text), expected) << "round " << round;
        EXPECT_EQ(EncodeRecords(DecodeRecords(text)), text) << "round " << round;
    }
}

}  // namespace
}  // namespace corvane::menu
