#include "common/SystemError.h"
#include "common/core/AnsiText.h"
#include "menu/MenuResources.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;

class Browsing : public MenuWindowTest {
  protected:
    std::unique_ptr<frmMain> MenuWithEntry(const std::string& target) {
        WriteTestFile("E:\\Data.dat", "Entry\r\n" + target + "\r\n\r\n");
        auto menu = OpenMenu("E:\\", &starter_);
        if (menu) {
            SelectRow(menu->ListView(), 0);
        }
        return menu;
    }

    RecordingStarter starter_;
};

TEST_F(Browsing, TheTargetsFolderAsRecordedOrOnTheMenuDrive) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps\\Tool", nullptr));
    auto menu = MenuWithEntry("E:\\Apps\\Tool\\tool.exe");  // the file itself need not exist
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuBrowse, 0);
    ASSERT_EQ(starter_.calls.size(), 1u);
    EXPECT_EQ(starter_.calls[0].program, "explorer.exe");
    EXPECT_EQ(starter_.calls[0].commandLine, "explorer.exe /e,\"E:\\Apps\\Tool\"");
    EXPECT_EQ(starter_.calls[0].showCommand, SW_SHOWMAXIMIZED);
    EXPECT_EQ(menu->StatusText(), "Browsing E:\\Apps\\Tool");

    auto moved = MenuWithEntry("F:\\Apps\\Tool\\tool.exe");  // recorded when the stick was F:
    ASSERT_TRUE(moved);
    ::SendMessageA(moved->Hwnd(), WM_COMMAND, mnuBrowse, 0);
    ASSERT_EQ(starter_.calls.size(), 2u);
    EXPECT_EQ(starter_.calls[1].commandLine, "explorer.exe /e,\"E:\\Apps\\Tool\"");
    EXPECT_EQ(moved->StatusText(),
              "Drive changed to E:\\ because 'F:\\Apps\\Tool' doesn't exist on selected drive.");
}

TEST_F(Browsing, AFileInTheRootBrowsesTheBareDrive) {
    auto menu = MenuWithEntry("E:\\tool.exe");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuBrowse, 0);
    ASSERT_EQ(starter_.calls.size(), 1u);
    EXPECT_EQ(starter_.calls[0].commandLine, "explorer.exe /e,\"E:\"");
}

// Explorer is only ever given a folder, in quotes (a comma would split its arguments): a target
// under a file browses nothing, since Explorer would run that file.
TEST_F(Browsing, OnlyFoldersAreBrowsedAndTheyAreQuoted) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps,Tools", nullptr));
    WriteTestFile("E:\\Apps\\tool.exe", "MZ");
    auto commas = MenuWithEntry("E:\\Apps,Tools\\tool.exe");
    ASSERT_TRUE(commas);
    ::SendMessageA(commas->Hwnd(), WM_COMMAND, mnuBrowse, 0);
    ASSERT_EQ(starter_.calls.size(), 1u);
    EXPECT_EQ(starter_.calls[0].commandLine, "explorer.exe /e,\"E:\\Apps,Tools\"");

    auto underAFile = MenuWithEntry("E:\\Apps\\tool.exe\\x.txt");
    ASSERT_TRUE(underAFile);
    ::SendMessageA(underAFile->Hwnd(), WM_COMMAND, mnuBrowse, 0);
    EXPECT_EQ(starter_.calls.size(), 1u)
        << "Explorer was handed a file: " << starter_.calls.back().commandLine;
    EXPECT_EQ(underAFile->StatusText(), "Error browsing E:\\Apps\\tool.exe : ");
}

TEST_F(Browsing, FailuresAreReportedAndNeverHideOrEndTheMenu) {
    WriteTestFile("E:\\Settings.ini", "[MAIN]\r\nONRUN=2\r\n");
    auto menu = MenuWithEntry("F:\\Nowhere\\tool.exe");
    ASSERT_TRUE(menu);
    {
        ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuBrowse, 0);
        ASSERT_EQ(boxes_.Texts().size(), 1u);
        EXPECT_EQ(boxes_.Texts()[0],
                  "Error browsing to the directory : \r\nCheck the folder exists at the specified location.");
    }
    EXPECT_EQ(menu->StatusText(), "Error browsing F:\\Nowhere : ");
    EXPECT_TRUE(starter_.calls.empty());
    EXPECT_TRUE(::IsWindowVisible(menu->Hwnd()));

    starter_.result = ERROR_FILE_NOT_FOUND;  // Explorer cannot be started
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRootBrowse, 0);
    ASSERT_EQ(boxes_.Texts().size(), 2u);
    EXPECT_EQ(boxes_.Texts()[1],
              "Error browsing to the directory : " + SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(menu->StatusText(), "Error browsing E:\\ : " + SystemErrorText(ERROR_FILE_NOT_FOUND));
    EXPECT_TRUE(::IsWindowVisible(menu->Hwnd()));
}

TEST_F(Browsing, AnEmptyListBrowsesNothing) {
    auto menu = OpenMenu("E:\\", &starter_);
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuBrowse, 0);
    EXPECT_TRUE(starter_.calls.empty());
    EXPECT_TRUE(boxes_.Texts().empty());
    EXPECT_EQ(menu->StatusText(), "Corvane v1.11");
}

TEST_F(Browsing, RootBrowseAndMinimizeToTray) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Menus", nullptr));
    WriteTestFile("E:\\Menus\\Settings.ini", "[MAIN]\r\nONRUN=2\r\n");
    auto menu = OpenMenu("E:\\Menus\\", &starter_);
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRootBrowse, 0);
    ASSERT_EQ(starter_.calls.size(), 1u);
    EXPECT_EQ(starter_.calls[0].commandLine, "explorer.exe /e,\"E:\\\"");
    EXPECT_FALSE(starter_.calls[0].windowVisible) << "hidden before Explorer starts";
    EXPECT_EQ(menu->StatusText(), "Browsing root directory E:\\");
}

using RealExplorer = MenuWindowTest;

// Explorer is started from the Windows folder by its full path: an explorer.exe on the stick, which
// is also the current folder, never runs.
TEST_F(RealExplorer, OpensAtTheMenuRootAndNeverFromTheStick) {
    InstallLaunchRecorder("E:\\explorer.exe");
    char previousFolder[MAX_PATH] = {};
    ::GetCurrentDirectoryA(MAX_PATH, previousFolder);
    ASSERT_TRUE(::SetCurrentDirectoryA("E:\\"));
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRootBrowse, 0);
    EXPECT_EQ(menu->StatusText(), "Browsing root directory E:\\");
    // Explorer runs on by itself; it is closed so that it outlives no test.
    EXPECT_TRUE(CloseExplorerWindow()) << "no Explorer window appeared, or it did not close";
    ::SetCurrentDirectoryA(previousFolder);
    EXPECT_TRUE(NoLaunchWithin(1000)) << "the explorer.exe on the stick ran";
}

// Programs of Windows itself start from the Windows folder, in the system folder.
TEST_F(RealExplorer, WindowsProgramsStartFromTheWindowsFolderInTheSystemFolder) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(::GetSystemWindowsDirectoryA(windows, MAX_PATH), 0u);
    const std::string program = std::string(windows) + "\\corvane-recorder.exe";
    InstallLaunchRecorder(program);
    {
        const CurrentFolder onTheStick("E:\\");
        WindowsFolderStarter starter;
        ASSERT_EQ(starter.Start("corvane-recorder.exe", "corvane-recorder.exe /e,\"E:\\\"", SW_SHOWNORMAL),
                  static_cast<DWORD>(ERROR_SUCCESS));
    }
    const auto record = WaitForLaunchRecord();
    ::DeleteFileA(program.c_str());
    ASSERT_TRUE(record);
    EXPECT_EQ(ToLowerAscii(record->program), ToLowerAscii(program));
    EXPECT_EQ(record->arguments, "/e,\"E:\\\"");
    EXPECT_EQ(ToLowerAscii(record->folder), ToLowerAscii(WindowsSystemFolder()));
}

using SupportTools = MenuWindowTest;

TEST_F(SupportTools, OpenFromTheMenuFolderWithoutADoubledBackslash) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Support", nullptr));
    WriteTestFile("E:\\Settings.ini", "[MAIN]\r\nONRUN=3\r\n");  // the tools ignore the on-run option
    const std::vector<std::pair<int, std::string>> tools = {
        {mnuRepair, "Tendwell.exe"}, {mnuFormat, "Utility.exe"}, {mnuUsbview, "usbview.exe"}};
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const CurrentFolder onTheStick("E:\\Support");  // where the last launch would have left the menu
    for (const auto& [command, file] : tools) {
        InstallLaunchRecorder("E:\\Support\\" + file);
        ::SendMessageA(menu->Hwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
        const auto record = WaitForLaunchRecord();
        ASSERT_TRUE(record) << file;
        EXPECT_EQ(record->program, "E:\\Support\\" + file);
        EXPECT_EQ(record->arguments, "");
        EXPECT_EQ(ToLowerAscii(record->folder), ToLowerAscii(WindowsSystemFolder()))
            << "never a folder on the stick";
        EXPECT_TRUE(::IsWindowVisible(menu->Hwnd()));
    }
    EXPECT_EQ(menu->StatusText(), "Corvane v1.11") << "nothing is written to the status bar";
}

TEST_F(SupportTools, FromAMenuInAFolderAndWithoutTheSupportFolder) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Menus", nullptr));
    ASSERT_TRUE(::CreateDirectoryA("E:\\Menus\\Support", nullptr));
    InstallLaunchRecorder("E:\\Menus\\Support\\usbview.exe");
    auto menu = OpenMenu("E:\\Menus\\");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuUsbview, 0);
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->program, "E:\\Menus\\Support\\usbview.exe");

    auto bare = OpenMenu("E:\\");  // no Support folder at the root
    ASSERT_TRUE(bare);
    for (const int command : {mnuRepair, mnuFormat, mnuUsbview, mnuHelp2}) {
        ::SendMessageA(bare->Hwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
    }
    EXPECT_TRUE(boxes_.Texts().empty()) << "the menu has no message of its own";
    EXPECT_EQ(bare->StatusText(), "Corvane v1.11");
}

}  // namespace
}  // namespace corvane::menu
