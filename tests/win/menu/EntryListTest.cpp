#include "menu/EntryList.h"

#include "menu/ListSorting.h"

#include "common/SystemError.h"
#include "common/UniqueHandle.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/TestListView.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>

namespace corvane::menu {
namespace {

using namespace corvane::test;

const std::string kDataFile = "E:\\Data.dat";
const std::vector<Row> kThree = {{"Notepad", "Apps\\Notepad\\notepad.exe", ""},
                                 {"Readme", "E:\\readme.txt", "/s"},
                                 {"Share", "\\\\server\\share\\t.exe", "%drive% %dir%"}};

class EntryList : public ::testing::Test {
  protected:
    void SetUp() override { EmptyDrive(kStickRoot); }
    void TearDown() override { EmptyDrive(kStickRoot); }

    static std::vector<Row> Load(const std::string& file, DWORD expected = ERROR_SUCCESS) {
        TestListView list;
        EXPECT_EQ(LoadList(file, list.Handle()), expected);
        return list.Rows();
    }
};

TEST_F(EntryList, SaveThenLoadGivesTheSameRowsInOrder) {
    TestListView list;
    for (const auto& row : kThree) {
        list.AddRow(row);
    }
    ASSERT_EQ(SaveList(kDataFile, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(kDataFile),
              "Notepad\r\nApps\\Notepad\\notepad.exe\r\n\r\nReadme\r\nE:\\readme.txt\r\n/s\r\n"
              "Share\r\n\\\\server\\share\\t.exe\r\n%drive% %dir%\r\n");
    EXPECT_EQ(Load(kDataFile), kThree);
    EXPECT_TRUE(FolderEntriesMatching(kStickRoot, "Data.dat.*tmp").empty()) << "no temporary file left";
}

TEST_F(EntryList, SaveKeepsAHiddenOrSystemFileSo) {
    TestListView list;
    list.AddRow(kThree[0]);
    for (const DWORD attributes : std::initializer_list<DWORD>{
             FILE_ATTRIBUTE_HIDDEN, FILE_ATTRIBUTE_SYSTEM, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM}) {
        WriteTestFile(kDataFile, "Old\r\nold.exe\r\n\r\n");
        SetAttributes(kDataFile, attributes);
        ASSERT_EQ(SaveList(kDataFile, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
        const DWORD after = ::GetFileAttributesA(kDataFile.c_str());
        EXPECT_EQ(after & (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM), attributes) << std::hex << after;
        EXPECT_EQ(Load(kDataFile), std::vector<Row>{kThree[0]});
        SetAttributes(kDataFile, FILE_ATTRIBUTE_NORMAL);
    }
}

TEST_F(EntryList, EmptyListIsAZeroByteFileThatLoadsNoRows) {
    WriteTestFile(kDataFile, "Old\r\nold.exe\r\n\r\n");
    TestListView empty;
    ASSERT_EQ(SaveList(kDataFile, empty.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(kDataFile), "");
    EXPECT_TRUE(Load(kDataFile).empty());
}

TEST_F(EntryList, LoadAppendsAndNeverClears) {
    WriteTestFile(kDataFile, "B\r\nb.exe\r\n\r\n");
    TestListView list;
    list.AddRow({"A", "a.exe", ""});
    ASSERT_EQ(LoadList(kDataFile, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    ASSERT_EQ(LoadList(kDataFile, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(list.Rows(), (std::vector<Row>{{"A", "a.exe", ""}, {"B", "b.exe", ""}, {"B", "b.exe", ""}}));
}

TEST_F(EntryList, LoadKeepsTheFilesOddCorners) {
    WriteTestFile(kDataFile, "a\rb\rc\r\r\nd\r\ne");  // CR alone, a trailing record cut short
    EXPECT_EQ(Load(kDataFile), (std::vector<Row>{{"a", "b", "c"}, {"", "d", "e"}}));
    WriteTestFile(kDataFile, "a\r\nb\r\nc\r\n\r\n");
    EXPECT_EQ(Load(kDataFile), (std::vector<Row>{{"a", "b", "c"}, {"", "", ""}}));
}

TEST_F(EntryList, LineBreaksInAFieldAreSavedAsSpaces) {
    TestListView list;
    list.AddRow({"Two\r\nlines", "E:\\x.exe", "/a\n/b"});
    list.AddRow({"Next", "n.exe", ""});
    ASSERT_EQ(SaveList(kDataFile, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(Load(kDataFile),
              (std::vector<Row>{{"Two  lines", "E:\\x.exe", "/a /b"}, {"Next", "n.exe", ""}}));
}

TEST_F(EntryList, LongFieldsSurviveTheRoundTrip) {
    TestListView list;
    const std::string longText(5000, 'q');
    list.AddRow({longText, "E:\\" + longText, longText});
    ASSERT_EQ(SaveList(kDataFile, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
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

TEST_F(EntryList, ALoadCutShortFailsAndAListViewThatIsGoneIsNeverSaved) {
    const std::string two = "A\r\na.exe\r\n\r\nB\r\nb.exe\r\n\r\n";
    WriteTestFile(kDataFile, two);
    {
        TestListView list;
        list.AcceptOnly(1);
        EXPECT_NE(LoadList(kDataFile, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS))
            << "the second row was refused";
        EXPECT_EQ(list.Rows(), (std::vector<Row>{{"A", "a.exe", ""}})) << "the rows read so far stay";
    }
    HWND gone = nullptr;
    {
        TestListView list;
        gone = list.Handle();
    }
    EXPECT_NE(SaveList(kDataFile, gone), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(kDataFile), two);
}

TEST_F(EntryList, SaveOverALockedFileFailsAndKeepsIt) {
    WriteTestFile(kDataFile, "A\r\na.exe\r\n\r\n");
    TestListView list;
    list.AddRow({"New", "new.exe", ""});
    {
        UniqueFile lock(
            ::CreateFileA(kDataFile.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr));
        ASSERT_TRUE(lock.valid());
        EXPECT_NE(SaveList(kDataFile, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    }
    EXPECT_EQ(ReadTestFile(kDataFile), "A\r\na.exe\r\n\r\n");
    EXPECT_EQ(list.Rows().size(), 1u) << "the on-screen change stays";
}

TEST_F(EntryList, SaveOnAReadOnlyDriveFailsAndLeavesTheOldFile) {
    if (!DriveIsMapped(kReadOnlyRoot)) {
        GTEST_SKIP() << "no read-only drive on this machine";
    }
    const std::string file = std::string(kReadOnlyRoot) + "Data.dat";
    const std::string before = ReadTestFile(file);
    ASSERT_FALSE(before.empty()) << "the session seeds R:\\Data.dat";
    TestListView list;
    list.AddRow({"New", "new.exe", ""});
    EXPECT_NE(SaveList(file, list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(ReadTestFile(file), before);
}

TEST_F(EntryList, SaveOnAFullDriveFailsAndLeavesTheOldFile) {
    if (!DriveIsMapped(kTinyRoot)) {
        GTEST_SKIP() << "no small drive on this machine";
    }
    EmptyDrive(kTinyRoot);
    const std::string file = std::string(kTinyRoot) + "Data.dat";
    WriteTestFile(file, "Old\r\nold.exe\r\n\r\n");
    {  // fill the drive to the last byte
        UniqueFile filler(
            ::CreateFileA("T:\\filler.bin", GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        ASSERT_TRUE(filler.valid());
        const std::string block(4096, 'f');
        DWORD written = 0;
        while (::WriteFile(filler.get(), block.data(), static_cast<DWORD>(block.size()), &written, nullptr) &&
               written == block.size()) {
        }
    }
    TestListView list;
    for (int i = 0; i < 200; ++i) {
        list.AddRow({"Entry " + std::to_string(i), "Apps\\tool" + std::to_string(i) + ".exe", "/switch"});
    }
    EXPECT_EQ(SaveList(file, list.Handle()), static_cast<DWORD>(ERROR_DISK_FULL));
    EXPECT_EQ(ReadTestFile(file), "Old\r\nold.exe\r\n\r\n");
    EXPECT_TRUE(FolderEntriesMatching(kTinyRoot, "Data.dat.*tmp").empty()) << "temporary file removed";
    EmptyDrive(kTinyRoot);
}

TEST_F(EntryList, SaveToAMissingDriveReportsTheFailure) {
    TestListView list;
    list.AddRow({"New", "new.exe", ""});
    EXPECT_NE(SaveList("N:\\Data.dat", list.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
}

TEST_F(EntryList, LoadEntriesReplacesTheRowsSortedWithTheFirstRecordCurrent) {
    WriteTestFile(kDataFile, "b\r\nb.exe\r\n\r\nC\r\nc.exe\r\n\r\nA\r\na.exe\r\n\r\n");
    TestListView list;
    list.AddRow({"Stale", "s.exe", ""});
    std::vector<std::string> statuses;
    const auto show = [&](const std::string& text) { statuses.push_back(text); };
    EXPECT_EQ(LoadEntries(list.Handle(), show, kDataFile, {0, true}), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(list.Rows(), (std::vector<Row>{{"C", "c.exe", ""}, {"b", "b.exe", ""}, {"A", "a.exe", ""}}));
    EXPECT_EQ(::SendMessageA(list.Handle(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED), 1)
        << "the row read first is the current one";
    EXPECT_EQ(statuses, (std::vector<std::string>{"Loading data . . .", "Data loaded."}));

    statuses.clear();
    list.AcceptOnly(1);
    EXPECT_EQ(LoadEntries(list.Handle(), show, kDataFile, {0, true}),
              static_cast<DWORD>(ERROR_NOT_ENOUGH_MEMORY));
    ASSERT_EQ(statuses.size(), 2u);
    EXPECT_EQ(statuses[1], "Error loading list : " + SystemErrorText(ERROR_NOT_ENOUGH_MEMORY));
}

// Loading in sort order must give exactly what loading in file order and sorting gives: the same rows
// in the same places, equal texts in file order, whichever column and direction.
TEST_F(EntryList, LoadingSortedMatchesSortingAfterwards) {
    const std::vector<Row> rows = {{"item 10", "b.exe", "/x"},
                                   {"Item 9", "A.exe", ""},
                                   {"beta", "a.exe", "1"},
                                   {"Beta", "C.exe", "2"},
                                   {"alpha", "b.exe", "3"},
                                   {"", "", ""},
                                   {"BETA", "c.exe", ""},
                                   {"Zulu", "\\\\s\\t.exe", ""},
                                   {std::string(300, 'x') + "b", "long.exe", ""},
                                   {std::string(300, 'X') + "a", "long.exe", ""}};
    TestListView source;
    source.AddRows(rows);
    ASSERT_EQ(SaveList(kDataFile, source.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    for (const int column : {0, 1, 2}) {
        for (const bool descending : {false, true}) {
            TestListView sortedAfter;
            ASSERT_EQ(LoadList(kDataFile, sortedAfter.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
            SortListView(sortedAfter.Handle(), column, descending);
            TestListView sortedWhileLoading;
            const RowOrder order{column, descending};
            int firstRow = -1;
            ASSERT_EQ(LoadList(kDataFile, sortedWhileLoading.Handle(), &order, &firstRow),
                      static_cast<DWORD>(ERROR_SUCCESS));
            EXPECT_EQ(sortedWhileLoading.Rows(), sortedAfter.Rows())
                << "column " << column << (descending ? " down" : " up");
            ASSERT_GE(firstRow, 0);
            EXPECT_EQ(sortedWhileLoading.Rows()[static_cast<std::size_t>(firstRow)], rows[0]);
        }
    }
    TestListView byName;
    const RowOrder byNameUp{0, false};
    ASSERT_EQ(LoadList(kDataFile, byName.Handle(), &byNameUp), static_cast<DWORD>(ERROR_SUCCESS));
    const std::vector<Row> sorted = byName.Rows();
    const auto place = [&](const std::string& name) {
        return std::find_if(sorted.begin(), sorted.end(), [&](const Row& row) { return row[0] == name; }) -
               sorted.begin();
    };
    EXPECT_EQ(place(std::string(300, 'X') + "a") + 1, place(std::string(300, 'x') + "b"))
        << "long texts are compared to their last letter";
    EXPECT_EQ(sorted.back()[0], "Zulu");

    // A file saved in the order it shows (equal names among it) loads in that order again.
    ASSERT_EQ(SaveList(kDataFile, byName.Handle()), static_cast<DWORD>(ERROR_SUCCESS));
    TestListView reloaded;
    ASSERT_EQ(LoadList(kDataFile, reloaded.Handle(), &byNameUp), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(reloaded.Rows(), sorted);
}

}  // namespace
}  // namespace corvane::menu
