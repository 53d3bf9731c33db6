// Kindel.exe run from the test drive as a separate process, the way AutoPlay starts it, against the
// prefix's own system folder. Its registrar there and Menu.exe on the drive are stand-ins that log
// how and when they were started (StandInMain.cpp); the component on the stick is a stand-in DLL
// signed under a test root that the tests trust (make-test-components.sh).
#include "common/FileContents.h"
#include "common/WindowLayout.h"
#include "common/core/Twips.h"
#include "start/ComponentInstall.h"
#include "start/ShellStart.h"
#include "start/KindelTexts.h"
#include "start/StartSteps.h"
#include "start/core/StartFiles.h"
#include "start/frmStart.h"
#include "tests/win/start/KindelProcess.h"
#include "tests/win/start/StartLog.h"
#include "tests/win/start/TrustedTestRoot.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <tuple>
#include <vector>

namespace corvane::test {
namespace {

using start::StartFiles;

constexpr const char* kStandInName = "corvane_start_stand_in.exe";
constexpr const char* kKindelOnDrive = "E:\\Kindel.exe";
constexpr const char* kMenuOnDrive = "E:\\Menu.exe";
constexpr const char* kSignedComponent = "signed.dll";
constexpr const char* kReleaseEventName = "CorvaneTestRegistrarRelease";
constexpr DWORD kRunTimeoutMs = 20000;

// True when both paths name the same file. A 32-bit program sees its system folder's files under
// another name (C:\windows\syswow64) than the one it was started by.
bool SameFile(const std::string& a, const std::string& b) {
    const auto identify = [](const std::string& path) {
        BY_HANDLE_FILE_INFORMATION info{};
        // Backup semantics: folders are compared too.
        const UniqueFile file(::CreateFileA(path.c_str(), 0,
                                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                            OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
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

// A file the build made for the tests (make-test-components.sh).
std::string TestComponent(const char* name) {
    return TestProgramFolder() + "components\\" + name;
}

// The temporary files Kindel makes in the system folder while it installs.
std::vector<std::string> TemporaryFilesIn(const std::string& folder) {
    std::vector<std::string> names;
    ForEachFolderEntry(folder + "\\", [&](const std::string& name, bool isFolder) {
        if (!isFolder && name.rfind("cvn", 0) == 0 && name.ends_with(".tmp")) {
            names.push_back(name);
        }
    });
    return names;
}

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
        ASSERT_TRUE(
            ::CopyFileA(TestComponent(kSignedComponent).c_str(), files_.componentSource.c_str(), FALSE));
        trustedRoot_ = std::make_unique<TrustedTestRoot>(TestComponent("root.cer"));
        ::SetEnvironmentVariableA(kRegistrarExitCodeVariable, nullptr);

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
        trustedRoot_.reset();
        EXPECT_EQ(TemporaryFilesIn(files_.systemFolder), std::vector<std::string>{})
            << "left in the system folder";
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
    std::unique_ptr<TrustedTestRoot> trustedRoot_;
    PreferFileForRegistrar preferFile_;
    std::string keptRegistrar_;
    bool registrarReplaced_ = false;
    std::string logPath_;
    UniqueKernelHandle release_;
};

void ExpectPreparationWindow(HWND window) {
    EXPECT_EQ(WindowText(window), start::texts::kCaption);
    EXPECT_EQ(WindowText(::GetDlgItem(window, start::Label1)), start::texts::kPreparing);
    EXPECT_EQ(WindowText(::GetDlgItem(window, start::Label2)), start::texts::kPleaseWait);

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
    // Alt+F4 (the close command it makes) and a plain close request leave the window up meanwhile.
    for (const auto& [name, message, wParam] :
         {std::tuple<const char*, UINT, WPARAM>{"SC_CLOSE", WM_SYSCOMMAND, SC_CLOSE},
          {"WM_CLOSE", WM_CLOSE, 0}}) {
        DWORD_PTR ignored = 0;
        EXPECT_NE(::SendMessageTimeoutA(window, message, wParam, 0, SMTO_ABORTIFHUNG, 5000, &ignored), 0)
            << name;
        EXPECT_TRUE(::IsWindowVisible(window)) << name << " closed the window while it prepares";
    }
    EXPECT_EQ(ReadTestFile(files_.componentFile), ReadTestFile(TestComponent(kSignedComponent)));
    EXPECT_TRUE(LogOf(kMenuOnDrive).empty()) << "the menu started before the registration ended";

    ::SetEvent(release_.get());
    RunKindelExpectingMenu(kindel);
    EXPECT_EQ(kindel.WindowsSeenVisible(), std::vector<HWND>{window}) << "the watch missed the window";

    const auto log = Log();
    ASSERT_EQ(log.size(), 3u);
    EXPECT_EQ(log[0].event, kStarted);
    EXPECT_TRUE(SameFile(log[0].program, files_.registrar)) << log[0].program;
    // Quoted, and run in the system folder, never on the stick.
    EXPECT_EQ(log[0].commandLine, "regsvr32 /s \"" + files_.componentFile + "\"");
    EXPECT_TRUE(SameFile(log[0].currentFolder, files_.systemFolder)) << log[0].currentFolder;
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

TEST_F(KindelTest, FolderNamedLikeTheComponentIsNeitherTheComponentNorReplaced) {
    ASSERT_TRUE(::CreateDirectoryA(files_.componentFile.c_str(), nullptr));

    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    RunKindelExpectingMenu(kindel);
    EXPECT_NE(::GetFileAttributesA(files_.componentFile.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    EXPECT_TRUE(LogOf(files_.registrar).empty()) << "something was registered in the folder's place";
    EXPECT_TRUE(kindel.WindowsSeenVisible().empty()) << "Kindel prepared what it cannot install";
}

// The stick's component in every shape Kindel meets: only the publisher's signed DLL for Kindel's
// own machine, on a chain to a trusted root, is installed and registered. Whatever it finds, it
// shows no message and starts the menu.
struct SourceCase {
    const char* what;
    const char* component;  // a file of make-test-components.sh; null: a folder in its place
    bool rootTrusted;
    bool installed;
};

void PrintTo(const SourceCase& source, std::ostream* out) {
    *out << source.what;
}

class KindelComponentSourceTest : public KindelTest, public ::testing::WithParamInterface<SourceCase> {};

TEST_P(KindelComponentSourceTest, OnlyThePublishersSignedDllIsInstalled) {
    const SourceCase& source = GetParam();
    ASSERT_TRUE(::DeleteFileA(files_.componentSource.c_str()));
    if (source.component == nullptr) {
        ASSERT_TRUE(::CreateDirectoryA(files_.componentSource.c_str(), nullptr));
    } else {
        ASSERT_TRUE(
            ::CopyFileA(TestComponent(source.component).c_str(), files_.componentSource.c_str(), FALSE));
    }
    if (!source.rootTrusted) {
        trustedRoot_.reset();
    }
    ::SetEvent(release_.get());  // the registrar stand-in ends at once

    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    RunKindelExpectingMenu(kindel);
    EXPECT_LE(kindel.WindowsSeenVisible().size(), 1u) << "Kindel showed something besides its waiting window";
    if (source.installed) {
        EXPECT_EQ(ReadTestFile(files_.componentFile), ReadTestFile(TestComponent(source.component)));
        EXPECT_TRUE(WaitForLog(files_.registrar, kEnded)) << "the component was not registered";
    } else {
        EXPECT_EQ(::GetFileAttributesA(files_.componentFile.c_str()), INVALID_FILE_ATTRIBUTES)
            << "a refused component was installed";
        EXPECT_TRUE(LogOf(files_.registrar).empty()) << "a refused component was registered";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sources, KindelComponentSourceTest,
    ::testing::Values(SourceCase{"PublishersOnTrustedRoot", "signed.dll", true, true},
                      SourceCase{"PublishersBeforeTheRootIsTrusted", "signed.dll", false, false},
                      SourceCase{"OtherPublisherUnderTheSameRoot", "other.dll", true, false},
                      SourceCase{"Unsigned", "unsigned.dll", true, false},
                      SourceCase{"ByteChangedAfterSigning", "tampered.dll", true, false},
                      SourceCase{"Truncated", "truncated.dll", true, false},
                      SourceCase{"OtherMachineType", "wrong-machine.dll", true, false},
                      SourceCase{"FolderNamedLikeTheComponent", nullptr, true, false}),
    [](const ::testing::TestParamInfo<SourceCase>& source) { return std::string(source.param.what); });

// Why each spoilt component is refused, from the facts gathered with the platform's own signature
// checks (the root trusted).
TEST_F(KindelTest, EachSpoiltComponentIsRefusedForItsFault) {
    const std::tuple<const char*, start::ComponentVerdict> cases[] = {
        {"signed.dll", start::ComponentVerdict::Install},
        {"other.dll", start::ComponentVerdict::OtherPublisher},
        {"unsigned.dll", start::ComponentVerdict::NoValidSignature},
        {"tampered.dll", start::ComponentVerdict::NoValidSignature},
        {"truncated.dll", start::ComponentVerdict::NoValidSignature},
        {"wrong-machine.dll", start::ComponentVerdict::WrongMachine},
        {"", start::ComponentVerdict::NotARegularFile},  // the components' folder itself
    };
    for (const auto& [file, verdict] : cases) {
        SCOPED_TRACE(file);
        EXPECT_EQ(
            start::JudgeComponent(start::GatherComponentFacts(TestComponent(file)), start::OwnMachine()),
            verdict);
    }
}

// Kindel starts the menu through the desktop shell when it runs elevated, and on its own
// otherwise; where no desktop shell answers (no Explorer, Wine) the first falls back to the second.
// Either way the menu starts.
TEST_F(KindelTest, MenuStartsWhetherOrNotKindelIsElevated) {
    // Wine has no shell window, so its desktop shell never answers: only Windows takes this branch.
    if (start::StartThroughDesktopShell(kMenuOnDrive)) {
        EXPECT_TRUE(WaitForLog(kMenuOnDrive, kStarted)) << "the shell said yes but started nothing";
    }
    for (const bool atUserLevel : {false, true}) {
        SCOPED_TRACE(atUserLevel ? "elevated" : "not elevated");
        ::DeleteFileA(logPath_.c_str());
        start::StartMenu(nullptr, kMenuOnDrive, atUserLevel);
        EXPECT_TRUE(WaitForLog(kMenuOnDrive, kStarted)) << "the menu was not started";
    }
}

TEST_F(KindelTest, ComponentMissingFromSupportStillStartsTheMenu) {
    ASSERT_TRUE(::DeleteFileA(files_.componentSource.c_str()));

    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    RunKindelExpectingMenu(kindel);
    EXPECT_EQ(::GetFileAttributesA(files_.componentFile.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(LogOf(files_.registrar).empty()) << "nothing installed, yet something was registered";
    // The waiting window was the only one: no message of any kind.
    EXPECT_EQ(kindel.WindowsSeenVisible().size(), 1u);
}

TEST_F(KindelTest, FailedRegistrationTakesTheComponentBack) {
    ::SetEnvironmentVariableA(kRegistrarExitCodeVariable, "5");
    ::SetEvent(release_.get());

    KindelProcess kindel(kKindelOnDrive, kStickRoot);
    RunKindelExpectingMenu(kindel);
    EXPECT_TRUE(WaitForLog(files_.registrar, kEnded)) << "the registrar did not run";
    EXPECT_EQ(::GetFileAttributesA(files_.componentFile.c_str()), INVALID_FILE_ATTRIBUTES)
        << "an unregistered component stayed in the system folder";
}

// A component that appears in the system folder between Kindel's test and its install (another
// installer, another Kindel) is kept, whatever it holds, and the copy made meanwhile goes again.
TEST_F(KindelTest, InstallNeverReplacesWhatIsInPlace) {
    WriteTestFile(files_.componentFile, "appeared meanwhile");
    EXPECT_EQ(start::InstallComponent(files_.componentSource, files_.componentFile, files_.systemFolder),
              start::InstallOutcome::NotPlaced);
    EXPECT_EQ(ReadTestFile(files_.componentFile), "appeared meanwhile");
    EXPECT_EQ(start::ProbeComponentFile(files_.componentFile), start::ComponentPlace::Present);
    RemoveComponent(files_.componentFile);

    EXPECT_EQ(start::ProbeComponentFile(files_.componentFile), start::ComponentPlace::Absent);
    ASSERT_TRUE(::CreateDirectoryA(files_.componentFile.c_str(), nullptr));
    EXPECT_EQ(start::ProbeComponentFile(files_.componentFile), start::ComponentPlace::Blocked);
    EXPECT_EQ(start::InstallComponent(files_.componentSource, files_.componentFile, files_.systemFolder),
              start::InstallOutcome::NotPlaced);
    EXPECT_NE(::GetFileAttributesA(files_.componentFile.c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
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
