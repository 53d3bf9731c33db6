// The creator window created in this process and driven with messages, as a user would.
#include "creator/frmBrowse.h"

#include "common/MyMod.h"
#include "common/TextEncoding.h"
#include "common/core/Twips.h"
#include "creator/core/CreatorTexts.h"
#include "tests/win/creator/CreatorFolder.h"
#include "tests/win/support/DialogAnswerer.h"
#include "tests/win/support/DropFiles.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/WindowText.h"

#include "common/CommonResources.h"

#include <gtest/gtest.h>
#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>
#include <windows.h>

#include <cstring>
#include <memory>
#include <stdexcept>
#include <utility>

namespace corvane::test {
namespace {

using creator::frmBrowse;
namespace texts = creator::texts;

int CountWindows(const char* className, const char* caption) {
    int count = 0;
    for (HWND at = ::FindWindowExA(nullptr, nullptr, className, caption); at != nullptr;
         at = ::FindWindowExA(nullptr, at, className, caption)) {
        ++count;
    }
    return count;
}

void Click(HWND control) {
    ::SendMessageA(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    ::SendMessageA(control, WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
}

class CreatorWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::InitCommonControls();  // as the program does before its window
        ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        BuildCreatorFolder();
        EmptyDrive(kStickRoot);
        window_ = std::make_unique<frmBrowse>(kCreatorFolder, [this] { ++closed_; });
        ASSERT_TRUE(window_->Create(SW_SHOWNORMAL));
        hwnd_ = window_->Hwnd();
    }
    void TearDown() override {
        window_.reset();
        EmptyDrive(kStickRoot);
        EmptyDrive(kSecondStickRoot);
        ::CoUninitialize();
    }

    [[nodiscard]] HWND Control(int id) const { return ::GetDlgItem(hwnd_, id); }
    void Type(int id, const char* text) const { ::SetWindowTextA(Control(id), text); }
    void Press(int id) const { ::SendMessageA(Control(id), BM_CLICK, 0, 0); }

    std::unique_ptr<frmBrowse> window_;
    HWND hwnd_ = nullptr;
    int closed_ = 0;
};

TEST_F(CreatorWindowTest, LayoutTextsAndTabOrder) {
    EXPECT_EQ(WindowText(hwnd_), "Corvane");
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd_, GWL_STYLE));
    EXPECT_NE(style & WS_MINIMIZEBOX, 0u);
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_NE(static_cast<DWORD>(::GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)) & WS_EX_ACCEPTFILES, 0u);
    EXPECT_EQ(::GetWindow(hwnd_, GW_OWNER), nullptr) << "shown in the task bar";

    const int dpi = 96;
    RECT client{};
    ::GetClientRect(hwnd_, &client);
    EXPECT_EQ(client.right, TwipsToPixels(6660, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(4095, dpi));
    const auto expectPlace = [&](int id, int left, int top, int width, int height) {
        RECT rect{};
        ::GetWindowRect(Control(id), &rect);
        ::MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, TwipsToPixels(left, dpi)) << id;
        EXPECT_EQ(rect.top, TwipsToPixels(top, dpi)) << id;
        EXPECT_EQ(rect.right - rect.left, TwipsToPixels(width, dpi)) << id;
        EXPECT_EQ(rect.bottom - rect.top, TwipsToPixels(height, dpi)) << id;
    };
    expectPlace(frmBrowse::txtAction, 2040, 1800, 3855, 285);
    expectPlace(frmBrowse::txtMyComp, 2040, 2640, 3855, 285);
    expectPlace(frmBrowse::txtPath, 3050, 3645, 495, 285);
    expectPlace(frmBrowse::lblStatus, 2040, 3120, 3855, 195);
    expectPlace(frmBrowse::BrowseFldr, 1680, 3600, 1215, 375);
    expectPlace(frmBrowse::cmdCreate, 3720, 3600, 1215, 375);
    expectPlace(frmBrowse::Command1, 5280, 3600, 1215, 375);
    expectPlace(frmBrowse::Image1, 6000, 1815, 240, 240);
    expectPlace(frmBrowse::Image8, 1800, 0, 3750, 750);

    EXPECT_EQ(WindowText(Control(frmBrowse::Label9)), texts::kInstruction);
    EXPECT_EQ(WindowText(Control(frmBrowse::Label1)), "Action Label");
    EXPECT_EQ(WindowText(Control(frmBrowse::Label2)), "Volume Label");
    EXPECT_EQ(WindowText(Control(frmBrowse::BrowseFldr)), "&Select USB");
    EXPECT_EQ(WindowText(Control(frmBrowse::cmdCreate)), "Create Menu");
    EXPECT_EQ(WindowText(Control(frmBrowse::Command1)), "&Close");
    EXPECT_EQ(WindowText(Control(frmBrowse::Label4)), "Autorun Repair");
    EXPECT_EQ(WindowText(Control(frmBrowse::Label7)), "Help");
    for (const int box :
         {frmBrowse::txtAction, frmBrowse::txtMyComp, frmBrowse::txtPath, frmBrowse::lblStatus}) {
        EXPECT_EQ(WindowText(Control(box)), "") << box;
    }

    // Tab goes through the boxes and buttons in the window's order, then the links, and round again.
    // The drive box is no stop: it is filled by "Select USB" or a drop, or clicked into.
    const std::vector<int> order = {frmBrowse::txtAction, frmBrowse::txtMyComp, frmBrowse::BrowseFldr,
                                    frmBrowse::cmdCreate, frmBrowse::Command1,  frmBrowse::Label4,
                                    frmBrowse::Label5,    frmBrowse::Label6,    frmBrowse::Label7,
                                    frmBrowse::txtAction};
    EXPECT_EQ(::GetFocus(), Control(frmBrowse::txtAction));
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        EXPECT_EQ(::GetNextDlgTabItem(hwnd_, Control(order[i]), FALSE), Control(order[i + 1]))
            << "after " << order[i];
    }
    SaveWindowScreenshot(hwnd_, "creator-window");
}

TEST_F(CreatorWindowTest, CreateMenuPreparesTheTypedDriveAndReportsReady) {
    Type(frmBrowse::txtAction, "Open my menu");
    Type(frmBrowse::txtMyComp, "MYSTICK");
    Type(frmBrowse::txtPath, "E:\\");
    DialogAnswerer messages(texts::kProgramTitle);
    Press(frmBrowse::cmdCreate);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{texts::kReady});
    EXPECT_EQ(ReadTestFile("E:\\Menu.exe"), CreatorCopyOf("Menu.exe"));
    EXPECT_EQ(ReadTestFile("E:\\Support\\Corvane.chm"), CreatorCopyOf("Support\\Corvane.chm"));
    EXPECT_NE(ReadTestFile("E:\\Autorun.inf").find("\r\nLabel=MYSTICK\r\naction=Open my menu\r\n"),
              std::string::npos);
    // The boxes keep their text for another run; the status line is blank again.
    EXPECT_EQ(WindowText(Control(frmBrowse::txtAction)), "Open my menu");
    EXPECT_EQ(WindowText(Control(frmBrowse::txtPath)), "E:\\");
    EXPECT_EQ(WindowText(Control(frmBrowse::lblStatus)), "");
}

TEST_F(CreatorWindowTest, CloseAndClicksDuringARunWaitForItsEnd) {
    Type(frmBrowse::txtAction, "Open my menu");
    Type(frmBrowse::txtPath, "E:\\");
    // Queued now, handled at the run's first repaint point.
    ::PostMessageA(hwnd_, WM_COMMAND, MAKEWPARAM(frmBrowse::cmdCreate, BN_CLICKED),
                   reinterpret_cast<LPARAM>(Control(frmBrowse::cmdCreate)));
    ::PostMessageA(hwnd_, WM_CLOSE, 0, 0);
    DialogAnswerer messages(texts::kProgramTitle);
    Press(frmBrowse::cmdCreate);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{texts::kReady}) << "one run only";
    EXPECT_EQ(ReadTestFile("E:\\Support\\Corvane.chm"), CreatorCopyOf("Support\\Corvane.chm"));
    EXPECT_FALSE(::IsWindow(hwnd_)) << "the close came once the run was over";
    EXPECT_EQ(closed_, 1);
}

// A dropped creator folder is refused with a message; a folder that is no drive's root is asked
// about, with No as the button Enter presses, and No leaves everything as it was.
TEST_F(CreatorWindowTest, ChosenFolderIsCheckedBeforeAnythingChanges) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Stick", nullptr));
    const auto drives = std::pair{Snapshot(kStickRoot), Snapshot(kSecondStickRoot)};
    Type(frmBrowse::txtAction, "Open my menu");
    ::SendMessageA(hwnd_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropList({kCreatorFolder})), 0);
    {
        DialogAnswerer messages(texts::kProgramTitle);
        Press(frmBrowse::cmdCreate);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{std::string(kCreatorFolder) + "\\" +
                                                             texts::kCreatorFolderRefused});
    }
    Type(frmBrowse::txtPath, "E:\\Stick");
    {
        DialogAnswerer question(texts::kProgramTitle, DialogAnswerer::Press(IDNO));
        Press(frmBrowse::cmdCreate);
        const SeenDialog seen = question.Result();
        EXPECT_EQ(seen.text, std::string("E:\\Stick\\") + texts::kNotADriveQuestion);
        EXPECT_EQ(seen.defaultButton, IDNO);
        EXPECT_EQ(question.Seen().size(), 1u);
    }
    EXPECT_EQ(std::pair(Snapshot(kStickRoot), Snapshot(kSecondStickRoot)), drives);
    EXPECT_EQ(WindowText(Control(frmBrowse::lblStatus)), "");
}

// A run that ends in an exception must not leave the window thinking it is still running: the next
// Create Menu runs, and a close asked for during such a run still happens.
TEST_F(CreatorWindowTest, RunEndedByAnExceptionLeavesTheWindowUsableAndClosable) {
    int runs = 0;
    window_ = std::make_unique<frmBrowse>(
        kCreatorFolder, [this] { ++closed_; },
        [this, &runs](const std::string&, creator::CreationFeedback& feedback) -> creator::CreationOutcome {
            ++runs;
            if (runs == 2) {  // the user closes the window while this run lets messages through
                ::PostMessageA(hwnd_, WM_CLOSE, 0, 0);
                feedback.LetRepaint();
            }
            throw std::runtime_error("out of something");
        });
    ASSERT_TRUE(window_->Create(SW_SHOWNORMAL));
    hwnd_ = window_->Hwnd();
    {
        DialogAnswerer messages(texts::kProgramTitle);
        Press(frmBrowse::cmdCreate);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{texts::kRunFailed});
    }
    EXPECT_TRUE(::IsWindow(hwnd_));
    DialogAnswerer messages(texts::kProgramTitle);
    Press(frmBrowse::cmdCreate);
    EXPECT_EQ(runs, 2) << "the first run's end was noticed";
    EXPECT_FALSE(::IsWindow(hwnd_)) << "the close asked for during the run happened";
    EXPECT_EQ(closed_, 1);
}

// A label beyond the ANSI code page keeps every character: the file is UTF-16 little-endian after
// its mark.
TEST_F(CreatorWindowTest, LabelsOutsideTheAnsiCodePageKeepEveryCharacter) {
    const std::wstring action = L"Caf\u00e9 \u263a \u4e2d \U0001F3B5";
    ::SetWindowTextW(Control(frmBrowse::txtAction), action.c_str());
    Type(frmBrowse::txtMyComp, "MYSTICK");
    Type(frmBrowse::txtPath, "E:\\");
    DialogAnswerer messages(texts::kProgramTitle);
    Press(frmBrowse::cmdCreate);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{texts::kReady});
    const std::string autorun = ReadTestFile("E:\\Autorun.inf");
    ASSERT_EQ(autorun.rfind("\xFF\xFE", 0), 0u) << autorun;
    const std::wstring text(reinterpret_cast<const wchar_t*>(autorun.data() + 2), (autorun.size() - 2) / 2);
    EXPECT_NE(text.find(L"\r\naction=" + action + L"\r\nshell\\menu=" + action + L"\r\n"),
              std::wstring::npos);
}

TEST_F(CreatorWindowTest, MissingDriveAsksForItAndPutsTheFocusInTheActionLabel) {
    Type(frmBrowse::txtAction, "Open my menu");
    ::SetFocus(Control(frmBrowse::cmdCreate));
    {
        DialogAnswerer messages(texts::kProgramTitle);
        Press(frmBrowse::cmdCreate);
        EXPECT_EQ(messages.Texts(), std::vector<std::string>{texts::kInputsMissing});
    }
    EXPECT_EQ(::GetFocus(), Control(frmBrowse::txtAction));
    EXPECT_TRUE(Snapshot(kStickRoot).empty());
    EXPECT_FALSE(MyMod::FileExists(std::string(kCreatorFolder) + "\\Autorun.inf"));
}

TEST_F(CreatorWindowTest, DropFillsTheDriveBoxWithTheFirstItemOnly) {
    ::SendMessageA(hwnd_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropList({"E:\\"})), 0);
    EXPECT_EQ(WindowText(Control(frmBrowse::txtPath)), "E:\\");
    ::SendMessageA(hwnd_, WM_DROPFILES,
                   reinterpret_cast<WPARAM>(MakeDropList({"F:\\Creator", "E:\\", "F:\\Creator\\Menu.exe"})),
                   0);
    EXPECT_EQ(WindowText(Control(frmBrowse::txtPath)), "F:\\Creator");
    ::SendMessageA(hwnd_, WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDropList({})), 0);
    EXPECT_EQ(WindowText(Control(frmBrowse::txtPath)), "F:\\Creator")
        << "a drop without files changes nothing";
}

TEST_F(CreatorWindowTest, SelectUsbTakesTheBrowsersChoiceAndCancelLeavesTheBoxEmpty) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Stick", nullptr));
    Type(frmBrowse::txtPath, "F:\\");
    {
        DialogAnswerer browser("Browse for Folder", [](HWND dialog) {
            ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>("E:\\"));
            DialogAnswerer::PressOk(dialog);
        });
        Press(frmBrowse::BrowseFldr);
        EXPECT_EQ(browser.Texts().size(), 1u);
    }
    EXPECT_EQ(WindowText(Control(frmBrowse::txtPath)), "E:\\");
    {
        DialogAnswerer browser("Browse for Folder", [](HWND dialog) {
            ::SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>("E:\\Stick"));
            DialogAnswerer::PressOk(dialog);
        });
        Press(frmBrowse::BrowseFldr);
    }
    EXPECT_EQ(WindowText(Control(frmBrowse::txtPath)), "E:\\Stick");
    {
        DialogAnswerer browser("Browse for Folder", &DialogAnswerer::PressCancel);
        Press(frmBrowse::BrowseFldr);
        EXPECT_EQ(browser.Texts().size(), 1u);
    }
    EXPECT_EQ(WindowText(Control(frmBrowse::txtPath)), "");
}

TEST_F(CreatorWindowTest, ExampleAndAboutWindowsOpenOnceAndCloseWithTheCreator) {
    Click(Control(frmBrowse::Image1));
    SaveWindowScreenshot(window_->ActionExample().Hwnd(), "creator-action-example");
    Click(Control(frmBrowse::Image1));
    Click(Control(frmBrowse::Image2));
    SaveWindowScreenshot(window_->VolumeExample().Hwnd(), "creator-volume-example");
    Click(Control(frmBrowse::Label7));
    SaveWindowScreenshot(window_->About().Hwnd(), "creator-about");
    Click(Control(frmBrowse::Label7));
    EXPECT_EQ(CountWindows(creator::ExampleWindow::ClassName(), texts::kActionExampleCaption), 1);
    EXPECT_EQ(CountWindows(creator::ExampleWindow::ClassName(), texts::kVolumeExampleCaption), 1);
    EXPECT_EQ(CountWindows(AboutWindow::ClassName(), "About Corvane"), 1);

    const HWND action = window_->ActionExample().Hwnd();
    const HWND volume = window_->VolumeExample().Hwnd();
    const HWND about = window_->About().Hwnd();
    RECT client{};
    ::GetClientRect(action, &client);
    EXPECT_EQ(client.right, TwipsToPixels(5190, 96));
    EXPECT_EQ(client.bottom, TwipsToPixels(5415, 96));
    ::GetClientRect(volume, &client);
    EXPECT_EQ(client.right, TwipsToPixels(5850, 96));
    EXPECT_EQ(client.bottom, TwipsToPixels(4530, 96));
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongPtrA(action, GWL_STYLE)) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX),
              0u);
    EXPECT_NE(::GetDlgItem(about, AboutWindow::cmdHelp), nullptr);

    Press(frmBrowse::Command1);
    EXPECT_FALSE(::IsWindow(hwnd_));
    EXPECT_FALSE(::IsWindow(action));
    EXPECT_FALSE(::IsWindow(volume));
    EXPECT_FALSE(::IsWindow(about));
    EXPECT_EQ(closed_, 1);
}

TEST_F(CreatorWindowTest, SupportLinksStartTheCreatorFoldersTools) {
    const std::string tool = std::string(kCreatorFolder) + "\\Support\\usbview.exe";
    InstallLaunchRecorder(tool);
    Click(Control(frmBrowse::Label6));
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(::lstrcmpiA(record->program.c_str(), tool.c_str()), 0) << record->program;

    // A tool that is not there gives no message of the program's own.
    ASSERT_TRUE(::DeleteFileA((std::string(kCreatorFolder) + "\\Support\\Tendwell.exe").c_str()));
    DialogAnswerer messages(texts::kProgramTitle);
    Click(Control(frmBrowse::Label4));
    EXPECT_TRUE(messages.Texts().empty());
}

// The creator folder's own repair wizard, the real program (copied beside this test), opens from
// the Autorun Repair link: its window appears in a process of its own.
TEST_F(CreatorWindowTest, AutorunRepairLinkStartsTheRealWizard) {
    const std::string wizard = std::string(kCreatorFolder) + "\\Support\\Tendwell.exe";
    ASSERT_TRUE(::CopyFileW(WideFromUtf8(TestProgramFolder() + "Tendwell.exe").c_str(),
                            WideFromUtf8(wizard).c_str(), FALSE));
    Click(Control(frmBrowse::Label4));
    HWND window = nullptr;
    ASSERT_TRUE(PollUntil(
        [&window] {
            window = ::FindWindowW(L"CorvaneTendwell", nullptr);
            return window != nullptr && ::IsWindowVisible(window);
        },
        20000));
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    EXPECT_NE(process, ::GetCurrentProcessId());
    EXPECT_EQ(WindowText(window), "Autorun Repair Wizard");
    ::PostMessageW(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(PollUntil([window] { return !::IsWindow(window); }, 10000));
}

// Lets this session's help files open with the launch recorder, and puts the file type back after.
class HelpFilesOpenWith {
  public:
    explicit HelpFilesOpenWith(const std::string& program) {
        DWORD size = sizeof oldType_;
        hadType_ = ::RegGetValueA(HKEY_CLASSES_ROOT, ".chm", nullptr, RRF_RT_REG_SZ, nullptr, oldType_,
                                  &size) == ERROR_SUCCESS;
        const std::string command = "\"" + program + "\" \"%1\"";
        Set(".chm", kType);
        Set(std::string(kType) + "\\shell\\open\\command", command);
    }
    ~HelpFilesOpenWith() {
        ::RegDeleteTreeA(HKEY_CLASSES_ROOT, kType);
        if (hadType_) {
            Set(".chm", oldType_);
        } else {
            ::RegDeleteTreeA(HKEY_CLASSES_ROOT, ".chm");
        }
    }
    HelpFilesOpenWith(const HelpFilesOpenWith&) = delete;
    HelpFilesOpenWith& operator=(const HelpFilesOpenWith&) = delete;

  private:
    static void Set(const std::string& key, const std::string& value) {
        EXPECT_EQ(::RegSetKeyValueA(HKEY_CLASSES_ROOT, key.c_str(), nullptr, REG_SZ, value.c_str(),
                                    static_cast<DWORD>(value.size() + 1)),
                  ERROR_SUCCESS)
            << key;
    }
    static constexpr const char* kType = "CorvaneTestHelpFile";
    char oldType_[256] = {};
    bool hadType_ = false;
};

TEST_F(CreatorWindowTest, AboutWindowsHelpOpensTheCreatorFoldersHelpFile) {
    const HelpFilesOpenWith viewer(InstallLaunchRecorder(std::string(kCreatorFolder) + "\\viewer.exe"));
    Click(Control(frmBrowse::Label7));
    EXPECT_TRUE(NoLaunchWithin(300)) << "the Help link opens the about window, not the help file";
    const HWND about = window_->About().Hwnd();
    ASSERT_NE(about, nullptr);
    ::SendMessageA(::GetDlgItem(about, AboutWindow::cmdHelp), BM_CLICK, 0, 0);
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record.has_value());
    EXPECT_NE(record->arguments.find(std::string(kCreatorFolder) + "\\Support\\Corvane.chm"),
              std::string::npos)
        << record->arguments;
}

TEST_F(CreatorWindowTest, LinksShowTheHandAndTheQuestionMarksTheirTip) {
    const HCURSOR hand = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND));
    ASSERT_NE(hand, nullptr);
    for (const int link : {frmBrowse::Label4, frmBrowse::Label5, frmBrowse::Label6, frmBrowse::Label7}) {
        ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
        ::SendMessageA(Control(link), WM_SETCURSOR, reinterpret_cast<WPARAM>(Control(link)),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(::GetCursor(), hand) << link;
    }

    // The window's tool tip knows both "What's this?" pictures.
    HWND tip = nullptr;
    for (HWND at = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); at != nullptr;
         at = ::FindWindowExA(nullptr, at, TOOLTIPS_CLASSA, nullptr)) {
        if (::GetWindow(at, GW_OWNER) == hwnd_) {
            tip = at;
        }
    }
    ASSERT_NE(tip, nullptr);
    for (const int image : {frmBrowse::Image1, frmBrowse::Image2}) {
        char text[80] = {};
        TOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = hwnd_;
        tool.uId = reinterpret_cast<UINT_PTR>(Control(image));
        tool.lpszText = text;
        ::SendMessageA(tip, TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&tool));
        EXPECT_STREQ(text, "What's this?") << image;
    }
}

}  // namespace
}  // namespace corvane::test
