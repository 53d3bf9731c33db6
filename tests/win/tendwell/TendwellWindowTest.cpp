// The wizard's window created in this process and driven with messages, as a user would.
#include "tendwell/frmTendwell.h"

#include "tendwell/AutoplayRegistry.h"
#include "tendwell/HelpFile.h"
#include "tendwell/core/TendwellTexts.h"
#include "tests/win/support/DialogAnswerer.h"
#include "tests/win/support/SavedUserValue.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/WindowText.h"
#include "tests/win/tendwell/DriveState.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <dbt.h>
#include <windows.h>

#include <memory>
#include <optional>

namespace corvane::test {
namespace {

using tendwell::frmTendwell;
namespace texts = tendwell::texts;

// Answers a question with `button` and any message after it with OK.
DialogAnswerer::Answer AnswerWith(int button) {
    return [button](HWND dialog) {
        const int id = ::GetDlgItem(dialog, button) != nullptr ? button : IDOK;
        ::SendMessageW(::GetDlgItem(dialog, id), BM_CLICK, 0, 0);
    };
}

class TendwellWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
        ::InitCommonControlsEx(&controls);
        EmptyDrive(kStickRoot);
    }
    void TearDown() override {
        window_.reset();
        EmptyDrive(kStickRoot);
    }

    void Open(const std::string& programFolder) {
        window_ = std::make_unique<frmTendwell>(
            programFolder, [this] { ++closed_; },
            [this](HWND, const std::string& page) { helpPages_.push_back(page); });
        ASSERT_TRUE(window_->Create(SW_SHOWNORMAL));
        hwnd_ = window_->Hwnd();
    }

    [[nodiscard]] HWND Control(int id) const { return ::GetDlgItem(hwnd_, id); }
    [[nodiscard]] std::string Text(int id) const { return WindowText(Control(id)); }
    [[nodiscard]] bool Shown(int id) const { return ::IsWindowVisible(Control(id)) != FALSE; }
    [[nodiscard]] bool Enabled(int id) const { return ::IsWindowEnabled(Control(id)) != FALSE; }
    void Press(int id) const { ::SendMessageW(Control(id), BM_CLICK, 0, 0); }
    void Command(int id) const { ::SendMessageW(hwnd_, WM_COMMAND, static_cast<WPARAM>(id), 0); }

    std::unique_ptr<frmTendwell> window_;
    HWND hwnd_ = nullptr;
    int closed_ = 0;
    std::vector<std::string> helpPages_;
};

TEST_F(TendwellWindowTest, TwoPagesTurnedByKeysWithTheDriveItRunsFromChecked) {
    LayOutInfectedDrive();
    Open("E:\\Support");
    EXPECT_EQ(WindowText(hwnd_), texts::kProgramTitle);
    EXPECT_EQ(::SendMessageW(Control(frmTendwell::tabPages), TCM_GETITEMCOUNT, 0, 0), 2);

    // The PC page first: the creator's message sends users here.
    EXPECT_EQ(window_->CurrentPage(), frmTendwell::PcPage);
    EXPECT_TRUE(Shown(frmTendwell::txtPcReport));
    EXPECT_FALSE(Shown(frmTendwell::txtDriveReport));
    EXPECT_EQ(Text(frmTendwell::txtPcReport).rfind(texts::kNoStartOnInsertion, 0), 0u);
    EXPECT_FALSE(SaveWindowScreenshot(hwnd_, "tendwell-pc-page").empty());

    Command(frmTendwell::mnuNextPage);
    EXPECT_EQ(window_->CurrentPage(), frmTendwell::DrivePage);
    EXPECT_TRUE(Shown(frmTendwell::txtDriveReport));
    EXPECT_FALSE(Shown(frmTendwell::cmdTurnOn));
    EXPECT_EQ(Text(frmTendwell::cboDrive).rfind("E:\\", 0), 0u);
    const std::string report = Text(frmTendwell::txtDriveReport);
    EXPECT_EQ(report.rfind(std::string(texts::kFoundHeading) + "E:\\:", 0), 0u) << report;
    EXPECT_NE(report.find(std::string(texts::kStepDeleteShortcut) + "Photos.lnk"), std::string::npos)
        << report;
    EXPECT_TRUE(Enabled(frmTendwell::cmdRepair));
    EXPECT_FALSE(SaveWindowScreenshot(hwnd_, "tendwell-drive-page").empty());
    Command(frmTendwell::mnuPreviousPage);
    EXPECT_EQ(window_->CurrentPage(), frmTendwell::PcPage);

    // Tab leaves the report for the next button: a read-only text is no trap for the keyboard.
    ::SetFocus(Control(frmTendwell::txtPcReport));
    MSG tab{Control(frmTendwell::txtPcReport), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    EXPECT_TRUE(::IsDialogMessageW(hwnd_, &tab));
    EXPECT_EQ(::GetFocus(), Control(frmTendwell::cmdHelp)) << "Turn AutoPlay back on is off: Help is next";

    // The keys behind those commands, and F1 and F5.
    ACCEL keys[8] = {};
    const int count = ::CopyAcceleratorTableW(window_->Accelerators(), keys, 8);
    const auto hasKey = [&](BYTE modifiers, WORD key, WORD command) {
        return std::any_of(keys, keys + count, [&](const ACCEL& accel) {
            return accel.fVirt == (FVIRTKEY | modifiers) && accel.key == key && accel.cmd == command;
        });
    };
    EXPECT_TRUE(hasKey(FCONTROL, VK_TAB, frmTendwell::mnuNextPage));
    EXPECT_TRUE(hasKey(FCONTROL | FSHIFT, VK_TAB, frmTendwell::mnuPreviousPage));
    EXPECT_TRUE(hasKey(0, VK_F1, frmTendwell::cmdHelp));
    EXPECT_TRUE(hasKey(0, VK_F5, frmTendwell::cmdCheck));

    Press(frmTendwell::cmdHelp);
    Press(frmTendwell::cmdCreatorHelp);
    EXPECT_EQ(helpPages_, (std::vector<std::string>{"tendwell.html", "prepare.html"}));
    // Escape closes the window, from the report too.
    ::SetFocus(Control(frmTendwell::txtPcReport));
    MSG escape{Control(frmTendwell::txtPcReport), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(::IsDialogMessageW(hwnd_, &escape));
    EXPECT_FALSE(::IsWindow(hwnd_));
    EXPECT_EQ(closed_, 1);
}

TEST_F(TendwellWindowTest, RepairAsksFirstAndNoChangesNothing) {
    LayOutInfectedDrive();
    Open("E:\\Support");
    Command(frmTendwell::mnuNextPage);
    const auto before = DriveState(kStickRoot);
    {
        DialogAnswerer no(texts::kProgramTitle, AnswerWith(IDNO));
        Press(frmTendwell::cmdRepair);
        const SeenDialog question = no.Result();
        ASSERT_TRUE(question.appeared);
        EXPECT_EQ(question.text.rfind(std::string(texts::kRepairQuestion) + "E:\\?", 0), 0u) << question.text;
        EXPECT_NE(question.text.find("open=RECYCLER\\x.exe"), std::string::npos) << question.text;
        EXPECT_EQ(question.defaultButton, IDNO);
    }
    EXPECT_EQ(DriveState(kStickRoot), before);
    {
        DialogAnswerer yes(texts::kProgramTitle, AnswerWith(IDYES));
        Press(frmTendwell::cmdRepair);
        EXPECT_TRUE(yes.Result().appeared);
    }
    EXPECT_EQ(Differences(before, DriveState(kStickRoot)).size(), 5u);
    const std::string report = Text(frmTendwell::txtDriveReport);
    EXPECT_NE(report.find(std::string(texts::kStepDone) + texts::kStepDeleteShortcut + "report.lnk"),
              std::string::npos)
        << report;
    EXPECT_NE(report.find(std::string(texts::kCheckedAgain) + "\r\n" + texts::kDriveFine), std::string::npos)
        << report;
    EXPECT_FALSE(Enabled(frmTendwell::cmdRepair));
    EXPECT_EQ(::GetFocus(), Control(frmTendwell::txtDriveReport)) << "the focus is not left on a grey button";
    EXPECT_FALSE(SaveWindowScreenshot(hwnd_, "tendwell-after-repair").empty());
}

TEST_F(TendwellWindowTest, TurningAutoplayBackOnChangesOnlyTheUsersValuesAfterAsking) {
    const SavedUserValue disable(tendwell::kAutoplayHandlersKey, tendwell::kDisableAutoplayValue);
    const SavedUserValue driveTypes(tendwell::kExplorerPoliciesKey, tendwell::kNoDriveTypeAutoRunValue);
    const SavedUserValue letters(tendwell::kExplorerPoliciesKey, tendwell::kNoDriveAutoRunValue);
    constexpr DWORD kC = 1u << 2, kE = 1u << 4;
    disable.Set(1);
    driveTypes.Set(0xFF);
    letters.Set(kC | kE);
    Open("E:\\Support");
    EXPECT_NE(Text(frmTendwell::txtPcReport).find(texts::kSummaryOff), std::string::npos);
    ASSERT_TRUE(Enabled(frmTendwell::cmdTurnOn));
    {
        DialogAnswerer no(texts::kProgramTitle, AnswerWith(IDNO));
        Press(frmTendwell::cmdTurnOn);
        ASSERT_TRUE(no.Result().appeared);
    }
    EXPECT_EQ(disable.Get(), 1u);
    EXPECT_EQ(driveTypes.Get(), 0xFFu);
    EXPECT_EQ(letters.Get(), kC | kE);
    {
        DialogAnswerer yes(texts::kProgramTitle, AnswerWith(IDYES));
        Press(frmTendwell::cmdTurnOn);
        const auto seen = yes.Seen();
        ASSERT_EQ(seen.size(), 2u);
        EXPECT_NE(seen[0].text.find(texts::kTurnOnDisableAutoplay), std::string::npos) << seen[0].text;
        EXPECT_EQ(seen[1].text, texts::kTurnOnDone);
    }
    EXPECT_EQ(disable.Get(), 0u);
    EXPECT_EQ(driveTypes.Get(), 0xFBu) << "only the removable drives' bit goes";
    EXPECT_EQ(letters.Get(), kC) << "only the USB drive's letter goes";
    EXPECT_NE(Text(frmTendwell::txtPcReport).find(texts::kSummaryOn), std::string::npos);
    EXPECT_FALSE(Enabled(frmTendwell::cmdTurnOn));
}

TEST_F(TendwellWindowTest, RunFromTheSystemDriveItChecksNothingUntilAUsbDriveIsPicked) {
    Open("C:\\windows");
    Command(frmTendwell::mnuNextPage);
    EXPECT_EQ(Text(frmTendwell::txtDriveReport), std::string("C:\\") + texts::kDriveRefusedSystem);
    EXPECT_EQ(::SendMessageW(Control(frmTendwell::cboDrive), CB_GETCURSEL, 0, 0), CB_ERR);
    EXPECT_FALSE(Enabled(frmTendwell::cmdRepair));

    // The list holds the USB drives only; picking one checks it.
    const HWND list = Control(frmTendwell::cboDrive);
    const LRESULT count = ::SendMessageW(list, CB_GETCOUNT, 0, 0);
    std::vector<std::string> shown;
    for (LRESULT i = 0; i < count; ++i) {
        wchar_t text[64] = {};
        ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        shown.push_back(std::string(1, static_cast<char>(text[0])));
    }
    EXPECT_NE(std::find(shown.begin(), shown.end(), "E"), shown.end());
    EXPECT_EQ(std::find(shown.begin(), shown.end(), "C"), shown.end());
    EXPECT_EQ(std::find(shown.begin(), shown.end(), "Z"), shown.end());
    const auto e = std::find(shown.begin(), shown.end(), "E") - shown.begin();
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(e), 0);
    ::SendMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(frmTendwell::cboDrive, CBN_SELCHANGE),
                   reinterpret_cast<LPARAM>(list));
    EXPECT_EQ(Text(frmTendwell::txtDriveReport).rfind(std::string(texts::kFoundHeading) + "E:\\:", 0), 0u);
    EXPECT_TRUE(Enabled(frmTendwell::cmdRepair)) << "an empty drive gets an Autorun.inf";
}

// The stick is pulled while its list of repairs is shown, then put back: the list goes with the stick
// and is made afresh when it is back, never carried over to whatever the letter holds meanwhile.
TEST_F(TendwellWindowTest, APulledStickTakesItsRepairsAlongAndIsCheckedAgainWhenBack) {
    LayOutInfectedDrive();
    Open("E:\\Support");
    ASSERT_TRUE(Enabled(frmTendwell::cmdRepair));
    PulledDrive stick("drive-e");
    if (!stick.Possible()) {
        GTEST_SKIP() << "the session's drive folders are not reachable";
    }
    ASSERT_TRUE(stick.Pull());
    ::SendMessageW(hwnd_, WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, 0);
    EXPECT_EQ(Text(frmTendwell::txtDriveReport).rfind(std::string("E:\\") + texts::kDriveRefusedMissing, 0),
              0u);
    EXPECT_FALSE(Enabled(frmTendwell::cmdRepair));

    stick.PutBack();
    ::SendMessageW(hwnd_, WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0);
    EXPECT_EQ(Text(frmTendwell::cboDrive).rfind("E:\\", 0), 0u);
    EXPECT_EQ(Text(frmTendwell::txtDriveReport).rfind(std::string(texts::kFoundHeading) + "E:\\:", 0), 0u);
    EXPECT_TRUE(Enabled(frmTendwell::cmdRepair));
}

TEST_F(TendwellWindowTest, AMissingHelpFileIsNamed) {
    DialogAnswerer messages(texts::kProgramTitle);
    tendwell::OpenHelpPage(nullptr, tendwell::HelpFilePath("E:\\Support"), "tendwell.html");
    EXPECT_EQ(messages.Result().text, std::string(texts::kHelpMissing) + "E:\\Support\\Corvane.chm");
}

}  // namespace
}  // namespace corvane::test
