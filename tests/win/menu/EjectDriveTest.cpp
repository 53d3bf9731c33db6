// Eject Drive: offered on a removable drive only; the programs running from the stick found, asked
// to close and named when they stay; the hand-off to a copy in the temporary folder, the menu's end,
// Windows' answer as Wine gives it, and a hand-off argument from anyone else doing nothing.
#include "common/TextEncoding.h"
#include "common/WindowsFolders.h"
#include "menu/DriveEject.h"
#include "menu/DriveProcesses.h"
#include "menu/MenuResources.h"
#include "menu/core/EjectHandOff.h"
#include "menu/core/EjectPlan.h"
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
            // After Find Entry; its mnemonic J is the only one of its menu, which has no other.
            EXPECT_EQ(::GetMenuItemID(actions, 10), static_cast<UINT>(mnuEject));
            for (int i = 0; i < ::GetMenuItemCount(actions); ++i) {
                wchar_t caption[128] = {};
                ::GetMenuStringW(actions, static_cast<UINT>(i), caption, 128, MF_BYPOSITION);
                EXPECT_EQ(std::wstring(caption).find(L'&') != std::wstring::npos, i == 10) << i;
            }
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

// The user agrees and every program closes: the eject is handed over for E:, the size is stored, the
// menu leaves the stick and ends.
TEST_F(EjectDrive, HandsOverOnceTheProgramsHaveClosedAndEnds) {
    StartAndAwaitWindow(InstallStickProgram("E:\\Apps\\stick.exe"), "E:\\Apps");
    RecordingHandOff handOff;
    auto menu = OpenMenu(kStickRoot, nullptr, &handOff);
    ASSERT_TRUE(menu);
    const CurrentFolder onStick("E:\\Apps");
    BoxAnswerer boxes("eject-question-");
    SendCommand(menu->Hwnd(), mnuEject);
    EXPECT_EQ(boxes.Texts(),
              std::vector<std::string>{CloseProgramsQuestion('E', std::vector<std::string>{"stick.exe"})});
    EXPECT_EQ(handOff.drives, std::vector<char>{'E'});
    EXPECT_EQ(menu->Hwnd(), nullptr) << "the menu did not end";
    EXPECT_EQ(ReadTestFile("E:\\Settings.ini"),
              "[MAIN]\r\nWINDOW HEIGHT=5910\r\nWINDOW WIDTH=9960\r\nONRUN=0\r\n");
    wchar_t current[MAX_PATH] = {};
    ::GetCurrentDirectoryW(MAX_PATH, current);
    EXPECT_EQ(Utf8FromWide(current), SystemFolder()) << "the menu's current folder kept the stick";
}

}  // namespace
}  // namespace corvane::menu
