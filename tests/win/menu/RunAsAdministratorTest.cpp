// "Run as Administrator": the item and its shortcut, the same launch as Run through the shell's
// elevation request, and a refused elevation reported in the status bar.
#include "menu/MenuResources.h"
#include "menu/core/MenuTexts.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

#include <vector>

namespace corvane::menu {
namespace {

using namespace corvane::test;

// Records what the window hands to the shell; passes it on to the real shell, or answers `refusal`
// as a user who said No to the elevation prompt would.
class ShellRecorder final : public ProgramStarter {
  public:
    struct Call {
        std::string file;
        std::string workingFolder;
        std::string parameters;
        std::string verb;  // empty: the default action
    };

    DWORD Start(const std::string&, const std::string&, int) override { return ERROR_CALL_NOT_IMPLEMENTED; }

    DWORD OpenFile(const std::string& file, const std::string& workingFolder, const std::string& parameters,
                   const char* verb) override {
        calls.push_back({file, workingFolder, parameters, verb != nullptr ? verb : ""});
        return refusal != ERROR_SUCCESS ? refusal
                                        : ProgramStarter::OpenFile(file, workingFolder, parameters, verb);
    }

    DWORD refusal = ERROR_SUCCESS;
    std::vector<Call> calls;
};

class RunAsAdministrator : public MenuWindowTest {
  protected:
    void SetUp() override {
        MenuWindowTest::SetUp();
        ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
        ASSERT_TRUE(::CreateDirectoryA("E:\\Menus", nullptr));
        InstallLaunchRecorder("E:\\Apps\\rec.exe");
    }

    // A menu in E:\Menus\ over one entry (selected) for the recorder in E:\Apps, with placeholders
    // in its switches, started through `shell`.
    static std::unique_ptr<frmMain> MenuOverRecorder(ShellRecorder& shell) {
        WriteTestFile("E:\\Menus\\Data.dat",
                      "Recorder\r\nApps\\rec.exe\r\n/log=%dir%\\log.txt /d=%drive%\r\n");
        auto menu = OpenMenu("E:\\Menus\\", &shell);
        if (menu) {
            SelectRow(menu->ListView(), 0);
        }
        return menu;
    }
};

TEST_F(RunAsAdministrator, FollowsRunOpenFileWithItsShortcut) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const HMENU actions = ::GetSubMenu(::GetMenu(menu->Hwnd()), 0);
    EXPECT_EQ(::GetMenuItemID(actions, 0), static_cast<UINT>(mnuRun));
    EXPECT_EQ(::GetMenuItemID(actions, 1), static_cast<UINT>(mnuRunAsAdmin));
    char caption[64] = {};
    ::GetMenuStringA(actions, 1, caption, sizeof caption, MF_BYPOSITION);
    EXPECT_STREQ(caption, "Run as Administrator\tCtrl+Shift+R");

    // The shown shortcut is the one that works: Ctrl+Shift+R, while Ctrl+R alone stays Run.
    const HACCEL table = ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_ACCELERATORS));
    ASSERT_NE(table, nullptr);
    std::vector<ACCEL> keys(static_cast<std::size_t>(::CopyAcceleratorTableW(table, nullptr, 0)));
    ::CopyAcceleratorTableW(table, keys.data(), static_cast<int>(keys.size()));
    const auto commandOf = [&](BYTE modifiers) {
        for (const ACCEL& key : keys) {
            if (key.key == 'R' && key.fVirt == (FVIRTKEY | modifiers)) {
                return static_cast<int>(key.cmd);
            }
        }
        return 0;
    };
    EXPECT_EQ(commandOf(FCONTROL | FSHIFT), mnuRunAsAdmin);
    EXPECT_EQ(commandOf(FCONTROL), mnuRun);
}

// Wine has no elevation: it runs the program for "runas" as for the default action, so the recorder
// shows that the elevated launch starts the same file, with the same switches, in the same folder.
TEST_F(RunAsAdministrator, StartsTheEntryAsRunDoesWithTheElevationVerb) {
    ShellRecorder shell;
    auto menu = MenuOverRecorder(shell);
    ASSERT_TRUE(menu);
    std::vector<LaunchRecord> launches;
    std::vector<std::string> statusTexts;
    for (const int command : {mnuRun, mnuRunAsAdmin}) {
        SendCommand(menu->Hwnd(), command);
        const auto record = WaitForLaunchRecord();
        ASSERT_TRUE(record) << command;
        launches.push_back(*record);
        statusTexts.push_back(menu->StatusText());
    }
    ASSERT_EQ(shell.calls.size(), 2u);
    EXPECT_EQ(shell.calls[0].verb, "");
    EXPECT_EQ(shell.calls[1].verb, "runas");
    EXPECT_EQ(shell.calls[1].file, "E:\\Apps\\rec.exe");
    EXPECT_EQ(shell.calls[1].workingFolder, "E:\\Apps");
    EXPECT_EQ(shell.calls[1].parameters, "/log=E:\\Apps\\log.txt /d=E:");
    EXPECT_EQ(launches[1].program, launches[0].program);
    EXPECT_EQ(launches[1].folder, "E:\\Apps");
    EXPECT_EQ(launches[1].folder, launches[0].folder);
    EXPECT_EQ(launches[1].arguments, launches[0].arguments);
    EXPECT_EQ(statusTexts[1], "Running E:\\Apps\\rec.exe");
    EXPECT_EQ(statusTexts[1], statusTexts[0]);
    EXPECT_TRUE(boxes_.Texts().empty());
}

// The user said No: nothing ran, which is said in the status bar without a box; the menu stays
// shown and running whatever the on-run option (an ended menu would end this test program too).
TEST_F(RunAsAdministrator, ARefusalIsReportedInTheStatusBarAndLeavesTheMenuAsItWas) {
    for (const int option : {mnuRunNothing, mnuRunMinimize, mnuRunClose}) {
        ShellRecorder shell;
        shell.refusal = ERROR_CANCELLED;
        auto menu = MenuOverRecorder(shell);
        ASSERT_TRUE(menu) << option;
        SendCommand(menu->Hwnd(), option);
        SendCommand(menu->Hwnd(), mnuRunAsAdmin);
        ASSERT_EQ(shell.calls.size(), 1u) << option;
        EXPECT_EQ(shell.calls[0].verb, "runas") << option;
        EXPECT_EQ(menu->StatusText(), std::string(texts::kElevationCancelled) + "E:\\Apps\\rec.exe")
            << option;
        EXPECT_TRUE(::IsWindowVisible(menu->Hwnd())) << option;
        EXPECT_FALSE(::IsIconic(menu->Hwnd())) << option;
        EXPECT_TRUE(boxes_.Texts().empty()) << option;
        EXPECT_TRUE(NoLaunchWithin(500)) << option;
        menu.reset();
        PumpMessages();
    }
}

}  // namespace
}  // namespace corvane::menu
