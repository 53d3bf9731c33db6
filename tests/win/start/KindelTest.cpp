// Kindel.exe run from the test drive as a separate process, the way AutoPlay starts it, against the
// prefix's own system folder. Its registrar there and Menu.exe on the drive are stand-ins that log
// how and when they were started (StandInMain.cpp).
#include "common/FileContents.h"
#include "common/WindowLayout.h"
#include "common/core/Twips.h"
#include "start/KindelTexts.h"
#include "start/StartSteps.h"
#include "start/core/StartFiles.h"
#include "start/frmStart.h"
#include "tests/win/start/KindelProcess.h"
#include "tests/win/start/StartLog.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::test {
namespace {

using start::StartFiles;

constexpr const char* kStandInName = "corvane_start_stand_in.exe";
constexpr const char* kKindelOnDrive = "E:\\Kindel.exe";
constexpr const char* kMenuOnDrive = "E:\\Menu.exe";
constexpr const char* kComponentContents = "component from the stick";
constexpr const char* kReleaseEventName = "CorvaneTestRegistrarRelease";
constexpr DWORD kRunTimeoutMs = 20000;

// True when both paths name the same file. A 32-bit program sees its system folder's files under
// another name (C:\windows\syswow64) than the one it was started by.
bool SameFile(const std::string& a, const std::string& b) {
    const auto identify = [](const std::string& path) {
        BY_HANDLE_FILE_INFORMATION info{};
        const UniqueFile file(::CreateFileA(path.c_str(), 0,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, 0, nullptr));
        if (!file || !::GetFileInformationByHandle(file.get(), &info)) {
            return std::tuple<DWORD, DWORD, DWORD>{};
        }
        return std::tuple{info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    };
    const auto identity = identify(a);
    return identity != std::tuple<DWORD, DWORD, DWORD>{} && identity == identify(b);
}

void CopyTestProgram(const std::string& name, const std::string& destination) {
    const std::string source = TestProgramFolder() + name;
    ASSERT_TRUE(::CopyFileA(source.c_str(), destination.c_str(), FALSE)) << source << " -> " << destination;
}

// Wine runs its own built-in programs in place of files of the same name in the system folder
// unless told to prefer the file; Windows has no such setting and ignores the key.
class PreferFileForRegistrar {
  public:
    PreferFileForRegistrar() {
        ::RegCreateKeyExA(HKEY_CURRENT_USER, kOverridesKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key_,
                          nullptr);
        EXPECT_NE(key_, nullptr);
        if (key_ != nullptr) {
            EXPECT_EQ(::RegSetValueExA(key_, start::kRegistrarName, 0, REG_SZ,
                                       reinterpret_cast<const BYTE*>(kNative), sizeof kNative),
                      ERROR_SUCCESS);
        }
    }
    ~PreferFileForRegistrar() {
        if (key_ != nullptr) {
            ::RegDeleteValueA(key_, start::kRegistrarName);
            ::RegCloseKey(key_);
        }
    }
    PreferFileForRegistrar(const PreferFileForRegistrar&) = delete;
    PreferFileForRegistrar& operator=(const PreferFileForRegistrar&) = delete;

  private:
    static constexpr const char* kOverridesKey = "Software\\Wine\\DllOverrides";
    static constexpr char kNative[] = "native";
    HKEY key_ = nullptr;
};

// Removes whatever the component's name stands for in the system folder: file or folder.
void RemoveComponent(const std::string& path) {
    ::SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!::DeleteFileA(path.c_str())) {
        ::RemoveDirectoryA(path.c_str());
    }
}

class KindelTest : public ::testing::Test {
  protected:
    void SetUp() override {
        char systemFolder[MAX_PATH] = {};
        ASSERT_NE(::GetSystemDirectoryA(systemFolder, MAX_PATH), 0u);
        files_ = start::PlanStartFiles("E:", systemFolder);
        RemoveComponent(files_.componentFile);

        EmptyDrive(kStickRoot);
        CopyTestProgram("Kindel.exe", kKindelOnDrive);
        CopyTestProgram(kStandInName, kMenuOnDrive);
        // A registrar beside Kindel must never be the one that runs.
        CopyTestProgram(kStandInName, std::string(kStickRoot) + start::kRegistrarName);
        ASSERT_TRUE(::CreateDirectoryA("E:\\Support", nullptr));
        WriteTestFile(files_.componentSource, kComponentContents);

        keptRegistrar_ = files_.registrar + ".kept";
        if (::GetFileAttributesA(keptRegistrar_.c_str()) != INVALID_FILE_ATTRIBUTES) {
            // An interrupted run left its stand-in in place: put the real one back first.
            ::MoveFileExA(keptRegistrar_.c_str(), files_.registrar.c_str(), MOVEFILE_REPLACE_EXISTING);
        }
        ASSERT_TRUE(::MoveFileA(files_.registrar.c_str(), keptRegistrar_.c_str())) << files_.registrar;
        registrarReplaced_ = true;
        CopyTestProgram(kStandInName, files_.registrar);

        char temp[MAX_PATH] = {};
        ::GetTempPathA(MAX_PATH, temp);
        logPath_ = std::string(temp) + "corvane-start-log.txt";
        ::DeleteFileA(logPath_.c_str());
        ::SetEnvironmentVariableA(kStartLogVariable, logPath_.c_str());
        release_.reset(::CreateEventA(nullptr, TRUE, FALSE, kReleaseEventName));
        ASSERT_TRUE(release_.valid());
        ::SetEnvironmentVariableA(kReleaseEventVariable, kReleaseEventName);
    }

    void TearDown() override {
        if (release_) {
            ::SetEvent(release_.get());
        }
        if (registrarReplaced_) {
            // A released stand-in may take a moment to end; its file cannot go before it has.
            const bool removed =
                PollUntil([this] { return ::DeleteFileA(files_.registrar.c_str()) != FALSE; }, 10000);
            EXPECT_TRUE(removed) << files_.registrar;
            EXPECT_TRUE(::MoveFileA(keptRegistrar_.c_str(), files_.registrar.c_str())) << keptRegistrar_;
        }
        RemoveComponent(files_.componentFile);
        ::DeleteFileA(logPath_.c_str());
        EmptyDrive(kStickRoot);
    }

    [[nodiscard]] std::vector<StartLogLine> Log() const {
        std::string text;
        ReadWholeFile(logPath_, text);  // no log yet: no lines
        return ParseStartLog(text);
    }

    [[nodiscard]] std::vector<StartLogLine> LogOf(const std::string& program) const {
        auto lines = Log();
        std::erase_if(lines, [&](const StartLogLine& line) { return !SameFile(line.program, program); });
        return lines;
    }

    // Waits for the stand-in `program` to log `event`.
    bool WaitForLog(const std::string& program, const char* event) const {
        return PollUntil(
            [&] {
                const auto lines = LogOf(program);
                return std::any_of(lines.begin(), lines.end(),
                                   [&](const StartLogLine& l) { return l.event == event; });
            },
            kRunTimeoutMs);
    }

    // Runs Kindel to its end and checks that it ended quietly and that the menu was started.
    void RunKindelExpectingMenu(KindelProcess& kindel) const {
        ASSERT_TRUE(kindel.WaitForEnd(kRunTimeoutMs)) << "Kindel did not end";
        EXPECT_EQ(kindel.ExitCode(), 0u);
        EXPECT_TRUE(WaitForLog(kMenuOnDrive, kStarted)) << "the menu was not started";
    }

    // Waits until the stand-in registrar runs and returns Kindel's window, which must be up then.
    HWND WaitForPreparationWindow(const KindelProcess& kindel) const {
        EXPECT_TRUE(WaitForLog(files_.registrar, kStarted))
            << "the registrar in the system folder was not started";
        const HWND window = kindel.FindVisibleWindow(start::texts::kCaption);
        EXPECT_NE(window, nullptr) << "no visible window captioned Kindel during the registration";
        return window;
    }

    StartFiles files_;
    PreferFileForRegistrar preferFile_;
    std::string keptRegistrar_;
    bool registrarReplaced_ = false;
    std::string logPath_;
    UniqueKernelHandle release_;
};

void ExpectPreparationWindow(HWND window) {
    EXPECT_EQ(WindowTextOf(window), start::texts::kCaption);
    EXPECT_EQ(WindowTextOf(::GetDlgItem(window, start::Label1)), start::texts::kPreparing);
    EXPECT_EQ(WindowTextOf(::GetDlgItem(window, start::Label2)), start::texts::kPleaseWait);

    const auto style = static_cast<DWORD>(::GetWindowLongA(window, GWL_STYLE));
    EXPECT_EQ(style & (WS_CAPTION | WS_BORDER | WS_DLGFRAME | WS_THICKFRAME | WS_SYSMENU), 0u)
        << std::hex << style;

    const int dpi = WindowDpi(window);
    RECT frame{};
    RECT client{};
    ::GetWindowRect(window, &frame);
    ::GetClientRect(window, &client);
    EXPECT_EQ(frame.right - frame.left, client.right) << "a borderless window is all client area";
    EXPECT_EQ(frame.bottom - frame.top, client.bottom);
    EXPECT_EQ(client.right, TwipsToPixels(start::kClientWidthTwips, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(start::kClientHeightTwips, dpi));

    RECT workArea{};
    ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &workArea, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (workArea.left + workArea.right)), 2);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (workArea.top + workArea.bottom)), 2);

    // Each label keeps the centre of its box and grows, when the dialog font needs more room, to
    // show its whole text on one line.
    const UniqueFont font = CreateDialogFont(dpi);
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    ::SelectObject(dc.get(), font.get());
    for (const auto& [id, text, place] :
         {std::tuple{start::Label1, start::texts::kPreparing, start::kLabel1Place},
          std::tuple{start::Label2, start::texts::kPleaseWait, start::kLabel2Place}}) {
        SCOPED_TRACE(text);
        RECT label{};
        ::GetWindowRect(::GetDlgItem(window, id), &label);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&label), 2);
        const int left = TwipsToPixels(place.left, dpi);
        const int top = TwipsToPixels(place.top, dpi);
        const int width = TwipsToPixels(place.width, dpi);
        const int height = TwipsToPixels(place.height, dpi);
        EXPECT_LE(std::abs((label.left + label.right) - (2 * left + width)), 1);
        EXPECT_LE(std::abs((label.top + label.bottom) - (2 * top + height)), 1);
        SIZE needed{};
        ::GetTextExtentPoint32A(dc.get(), text, ::lstrlenA(text), &needed);
        EXPECT_EQ(label.right - label.left, std::max<LONG>(width, needed.cx));
        EXPECT_EQ(label.bottom - label.top, std::max<LONG>(height, needed.cy));
    }
}

TEST_F(KindelTest, MissingComponentIsCopiedAndRegisteredBeforeTheMenuStarts) {
    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    // The registrar is still running: the window is up, the copy done, the menu not yet started.
    const HWND window = WaitForPreparationWindow(kindel);
    ASSERT_NE(window, nullptr);
    ExpectPreparationWindow(window);
    EXPECT_EQ(ReadTestFile(files_.componentFile), kComponentContents);
    EXPECT_TRUE(LogOf(kMenuOnDrive).empty()) << "the menu started before the registration ended";

    ::SetEvent(release_.get());
    RunKindelExpectingMenu(kindel);
    EXPECT_EQ(kindel.WindowsSeenVisible(), std::vector<HWND>{window}) << "the watch missed the window";

    const auto log = Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].event, kStarted);
    EXPECT_TRUE(SameFile(log[0].program, files_.registrar)) << log[0].program;
    EXPECT_EQ(log[0].commandLine, std::string("regsvr32 /s ") + files_.componentFile);
    EXPECT_EQ(log[0].showCommand, std::to_string(SW_SHOWMINIMIZED));
    EXPECT_EQ(log[1].event, kEnded);
    EXPECT_TRUE(SameFile(log[1].program, files_.registrar));
    EXPECT_EQ(log[2].event, kStarted);
    EXPECT_TRUE(SameFile(log[2].program, kMenuOnDrive)) << log[2].program;
    EXPECT_EQ(log[2].showCommand, std::to_string(SW_SHOWNORMAL));
    const std::string menuArguments = log[2].commandLine.substr(log[2].commandLine.rfind("Menu.exe") + 8);
    EXPECT_EQ(menuArguments.find_first_not_of("\" "), std::string::npos) << log[2].commandLine;
}

TEST_F(KindelTest, RegistrarThatNeverEndsHoldsTheMenuBackThirtySecondsAtMost) {
    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    ASSERT_TRUE(WaitForLog(files_.registrar, kStarted));
    ASSERT_TRUE(kindel.WaitForEnd(start::kRegistrationWaitMs + kRunTimeoutMs)) << "Kindel waits for ever";
    EXPECT_TRUE(WaitForLog(kMenuOnDrive, kStarted));
    const auto registrar = LogOf(files_.registrar);
    EXPECT_TRUE(
        std::none_of(registrar.begin(), registrar.end(), [](const auto& l) { return l.event == kEnded; }));
}

class KindelWithComponentTest : public KindelTest, public ::testing::WithParamInterface<DWORD> {};

TEST_P(KindelWithComponentTest, PresentComponentStartsTheMenuWithoutAWindow) {
    WriteTestFile(files_.componentFile, "installed earlier");
    SetAttributes(files_.componentFile, GetParam());

    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    RunKindelExpectingMenu(kindel);
    EXPECT_TRUE(kindel.WindowsSeenVisible().empty()) << "Kindel showed a window";
    EXPECT_TRUE(LogOf(files_.registrar).empty()) << "a present component was registered again";
    EXPECT_EQ(ReadTestFile(files_.componentFile), "installed earlier");
}

INSTANTIATE_TEST_SUITE_P(Attributes, KindelWithComponentTest,
                         ::testing::Values(FILE_ATTRIBUTE_NORMAL, FILE_ATTRIBUTE_HIDDEN,
                                           FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN |
                                               FILE_ATTRIBUTE_READONLY));

TEST_F(KindelTest, FolderNamedLikeTheComponentDoesNotCount) {
    ASSERT_TRUE(::CreateDirectoryA(files_.componentFile.c_str(), nullptr));

    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    EXPECT_NE(WaitForPreparationWindow(kindel), nullptr) << "a folder was taken for the component";
    ::SetEvent(release_.get());
    RunKindelExpectingMenu(kindel);
    // The copy cannot replace a folder and fails quietly.
    EXPECT_NE(::GetFileAttributesA(files_.componentFile.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
}

TEST_F(KindelTest, ComponentMissingFromSupportStillStartsTheMenu) {
    ASSERT_TRUE(::DeleteFileA(files_.componentSource.c_str()));

    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    EXPECT_NE(WaitForPreparationWindow(kindel), nullptr);
    EXPECT_EQ(::GetFileAttributesA(files_.componentFile.c_str()), INVALID_FILE_ATTRIBUTES);
    ::SetEvent(release_.get());
    RunKindelExpectingMenu(kindel);
    // The waiting window was the only one: no message of any kind.
    EXPECT_EQ(kindel.WindowsSeenVisible().size(), 1u);
}

TEST_F(KindelTest, MissingMenuEndsKindelWithoutAMessage) {
    WriteTestFile(files_.componentFile, "installed earlier");
    ASSERT_TRUE(::DeleteFileA(kMenuOnDrive));

    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    ASSERT_TRUE(kindel.WaitForEnd(kRunTimeoutMs)) << "Kindel did not end (waiting on a message?)";
    EXPECT_EQ(kindel.ExitCode(), 0u);
    EXPECT_TRUE(kindel.WindowsSeenVisible().empty()) << "Kindel showed a window";
    EXPECT_TRUE(Log().empty());
}

}  // namespace
}  // namespace corvane::test
