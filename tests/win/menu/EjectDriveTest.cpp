// Eject Drive: offered on a removable drive only; the programs running from the stick found, asked
// to close and named when they stay; the hand-off to a copy in the temporary folder, the menu's end,
// Windows' answer as Wine gives it, and a hand-off argument from anyone else doing nothing.
#include "common/TextEncoding.h"
#include "common/WindowText.h"
#include "common/WindowsFolders.h"
#include "menu/DriveEject.h"
#include "menu/DriveProcesses.h"
#include "menu/MenuResources.h"
#include "menu/core/EjectHandOff.h"
#include "menu/core/EjectPlan.h"
#include "menu/core/MenuTexts.h"
#include "menu/modTray.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/Processes.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace corvane::menu {
namespace {

using namespace corvane::test;

constexpr DWORD kWaitMs = 10000;
constexpr DWORD kRefusedCloseWaitMs = 15000;  // the menu waits 10 s for programs to close

// The program's own boxes: presses Yes where there is one, else Cancel, else OK; keeps a picture.
class BoxAnswerer {
  public:
    explicit BoxAnswerer(std::string screenshotLead)
        : answerer_("Corvane", [lead = std::move(screenshotLead), this](HWND box) {
              SaveWindowScreenshot(box, lead + std::to_string(++count_));
              for (const int button : {IDYES, IDCANCEL, IDOK}) {
                  if (::GetDlgItem(box, button) != nullptr) {
                      ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(button), 0);
                      return;
                  }
              }
          }) {}

    std::vector<std::string> Texts() {
        std::vector<std::string> texts;
        for (const SeenDialog& box : answerer_.Seen()) {
            texts.push_back(box.text);
        }
        return texts;
    }

  private:
    int count_ = 0;  // only the answerer's thread counts
    DialogAnswerer answerer_;
};

class EjectDrive : public ::testing::Test {
  protected:
    void SetUp() override {
        EmptyDrive(kStickRoot);
        EmptyDrive(kSecondStickRoot);
        for (const char* folder : {"E:\\Apps", "F:\\Apps"}) {
            ASSERT_TRUE(::CreateDirectoryA(folder, nullptr));
        }
    }

    void TearDown() override {
        for (const UniqueKernelHandle& program : programs_) {
            EndIfRunning(program.get());
        }
        programs_.clear();
        PumpMessages();
        EmptyDrive(kStickRoot);
        EmptyDrive(kSecondStickRoot);
    }

    // Puts the stick program at `path` and returns the path.
    static std::string InstallStickProgram(const std::string& path) {
        const std::string source = TestProgramFolder() + "corvane_stick_program.exe";
        EXPECT_TRUE(::CopyFileW(WideFromUtf8(source).c_str(), WideFromUtf8(path).c_str(), FALSE)) << path;
        return path;
    }

    // Starts `commandLine` from `folder` and waits until its window shows; the process id.
    DWORD StartAndAwaitWindow(const std::string& commandLine, const std::string& folder) {
        DWORD id = 0;
        programs_.push_back(StartProgram(commandLine, folder, id));
        EXPECT_NE(WaitForWindowOf(id, "CorvaneStickProgram", nullptr), nullptr) << commandLine;
        return id;
    }

    // The running programs' ids whose file is on `drive`, but this test program.
    static std::vector<std::uint32_t> IdsOnDrive(char drive) {
        std::vector<std::uint32_t> ids;
        for (const RunningProgram& program :
             ProgramsOnDrive(RunningPrograms(), drive, ::GetCurrentProcessId())) {
            ids.push_back(program.processId);
        }
        return ids;
    }

    std::vector<UniqueKernelHandle> programs_;
};

// Points TMP (which GetTempPath reads first) elsewhere for a scope.
class TemporaryFolderSetTo {
  public:
    explicit TemporaryFolderSetTo(const char* folder) {
        char old[MAX_PATH] = {};
        had_ = ::GetEnvironmentVariableA("TMP", old, MAX_PATH) > 0;
        old_ = old;
        ::SetEnvironmentVariableA("TMP", folder);
    }
    ~TemporaryFolderSetTo() { ::SetEnvironmentVariableA("TMP", had_ ? old_.c_str() : nullptr); }
    TemporaryFolderSetTo(const TemporaryFolderSetTo&) = delete;
    TemporaryFolderSetTo& operator=(const TemporaryFolderSetTo&) = delete;

  private:
    bool had_ = false;
    std::string old_;
};

bool Contains(const std::vector<std::uint32_t>& ids, DWORD id) {
    return std::find(ids.begin(), ids.end(), id) != ids.end();
}

TEST_F(EjectDrive, IsOfferedOnlyOnARemovableDrive) {
    const std::string fixedFolder = TempFolder() + "CorvaneFixedMenu\\";
    ::CreateDirectoryW(WideFromUtf8(fixedFolder).c_str(), nullptr);
    for (const std::string& folder : {std::string(kStickRoot), fixedFolder}) {
        SCOPED_TRACE(folder);
        const bool removable = folder == kStickRoot;
        auto menu = OpenMenu(folder);
        ASSERT_TRUE(menu);
        const HWND hwnd = menu->Hwnd();
        const HMENU actions = ::GetSubMenu(::GetMenu(hwnd), 0);
        EXPECT_EQ(::GetMenuState(actions, mnuEject, MF_BYCOMMAND) != static_cast<UINT>(-1), removable);
        const std::vector<std::string> tray =
            CapturePopupMenu([&] { ::SendMessageA(hwnd, modTray::kTrayNotification, 1, WM_RBUTTONUP); });
        EXPECT_EQ(std::count(tray.begin(), tray.end(), "E&ject Drive"), removable ? 1 : 0);
        if (removable) {
            // Right after Find Entry (MainWindow.MenuTreeCaptions checks that no two mnemonics clash).
            int eject = -1;
            for (int i = 0; i < ::GetMenuItemCount(actions); ++i) {
                if (::GetMenuItemID(actions, i) == static_cast<UINT>(mnuEject)) {
                    eject = i;
                }
            }
            ASSERT_GT(eject, 0);
            EXPECT_EQ(::GetMenuItemID(actions, eject - 1), static_cast<UINT>(mnuFind));
        }
        menu.reset();
        PumpMessages();
    }
    ::RemoveDirectoryW(WideFromUtf8(fixedFolder).c_str());
}

// A program the menu started from the stick is found; the same program started from another drive
// is not; asked to close, the one on the stick ends.
TEST_F(EjectDrive, FindsOnlyTheProgramsOnTheStickAndAsksThemToClose) {
    InstallStickProgram("E:\\Apps\\stick.exe");
    WriteTestFile("E:\\Data.dat", "Stick program\r\nApps\\stick.exe\r\n\r\n");
    auto menu = OpenMenu(kStickRoot, nullptr);
    ASSERT_TRUE(menu);
    SelectRow(menu->ListView(), 0);
    SendCommand(menu->Hwnd(), mnuRun);
    HWND shown = nullptr;
    ASSERT_TRUE(PollUntil([&] { return (shown = ::FindWindowA("CorvaneStickProgram", nullptr)) != nullptr; },
                          kWaitMs));
    DWORD fromMenu = 0;
    ::GetWindowThreadProcessId(shown, &fromMenu);
    const DWORD elsewhere = StartAndAwaitWindow(InstallStickProgram("F:\\Apps\\stick.exe"), "F:\\");

    const std::vector<std::uint32_t> onStick = IdsOnDrive('E');
    EXPECT_EQ(onStick, std::vector<std::uint32_t>{fromMenu});
    EXPECT_TRUE(Contains(IdsOnDrive('F'), elsewhere));

    std::vector<RunningProgram> programs = ProgramsOnDrive(RunningPrograms(), 'E', ::GetCurrentProcessId());
    EXPECT_TRUE(AskProgramsToClose(programs, kWaitMs).empty());
    EXPECT_TRUE(IdsOnDrive('E').empty());
    EXPECT_TRUE(Contains(IdsOnDrive('F'), elsewhere)) << "a program elsewhere was asked to close";
}

// The user agrees: a program that closes goes, one that stays is named, and the eject stops there
// with the menu running, the program untouched and nothing handed over.
TEST_F(EjectDrive, NamesAProgramThatRefusesToCloseAndKeepsTheMenu) {
    const DWORD polite = StartAndAwaitWindow(InstallStickProgram("E:\\Apps\\stick.exe"), "E:\\Apps");
    const DWORD stubborn =
        StartAndAwaitWindow(InstallStickProgram("E:\\Apps\\Notes.exe") + " /refuse", "E:\\Apps");
    RecordingHandOff handOff;
    auto menu = OpenMenu(kStickRoot, nullptr, &handOff);
    ASSERT_TRUE(menu);
    BoxAnswerer boxes("eject-refused-");
    SendCommand(menu->Hwnd(), mnuEject);
    const std::vector<std::string> texts = boxes.Texts();
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], CloseProgramsQuestion('E', std::vector<std::string>{"Notes.exe", "stick.exe"}));
    EXPECT_EQ(texts[1], ProgramsStillRunningMessage('E', std::vector<std::string>{"Notes.exe"}));
    EXPECT_EQ(IdsOnDrive('E'), std::vector<std::uint32_t>{stubborn});
    EXPECT_FALSE(Contains(IdsOnDrive('E'), polite));
    EXPECT_TRUE(handOff.drives.empty());
    EXPECT_TRUE(::IsWindow(menu->Hwnd()));
    EXPECT_TRUE(::IsWindowEnabled(menu->Hwnd()));
}

// Nothing happens but a word about it while the temporary folder is on the stick or an entry is being
// edited. Then the user agrees and every program closes: the eject is handed over for E:, the size is
// stored, the menu leaves the stick and ends.
TEST_F(EjectDrive, HandsOverOnceTheProgramsHaveClosedAndEnds) {
    StartAndAwaitWindow(InstallStickProgram("E:\\Apps\\stick.exe"), "E:\\Apps");
    RecordingHandOff handOff;
    auto menu = OpenMenu(kStickRoot, nullptr, &handOff);
    ASSERT_TRUE(menu);
    const CurrentFolder onStick("E:\\Apps");
    BoxAnswerer boxes("eject-question-");
    {
        // A temporary folder on the stick itself (a portable set-up) would hold the copy there.
        ASSERT_TRUE(::CreateDirectoryA("E:\\Tmp", nullptr));
        const TemporaryFolderSetTo onTheStick("E:\\Tmp");
        SendCommand(menu->Hwnd(), mnuEject);
    }
    SendCommand(menu->Hwnd(), mnuAdd);
    TypeInEditor(frmAdd::txtName, "Half typed");
    SendCommand(menu->Hwnd(), mnuEject);
    EXPECT_TRUE(handOff.drives.empty());
    EXPECT_EQ(WindowTextOf(::GetDlgItem(ShownEditor(), frmAdd::txtName)), "Half typed");
    PressInEditor(frmAdd::cmdCancel);
    SendCommand(menu->Hwnd(), mnuEject);
    EXPECT_EQ(boxes.Texts(),
              (std::vector<std::string>{texts::kTempFolderOnDrive, texts::kFinishEditingFirst,
                                        CloseProgramsQuestion('E', std::vector<std::string>{"stick.exe"})}));
    EXPECT_EQ(handOff.drives, std::vector<char>{'E'});
    EXPECT_EQ(menu->Hwnd(), nullptr) << "the menu did not end";
    EXPECT_EQ(ReadTestFile("E:\\Settings.ini"),
              "[MAIN]\r\nWINDOW HEIGHT=5910\r\nWINDOW WIDTH=9960\r\nONRUN=0\r\n");
    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(Utf8FromWide(current), SystemFolder()) << "the menu's current folder kept the stick";
}

// The path of a running process's file.
std::string ImageOf(DWORD processId) {
    const UniqueKernelHandle process(::OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, processId));
    wchar_t path[MAX_PATH] = {};
    DWORD size = MAX_PATH;
    return process && ::QueryFullProcessImageNameW(process.get(), 0, path, &size) ? Utf8FromWide(path) : "";
}

// A visible message box titled "Corvane" of any process but `notOf`, and that process.
HWND WaitForBoxOfAnotherProcess(DWORD notOf, DWORD& owner) {
    HWND found = nullptr;
    PollUntil(
        [&] {
            found = ::FindWindowA("#32770", "Corvane");
            owner = 0;
            if (found != nullptr) {
                ::GetWindowThreadProcessId(found, &owner);
            }
            return found != nullptr && owner != notOf && ::IsWindowVisible(found);
        },
        kWaitMs);
    return owner != notOf ? found : nullptr;
}

std::string BoxText(HWND box) {
    wchar_t text[2048] = {};
    ::GetDlgItemTextW(box, 0xFFFF, text, 2048);
    return Utf8FromWide(text);
}

// What Wine's configuration manager gives: the volume opens and names its device number, but Wine
// lists no disk devices (SetupDiGetClassDevs finds no interfaces, CM_Locate_DevNode is not
// implemented), so the request never reaches CM_Request_Device_EjectW (which Wine accepts for any
// device without doing anything). A drive that is not there says why.
TEST_F(EjectDrive, WindowsAnswerAsWineGivesIt) {
    const EjectOutcome stick = RequestDriveEject('E');
    EXPECT_EQ(stick.status, EjectStatus::DeviceNotFound);
    EXPECT_EQ(stick.detail, "no disk device matches the drive");
    const EjectOutcome missing = RequestDriveEject('N');
    EXPECT_EQ(missing.status, EjectStatus::DeviceNotFound);
    EXPECT_FALSE(missing.detail.empty());
    EXPECT_NE(missing.detail, stick.detail);
}

// Menu.exe on the stick: Eject Drive ends it and a copy in the temporary folder, started with the
// hand-off argument, reports Windows' answer (Retry asks again, Cancel ends it); the next menu sweeps
// the copy away.
TEST_F(EjectDrive, TheRealMenuHandsOverToACopyThatReportsAndIsSweptLater) {
    const std::string data = "Tool\r\nApps\\tool.exe\r\n\r\n";
    WriteTestFile("E:\\Data.dat", data);
    ASSERT_TRUE(::CopyFileW(WideFromUtf8(TestProgramFolder() + "Menu.exe").c_str(), L"E:\\Menu.exe", FALSE));
    DWORD menuId = 0;
    const UniqueKernelHandle menu = StartProgram("E:\\Menu.exe", "E:\\", menuId);
    ASSERT_TRUE(menu);
    const HWND window = WaitForWindowOf(menuId, "frmMain", nullptr);
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(::WaitForInputIdle(menu.get(), kWaitMs), 0u);
    ::PostMessageA(window, WM_COMMAND, mnuEject, 0);
    EXPECT_EQ(ExitCodeAfter(menu.get(), kWaitMs), 0u) << "the menu did not end";

    const std::string expected = EjectOutcomeMessage(
        'E', {EjectStatus::DeviceNotFound, VetoType::Unknown, "", "no disk device matches the drive"});
    DWORD copyId = 0;
    std::string copyImage;
    for (const int answer : {IDRETRY, IDCANCEL}) {
        const HWND box = WaitForBoxOfAnotherProcess(menuId, copyId);
        ASSERT_NE(box, nullptr) << "the copy reported nothing";
        copyImage = ImageOf(copyId);
        EXPECT_EQ(BoxText(box), expected);
        SaveWindowScreenshot(box, "eject-outcome");
        ::PostMessageW(box, WM_COMMAND, static_cast<WPARAM>(answer), 0);
        ASSERT_TRUE(PollUntil([&] { return !::IsWindow(box); }, kWaitMs));
    }
    const std::string copyName = copyImage.substr(copyImage.rfind('\\') + 1);
    EXPECT_EQ(copyImage.substr(0, copyImage.size() - copyName.size()), TempFolder());
    EXPECT_TRUE(IsHandOffCopyName(copyName)) << copyImage;
    const UniqueKernelHandle copy(
        ::OpenProcess(SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, copyId));
    EXPECT_EQ(ExitCodeAfter(copy.get(), kWaitMs), 1u) << "not ejected";
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), data);
    EXPECT_EQ(ReadTestFile("E:\\Settings.ini"),
              "[MAIN]\r\nWINDOW HEIGHT=5910\r\nWINDOW WIDTH=9960\r\nONRUN=0\r\n");

    // Started again from the stick, the menu shows as ever and removes the copy.
    DWORD againId = 0;
    programs_.push_back(StartProgram("E:\\Menu.exe", "E:\\", againId));
    const HWND again = WaitForWindowOf(againId, "frmMain", nullptr);
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(PollUntil(
        [&] { return ::GetFileAttributesW(WideFromUtf8(copyImage).c_str()) == INVALID_FILE_ATTRIBUTES; },
        kWaitMs))
        << copyImage << " stayed";
    ::PostMessageA(again, WM_CLOSE, 0, 0);
    EXPECT_EQ(ExitCodeAfter(programs_.back().get(), kWaitMs), 0u);
}

// Started by anyone with the hand-off switch but not as a valid hand-off copy, Menu.exe ends at once
// with nothing shown and nothing done: not on the stick, not for a fixed or missing drive, not with
// anything after the number, not under another name.
TEST_F(EjectDrive, AHandOffArgumentFromAnyoneElseDoesNothing) {
    const std::string menuExe = TestProgramFolder() + "Menu.exe";
    const std::string copy = TempFolder() + HandOffCopyName(1, 1);
    const std::string other = TempFolder() + "CorvaneNotACopy.exe";
    for (const std::string& path : {std::string("E:\\Menu.exe"), copy, other}) {
        ASSERT_TRUE(::CopyFileW(WideFromUtf8(menuExe).c_str(), WideFromUtf8(path).c_str(), FALSE)) << path;
    }
    const std::string self = std::to_string(::GetCurrentProcessId());
    const std::string cases[] = {
        "E:\\Menu.exe /eject-drive E: " + self,
        "E:\\Menu.exe /eject-drive",
        "\"" + copy + "\" /eject-drive C: " + self,
        "\"" + copy + "\" /eject-drive N: " + self,
        "\"" + copy + "\" /eject-drive E: " + self + " & notepad",
        "\"" + copy + "\" /eject-drive E:\\..\\Windows " + self,
        "\"" + other + "\" /eject-drive E: " + self,
    };
    WriteTestFile("E:\\Data.dat", "Tool\r\nApps\\tool.exe\r\n\r\n");
    for (const std::string& commandLine : cases) {
        DWORD id = 0;
        const UniqueKernelHandle started = StartProgram(commandLine, TempFolder(), id);
        ASSERT_TRUE(started) << commandLine;
        EXPECT_EQ(ExitCodeAfter(started.get(), kWaitMs), 2u) << commandLine;
        EndIfRunning(started.get());
    }
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Tool\r\nApps\\tool.exe\r\n\r\n");
    EXPECT_EQ(FolderEntriesMatching(kStickRoot, "*"),
              (std::vector<std::string>{"Apps", "Data.dat", "Menu.exe"}));
    for (const std::string& path : {copy, other}) {
        ::DeleteFileW(WideFromUtf8(path).c_str());
    }
}

}  // namespace
}  // namespace corvane::menu
