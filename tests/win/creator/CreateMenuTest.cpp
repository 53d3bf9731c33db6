// The creation run on real files: a creator folder on F:, the drive to prepare on E: (R: and T:
// for a write-protected and a full drive).
#include "creator/CreateMenu.h"

#include "common/MyMod.h"
#include "common/TextEncoding.h"
#include "creator/core/CreatorTexts.h"
#include "creator/core/DriveLayout.h"
#include "tests/win/creator/CreatorFolder.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane::test {
namespace {

using creator::CreateMenu;
using creator::CreationOutcome;
namespace texts = creator::texts;

const std::string kCreator = kCreatorFolder;

class CreateMenuTest : public ::testing::Test {
  protected:
    void SetUp() override {
        BuildCreatorFolder();
        EmptyDrive(kStickRoot);
    }
    void TearDown() override {
        EmptyDrive(kStickRoot);
        EmptyDrive(kSecondStickRoot);
    }

    // The nine files with the creator's contents (Autorun.inf as given) and the six folders.
    static void ExpectPrepared(const std::string& root, const std::string& autorun) {
        for (const std::string_view name : drive::kDriveFiles) {
            const std::string relative(name);
            EXPECT_EQ(ReadTestFile(root + relative),
                      name == drive::kAutorunName ? autorun : CreatorCopyOf(relative))
                << relative;
        }
        for (const std::string_view folder : drive::kDriveFolders) {
            const DWORD attributes = ::GetFileAttributesA((root + std::string(folder)).c_str());
            EXPECT_TRUE(attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY))
                << folder;
        }
    }
};

constexpr const char* kAutorunBytes =
    "[autorun]\r\nopen=Kindel.exe\r\nShellExecute=Kindel.exe\r\nIcon=Menu.exe\r\nLabel=MYSTICK\r\n"
    "action=Open my menu\r\nshell\\menu=Open my menu\r\nshell\\menu\\command=Kindel.exe\r\nShell=Menu\r\n";

TEST_F(CreateMenuTest, FreshDriveGetsTheWholeLayoutStatusesAndReadyMessage) {
    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::Done);

    ExpectPrepared("E:\\", kAutorunBytes);
    // Nothing else: the five user folders are empty.
    EXPECT_EQ(Snapshot("E:\\").size(), drive::kDriveFiles.size() + drive::kDriveFolders.size());
    // Staged in the creator folder and left there.
    EXPECT_EQ(ReadTestFile(kCreator + "\\Autorun.inf"), kAutorunBytes);
    EXPECT_EQ(feedback.statuses,
              (std::vector<std::string>{texts::kCreatingFolders, texts::kCopyingFiles, ""}));
    EXPECT_EQ(feedback.repaints, 5);
    EXPECT_EQ(feedback.messages, std::vector<std::string>{texts::kReady});
    EXPECT_EQ(feedback.focusRequests, 0);
}

TEST_F(CreateMenuTest, ACreatorFolderNamedInAnyScriptPreparesTheDrive) {
    const std::string creator = "F:\\Программы 写真 \xF0\x9F\x8E\xB5";  // the last one an emoji
    BuildCreatorFolder(creator);
    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(creator, feedback), CreationOutcome::Done);
    ExpectPrepared("E:\\", kAutorunBytes);
    EXPECT_EQ(feedback.messages, std::vector<std::string>{texts::kReady});
}

TEST_F(CreateMenuTest, DriveWithAMenuGetsNewCopiesAndKeepsEverythingElse) {
    for (const std::string_view name : drive::kDriveFolders) {
        ASSERT_TRUE(::CreateDirectoryA(("E:\\" + std::string(name)).c_str(), nullptr));
    }
    for (const std::string_view name : drive::kDriveFiles) {
        WriteTestFile("E:\\" + std::string(name), "older " + std::string(name));
    }
    SetAttributes("E:\\Menu.exe", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY);
    SetAttributes("E:\\Support\\mscomctl.ocx", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    WriteTestFile("E:\\Data.dat", "Notes\r\nMy Documents\\notes.txt\r\n\r\n");
    WriteTestFile("E:\\Settings.ini", "[MAIN]\r\nONRUN=2\r\n");
    WriteTestFile("E:\\My Music\\song.mp3", "la la");
    WriteTestFile("E:\\Support\\mine.txt", "the user's own");
    WriteTestFile("E:\\readme.txt", "hello");
    auto before = Snapshot("E:\\");

    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::Done);

    ExpectPrepared("E:\\", kAutorunBytes);
    auto after = Snapshot("E:\\");
    for (const std::string_view name : drive::kDriveFiles) {
        before.erase(std::string(name));
        after.erase(std::string(name));
    }
    EXPECT_EQ(after, before) << "Data.dat, Settings.ini, the folders and other files stay as they were";
    EXPECT_EQ(feedback.messages, std::vector<std::string>{texts::kReady});
}

TEST_F(CreateMenuTest, OneLabelIsEnoughAndTheOtherLineEndsAtTheEqualsSign) {
    RecordingFeedback actionOnly({"E:\\", "Go", ""});
    EXPECT_EQ(CreateMenu(kCreator, actionOnly), CreationOutcome::Done);
    const std::string autorun = ReadTestFile("E:\\Autorun.inf");
    EXPECT_NE(autorun.find("\r\nLabel=\r\naction=Go\r\n"), std::string::npos) << autorun;

    // A pasted line break becomes a space instead of a line of its own.
    RecordingFeedback volumeOnly({"E:\\", "", "MY\r\nSTICK\nopen=x.exe"});
    EXPECT_EQ(CreateMenu(kCreator, volumeOnly), CreationOutcome::Done);
    const std::string broken = ReadTestFile("E:\\Autorun.inf");
    EXPECT_NE(broken.find("\r\nLabel=MY  STICK open=x.exe\r\naction=\r\nshell\\menu=\r\n"), std::string::npos)
        << broken;
    EXPECT_EQ(broken.find("\nopen=x.exe"), std::string::npos);
}

// Autorun.inf as a file of UTF-16 little-endian text after its mark.
std::string Utf16LeFile(std::wstring_view text) {
    static_assert(sizeof(wchar_t) == 2);
    return "\xFF\xFE" +
           std::string(reinterpret_cast<const char*>(text.data()), text.size() * sizeof(wchar_t));
}

// What Windows reads for a key of Autorun.inf's [autorun] section.
std::wstring AutorunValue(const std::string& file, const wchar_t* key) {
    std::wstring value(512, L'\0');
    const DWORD length =
        ::GetPrivateProfileStringW(L"autorun", key, L"(none)", value.data(), static_cast<DWORD>(value.size()),
                                   WideFromUtf8(file).c_str());
    value.resize(length);
    return value;
}

// Labels beyond ASCII make the whole file UTF-16 little-endian with its mark, which Windows' own
// reader of such files takes character for character, letters outside any ANSI code page included.
TEST_F(CreateMenuTest, LabelsBeyondAsciiMakeAUnicodeAutorunThatWindowsReads) {
    // 写真 and Фото 🎵, as the window hands its labels over: in UTF-8.
    RecordingFeedback feedback(
        {"E:\\", "\xE5\x86\x99\xE7\x9C\x9F", "\xD0\xA4\xD0\xBE\xD1\x82\xD0\xBE \xF0\x9F\x8E\xB5"});
    ASSERT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::Done);
    const std::string autorun = ReadTestFile("E:\\Autorun.inf");
    EXPECT_EQ(autorun,
              Utf16LeFile(L"[autorun]\r\nopen=Kindel.exe\r\nShellExecute=Kindel.exe\r\nIcon=Menu.exe\r\n"
                          L"Label=\u0424\u043E\u0442\u043E \U0001F3B5\r\naction=\u5199\u771F\r\n"
                          L"shell\\menu=\u5199\u771F\r\nshell\\menu\\command=Kindel.exe\r\nShell=Menu\r\n"));
    EXPECT_EQ(ReadTestFile(kCreator + "\\Autorun.inf"), autorun);
    EXPECT_EQ(AutorunValue("E:\\Autorun.inf", L"Label"), L"\u0424\u043E\u0442\u043E \U0001F3B5");
    EXPECT_EQ(AutorunValue("E:\\Autorun.inf", L"action"), L"\u5199\u771F");
    EXPECT_EQ(AutorunValue("E:\\Autorun.inf", L"open"), L"Kindel.exe");
}

TEST_F(CreateMenuTest, MissingInputsChangeNothingAnywhere) {
    WriteTestFile("E:\\Menu.exe", "older");
    const auto drive = Snapshot("E:\\");
    const auto creatorFolder = Snapshot(kCreator + "\\");
    for (const creator::CreationInputs& inputs :
         {creator::CreationInputs{"", "Open my menu", "MYSTICK"}, creator::CreationInputs{"E:\\", "", ""},
          creator::CreationInputs{"", "", ""}}) {
        RecordingFeedback feedback(inputs);
        EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::InputsMissing);
        EXPECT_EQ(feedback.messages, std::vector<std::string>{texts::kInputsMissing});
        EXPECT_EQ(feedback.focusRequests, 1);
        EXPECT_TRUE(feedback.statuses.empty());
    }
    EXPECT_EQ(Snapshot("E:\\"), drive);
    EXPECT_EQ(Snapshot(kCreator + "\\"), creatorFolder);
}

TEST_F(CreateMenuTest, MissingProgramBesideTheCreatorLeavesTheDriveAlone) {
    WriteTestFile("E:\\Menu.exe", "older menu");
    WriteTestFile("E:\\Autorun.inf", "older autorun");
    const auto drive = Snapshot("E:\\");
    ASSERT_TRUE(::DeleteFileA((kCreator + "\\Menu.exe").c_str()));

    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::ProgramsMissing);
    EXPECT_EQ(Snapshot("E:\\"), drive);
    EXPECT_FALSE(MyMod::FileExists(kCreator + "\\Autorun.inf"));
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0], creator::ProgramsMissingMessage({"Menu.exe"}, kCreator));
    EXPECT_TRUE(feedback.statuses.empty());
}

TEST_F(CreateMenuTest, MissingSupportFileKeepsTheDrivesCopyAndIsNamedAfterwards) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Support", nullptr));
    WriteTestFile("E:\\Support\\usbview.exe", "older viewer");
    WriteTestFile("E:\\Support\\Utility.exe", "older utility");
    ASSERT_TRUE(::DeleteFileA((kCreator + "\\Support\\usbview.exe").c_str()));

    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::Done);
    EXPECT_EQ(ReadTestFile("E:\\Support\\usbview.exe"), "older viewer");
    EXPECT_EQ(ReadTestFile("E:\\Support\\Utility.exe"), CreatorCopyOf("Support\\Utility.exe"));
    EXPECT_EQ(ReadTestFile("E:\\Menu.exe"), CreatorCopyOf("Menu.exe"));
    ASSERT_EQ(feedback.messages.size(), 2u);
    EXPECT_EQ(feedback.messages[0], texts::kReady);
    EXPECT_EQ(feedback.messages[1],
              std::string(texts::kSupportMissingLead) + "Support\\usbview.exe" + texts::kSupportMissingTail);
}

TEST_F(CreateMenuTest, PlainFileNamedSupportIsKeptAndItsFilesAreReported) {
    WriteTestFile("E:\\Support", "not a folder");
    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::StepFailed);
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(
        feedback.messages[0].rfind(texts::kErrorCopying + std::string("E:\\Support\\Tendwell.exe : "), 0), 0u)
        << feedback.messages[0];
    EXPECT_EQ(ReadTestFile("E:\\Support"), "not a folder") << "counts as present: no folder in its place";
    EXPECT_EQ(ReadTestFile("E:\\Menu.exe"), CreatorCopyOf("Menu.exe"))
        << "the steps before the failure stay done";
    EXPECT_TRUE(MyMod::FolderExists("E:\\My Video"));
    EXPECT_EQ(feedback.statuses.back(), "");
}

TEST_F(CreateMenuTest, FolderChosenInsteadOfADriveGetsItsSeparator) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Stick", nullptr));
    RecordingFeedback feedback({"E:\\Stick", "Open my menu", "MYSTICK"});
    feedback.answerYes = true;
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::Done);
    ExpectPrepared("E:\\Stick\\", kAutorunBytes);
    EXPECT_FALSE(MyMod::FileExists("E:\\StickMenu.exe"));
}

// A folder, or a drive that is not removable, is prepared only after a yes; the root of a
// removable drive is prepared without a question (every other test here prepares one).
TEST_F(CreateMenuTest, FolderThatIsNotARemovableDrivesRootNeedsAYes) {
    for (const std::string folder : {"E:\\Stick", "C:\\CorvaneStick"}) {
        ASSERT_TRUE(::CreateDirectoryA(folder.c_str(), nullptr)) << folder;
        WriteTestFile(folder + "\\Menu.exe", "someone's program");
        const auto before = Snapshot(folder + "\\");
        const std::vector<std::string> question{folder + "\\" + texts::kNotADriveQuestion};

        RecordingFeedback no({folder, "Open my menu", "MYSTICK"});
        EXPECT_EQ(CreateMenu(kCreator, no), CreationOutcome::Declined) << folder;
        EXPECT_EQ(no.questions, question);
        EXPECT_TRUE(no.messages.empty()) << folder;
        EXPECT_EQ(Snapshot(folder + "\\"), before) << folder;
        EXPECT_FALSE(MyMod::FileExists(kCreator + "\\Autorun.inf")) << folder;

        RecordingFeedback yes({folder, "Open my menu", "MYSTICK"});
        yes.answerYes = true;
        EXPECT_EQ(CreateMenu(kCreator, yes), CreationOutcome::Done) << folder;
        EXPECT_EQ(yes.questions, question);
        ExpectPrepared(folder + "\\", kAutorunBytes);
        EmptyDrive(folder + "\\");
        ::RemoveDirectoryA(folder.c_str());
        ::DeleteFileA((kCreator + "\\Autorun.inf").c_str());
    }
}

// A target that cannot be looked at is reported with the system's reason before anything changes.
TEST_F(CreateMenuTest, TargetThatCannotBeOpenedIsReportedBeforeAnythingChanges) {
    for (const std::string& target :
         std::vector<std::string>{"E:\\Missing", kMissingRoot, kCreator + "\\Menu.exe"}) {
        const auto creatorFolder = Snapshot(kCreator + "\\");
        RecordingFeedback feedback({target, "Open my menu", "MYSTICK"});
        EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::StepFailed) << target;
        ASSERT_EQ(feedback.messages.size(), 1u) << target;
        EXPECT_EQ(feedback.messages[0].rfind(texts::kErrorSearching + target, 0), 0u) << feedback.messages[0];
        EXPECT_EQ(Snapshot(kCreator + "\\"), creatorFolder) << target;
    }
}

// However the creator's own folder is spelled, typed or reached, it is refused before anything
// changes: preparing it would delete the very files the run copies.
TEST_F(CreateMenuTest, CreatorsOwnFolderIsRefusedHoweverItIsSpelled) {
    struct Case {
        const char* creatorFolder;
        const char* currentFolder;  // for relative targets
        const char* target;
    };
    for (const Case& c :
         {Case{"F:\\Creator", nullptr, "F:\\Creator"}, Case{"F:\\Creator", nullptr, "f:\\CREATOR\\"},
          Case{"F:\\Creator", nullptr, "F:\\Creator."},
          Case{"F:\\Creator", nullptr, "F:\\Creator\\Support\\.."}, Case{"F:\\Creator", "F:\\Creator", "."},
          Case{"F:", nullptr, "F:\\"}, Case{"F:", nullptr, "F:\\."}, Case{"F:", "F:\\", "."}}) {
        BuildCreatorFolder(c.creatorFolder);
        WriteTestFile(creator::SourcePath(c.creatorFolder, "Autorun.inf"), "the last run's");
        const auto before = Snapshot(kSecondStickRoot);
        char previousFolder[MAX_PATH] = {};
        ::GetCurrentDirectoryA(MAX_PATH, previousFolder);
        if (c.currentFolder != nullptr) {
            ASSERT_TRUE(::SetCurrentDirectoryA(c.currentFolder));
        }
        RecordingFeedback feedback({c.target, "Open my menu", "MYSTICK"});
        const CreationOutcome outcome = CreateMenu(c.creatorFolder, feedback);
        ::SetCurrentDirectoryA(previousFolder);

        EXPECT_EQ(outcome, CreationOutcome::TargetRefused) << c.target;
        ASSERT_EQ(feedback.messages.size(), 1u) << c.target;
        const std::string& message = feedback.messages[0];
        const std::string tail = texts::kCreatorFolderRefused;
        EXPECT_TRUE(message.size() > tail.size() && message.ends_with(tail)) << message;
        EXPECT_TRUE(feedback.questions.empty()) << c.target;
        EXPECT_EQ(Snapshot(kSecondStickRoot), before) << c.target;
    }
}

// The root of the system drive and the Windows folder are never prepared, however spelled.
TEST_F(CreateMenuTest, SystemDriveRootAndWindowsFolderAreRefused) {
    char windows[MAX_PATH] = {};
    ASSERT_GT(::GetSystemWindowsDirectoryA(windows, MAX_PATH), 0u);
    const std::string windowsFolder = windows;
    const std::string systemRoot = windowsFolder.substr(0, 3);
    // Older copies the run would otherwise strip of their attributes and replace.
    const std::vector<std::string> decoys = {systemRoot + "Menu.exe", windowsFolder + "\\Menu.exe"};
    for (const std::string& decoy : decoys) {
        WriteTestFile(decoy, "not the creator's");
        SetAttributes(decoy, FILE_ATTRIBUTE_READONLY);
    }
    for (const std::string& target :
         {systemRoot, windowsFolder, windowsFolder + ".", windowsFolder + "\\system32\\..\\",
          std::string(1, systemRoot[0]) + ":\\."}) {
        RecordingFeedback feedback({target, "Open my menu", "MYSTICK"});
        EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::TargetRefused) << target;
        ASSERT_EQ(feedback.messages.size(), 1u) << target;
        EXPECT_TRUE(feedback.messages[0].ends_with(texts::kSystemFolderRefused)) << feedback.messages[0];
        EXPECT_TRUE(feedback.questions.empty()) << target;
    }
    for (const std::string& decoy : decoys) {
        EXPECT_NE(::GetFileAttributesA(decoy.c_str()) & FILE_ATTRIBUTE_READONLY, 0u) << decoy;
        EXPECT_EQ(ReadTestFile(decoy), "not the creator's") << decoy;
        SetAttributes(decoy, FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileA(decoy.c_str());
    }
    EXPECT_FALSE(MyMod::FolderExists(systemRoot + "My Music"));
    EXPECT_FALSE(MyMod::FileExists(kCreator + "\\Autorun.inf"));
}

// A Support folder that leads elsewhere on the PC: the run would clear attributes, delete and
// replace files there. It is named and nothing changes, on the drive or behind the link.
TEST_F(CreateMenuTest, LinkBelowTheRootIsRefusedBeforeAnythingChanges) {
    ASSERT_TRUE(::CreateDirectoryA("F:\\Elsewhere", nullptr));
    WriteTestFile("F:\\Elsewhere\\Tendwell.exe", "someone else's");
    SetAttributes("F:\\Elsewhere\\Tendwell.exe", FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN);
    WriteTestFile("E:\\Menu.exe", "older menu");
    const SessionFolderLink link("drive-e/Support", "drive-f/Elsewhere");
    const DWORD attributes = ::GetFileAttributesA("E:\\Support");
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    ASSERT_NE(attributes & FILE_ATTRIBUTE_REPARSE_POINT, 0u)
        << "Wine no longer shows the link as a reparse point";
    const auto elsewhere = Snapshot("F:\\");
    const auto drive = Snapshot("E:\\");

    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::TargetRefused);
    EXPECT_EQ(feedback.messages, std::vector<std::string>{std::string("E:\\Support") + texts::kLinkRefused});
    EXPECT_EQ(Snapshot("E:\\"), drive);
    EXPECT_EQ(Snapshot("F:\\"), elsewhere);
    EXPECT_EQ(::GetFileAttributesA("F:\\Elsewhere\\Tendwell.exe") &
                  (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN),
              static_cast<DWORD>(FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN));
}

TEST_F(CreateMenuTest, WriteProtectedDriveStopsWithAClearMessage) {
    if (!DriveIsMapped(kReadOnlyRoot)) {
        GTEST_SKIP() << "R: is not mapped: this machine allows no read-only mount";
    }
    const auto drive = Snapshot(kReadOnlyRoot);
    RecordingFeedback feedback({kReadOnlyRoot, "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::StepFailed);
    EXPECT_EQ(Snapshot(kReadOnlyRoot), drive);
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].rfind(texts::kErrorCreatingFolder + std::string("R:\\Support : "), 0), 0u)
        << feedback.messages[0];
    EXPECT_EQ(feedback.statuses.back(), "");
}

TEST_F(CreateMenuTest, FullDriveStopsAndLeavesNoTruncatedProgram) {
    if (!DriveIsMapped(kTinyRoot)) {
        GTEST_SKIP() << "T: is not mapped: this machine allows no tmpfs mount";
    }
    EmptyDrive(kTinyRoot);
    WriteTestFile(kCreator + "\\Menu.exe", std::string(2 << 20, 'M'));  // larger than the whole drive
    RecordingFeedback feedback({kTinyRoot, "Open my menu", "MYSTICK"});
    EXPECT_EQ(CreateMenu(kCreator, feedback), CreationOutcome::StepFailed);
    EXPECT_FALSE(MyMod::FileExists("T:\\Menu.exe"));
    EXPECT_TRUE(MyMod::FileExists("T:\\Autorun.inf"));
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].rfind(texts::kErrorCopying + std::string("T:\\Menu.exe : "), 0), 0u)
        << feedback.messages[0];
    EmptyDrive(kTinyRoot);
}

TEST_F(CreateMenuTest, CreatorFolderThatCannotBeWrittenStopsBeforeTheDriveIsTouched) {
    // R: shows drive-r-src read-only: a creator folder put there from the writable side can be read only.
    const std::string writable = SessionDriveFolder("drive-r-src\\Creator");
    if (!DriveIsMapped(kReadOnlyRoot) || writable.empty()) {
        GTEST_SKIP() << "R: is not mapped: this machine allows no read-only mount";
    }
    ASSERT_TRUE(::CreateDirectoryA(writable.c_str(), nullptr));
    ASSERT_TRUE(::CreateDirectoryA((writable + "\\Support").c_str(), nullptr));
    for (const std::string_view name : drive::kDriveFiles) {
        if (name != drive::kAutorunName) {
            WriteTestFile(creator::SourcePath(writable, name), CreatorCopyOf(std::string(name)));
        }
    }
    WriteTestFile("E:\\Menu.exe", "older menu");
    WriteTestFile("E:\\Autorun.inf", "older autorun");
    const auto drive = Snapshot("E:\\");

    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    const CreationOutcome outcome = CreateMenu("R:\\Creator", feedback);
    EmptyDrive(writable + "\\");
    ::RemoveDirectoryA(writable.c_str());
    EXPECT_EQ(outcome, CreationOutcome::StepFailed);
    EXPECT_EQ(Snapshot("E:\\"), drive) << "the drive keeps its working menu";
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(
        feedback.messages[0].rfind(texts::kErrorStaging + std::string("R:\\Creator\\Autorun.inf : "), 0), 0u)
        << feedback.messages[0];
}

// The stick is pulled while the files are being copied: the folder behind E: goes away.
TEST_F(CreateMenuTest, DriveRemovedDuringTheCopyStopsWithAClearMessage) {
    PulledDrive stick("drive-e");
    if (!stick.Possible()) {
        GTEST_SKIP() << "CORVANE_DRIVES is not set: run the tests through tools/with-wine.sh";
    }
    RecordingFeedback feedback({"E:\\", "Open my menu", "MYSTICK"});
    bool pulled = false;
    feedback.onRepaint = [&](int repaint) {
        if (repaint == 4) {  // the status says "Copying files......."
            pulled = stick.Pull();
        }
    };
    const CreationOutcome outcome = CreateMenu(kCreator, feedback);
    stick.PutBack();
    ASSERT_TRUE(pulled) << "could not take " << stick.Folder() << " away";
    EXPECT_EQ(outcome, CreationOutcome::StepFailed);
    ASSERT_EQ(feedback.messages.size(), 1u);
    EXPECT_EQ(feedback.messages[0].rfind(texts::kErrorCopying + std::string("E:\\Autorun.inf : "), 0), 0u)
        << feedback.messages[0];
    EXPECT_EQ(feedback.statuses.back(), "");
}

}  // namespace
}  // namespace corvane::test
