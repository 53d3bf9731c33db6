// Menu.exe itself, started from the stick: what only the whole program shows (its message loop,
// ending the process).
#include "menu/MenuResources.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;

constexpr DWORD kEndWaitMs = 10000;

// Polls (at most `waitMs`) for a visible top-level window of `process` with the class and title given.
HWND WaitForWindowOf(DWORD process, const char* className, const char* title, DWORD waitMs = 10000) {
    HWND shown = nullptr;
    PollUntil(
        [&] {
            for (HWND found = ::FindWindowExA(nullptr, nullptr, className, title); found != nullptr;
                 found = ::FindWindowExA(nullptr, found, className, title)) {
                DWORD owner = 0;
                ::GetWindowThreadProcessId(found, &owner);
                if (owner == process && ::IsWindowVisible(found)) {
                    shown = found;
                    return true;
                }
            }
            return false;
        },
        waitMs);
    return shown;
}

class MenuProgram : public MenuWindowTest {
  protected:
    // Copies Menu.exe onto the stick, starts it and waits for its window.
    void Start(DWORD waitMs = 10000) {
        const std::string menuExe = TestProgramFolder() + "Menu.exe";
        ASSERT_TRUE(::CopyFileA(menuExe.c_str(), "E:\\Menu.exe", FALSE)) << menuExe;
        STARTUPINFOA startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION started{};
        char commandLine[] = "E:\\Menu.exe";
        ASSERT_TRUE(::CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, "E:\\",
                                     &startup, &started));
        process_.reset(started.hProcess);
        UniqueKernelHandle thread(started.hThread);
        processId_ = started.dwProcessId;
        window_ = WaitForWindowOf(processId_, "frmMain", nullptr, waitMs);
        ASSERT_NE(window_, nullptr) << "Menu.exe showed no window";
        // The window shows before start-up has ended: the tray icon follows from the message loop.
        ASSERT_EQ(::WaitForInputIdle(process_.get(), waitMs), 0u)
            << "Menu.exe did not reach its message loop";
    }

    [[nodiscard]] bool Ends() const {
        return ::WaitForSingleObject(process_.get(), kEndWaitMs) == WAIT_OBJECT_0;
    }

    void TearDown() override {
        if (process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT) {
            ::TerminateProcess(process_.get(), 1);
            ::WaitForSingleObject(process_.get(), kEndWaitMs);
        }
        MenuWindowTest::TearDown();
    }

    UniqueKernelHandle process_;
    DWORD processId_ = 0;
    HWND window_ = nullptr;
};

TEST_F(MenuProgram, CloseMenuEndsTheProgramAtOnceWithSettingsUnchangedAndNoIconLeft) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    InstallLaunchRecorder("E:\\Apps\\rec.exe");
    WriteTestFile("E:\\Data.dat", "Recorder\r\nApps\\rec.exe\r\n/closing\r\n");
    const std::string settings = "[MAIN]\r\nWINDOW HEIGHT=6000\r\nWINDOW WIDTH=10005\r\nONRUN=3\r\n";
    WriteTestFile("E:\\Settings.ini", settings);
    ASSERT_NO_FATAL_FAILURE(Start());
    EXPECT_TRUE(HasTrayIcon(window_));
    ::PostMessageA(window_, WM_COMMAND, mnuRun, 0);  // the first row read is the selected one
    ASSERT_TRUE(Ends()) << "the menu did not end";
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->arguments, "/closing");
    EXPECT_EQ(ReadTestFile("E:\\Settings.ini"), settings);
}

// Browsing, of the entry's folder or of the root, with "Close Menu" chosen ends the program as running
// an entry does: at once, after Explorer has been started, and with its tray icon taken down.
TEST_F(MenuProgram, BrowsingWithCloseMenuChosenEndsTheProgramWithNoIconLeft) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    WriteTestFile("E:\\Data.dat", "Tool\r\nApps\\tool.exe\r\n\r\n");
    WriteTestFile("E:\\Settings.ini", "[MAIN]\r\nONRUN=3\r\n");
    for (const int command : {mnuBrowse, mnuRootBrowse}) {
        SCOPED_TRACE(command == mnuBrowse ? "Browse File Directory" : "root browse");
        ASSERT_NO_FATAL_FAILURE(Start());
        EXPECT_TRUE(HasTrayIcon(window_));
        ::PostMessageA(window_, WM_COMMAND, static_cast<WPARAM>(command), 0);
        ASSERT_TRUE(Ends()) << "the menu did not end";
        DWORD exitCode = 1;
        EXPECT_TRUE(::GetExitCodeProcess(process_.get(), &exitCode));
        EXPECT_EQ(exitCode, 0u);
        // Wine drops the icons of a process that has ended, a moment later: asked at once, the tray
        // still has an icon that was left behind (not every time, so a pass is weaker than a failure).
        EXPECT_FALSE(HasTrayIcon(window_)) << "the icon was left in the tray";
        EXPECT_TRUE(CloseExplorerWindow()) << "Explorer was not started";
    }
}

TEST_F(MenuProgram, EnterRunsTheSelectedEntryThroughTheMessageLoop) {
    WriteTestFile("E:\\Data.dat", "Missing\r\nApps\\missing.exe\r\n\r\n");
    ASSERT_NO_FATAL_FAILURE(Start());
    const HWND list = ::FindWindowExA(window_, nullptr, WC_LISTVIEWA, nullptr);
    ASSERT_NE(list, nullptr);
    ::PostMessageA(list, WM_KEYDOWN, VK_RETURN, 0);
    const HWND box = WaitForWindowOf(processId_, "#32770", "Corvane");
    ASSERT_NE(box, nullptr) << "Enter ran nothing";
    char text[512] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    EXPECT_STREQ(
        text, "Error running E:\\Apps\\missing.exe : \r\nCheck the file exists at the specified location.");
    ::SendMessageA(::GetDlgItem(box, IDOK), BM_CLICK, 0, 0);

    // The close button: the size is stored, the icon goes and the program ends.
    ::PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    ASSERT_TRUE(Ends());
    EXPECT_EQ(ReadTestFile("E:\\Settings.ini"),
              "[MAIN]\r\nWINDOW HEIGHT=5910\r\nWINDOW WIDTH=9960\r\nONRUN=0\r\n");
}

// A list of a million entries: the program comes up with every row, in order, the first one read
// selected, and answers. It is ended by the test: Wine's list view takes minutes to free a million rows
// when its window is destroyed (it looks up every row's record in a list of all of them).
TEST_F(MenuProgram, AMillionEntriesAllShowAndTheMenuAnswers) {
    constexpr int kEntries = 1000000;
    WriteTestFile("E:\\Data.dat", ManyEntriesFile(kEntries));
    ASSERT_NO_FATAL_FAILURE(Start(90000));
    const HWND list = ::FindWindowExA(window_, nullptr, WC_LISTVIEWA, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), kEntries);
    // "Tool 0" is read first and also sorts first.
    EXPECT_EQ(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    const std::string caption = WindowText(window_);  // empty when the menu does not answer
    EXPECT_EQ(caption.rfind("Corvane  ---> ", 0), 0u) << caption;
}

}  // namespace
}  // namespace corvane::menu
