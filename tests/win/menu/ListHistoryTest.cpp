// The list's history on real drives: versions kept in Support\Backups as saves change the list,
// the ten newest kept, none for a re-sort, a version that cannot be written never standing in a
// save's way, and "Restore Earlier List..." putting back the exact bytes, even after a failed load.
#include "common/MessageLoop.h"
#include "common/UniqueHandle.h"
#include "menu/ListHistory.h"
#include "menu/MenuResources.h"
#include "menu/core/MainWindowTexts.h"
#include "menu/core/MenuTexts.h"
#include "common/core/Twips.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/DpiTesting.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/TestEntries.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane::menu {
namespace {

using namespace corvane::test;

// The versions kept below the root, oldest first, with their bytes.
struct Version {
    std::uint64_t sequence;
    std::string bytes;
};
std::vector<Version> KeptVersions(const std::string& root) {
    const std::string folder = root + "Support\\Backups\\";
    std::vector<std::string> names = FolderEntriesMatching(folder, "*");
    std::vector<Version> versions;
    for (const ListVersion& version : VersionsAmong(names)) {
        versions.push_back({version.sequence, ReadTestFile(folder + version.fileName)});
    }
    std::reverse(versions.begin(), versions.end());
    return versions;
}

// Adds an entry the way the editor does and saves; returns whether the save succeeded.
bool AddAndSave(frmMain& menu, const std::string& name) {
    menu.Entries().Append(name, "Apps\\" + name + ".exe", "");
    menu.EntriesChanged();
    return menu.SaveList();
}

class ListHistoryTest : public MenuWindowTest {
  protected:
    static HWND RestoreWindow() { return ::FindWindowA(frmRestore::ClassName(), nullptr); }
    static HWND VersionList() { return ::GetDlgItem(RestoreWindow(), frmRestore::lstVersions); }

    // Chooses a row of the open restore window and presses Enter on it, as a user would.
    static void RestoreRow(int row) {
        SelectRow(VersionList(), row);
        ::SetFocus(VersionList());
        ::PostMessageW(VersionList(), WM_KEYDOWN, VK_RETURN, 0);
        PumpPendingMessages();  // the programs' own message handling, with its dialog keys
        PumpMessages();
    }
};

TEST_F(ListHistoryTest, KeepsTheTenNewestVersionsAndNoneForAResort) {
    // Sorted by target, these two swap places.
    WriteTestFile("E:\\Data.dat", "Start\r\nz.exe\r\n\r\nZed\r\na.exe\r\n\r\n");
    ASSERT_TRUE(::CreateDirectoryA("E:\\Support", nullptr) &&
                ::CreateDirectoryA("E:\\Support\\Backups", nullptr));
    WriteTestFile("E:\\Support\\Backups\\readme.txt", "not a version");
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    SendCommand(menu->Hwnd(), mnuRestore);
    EXPECT_EQ(boxes_.Texts(), std::vector<std::string>{texts::kNoEarlierLists}) << "nothing kept yet";

    std::vector<std::string> replaced;  // what each save replaced
    for (int save = 1; save <= 12; ++save) {
        replaced.push_back(ReadTestFile("E:\\Data.dat"));
        ASSERT_TRUE(AddAndSave(*menu, "Entry " + std::to_string(100 - save)));
    }
    const std::vector<Version> kept = KeptVersions("E:\\");
    ASSERT_EQ(kept.size(), 10u);
    for (std::size_t index = 0; index < kept.size(); ++index) {
        EXPECT_EQ(kept[index].sequence, index + 3) << "the two oldest went";
        EXPECT_EQ(kept[index].bytes, replaced[index + 2]) << "version " << kept[index].sequence;
    }
    EXPECT_EQ(ReadTestFile("E:\\Support\\Backups\\readme.txt"), "not a version")
        << "only versions are removed";

    const std::string before = ReadTestFile("E:\\Data.dat");
    ClickColumnHeader(menu->ListView(), 1);  // names and targets sort differently: a new order
    PumpMessages();
    ASSERT_NE(ReadTestFile("E:\\Data.dat"), before) << "the re-sort was saved";
    EXPECT_EQ(KeptVersions("E:\\").size(), 10u);
    EXPECT_EQ(KeptVersions("E:\\").back().bytes, replaced.back()) << "a re-sort keeps no version";
}

// Support or Backups that cannot hold versions (a file, or a link off the stick): the save still
// happens, and nothing is written, removed or read through a link.
TEST_F(ListHistoryTest, AVersionThatCannotBeKeptNeverStopsTheSave) {
    const std::string elsewhere = "F:\\Elsewhere";
    struct Case {
        const char* what;
        const char* link;  // made a link to F:\Elsewhere, or a plain file when `asFile`
        bool asFile;
    };
    const Case cases[] = {
        {"Support is a file", "E:\\Support", true},
        {"Support is a link", "E:\\Support", false},
        {"Backups is a link", "E:\\Support\\Backups", false},
    };
    for (const Case& c : cases) {
        EmptyDrive(kStickRoot);
        EmptyDrive(kSecondStickRoot);
        ASSERT_TRUE(::CreateDirectoryA(elsewhere.c_str(), nullptr));
        const std::string planted = elsewhere + "\\" + VersionFileName(1, {2026, 1, 1, 0, 0});
        WriteTestFile(planted, "Planted\r\nplanted.exe\r\n\r\n");
        ::CreateDirectoryA("E:\\Support", nullptr);
        std::unique_ptr<SymbolicLink> link;
        if (c.asFile) {
            ::RemoveDirectoryA(c.link);
            WriteTestFile(c.link, "a file");
        } else {
            if (std::string(c.link) == "E:\\Support") {
                ::RemoveDirectoryA(c.link);
            }
            link = std::make_unique<SymbolicLink>(c.link, elsewhere, true);
            if (!link->Made()) {
                ADD_FAILURE() << c.what << ": no link could be made";
                continue;
            }
        }
        WriteTestFile("E:\\Data.dat", "Start\r\nstart.exe\r\n\r\n");
        {
            auto menu = OpenMenu("E:\\");
            ASSERT_TRUE(menu);
            EXPECT_TRUE(ListHistory("E:\\").Versions().empty()) << c.what << ": nothing read through it";
            SendCommand(menu->Hwnd(), mnuRestore);
            const std::vector<std::string> said = boxes_.Texts();
            EXPECT_EQ(said.empty() ? "" : said.back(),
                      c.asFile ? texts::kNoEarlierLists : texts::kHistoryIsLinked)
                << c.what;
            EXPECT_TRUE(AddAndSave(*menu, "Added")) << c.what;
            EXPECT_EQ(RowsOf(menu->Entries()).size(), 2u);
        }
        EXPECT_NE(ReadTestFile("E:\\Data.dat").find("Added"), std::string::npos) << c.what;
        EXPECT_EQ(FolderEntriesMatching(elsewhere + "\\", "*.dat"),
                  std::vector<std::string>{planted.substr(13)})
            << c.what << ": nothing written or removed there";
    }
}

// On a full drive the save comes first: a version only takes the room the replaced list gave back.
TEST_F(ListHistoryTest, OnAFullDriveTheSaveComesBeforeTheVersion) {
    if (!DriveIsMapped(kTinyRoot)) {
        GTEST_SKIP() << "no small drive on this machine";
    }
    EmptyDrive(kTinyRoot);
    const std::string old = "Old\r\nold.exe\r\n\r\n";
    WriteTestFile("T:\\Data.dat", old);
    ASSERT_TRUE(::CreateDirectoryA("T:\\Support", nullptr));
    UniqueFile filler = FillDrive(kTinyRoot);
    ASSERT_TRUE(filler.valid());
    auto menu = OpenMenu("T:\\");
    ASSERT_TRUE(menu);
    EXPECT_FALSE(AddAndSave(*menu, "First")) << "not a byte left";
    EXPECT_EQ(ReadTestFile("T:\\Data.dat"), old);
    EXPECT_TRUE(KeptVersions("T:\\").empty());
    EXPECT_TRUE(FolderEntriesMatching("T:\\", "*.tmp").empty());

    // Room for one small file: the new list takes it, and the version the room the old list left.
    LARGE_INTEGER size{};
    ASSERT_TRUE(::GetFileSizeEx(filler.get(), &size));
    size.QuadPart -= 4096;
    ASSERT_TRUE(::SetFilePointerEx(filler.get(), size, nullptr, FILE_BEGIN) && ::SetEndOfFile(filler.get()));
    EXPECT_TRUE(AddAndSave(*menu, "Second")) << menu->StatusText();
    EXPECT_NE(ReadTestFile("T:\\Data.dat").find("Second"), std::string::npos);
    const auto kept = KeptVersions("T:\\");
    ASSERT_EQ(kept.size(), 1u);
    EXPECT_EQ(kept[0].bytes, old);
    menu.reset();
    filler.reset();
    EmptyDrive(kTinyRoot);
}

// Exact bytes come back (line ends, ANSI letters, no last line end), the list that was there is kept
// first so that the restore can be undone, and a menu whose load failed may restore (and then save).
TEST_F(ListHistoryTest, RestoreBringsBackTheExactBytesAndCanBeUndone) {
    const std::string original = "Caf\xE9\nE:\\caf\xE9.exe\n/x";
    WriteTestFile("E:\\Data.dat", original);
    {
        auto menu = OpenMenu("E:\\");
        ASSERT_TRUE(menu && AddAndSave(*menu, "Added"));
    }
    const std::string changed = ReadTestFile("E:\\Data.dat");
    auto menu = OpenMenuWhileListIsHeld("E:\\");  // the load fails: no save may write
    ASSERT_TRUE(menu);
    ASSERT_FALSE(AddAndSave(*menu, "Refused"));
    ASSERT_EQ(ReadTestFile("E:\\Data.dat"), changed);

    SendCommand(menu->Hwnd(), mnuRestore);
    ASSERT_NE(RestoreWindow(), nullptr);
    EXPECT_FALSE(::IsWindowEnabled(menu->Hwnd())) << "the menu waits for the choice";
    SaveScreenshot(RestoreWindow(), "restore-earlier-list");
    const auto versions = ListHistory("E:\\").Versions();
    ASSERT_EQ(versions.size(), 1u);
    EXPECT_EQ(ListRows(VersionList()),
              (std::vector<Row>{{SavedTimeText(versions[0].version.saved), "1", ""}}));
    RestoreRow(0);

    EXPECT_EQ(RestoreWindow(), nullptr);
    EXPECT_TRUE(::IsWindowEnabled(menu->Hwnd()));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), original) << "byte for byte";
    EXPECT_EQ(ListRows(menu->ListView()), (std::vector<Row>{{"Caf\xC3\xA9", "E:\\caf\xC3\xA9.exe", "/x"}}));
    EXPECT_EQ(menu->StatusText(), ListRestoredText(SavedTimeText(versions[0].version.saved)));
    const auto kept = KeptVersions("E:\\");
    ASSERT_EQ(kept.size(), 2u);
    EXPECT_EQ(kept[1].bytes, changed) << "the list that was there is the newest version";

    SendCommand(menu->Hwnd(), mnuRestore);
    RestoreRow(0);  // the newest: undoes the restore
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), changed);
    EXPECT_TRUE(AddAndSave(*menu, "Saved")) << "the restored list loaded and may be saved";

    SendCommand(menu->Hwnd(), mnuRestore);
    ::PostMessageW(VersionList(), WM_KEYDOWN, VK_ESCAPE, 0);
    PumpPendingMessages();
    EXPECT_EQ(RestoreWindow(), nullptr) << "Escape closes the window";
    EXPECT_NE(ReadTestFile("E:\\Data.dat").find("Saved"), std::string::npos) << "and restores nothing";
}

// Where the restore window's layout puts its list and buttons, in twips.
constexpr std::array<PlacedControl, 3> kRestoreControls = {{
    {frmRestore::lstVersions, {240, 855, 4920, 2280}},
    {frmRestore::cmdRestore, {2220, 3375, 1455, 350}},
    {frmRestore::cmdCancel, {3705, 3375, 1455, 350}},
}};
constexpr std::array<int, 3> kRestoreFontControls = {frmRestore::lblHint, frmRestore::lstVersions,
                                                     frmRestore::cmdRestore};

TEST(RestoreWindowDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("ListHistoryTest.DISABLED_RestoreWindowAtThisProcessDpi");
}

TEST_F(ListHistoryTest, DISABLED_RestoreWindowAtThisProcessDpi) {
    const int dpi = ProcessDpi();
    WriteTestFile("E:\\Data.dat", "Kept\r\nkept.exe\r\n\r\n");
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu && AddAndSave(*menu, "Added"));
    SendCommand(menu->Hwnd(), mnuRestore);
    ASSERT_NE(RestoreWindow(), nullptr);
    const HWND list = VersionList();
    ExpectLayoutFollowsDpi(RestoreWindow(), dpi,
                           {kRestoreControls,
                            kRestoreFontControls,
                            "restore-earlier-list",
                            [list](int at) {
                                EXPECT_EQ(ListView_GetColumnWidth(list, 0), TwipsToPixels(3300, at));
                                EXPECT_EQ(ListView_GetColumnWidth(list, 1), TwipsToPixels(1500, at));
                            },
                            {5400, 3960}});
    ::SendMessageW(RestoreWindow(), WM_CLOSE, 0, 0);
}

}  // namespace
}  // namespace corvane::menu
