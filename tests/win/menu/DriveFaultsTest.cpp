// The stick goes away or refuses to be written while the menu is open: the menu says so, never
// hangs, and the list on the stick is always whole, either as it was or as it was to become.
#include "menu/MenuResources.h"
#include "menu/core/DataFile.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdio>
#include <string>
#include <thread>

namespace corvane::menu {
namespace {

using namespace corvane::test;

const std::string kSavingFailed = "Error saving list : ";

// A click on a column header, delivered straight to the window: it sorts and saves before returning.
void SortByColumn(frmMain& menu, int column) {
    NMLISTVIEW click{};
    click.hdr = {menu.ListView(), static_cast<UINT_PTR>(::GetDlgCtrlID(menu.ListView())), LVN_COLUMNCLICK};
    click.iSubItem = column;
    ::SendMessageA(menu.Hwnd(), WM_NOTIFY, click.hdr.idFrom, reinterpret_cast<LPARAM>(&click));
}

bool StartsWith(const std::string& text, const std::string& start) {
    return text.rfind(start, 0) == 0;
}

class DriveFaults : public MenuWindowTest {};

TEST_F(DriveFaults, SavingWithTheStickPulledSaysSoAndLosesNothing) {
    PulledDrive stick("drive-e");
    if (!stick.Possible()) {
        GTEST_SKIP() << "CORVANE_DRIVES is not set: run the tests through tools/with-wine.sh";
    }
    const std::string list = ManyEntriesFile(3);
    WriteTestFile("E:\\Data.dat", list);
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    ASSERT_TRUE(stick.Pull());

    SortByColumn(*menu, 1);
    EXPECT_TRUE(StartsWith(menu->StatusText(), kSavingFailed)) << menu->StatusText();
    EXPECT_EQ(ListRows(menu->ListView()).size(), 3u) << "the rows stay in the window";
    EXPECT_TRUE(boxes_.Texts().empty()) << "a status text, not a message box";

    stick.PutBack();
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), list);
    EXPECT_TRUE(FolderEntriesMatching(kStickRoot, "Data.dat.*tmp").empty()) << "no temporary file left";
    menu->SetStatusText("");
    SortByColumn(*menu, 1);
    EXPECT_EQ(menu->StatusText(), "") << "saving works again once the stick is back";
    EXPECT_NE(ReadTestFile("E:\\Data.dat"), list);
}

// The stick is pulled the moment the save's temporary file appears, while a large list is being
// written. Whether the pull lands before or after the file is moved into place, the stick must hold a
// whole list afterwards: the new one only if the window did not report a failure.
TEST_F(DriveFaults, PullingTheStickDuringASaveLeavesAWholeList) {
    constexpr int kRounds = 3;
    PulledDrive stick("drive-e");
    if (!stick.Possible()) {
        GTEST_SKIP() << "CORVANE_DRIVES is not set: run the tests through tools/with-wine.sh";
    }
    const std::string stickFolder = stick.Folder() + "\\";
    const std::string before = ManyEntriesFile(100000);
    int pulledDuringTheSave = 0;
    for (int round = 0; round < kRounds; ++round) {
        WriteTestFile("E:\\Data.dat", before);
        auto menu = OpenMenu("E:\\");
        ASSERT_TRUE(menu);

        std::atomic<bool> saving{true};
        std::thread puller([&] {
            while (saving && FolderEntriesMatching(stickFolder, "Data.dat.*.tmp").empty()) {
            }
            if (saving) {
                stick.Pull();
            }
        });
        const auto started = std::chrono::steady_clock::now();
        SortByColumn(*menu, round % 2 + 1);
        const auto took = std::chrono::steady_clock::now() - started;
        saving = false;
        puller.join();
        const bool failed = StartsWith(menu->StatusText(), kSavingFailed);
        menu.reset();
        stick.PutBack();
        const std::string after = ReadTestFile("E:\\Data.dat");
        EXPECT_LT(took, std::chrono::seconds(30)) << "no hang";
        if (failed) {
            ++pulledDuringTheSave;
            EXPECT_EQ(after, before) << "round " << round << ": a failed save left the old list";
        } else {
            EXPECT_NE(after, before) << "round " << round;
            EXPECT_EQ(CountRecords(after, kEntryFieldCount), 100000u)
                << "round " << round << ": the new list is whole";
        }
        EmptyDrive(kStickRoot);
    }
    std::printf("stick pulled in the middle of %d of %d saves\n", pulledDuringTheSave, kRounds);
    EXPECT_GT(pulledDuringTheSave, 0) << "the pull never landed while a save was under way";
}

// The settings sit on a write-protected stick (R:, a read-only mount: the read-only attribute alone
// does not stop Wine when the tests run as root). The menu takes its values from the file, lets the
// user change them for this run, and ends as usual; the file stays as it was.
TEST_F(DriveFaults, SettingsThatCannotBeWrittenAreReadAndKeptAsTheyAre) {
    const std::string source = SessionDriveFolder("drive-r-src");
    if (source.empty() || !DriveIsMapped(kReadOnlyRoot)) {
        GTEST_SKIP() << "no read-only drive on this machine";
    }
    const std::string settings = "[MAIN]\r\nWINDOW HEIGHT=6600\r\nWINDOW WIDTH=10500\r\nONRUN=2\r\n";
    WriteTestFile(source + "\\Settings.ini", settings);
    {
        auto menu = OpenMenu(kReadOnlyRoot);
        ASSERT_TRUE(menu);
        EXPECT_TRUE(ItemChecked(menu->Hwnd(), mnuRunMinimize));
        EXPECT_NEAR(WindowSizeTwips(menu->Hwnd()).cx, 10500, 15);
        ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRunClose, 0);
        EXPECT_TRUE(ItemChecked(menu->Hwnd(), mnuRunClose)) << "the choice holds for this run";
        ::SetWindowPos(menu->Hwnd(), nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
        ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuExit, 0);
        EXPECT_FALSE(::IsWindow(menu->Hwnd())) << "the menu ends as usual";
    }
    const std::string after = ReadTestFile("R:\\Settings.ini");
    ::DeleteFileA((source + "\\Settings.ini").c_str());
    EXPECT_EQ(after, settings);
    EXPECT_TRUE(boxes_.Texts().empty());
}

}  // namespace
}  // namespace corvane::menu
