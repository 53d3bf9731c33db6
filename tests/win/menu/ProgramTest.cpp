// Menu.exe itself, started from the stick: what only the whole program shows (its message loop,
// ending the process).
#include "menu/ListSorting.h"
#include "menu/MenuResources.h"
#include "menu/core/DataFile.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/Processes.h"
#include "tests/win/support/RemoteControls.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <numeric>

namespace corvane::menu {
namespace {

using namespace corvane::test;

constexpr DWORD kEndWaitMs = 10000;
constexpr DWORD kSortWaitMs = 60000;  // a million entries sorted and saved

// A Data.dat record as views into the file's text, so that a 32-bit test can hold a million of them
// twice over.
using Record = std::array<std::string_view, kEntryFieldCount>;

std::vector<Record> RecordsOf(std::string_view text) {
    std::vector<Record> records;
    ForEachRecord(text, kEntryFieldCount, [&](std::span<const std::string_view> fields) {
        records.push_back({fields[0], fields[1], fields[2]});
    });
    return records;
}

// When the file was last written; a save replaces it with a newly written one.
ULONGLONG LastWriteOf(const char* path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    ::GetFileAttributesExA(path, GetFileExInfoStandard, &data);
    return (static_cast<ULONGLONG>(data.ftLastWriteTime.dwHighDateTime) << 32) |
           data.ftLastWriteTime.dwLowDateTime;
}

// The saved list holds exactly the entries of `expected` (sorted records), in the order Windows
// sorts their names for people.
void ExpectSavedInOrder(const std::string& saved, const std::vector<Record>& expected, bool descending) {
    std::vector<Record> records = RecordsOf(saved);
    ASSERT_EQ(records.size(), expected.size());
    std::vector<std::string_view> names;
    names.reserve(records.size());
    for (const Record& record : records) {
        names.push_back(record[0]);
    }
    std::vector<std::size_t> unmoved(names.size());
    std::iota(unmoved.begin(), unmoved.end(), std::size_t{0});
    EXPECT_TRUE(OrderForPeople(names, descending) == unmoved) << "Data.dat is not in the sort order";
    std::sort(records.begin(), records.end());
    EXPECT_TRUE(records == expected) << "Data.dat lost or changed entries";
}

class MenuProgram : public MenuWindowTest {
  protected:
    // Starts the Menu.exe that `commandLine` names (the path as typed), without waiting for it.
    static UniqueKernelHandle StartMenu(std::string commandLine, DWORD& processId) {
        return StartProgram(std::move(commandLine), "E:\\", processId);
    }

    // Copies Menu.exe to `exe` and starts it there, without waiting for it.
    static UniqueKernelHandle StartCopy(const std::string& exe, DWORD& processId) {
        const std::string menuExe = TestProgramFolder() + "Menu.exe";
        EXPECT_TRUE(::CopyFileA(menuExe.c_str(), exe.c_str(), FALSE)) << exe;
        return StartMenu(exe, processId);
    }

    // Copies Menu.exe onto the stick, starts it and waits for its window.
    void Start(DWORD waitMs = 10000) {
        process_ = StartCopy("E:\\Menu.exe", processId_);
        ASSERT_TRUE(process_);
        window_ = WaitForWindowOf(processId_, "frmMain", nullptr, waitMs);
        ASSERT_NE(window_, nullptr) << "Menu.exe showed no window";
        // The window shows before start-up has ended: the tray icon follows from the message loop.
        ASSERT_EQ(::WaitForInputIdle(process_.get(), waitMs), 0u)
            << "Menu.exe did not reach its message loop";
    }

    // Clicks the Name column's header of the menu's list, by posted mouse messages as a user's click
    // arrives, and waits until the sort it sets off has replaced Data.dat.
    void ClickNameHeaderAndAwaitSave(HWND list) const {
        const ULONGLONG before = LastWriteOf("E:\\Data.dat");
        const auto header = reinterpret_cast<HWND>(::SendMessageA(list, LVM_GETHEADER, 0, 0));
        RECT place{};
        ASSERT_TRUE(::GetClientRect(header, &place));
        const auto width = static_cast<int>(::SendMessageA(list, LVM_GETCOLUMNWIDTH, 0, 0));
        const LPARAM at = MAKELPARAM(width / 2, place.bottom / 2);
        ::PostMessageA(header, WM_LBUTTONDOWN, MK_LBUTTON, at);
        ::PostMessageA(header, WM_LBUTTONUP, 0, at);
        ASSERT_TRUE(PollUntil([&] { return LastWriteOf("E:\\Data.dat") != before; }, kSortWaitMs))
            << "Data.dat was not saved";
        // The save is done; the menu answers again once its click has been handled.
        ASSERT_TRUE(::SendMessageTimeoutA(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kSortWaitMs, nullptr));
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
// selected, and answers; a header click sorts them all and saves every one, and the find box
// narrows them, after which a sort still saves every entry. Wine's list view keeps nothing per row
// of an owner-data list, so the program also closes at once.
TEST_F(MenuProgram, AMillionEntriesStartSortFindAndSave) {
    constexpr int kEntries = 1000000;
    const std::string written = ManyEntriesFile(kEntries);
    WriteTestFile("E:\\Data.dat", written);
    std::vector<Record> entries = RecordsOf(written);
    std::sort(entries.begin(), entries.end());
    ASSERT_NO_FATAL_FAILURE(Start(90000));
    const HWND list = ::FindWindowExA(window_, nullptr, WC_LISTVIEWA, nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), kEntries);
    // "Tool 0" is read first and also sorts first.
    EXPECT_EQ(::SendMessageA(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);
    EXPECT_EQ(ReadListText(list, 0, 0), "Tool 0");
    const std::string caption = WindowText(window_);  // empty when the menu does not answer
    EXPECT_EQ(caption.rfind("Corvane  ---> ", 0), 0u) << caption;

    // A click on the sorted Name column turns the order round and saves it.
    ASSERT_NO_FATAL_FAILURE(ClickNameHeaderAndAwaitSave(list));
    std::string saved = ReadTestFile("E:\\Data.dat");
    ASSERT_NO_FATAL_FAILURE(ExpectSavedInOrder(saved, entries, true));
    EXPECT_EQ(ReadListText(list, 0, 0), saved.substr(0, saved.find('\r')));
    EXPECT_EQ(ReadListText(list, kEntries - 1, 0), "Tool 0");

    // The targets "Tools\12345\..." and "Tools\123450\..." to "Tools\123459\...", in any case.
    ASSERT_TRUE(
        ::SendMessageTimeoutA(window_, WM_COMMAND, mnuFind, 0, SMTO_ABORTIFHUNG, kEndWaitMs, nullptr));
    const HWND box = ::GetDlgItem(window_, frmMain::txtFind);
    ASSERT_TRUE(::SendMessageTimeoutA(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("S\\12345"),
                                      SMTO_ABORTIFHUNG, kEndWaitMs, nullptr));
    EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 11);

    // Sorted while it shows eleven rows, the list still saves every entry.
    ASSERT_NO_FATAL_FAILURE(ClickNameHeaderAndAwaitSave(list));
    saved = ReadTestFile("E:\\Data.dat");
    ASSERT_NO_FATAL_FAILURE(ExpectSavedInOrder(saved, entries, false));
    EXPECT_EQ(::SendMessageA(list, LVM_GETITEMCOUNT, 0, 0), 11);

    ::PostMessageA(window_, WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_TRUE(Ends()) << "the menu did not end";
}

// A second Menu.exe over the same folder, however its path is spelled, ends and brings the first
// forward, also out of the tray; two menus never edit one Data.dat.
TEST_F(MenuProgram, ASecondMenuOverTheSameFolderBringsTheFirstForwardAndEnds) {
    ASSERT_NO_FATAL_FAILURE(Start());
    for (const bool inTray : {false, true}) {
        SCOPED_TRACE(inTray ? "first menu in the tray" : "first menu shown");
        if (inTray) {
            ::PostMessageA(window_, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            ASSERT_TRUE(PollUntil([&] { return !::IsWindowVisible(window_); }, kEndWaitMs));
        }
        DWORD secondId = 0;
        const UniqueKernelHandle second = StartMenu("e:\\MENU.EXE", secondId);
        ASSERT_TRUE(second);
        ASSERT_EQ(::WaitForSingleObject(second.get(), kEndWaitMs), WAIT_OBJECT_0) << "the second menu ran on";
        DWORD exitCode = 1;
        EXPECT_TRUE(::GetExitCodeProcess(second.get(), &exitCode));
        EXPECT_EQ(exitCode, 0u);
        EXPECT_TRUE(PollUntil([&] { return ::IsWindowVisible(window_) && !::IsIconic(window_); }, kEndWaitMs))
            << "the first menu did not come forward";
        EXPECT_EQ(::WaitForSingleObject(process_.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    }
}

// Menus over another folder of the stick, or on another stick, start as usual beside the first.
TEST_F(MenuProgram, MenusOverOtherFoldersRunSideBySide) {
    ASSERT_NO_FATAL_FAILURE(Start());
    ASSERT_TRUE(::CreateDirectoryA("E:\\Other", nullptr));
    for (const std::string exe : {"E:\\Other\\Menu.exe", "F:\\Menu.exe"}) {
        DWORD otherId = 0;
        const UniqueKernelHandle other = StartCopy(exe, otherId);
        ASSERT_TRUE(other) << exe;
        const HWND otherWindow = WaitForWindowOf(otherId, "frmMain", nullptr);
        EXPECT_NE(otherWindow, nullptr) << exe << " showed no window";
        if (otherWindow != nullptr) {
            ::PostMessageA(otherWindow, WM_CLOSE, 0, 0);
        }
        if (::WaitForSingleObject(other.get(), kEndWaitMs) != WAIT_OBJECT_0) {
            ::TerminateProcess(other.get(), 1);
            ADD_FAILURE() << exe << " did not end";
        }
        EXPECT_EQ(::WaitForSingleObject(process_.get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));
    }
}

}  // namespace
}  // namespace corvane::menu
