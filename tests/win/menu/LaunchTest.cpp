#include "menu/MenuResources.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;

constexpr unsigned kNoLaunchWaitMs = 1500;

class Launching : public MenuWindowTest {
  protected:
    void SetUp() override {
        MenuWindowTest::SetUp();
        ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    }

    // A menu in `folder` with one entry, selected.
    std::unique_ptr<frmMain> MenuWithEntry(const std::string& folder, const std::string& target,
                                           const std::string& switches = "") {
        WriteTestFile(folder + "Data.dat", "Entry\r\n" + target + "\r\n" + switches + "\r\n");
        auto menu = OpenMenu(folder);
        if (menu) {
            SelectRow(menu->ListView(), 0);
        }
        return menu;
    }
};

TEST_F(Launching, RelativeTargetFromAMenuInASubfolderStartsFromTheDriveRoot) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Menus", nullptr));
    InstallLaunchRecorder("E:\\Apps\\rec.exe");
    auto menu = MenuWithEntry("E:\\Menus\\", "Apps\\rec.exe", "/a b");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRun, 0);
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->folder, "E:\\Apps");
    EXPECT_EQ(record->arguments, "/a b");
    EXPECT_EQ(menu->StatusText(), "Running E:\\Apps\\rec.exe");
    EXPECT_TRUE(::IsWindowVisible(menu->Hwnd())) << "Do Nothing leaves the menu as it was";
    char current[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, current);
    EXPECT_STREQ(current, "E:\\Apps") << "the menu's current folder follows the launched file";
}

TEST_F(Launching, ARecordedDriveThatNoLongerHoldsTheFileFallsBackToTheMenuDrive) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps\\Tool", nullptr));
    InstallLaunchRecorder("E:\\Apps\\Tool\\tool.exe");
    // F: is mapped but holds nothing; N: is not mapped at all.
    for (const std::string recordedDrive : {"F:", "N:"}) {
        auto menu = MenuWithEntry("E:\\", recordedDrive + "\\Apps\\Tool\\tool.exe",
                                  "/log=%dir%\\log.txt /src=%DRIVE%\\data");
        ASSERT_TRUE(menu);
        ::SendMessageA(menu->ListView(), WM_KEYDOWN, VK_RETURN, 0);  // Enter on the selected row
        const auto record = WaitForLaunchRecord();
        ASSERT_TRUE(record) << recordedDrive;
        EXPECT_EQ(record->folder, "E:\\Apps\\Tool");
        EXPECT_EQ(record->arguments, "/log=E:\\Apps\\Tool\\log.txt /src=E:\\data");
        EXPECT_EQ(menu->StatusText(), "Drive changed to E:\\ because '" + recordedDrive +
                                          "\\Apps\\Tool\\tool.exe' doesn't exist on selected drive.");
    }
}

TEST_F(Launching, AStickThatNowHasAnotherLetterFindsItsEntries) {
    // Recorded while the stick was E:; it now runs as F:, and E: holds something else.
    ASSERT_TRUE(::CreateDirectoryA("F:\\Apps", nullptr));
    InstallLaunchRecorder("F:\\Apps\\rec.exe");
    auto menu = MenuWithEntry("F:\\", "E:\\Apps\\rec.exe", "%drive%");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRun, 0);
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->program, "F:\\Apps\\rec.exe");
    EXPECT_EQ(record->arguments, "F:");
    EXPECT_EQ(menu->StatusText(),
              "Drive changed to F:\\ because 'E:\\Apps\\rec.exe' doesn't exist on selected drive.");
}

TEST_F(Launching, ARecordedDriveThatHoldsTheFileIsUsedAsRecorded) {
    ASSERT_TRUE(::CreateDirectoryA("F:\\Apps", nullptr));
    InstallLaunchRecorder("F:\\Apps\\rec.exe");
    InstallLaunchRecorder("E:\\Apps\\rec.exe");
    auto menu = MenuWithEntry("E:\\", "F:\\Apps\\rec.exe", "%drive%");
    ASSERT_TRUE(menu);
    ClickAt(menu->ListView(), RowCentre(menu->ListView(), 0), true);  // double click
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->program, "F:\\Apps\\rec.exe");
    EXPECT_EQ(record->arguments, "E:") << "%drive% is the menu's drive, not the target's";
    EXPECT_EQ(menu->StatusText(), "Running F:\\Apps\\rec.exe");
}

TEST_F(Launching, AFileInTheDriveRootGetsTheBareDriveAsItsFolder) {
    InstallLaunchRecorder("E:\\rec.exe");
    auto menu = MenuWithEntry("E:\\", "rec.exe", "[%Dir%] [%dir%]");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRun, 0);
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, "[E:] [E:]");
    EXPECT_EQ(record->folder, "E:\\");
}

TEST_F(Launching, MissingHiddenAndFolderTargetsAreReportedAndNothingStarts) {
    InstallLaunchRecorder("E:\\Apps\\hidden.exe");
    SetAttributes("E:\\Apps\\hidden.exe", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps\\folder.exe", nullptr));
    std::size_t reports = 0;
    for (const std::string target : {"Apps\\tool.exe", "Apps\\hidden.exe", "Apps\\folder.exe", ""}) {
        auto menu = MenuWithEntry("E:\\", target);
        ASSERT_TRUE(menu);
        ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRun, 0);
        const std::string path = "E:\\" + target;
        ASSERT_EQ(boxes_.Texts().size(), ++reports) << target;
        EXPECT_EQ(boxes_.Texts().back(),
                  "Error running " + path + " : \r\nCheck the file exists at the specified location.");
        EXPECT_EQ(menu->StatusText(), "Error running " + path + " : ");
        EXPECT_TRUE(::IsWindowVisible(menu->Hwnd()));
    }
    EXPECT_TRUE(NoLaunchWithin(kNoLaunchWaitMs));
}

TEST_F(Launching, WithoutASelectedRowTheReasonIsGiven) {
    auto menu = MenuWithEntry("E:\\", "Apps\\tool.exe");
    ASSERT_TRUE(menu);
    ListView_SetItemState(menu->ListView(), -1, 0, LVIS_SELECTED);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRun, 0);
    ASSERT_EQ(boxes_.Texts().size(), 1u);
    EXPECT_EQ(boxes_.Texts()[0],
              "Error running  : No entry is selected.\r\nCheck the file exists at the specified location.");
    EXPECT_EQ(menu->StatusText(), "Error running  : No entry is selected.");
    // Enter needs a selected current row: without one it does nothing at all.
    ::SendMessageA(menu->ListView(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(boxes_.Texts().size(), 1u);
}

TEST_F(Launching, MinimizeToTrayHidesTheMenuBeforeTheStart) {
    InstallLaunchRecorder("E:\\Apps\\rec.exe");
    WriteTestFile("E:\\Settings.ini", "[MAIN]\r\nONRUN=2\r\n");
    auto menu = MenuWithEntry("E:\\", "Apps\\rec.exe");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRun, 0);
    EXPECT_FALSE(::IsWindowVisible(menu->Hwnd()));
    EXPECT_TRUE(::IsIconic(menu->Hwnd()));
    EXPECT_TRUE(WaitForLaunchRecord());
    EXPECT_EQ(menu->StatusText(), "Running E:\\Apps\\rec.exe");
}

}  // namespace
}  // namespace corvane::menu
