// The format utility on the session's real drives: its list, its refusals and the keep-and-restore of
// a menu's files around a format. Wine's SHFormatDrive shows no dialog and answers "cannot format"
// (SHFMT_NOFORMAT) at once, so the format itself is a stand-in that empties the drive; one case runs
// the real call to pin down what Wine does.
#include "utility/frmUtility.h"

#include "common/TextEncoding.h"
#include "common/core/Twips.h"
#include "tests/win/support/DialogAnswerer.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/DpiTesting.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/WindowText.h"
#include "utility/DriveSurvey.h"
#include "utility/KeptFiles.h"
#include "utility/core/UtilityTexts.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <dbt.h>
#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {
namespace {

using utility::FormatOutcome;
using utility::FormatSetup;
using utility::frmUtility;
namespace texts = utility::texts;

const std::string kTitle = texts::kProgramTitle;
const std::string kProgramOnSystemDrive = "C:\\Corvane\\Support\\Utility.exe";

std::string KeepParent() {
    return TestProgramFolder() + "kept lists";
}

// Answers the keep question (Yes, No and Cancel) with `keep`, the offer to prepare the drive again
// (Yes and No) with `prepare`, and presses OK on every report. Told apart by their buttons, which are
// there from the start, rather than by a text that may be read before the box has set it.
DialogAnswerer::Answer Answers(int keep, int prepare = IDNO) {
    return [=](HWND dialog) {
        if (::GetDlgItem(dialog, IDCANCEL) != nullptr && ::GetDlgItem(dialog, IDYES) != nullptr) {
            DialogAnswerer::Press(keep)(dialog);
        } else if (::GetDlgItem(dialog, IDYES) != nullptr) {
            DialogAnswerer::Press(prepare)(dialog);
        } else {
            DialogAnswerer::PressOk(dialog);
        }
    };
}

// The texts a list view row shows, read from the control.
std::vector<std::string> RowCells(HWND list, int row, int columns) {
    std::vector<std::string> cells;
    for (int column = 0; column < columns; ++column) {
        wchar_t text[256] = {};
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = text;
        item.cchTextMax = 256;
        ::SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
        std::string narrow;
        for (const wchar_t* c = text; *c != 0; ++c) {
            narrow += static_cast<char>(*c);
        }
        cells.push_back(narrow);
    }
    return cells;
}

// A menu drive: the program, the list, its settings and two earlier lists in the history.
void WriteMenuDrive(const std::string& root) {
    for (const char* folder : {"Support", "Support\\Backups", "Support\\Backups\\2026"}) {
        ::CreateDirectoryW(WideFromUtf8(root + folder).c_str(), nullptr);
    }
    WriteTestFile(root + "Menu.exe", "MZ menu");
    WriteTestFile(root + "Data.dat", "Notes\r\nnotes.exe\r\n\r\n");
    WriteTestFile(root + "Settings.ini", "[Window]\r\nWidth=9840\r\n");
    WriteTestFile(root + "Support\\Backups\\Data 1.dat", "Old\r\nold.exe\r\n\r\n");
    WriteTestFile(root + "Support\\Backups\\2026\\Data 2.dat", "Older\r\nolder.exe\r\n\r\n");
}

const std::vector<std::string> kMenuFiles = {"Data.dat", "Settings.ini", "Support\\Backups\\Data 1.dat",
                                             "Support\\Backups\\2026\\Data 2.dat"};

class FormatUtilityTest : public ::testing::Test {
  protected:
    void SetUp() override {
        EmptyDrive(kStickRoot);
        EmptyDrive(kSecondStickRoot);
        utility::RemoveFolderTree(KeepParent());
    }
    void TearDown() override {
        window_.reset();
        EmptyDrive(kStickRoot);
        EmptyDrive(kSecondStickRoot);
        utility::RemoveFolderTree(KeepParent());
    }

    FormatSetup Setup(const std::string& programPath, utility::FormatCall format) {
        FormatSetup setup;
        setup.programPath = programPath;
        setup.keepParent = KeepParent();
        setup.creatorPath = TestProgramFolder() + "no creator here\\Stickwright.exe";
        setup.format = [this, format](HWND owner, unsigned drive) {
            formatCalls_.push_back(drive);
            return format(owner, drive);
        };
        return setup;
    }

    void OpenWindow(const std::string& programPath, utility::FormatCall format) {
        window_ = std::make_unique<frmUtility>(Setup(programPath, std::move(format)), [this] { ++closed_; });
        ASSERT_TRUE(window_->Create(SW_SHOWNORMAL));
    }

    std::unique_ptr<frmUtility> window_;
    std::vector<unsigned> formatCalls_;
    int closed_ = 0;
};

// A key pressed in a control of the window, as the program's message loop hands it to the dialog
// manager (Tab, Enter, Escape and mnemonics).
void PressKey(HWND window, HWND control, WPARAM key) {
    MSG message{control, WM_KEYDOWN, key, 0, 0, {}};
    if (!::IsDialogMessageW(window, &message)) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

// Stand-ins for the shell's format dialog.
FormatOutcome EmptiesTheDrive(HWND, unsigned drive) {
    EmptyDrive(std::string(1, static_cast<char>('A' + drive)) + ":\\");
    return FormatOutcome::Formatted;
}
FormatOutcome CancelledByUser(HWND, unsigned) {
    return FormatOutcome::Cancelled;
}

TEST_F(FormatUtilityTest, ListsRemovableDrivesAndItsOwn) {
    WriteTestFile(std::string(kStickRoot) + "Data.dat", "x");
    OpenWindow(kProgramOnSystemDrive, &EmptiesTheDrive);
    std::string letters;
    for (const utility::DriveFacts& drive : window_->ListedRows()) {
        letters += drive.letter;
    }
    // C: runs the program and holds Windows; E: and F: are the session's sticks; Z: (fixed) is left out.
    EXPECT_EQ(letters.find('Z'), std::string::npos) << letters;
    ASSERT_EQ(letters.substr(0, 1), "C") << letters;
    ASSERT_NE(letters.find("EF"), std::string::npos) << letters;

    const HWND list = ::GetDlgItem(window_->Hwnd(), frmUtility::lstDrives);
    ASSERT_EQ(::SendMessageW(list, LVM_GETITEMCOUNT, 0, 0), static_cast<LRESULT>(letters.size()));
    const std::vector<std::string> system = RowCells(list, 0, 6);
    EXPECT_EQ(system[0], "C:");
    EXPECT_EQ(system[5], texts::kStateSystem);
    const std::vector<std::string> stick = RowCells(list, static_cast<int>(letters.find('E')), 6);
    EXPECT_EQ(stick[0], "E:");
    EXPECT_EQ(stick[1], texts::kNoLabel);  // Wine gives mapped folders no label
    EXPECT_FALSE(stick[2].empty());
    EXPECT_NE(stick[3].find(" "), std::string::npos);  // "251 GB": a size with its unit
    EXPECT_EQ(stick[5], texts::kReady);
    // The window starts on the drive it runs from.
    EXPECT_EQ(window_->SelectedDrive(), 'C');
    if (DriveIsMapped(kTinyRoot)) {
        const std::vector<std::string> tiny = RowCells(list, static_cast<int>(letters.find('T')), 6);
        EXPECT_EQ(tiny[3], "1.0 MB");
    }
    EXPECT_EQ(WindowText(::GetDlgItem(window_->Hwnd(), frmUtility::lblState)),
              "C:" + std::string(texts::kRefusedSystem));
    ASSERT_TRUE(window_->SelectDrive('E'));
    EXPECT_EQ(WindowText(::GetDlgItem(window_->Hwnd(), frmUtility::lblState)),
              "E:" + std::string(texts::kReadyHint));
    window_->RefreshDrives();  // the selection survives a refresh
    EXPECT_EQ(window_->SelectedDrive(), 'E');
    SaveWindowScreenshot(window_->Hwnd(), "format-utility");
}

TEST_F(FormatUtilityTest, ListFollowsAStickPulledOut) {
    OpenWindow(kProgramOnSystemDrive, &EmptiesTheDrive);
    ASSERT_TRUE(window_->SelectDrive('F'));
    PulledDrive stick("drive-f");
    ASSERT_TRUE(stick.Possible());
    ASSERT_TRUE(stick.Pull());
    // What Windows sends every top-level window when a volume goes (sent: it carries a pointer).
    DEV_BROADCAST_VOLUME volume{};
    volume.dbcv_size = sizeof volume;
    volume.dbcv_devicetype = DBT_DEVTYP_VOLUME;
    volume.dbcv_unitmask = 1u << ('F' - 'A');
    ::SendMessageW(window_->Hwnd(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE,
                   reinterpret_cast<LPARAM>(&volume));
    const HWND list = ::GetDlgItem(window_->Hwnd(), frmUtility::lstDrives);
    const auto row =
        static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    const std::vector<std::string> cells = RowCells(list, row, 6);
    // Wine keeps the letter of a mapped folder that is gone; its row then says it cannot be read.
    EXPECT_EQ(cells[0], "F:");
    EXPECT_EQ(cells[2], texts::kUnreadable);
    EXPECT_EQ(cells[3], "");
}

TEST_F(FormatUtilityTest, RefusesSystemFixedAndItsOwnDrive) {
    struct Case {
        std::string programPath;
        char drive;
        std::string message;
    };
    const std::vector<Case> cases = {
        {kProgramOnSystemDrive, 'C', "C:" + std::string(texts::kRefusedSystem)},
        {"Z:\\tmp\\Support\\Utility.exe", 'Z', "Z:" + std::string(texts::kRefusedNotRemovable)},
        // A fixed drive that is not even listed is refused all the same when asked for.
        {kProgramOnSystemDrive, 'Z', "Z:" + std::string(texts::kRefusedNotRemovable)},
        {"E:\\Support\\Utility.exe", 'E', "E:" + std::string(texts::kRefusedProgram)},
    };
    WriteMenuDrive(kStickRoot);
    for (const Case& c : cases) {
        DialogAnswerer answerer(kTitle);
        const utility::FormatRunResult run =
            utility::RunFormat(nullptr, c.drive, Setup(c.programPath, &EmptiesTheDrive));
        EXPECT_FALSE(run.formatCalled) << c.drive;
        const std::vector<std::string> said = answerer.Texts();
        ASSERT_EQ(said.size(), 1u) << c.drive;
        EXPECT_EQ(said[0], c.message);
    }
    EXPECT_TRUE(formatCalls_.empty());

    // Through the window: it opens on its own drive and Enter (the default button) is refused there.
    OpenWindow("E:\\Support\\Utility.exe", &EmptiesTheDrive);
    EXPECT_EQ(window_->SelectedDrive(), 'E');
    {
        DialogAnswerer answerer(kTitle);
        ::SendMessageW(window_->Hwnd(), WM_COMMAND, MAKEWPARAM(frmUtility::cmdFormat, BN_CLICKED), 0);
        EXPECT_EQ(answerer.Result().text, "E:" + std::string(texts::kRefusedProgram));
    }
    EXPECT_TRUE(formatCalls_.empty());
    EXPECT_EQ(ReadTestFile(std::string(kStickRoot) + "Menu.exe"), "MZ menu");

    // From the keyboard: Enter in the list is the Format button, Escape closes the window.
    DialogAnswerer keyAnswerer(kTitle);
    const HWND list = ::GetDlgItem(window_->Hwnd(), frmUtility::lstDrives);
    PressKey(window_->Hwnd(), list, VK_RETURN);
    EXPECT_EQ(keyAnswerer.Result().text, "E:" + std::string(texts::kRefusedProgram));
    PressKey(window_->Hwnd(), list, VK_ESCAPE);
    EXPECT_EQ(closed_, 1);
    EXPECT_FALSE(window_->IsOpen());
}

TEST_F(FormatUtilityTest, KeepsTheMenuListAroundAFormat) {
    struct Case {
        const char* name;
        int keep;
        utility::FormatCall format;
        bool listOnDriveAfter;
        bool programOnDriveAfter;
        const char* reportStart;
    };
    const std::vector<Case> cases = {
        {"kept and formatted", IDYES, &EmptiesTheDrive, true, false, "F: is formatted."},
        {"kept and cancelled", IDYES, &CancelledByUser, true, true, "F: was not formatted."},
        {"not kept", IDNO, &EmptiesTheDrive, false, false, "F: is formatted."},
        // What Wine's own dialog does: nothing, "cannot be formatted".
        {"Wine's format call", IDYES, &utility::ShellFormat, true, true, "F: could not be formatted."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WriteMenuDrive(kSecondStickRoot);
        DialogAnswerer answerer(kTitle, Answers(c.keep));
        const utility::FormatRunResult run =
            utility::RunFormat(nullptr, 'F', Setup(kProgramOnSystemDrive, c.format));
        EXPECT_TRUE(run.formatCalled);
        const std::vector<std::string> said = answerer.Texts();
        ASSERT_EQ(said.size(), 2u);
        // The question names what is kept and where.
        EXPECT_NE(said[0].find("Data.dat, Settings.ini and Support\\Backups"), std::string::npos) << said[0];
        EXPECT_NE(said[0].find(KeepParent() + "\\Drive F"), std::string::npos) << said[0];
        EXPECT_EQ(said[1].rfind(c.reportStart, 0), 0u) << said[1];
        for (const std::string& file : kMenuFiles) {
            EXPECT_EQ(utility::IsFile(kSecondStickRoot + file), c.listOnDriveAfter) << file;
        }
        if (c.listOnDriveAfter) {
            EXPECT_EQ(ReadTestFile(std::string(kSecondStickRoot) + "Data.dat"), "Notes\r\nnotes.exe\r\n\r\n");
            EXPECT_EQ(ReadTestFile(std::string(kSecondStickRoot) + "Support\\Backups\\2026\\Data 2.dat"),
                      "Older\r\nolder.exe\r\n\r\n");
        }
        EXPECT_EQ(utility::IsFile(std::string(kSecondStickRoot) + "Menu.exe"), c.programOnDriveAfter);
        // Once back on the drive the copy is gone: nothing is left behind in the profile.
        EXPECT_FALSE(run.keptCopyLeft);
        EXPECT_TRUE(FolderEntriesMatching(KeepParent() + "\\", "Drive *").empty());
        EmptyDrive(kSecondStickRoot);
    }
}

TEST_F(FormatUtilityTest, NothingIsLostWhenKeepingOrRestoringFails) {
    // The copy cannot be made (its folder would be on a drive that is not there): no format.
    WriteMenuDrive(kStickRoot);
    {
        DialogAnswerer answerer(kTitle, Answers(IDYES));
        FormatSetup setup = Setup(kProgramOnSystemDrive, &EmptiesTheDrive);
        setup.keepParent = std::string(kMissingRoot) + "kept";
        const utility::FormatRunResult run = utility::RunFormat(nullptr, 'E', setup);
        EXPECT_FALSE(run.formatCalled);
        const std::vector<std::string> said = answerer.Texts();
        ASSERT_EQ(said.size(), 2u);
        EXPECT_EQ(said[1].rfind(texts::kKeepFailedLead, 0), 0u) << said[1];
        EXPECT_EQ(ReadTestFile(std::string(kStickRoot) + "Menu.exe"), "MZ menu");
    }
    // A profile on the stick itself (a portable set-up) would have the copy erased with the drive: the
    // copy is refused and nothing is formatted.
    {
        DialogAnswerer answerer(kTitle, Answers(IDYES));
        FormatSetup setup = Setup(kProgramOnSystemDrive, &EmptiesTheDrive);
        setup.keepParent = std::string(kStickRoot) + "Users\\ann\\Corvane kept lists";
        const utility::FormatRunResult run = utility::RunFormat(nullptr, 'E', setup);
        EXPECT_FALSE(run.formatCalled);
        const std::vector<std::string> said = answerer.Texts();
        ASSERT_EQ(said.size(), 1u);
        EXPECT_EQ(said[0].rfind(texts::kKeepFailedLead, 0), 0u) << said[0];
        EXPECT_EQ(ReadTestFile(std::string(kStickRoot) + "Menu.exe"), "MZ menu");
    }
    // The drive comes back from the format with a file where the history's folder goes: the history
    // cannot go back, so the whole copy stays in the profile and the report says where.
    {
        DialogAnswerer answerer(kTitle, Answers(IDYES));
        const auto formatLeavingAFile = [](HWND owner, unsigned drive) {
            EmptiesTheDrive(owner, drive);
            WriteTestFile(std::string(kStickRoot) + "Support", "in the way");
            return FormatOutcome::Formatted;
        };
        const utility::FormatRunResult run =
            utility::RunFormat(nullptr, 'E', Setup(kProgramOnSystemDrive, formatLeavingAFile));
        EXPECT_TRUE(run.keptCopyLeft);
        const std::vector<std::string> said = answerer.Texts();
        ASSERT_EQ(said.size(), 2u);
        EXPECT_NE(said[1].find(texts::kRestoreFailedLead), std::string::npos) << said[1];
        EXPECT_NE(said[1].find(run.keepFolder), std::string::npos) << said[1];
        for (const std::string& file : kMenuFiles) {
            EXPECT_TRUE(utility::IsFile(run.keepFolder + "\\" + file)) << file;
        }
        EXPECT_EQ(ReadTestFile(std::string(kStickRoot) + "Data.dat"), "Notes\r\nnotes.exe\r\n\r\n");
    }
    // A second format while that copy is still there keeps into a folder of its own.
    {
        EmptyDrive(kStickRoot);
        WriteMenuDrive(kStickRoot);
        DialogAnswerer answerer(kTitle, Answers(IDCANCEL));
        utility::RunFormat(nullptr, 'E', Setup(kProgramOnSystemDrive, &EmptiesTheDrive));
        const std::vector<std::string> said = answerer.Texts();
        ASSERT_EQ(said.size(), 1u);
        EXPECT_NE(said[0].find(KeepParent() + "\\Drive E (2)"), std::string::npos) << said[0];
        EXPECT_EQ(ReadTestFile(std::string(kStickRoot) + "Menu.exe"), "MZ menu");  // Cancel: untouched
    }
    EXPECT_EQ(formatCalls_.size(), 1u);
}

TEST_F(FormatUtilityTest, OffersToPrepareTheDriveAgainWithTheCreator) {
    WriteMenuDrive(kStickRoot);
    FormatSetup setup = Setup(kProgramOnSystemDrive, &EmptiesTheDrive);
    ::CreateDirectoryW(WideFromUtf8(TestProgramFolder() + "creator folder").c_str(), nullptr);
    setup.creatorPath = InstallLaunchRecorder(TestProgramFolder() + "creator folder\\Stickwright.exe");
    DialogAnswerer answerer(kTitle, Answers(IDYES, IDYES));
    utility::RunFormat(nullptr, 'E', setup);
    const std::vector<std::string> said = answerer.Texts();
    ASSERT_EQ(said.size(), 2u);
    EXPECT_NE(said[1].find(texts::kPrepareAsk), std::string::npos) << said[1];
    const auto launch = WaitForLaunchRecord();
    ASSERT_TRUE(launch.has_value());
    EXPECT_EQ(launch->folder + "\\", TestProgramFolder() + "creator folder\\");
    EXPECT_EQ(formatCalls_, std::vector<unsigned>{4});  // E: is drive number 4
}

// Left, top, width and height in twips, and the list's column widths.
constexpr std::array<PlacedControl, 8> kUtilityControls = {{
    {frmUtility::lstDrives, {180, 480, 8340, 2520}},
    {frmUtility::cmdFormat, {180, 4080, 1335, 375}},
    {frmUtility::cmdRefresh, {1635, 4080, 1215, 375}},
    {frmUtility::cmdHelp, {2970, 4080, 1215, 375}},
    {frmUtility::cmdAbout, {4305, 4080, 1215, 375}},
    {frmUtility::cmdClose, {7305, 4080, 1215, 375}},
    {frmUtility::lblInstruction, {180, 180, 8340, 255}},
    {frmUtility::lblState, {180, 3120, 8340, 870}},
}};
constexpr std::array<int, 4> kUtilityFontControls = {frmUtility::lstDrives, frmUtility::cmdFormat,
                                                     frmUtility::lblInstruction, frmUtility::lblState};
constexpr std::array<int, 6> kColumnTwips = {700, 1740, 1140, 1080, 1080, 2500};

TEST(FormatUtilityDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("FormatUtilityTest.DISABLED_AtThisProcessDpi");
}

TEST_F(FormatUtilityTest, DISABLED_AtThisProcessDpi) {
    const int dpi = ProcessDpi();
    OpenWindow(kProgramOnSystemDrive, &EmptiesTheDrive);
    const HWND list = ::GetDlgItem(window_->Hwnd(), frmUtility::lstDrives);
    const auto columnsAt = [list](int at) {
        for (std::size_t column = 0; column < kColumnTwips.size(); ++column) {
            EXPECT_EQ(::SendMessageW(list, LVM_GETCOLUMNWIDTH, column, 0),
                      TwipsToPixels(kColumnTwips[column], at))
                << "column " << column;
        }
    };
    ExpectLayoutFollowsDpi(
        window_->Hwnd(), dpi,
        {kUtilityControls, kUtilityFontControls, "format-utility", columnsAt, {8700, 4620}});
}

}  // namespace
}  // namespace corvane::test
