#include "menu/EntryList.h"

#include "menu/ListSorting.h"
#include "menu/core/DataFileEncoding.h"

#include "common/UniqueHandle.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/TestEntries.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

namespace corvane::menu {
namespace {

using namespace corvane::test;

const std::string kDataFile = "E:\\Data.dat";
const std::string kUtf8Bom(kUtf8ByteOrderMark);
const std::vector<Row> kThree = {{"Notepad", "Apps\\Notepad\\notepad.exe", ""},
                                 {"Readme", "E:\\readme.txt", "/s"},
                                 {"Share", "\\\\server\\share\\t.exe", "%drive% %dir%"}};

class EntryList : public ::testing::Test {
  protected:
    void SetUp() override { EmptyDrive(kStickRoot); }
    void TearDown() override { EmptyDrive(kStickRoot); }

    static std::vector<Row> Load(const std::string& file, DWORD expected = ERROR_SUCCESS) {
        EntryModel entries;
        EXPECT_EQ(LoadList(file, entries), expected);
        return RowsOf(entries);
    }
};

TEST_F(EntryList, SaveThenLoadGivesTheSameRowsInOrder) {
    EntryModel list;
    AddRows(list, kThree);
    ASSERT_EQ(SaveList(kDataFile, list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(kDataFile),
              "Notepad\r\nApps\\Notepad\\notepad.exe\r\n\r\nReadme\r\nE:\\readme.txt\r\n/s\r\n"
              "Share\r\n\\\\server\\share\\t.exe\r\n%drive% %dir%\r\n");
    EXPECT_EQ(Load(kDataFile), kThree);
    EXPECT_TRUE(FolderEntriesMatching(kStickRoot, "Data.dat.*tmp").empty()) << "no temporary file left";
}

// The texts of a file in each of its encodings, as the menu holds them (UTF-8). This session's ANSI
// code page is 1252 (Western); the 932 one is read in CodePageTest.cpp.
TEST_F(EntryList, EachEncodingReadsIntoTheSameTexts) {
    ASSERT_EQ(::GetACP(), 1252u);
    struct Case {
        const char* what;
        std::string file;
        Row expected;
    };
    const std::vector<Case> cases = {
        {"plain ASCII", "Notepad\r\nnotepad.exe\r\n/s\r\n", {"Notepad", "notepad.exe", "/s"}},
        {"ANSI",
         "Caf\xE9\r\nE:\\\xE9t\xE9\\\x80.exe\r\n\r\n",
         {"Caf\xC3\xA9", "E:\\\xC3\xA9t\xC3\xA9\\\xE2\x82\xAC.exe", ""}},  // Café, E:\été\€.exe
        {"UTF-8",
         kUtf8Bom + "Caf\xC3\xA9\r\n\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE.exe\r\n\xF0\x9F\x8E\xB5\r\n",
         {"Caf\xC3\xA9", "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE.exe", "\xF0\x9F\x8E\xB5"}},  // Фото.exe, 🎵
        // Bytes that are not UTF-8 stay as they are, so that a save writes them back unchanged.
        {"UTF-8 with a stray ANSI byte", kUtf8Bom + "Caf\xE9\r\nc.exe\r\n\r\n", {"Caf\xE9", "c.exe", ""}},
    };
    for (const Case& c : cases) {
        WriteTestFile(kDataFile, c.file);
        EXPECT_EQ(Load(kDataFile), std::vector<Row>{c.expected}) << c.what;
    }
}

// A list from a PC with another code page is read whole, but said to be so: 写真 from a Japanese PC
// holds 0x90, which 1252 leaves undefined, and ends in a byte that 1252 reads as '^'.
TEST_F(EntryList, AListFromAnotherCodePageIsReadAndSaidToBeSo) {
    WriteTestFile(kDataFile, "\x8E\xCA\x90\x5E\r\nphotos.exe\r\n\r\nNext\r\nnext.exe\r\n\r\n");
    const std::vector<Row> rows = Load(kDataFile, kListInOtherCodePage);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[1], (Row{"Next", "next.exe", ""}));
}

// A list with any text beyond ASCII is saved as UTF-8 after the mark and reads back the same, a
// list first read from an ANSI file included; a list of plain ASCII texts keeps the old bytes
// (SaveThenLoadGivesTheSameRowsInOrder). Nothing read is changed on the way.
TEST_F(EntryList, ListsBeyondAsciiAreSavedAsUtf8AndReadBackTheSame) {
    const std::vector<Row> scripts = {
        {"\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE", "E:\\\xCE\x91\xCE\xB8\xCE\xAE\xCE\xBD\xCE\xB1\\a.exe",
         ""},                                                                          // Фото, Αθήνα
        {"\xE5\x86\x99\xE7\x9C\x9F", "E:\\\xE8\xA1\xA8\\\xE3\x82\xBD.exe", "%dir%"},   // 写真, 表\ソ.exe
        {"\xD8\xB5\xD9\x88\xD8\xB1", "b.exe", "/m=\xF0\x9F\x8E\xB5\xF0\x9F\x98\x80"},  // صور, 🎵😀
        {"Plain", "plain.exe", ""},
    };
    EntryModel list;
    AddRows(list, scripts);
    ASSERT_EQ(SaveList(kDataFile, list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(kDataFile), kUtf8Bom + EncodeRecords(scripts));
    EXPECT_EQ(Load(kDataFile), scripts);

    WriteTestFile(kDataFile, "Caf\xE9\r\ncafe.exe\r\n\r\n");
    EntryModel fromAnsi;
    ASSERT_EQ(LoadList(kDataFile, fromAnsi), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(SaveList(kDataFile, fromAnsi), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(kDataFile), kUtf8Bom + "Caf\xC3\xA9\r\ncafe.exe\r\n\r\n");

    // A byte that is not UTF-8 in a UTF-8 file goes back as it came.
    const std::string stray = kUtf8Bom + "Caf\xE9\r\n\xD0\xA4.exe\r\n\r\n";
    WriteTestFile(kDataFile, stray);
    EntryModel kept;
    ASSERT_EQ(LoadList(kDataFile, kept), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(SaveList(kDataFile, kept), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(kDataFile), stray);
}

TEST_F(EntryList, SaveKeepsAHiddenOrSystemFileSo) {
    EntryModel list;
    AddRows(list, {kThree[0]});
    for (const DWORD attributes : std::initializer_list<DWORD>{
             FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}) {
        WriteTestFile(kDataFile, "Old\r\nold.exe\r\n\r\n");
        SetAttributes(kDataFile, attributes);
        ASSERT_EQ(SaveList(kDataFile, list), static_cast<DWORD>(ERROR_SUCCESS));
        const DWORD after = ::GetFileAttributesA(kDataFile.c_str());
        EXPECT_EQ(after & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), attributes) << std::hex << after;
        EXPECT_EQ(Load(kDataFile), std::vector<Row>{kThree[0]});
        SetAttributes(kDataFile, FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(EntryList, EmptyListIsAZeroByteFileThatLoadsNoRows) {
    WriteTestFile(kDataFile, "Old\r\nold.exe\r\n\r\n");
    EntryModel empty;
    ASSERT_EQ(SaveList(kDataFile, empty), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(kDataFile), "");
    EXPECT_TRUE(Load(kDataFile).empty());
}

TEST_F(EntryList, LoadAppendsAndNeverClears) {
    WriteTestFile(kDataFile, "B\r\nb.exe\r\n\r\n");
    EntryModel list;
    AddRows(list, {{"A", "a.exe", ""}});
    ASSERT_EQ(LoadList(kDataFile, list), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(LoadList(kDataFile, list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(RowsOf(list), (std::vector<Row>{{"A", "a.exe", ""}, {"B", "b.exe", ""}, {"B", "b.exe", ""}}));
}

TEST_F(EntryList, LoadKeepsTheFilesOddCorners) {
    WriteTestFile(kDataFile, "a\rb\rc\r\r\nd\r\ne");  // CR alone, a trailing record cut short
    EXPECT_EQ(Load(kDataFile), (std::vector<Row>{{"a", "b", "c"}, {"", "d", "e"}}));
    WriteTestFile(kDataFile, "a\r\nb\r\nc\r\n\r\n");
    EXPECT_EQ(Load(kDataFile), (std::vector<Row>{{"a", "b", "c"}, {"", "", ""}}));
}

TEST_F(EntryList, LineBreaksInAFieldAreSavedAsSpaces) {
    EntryModel list;
    AddRows(list, {{"Two\r\nlines", "E:\\x.exe", "/a\n/b"}});
    AddRows(list, {{"Next", "n.exe", ""}});
    ASSERT_EQ(SaveList(kDataFile, list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(Load(kDataFile),
              (std::vector<Row>{{"Two  lines", "E:\\x.exe", "/a /b"}, {"Next", "n.exe", ""}}));
}

TEST_F(EntryList, LongFieldsSurviveTheRoundTrip) {
    EntryModel list;
    const std::string longText(5000, 'q');
    AddRows(list, {{longText, "E:\\" + longText, longText}});
    ASSERT_EQ(SaveList(kDataFile, list), static_cast<DWORD>(ERROR_SUCCESS));
    const auto rows = Load(kDataFile);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].size(), 5000u);
    EXPECT_EQ(rows[0][1].size(), 5003u);
}

TEST_F(EntryList, MissingOrLockedFileAddsNoRows) {
    EXPECT_TRUE(Load("E:\\missing.dat", ERROR_FILE_NOT_FOUND).empty());
    WriteTestFile(kDataFile, "A\r\na.exe\r\n\r\n");
    UniqueFile lock(::CreateFileA(kDataFile.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                  0, nullptr));
    ASSERT_TRUE(lock.valid());
    EXPECT_TRUE(Load(kDataFile, ERROR_SHARING_VIOLATION).empty());
}

TEST_F(EntryList, SaveOverALockedFileFailsAndKeepsIt) {
    WriteTestFile(kDataFile, "A\r\na.exe\r\n\r\n");
    EntryModel list;
    AddRows(list, {{"New", "new.exe", ""}});
    {
        UniqueFile lock(
            ::CreateFileA(kDataFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock.valid());
        EXPECT_NE(SaveList(kDataFile, list), static_cast<DWORD>(ERROR_SUCCESS));
    }
    EXPECT_EQ(ReadTestFile(kDataFile), "A\r\na.exe\r\n\r\n");
    EXPECT_EQ(RowsOf(list).size(), 1u) << "the on-screen change stays";
}

TEST_F(EntryList, SaveOnAReadOnlyDriveFailsAndLeavesTheOldFile) {
    if (!DriveIsMapped(kReadOnlyRoot)) {
        GTEST_SKIP() << "no read-only drive on this machine";
    }
    const std::string file = std::string(kReadOnlyRoot) + "Data.dat";
    const std::string before = ReadTestFile(file);
    ASSERT_FALSE(before.empty()) << "the session seeds R:\\Data.dat";
    EntryModel list;
    AddRows(list, {{"New", "new.exe", ""}});
    EXPECT_NE(SaveList(file, list), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(file), before);
}

TEST_F(EntryList, SaveOnAFullDriveFailsAndLeavesTheOldFile) {
    if (!DriveIsMapped(kTinyRoot)) {
        GTEST_SKIP() << "no small drive on this machine";
    }
    EmptyDrive(kTinyRoot);
    const std::string file = std::string(kTinyRoot) + "Data.dat";
    WriteTestFile(file, "Old\r\nold.exe\r\n\r\n");
    const UniqueFile filler = FillDrive(kTinyRoot);
    ASSERT_TRUE(filler.valid());
    EntryModel list;
    for (int i = 0; i < 200; ++i) {
        AddRows(list, {{"Entry " + std::to_string(i), "Apps\\tool" + std::to_string(i) + ".exe", "/switch"}});
    }
    EXPECT_EQ(SaveList(file, list), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(ReadTestFile(file), "Old\r\nold.exe\r\n\r\n");
    EXPECT_TRUE(FolderEntriesMatching(kTinyRoot, "Data.dat.*tmp").empty()) << "temporary file removed";
    EmptyDrive(kTinyRoot);
}

TEST_F(EntryList, SaveToAMissingDriveReportsTheFailure) {
    EntryModel list;
    AddRows(list, {{"New", "new.exe", ""}});
    EXPECT_NE(SaveList("N:\\Data.dat", list), static_cast<DWORD>(ERROR_SUCCESS));
}

// Sorting puts entries in the order Windows sorts names for people, each column either way, equal
// texts in the order they were in; the entries keep their identities; a list saved in the order it
// shows loads and sorts into that order again.
TEST_F(EntryList, SortingOrdersForPeopleAndKeepsIdentities) {
    EntryModel entries = EntriesOf({{"item 10", "b.exe", "/x"},
                                    {"beta", "a.exe", "1"},
                                    {"Beta", "C.exe", "2"},
                                    {"alpha", "b.exe", "3"},
                                    {"", "", ""},
                                    {"BETA", "c.exe", ""},
                                    {"Zulu", "\\\\s\\t.exe", ""},
                                    {std::string(300, 'x') + "b", "long.exe", ""},
                                    {std::string(300, 'X') + "a", "long.exe", ""}});
    const EntryId zulu = entries[6].Id();
    ASSERT_TRUE(SortEntries(entries, EntryField::Name, false));
    const std::vector<Row> sorted = RowsOf(entries);
    const auto place = [&](const std::string& name) {
        return std::find_if(sorted.begin(), sorted.end(), [&](const Row& row) { return row[0] == name; }) -
               sorted.begin();
    };
    EXPECT_EQ(sorted.front()[0], "");
    EXPECT_EQ(place("alpha") + 1, place("beta"));
    EXPECT_EQ(place("beta") + 1, place("Beta")) << "equal texts keep their order";
    EXPECT_EQ(place("Beta") + 1, place("BETA"));
    EXPECT_EQ(place(std::string(300, 'X') + "a") + 1, place(std::string(300, 'x') + "b"))
        << "long texts are compared to their last letter";
    EXPECT_EQ(sorted.back()[0], "Zulu");
    EXPECT_EQ(entries.IndexOf(zulu), entries.Size() - 1) << "the entry moved with its identity";

    ASSERT_TRUE(SortEntries(entries, EntryField::Target, true));
    EXPECT_EQ(RowsOf(entries).front()[1], "long.exe");
    EXPECT_EQ(RowsOf(entries).back()[1], "");

    ASSERT_TRUE(SortEntries(entries, EntryField::Name, false));
    ASSERT_EQ(SaveList(kDataFile, entries), static_cast<DWORD>(ERROR_SUCCESS));
    EntryModel reloaded;
    ASSERT_EQ(LoadList(kDataFile, reloaded), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_TRUE(SortEntries(reloaded, EntryField::Name, false));
    EXPECT_EQ(RowsOf(reloaded), RowsOf(entries));
}

}  // namespace
}  // namespace corvane::menu
