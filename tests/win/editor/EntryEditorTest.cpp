#include "menu/frmAdd.h"

#include "menu/core/MenuTexts.h"
#include "tests/win/editor/EditorTestHost.h"
#include "tests/win/support/DialogAnswerer.h"
#include "tests/win/support/DpiTesting.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/WindowText.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane::menu {
namespace {

using namespace corvane::test;

class EntryEditor : public ::testing::Test {
  protected:
    void SetUp() override { EmptyDrive(kStickRoot); }
    void TearDown() override {
        editor_.Destroy();
        EmptyDrive(kStickRoot);
    }

    [[nodiscard]] HWND Field(int id) const { return ::GetDlgItem(editor_.Hwnd(), id); }
    void Type(int id, const std::string& text) const {
        ::SendMessageA(Field(id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    void Click(int id) const { ::SendMessageA(Field(id), BM_CLICK, 0, 0); }

    // Adds an entry through the editor as a user would: type the path (and name), press Save.
    void AddThroughEditor(const std::string& path, const std::string& name = "",
                          const std::string& switches = "") {
        editor_.Show(frmAdd::Mode::Add);
        Type(frmAdd::txtPath, path);
        Type(frmAdd::txtName, name);
        Type(frmAdd::txtCommandLine, switches);
        Click(frmAdd::cmdSave);
    }

    EditorTestHost host_;
    frmAdd editor_{host_};
};

TEST_F(EntryEditor, LaysOutTheFormAsDesignedWithTabOrder) {
    editor_.Show(frmAdd::Mode::Add);
    ASSERT_TRUE(editor_.IsOpen());
    EXPECT_EQ(WindowText(editor_.Hwnd()), "Add Entry");
    EXPECT_EQ(WindowText(Field(frmAdd::cmdBrowse)), "....");
    EXPECT_EQ(WindowText(Field(frmAdd::Label1)), "Command Line Switch: (Optional)");
    RECT client{};
    ::GetClientRect(editor_.Hwnd(), &client);
    EXPECT_EQ(client.right, 440);  // 6600 by 4155 twips at 96 dpi
    EXPECT_EQ(client.bottom, 277);
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(editor_.Hwnd(), GWL_STYLE));
    EXPECT_EQ(style & (WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);

    std::vector<int> order;
    HWND control = ::GetNextDlgTabItem(editor_.Hwnd(), Field(frmAdd::cmdCancel), FALSE);
    for (int i = 0; i < 6; ++i, control = ::GetNextDlgTabItem(editor_.Hwnd(), control, FALSE)) {
        order.push_back(::GetDlgCtrlID(control));
    }
    EXPECT_EQ(order, (std::vector<int>{frmAdd::cmdBrowse, frmAdd::txtPath, frmAdd::txtName,
                                       frmAdd::txtCommandLine, frmAdd::cmdSave, frmAdd::cmdCancel}));
    Type(frmAdd::txtPath, "E:\\Apps\\Tool.exe");
    SaveWindowScreenshot(editor_.Hwnd(), "entry-editor");
}

TEST_F(EntryEditor, AddStoresTargetsOnTheMenusDriveWithoutTheDrive) {
    AddThroughEditor("E:\\Apps\\Tool.exe");
    EXPECT_FALSE(editor_.IsOpen());
    AddThroughEditor("F:\\Tool.exe", "Other drive", "/x %drive%");
    AddThroughEditor("\\\\server\\share\\Tool.exe", "Share");
    AddThroughEditor("e:\\apps\\tool.exe", "Lower case");
    AddThroughEditor("E:\\", "Root");
    EXPECT_EQ(host_.Rows(), (std::vector<Row>{{"Tool.exe", "Apps\\Tool.exe", ""},
                                              {"Other drive", "F:\\Tool.exe", "/x %drive%"},
                                              {"Share", "\\\\server\\share\\Tool.exe", ""},
                                              {"Lower case", "e:\\apps\\tool.exe", ""},
                                              {"Root", "", ""}}));
    EXPECT_EQ(host_.Changes(), 5) << "every added entry is put into the list's sort order";
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"),
              "Tool.exe\r\nApps\\Tool.exe\r\n\r\nOther drive\r\nF:\\Tool.exe\r\n/x %drive%\r\n"
              "Share\r\n\\\\server\\share\\Tool.exe\r\n\r\nLower "
              "case\r\ne:\\apps\\tool.exe\r\n\r\nRoot\r\n\r\n\r\n");
}

TEST_F(EntryEditor, MenuInAFolderStillStoresRelativeToTheDriveRoot) {
    EditorTestHost inFolder("E:\\Menus\\");
    ASSERT_TRUE(::CreateDirectoryA("E:\\Menus", nullptr));
    frmAdd editor(inFolder);
    editor.Show(frmAdd::Mode::Add);
    ::SetDlgItemTextA(editor.Hwnd(), frmAdd::txtPath, "E:\\Apps\\Tool.exe");
    editor.Save();
    EXPECT_EQ(inFolder.Rows(), (std::vector<Row>{{"Tool.exe", "Apps\\Tool.exe", ""}}));
    EXPECT_EQ(ReadTestFile("E:\\Menus\\Data.dat"), "Tool.exe\r\nApps\\Tool.exe\r\n\r\n");
}

TEST_F(EntryEditor, EmptyPathSavesNothingAndCancelSavesNothing) {
    editor_.Show(frmAdd::Mode::Add);
    Type(frmAdd::txtName, "Nameless");
    Click(frmAdd::cmdSave);
    EXPECT_TRUE(editor_.IsOpen());
    EXPECT_EQ(host_.Saves(), 0);
    Type(frmAdd::txtPath, "E:\\x.exe");
    Click(frmAdd::cmdCancel);
    EXPECT_FALSE(editor_.IsOpen());
    EXPECT_TRUE(host_.Rows().empty());
    EXPECT_EQ(host_.Saves(), 0);
}

TEST_F(EntryEditor, LineBreaksPastedIntoFieldsAreStoredAsSpaces) {
    editor_.Show(frmAdd::Mode::Add);
    Type(frmAdd::txtPath, "E:\\Apps\\Tool.exe");
    Type(frmAdd::txtName, "Two\r\nlines");
    Type(frmAdd::txtCommandLine, "/a\n/b");
    editor_.Save();
    const auto rows = host_.Rows();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0].find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(rows[0][2].find_first_of("\r\n"), std::string::npos);
    EXPECT_EQ(ReadTestFile("E:\\Data.dat").size(),
              rows[0][0].size() + rows[0][1].size() + rows[0][2].size() + 6);
}

TEST_F(EntryEditor, EditReplacesTheEntryItWasOpenedOn) {
    host_.AddRows({{"Alpha", "a.exe", "/a"}, {"Beta", "b.exe", ""}});
    host_.Select(1);
    editor_.Show(frmAdd::Mode::Edit);
    EXPECT_EQ(WindowText(editor_.Hwnd()), "Edit Entry");
    EXPECT_EQ(WindowText(Field(frmAdd::txtName)), "Beta");
    EXPECT_EQ(WindowText(Field(frmAdd::txtPath)), "b.exe");
    Click(frmAdd::cmdSave);  // nothing changed: the entry is replaced by the same texts
    EXPECT_EQ(host_.Rows(), (std::vector<Row>{{"Alpha", "a.exe", "/a"}, {"Beta", "b.exe", ""}}));
    EXPECT_EQ(host_.Saves(), 1);

    host_.Select(0);
    editor_.Show(frmAdd::Mode::Edit);
    Type(frmAdd::txtName, "Zulu");
    Click(frmAdd::cmdSave);
    EXPECT_EQ(host_.Rows(), (std::vector<Row>{{"Zulu", "a.exe", "/a"}, {"Beta", "b.exe", ""}}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Zulu\r\na.exe\r\n/a\r\nBeta\r\nb.exe\r\n\r\n");
}

TEST_F(EntryEditor, EditOfAnEntryDeletedMeanwhileRemovesNothingElse) {
    host_.AddRows({{"Alpha", "a.exe", ""}, {"Beta", "b.exe", ""}});
    host_.Select(1);
    editor_.Show(frmAdd::Mode::Edit);
    host_.Entries().Remove(host_.Entries()[1].Id());  // Beta deleted in the menu window
    host_.Select(0);                                  // and Alpha selected
    Type(frmAdd::txtName, "Gamma");
    Click(frmAdd::cmdSave);
    EXPECT_EQ(host_.Rows(), (std::vector<Row>{{"Alpha", "a.exe", ""}, {"Gamma", "b.exe", ""}}));
}

TEST_F(EntryEditor, EditWithNothingSelectedAddsAndRemovesNothing) {
    host_.AddRows({{"Alpha", "a.exe", ""}});
    editor_.Show(frmAdd::Mode::Edit);
    EXPECT_EQ(WindowText(editor_.Hwnd()), "Edit Entry");
    EXPECT_EQ(WindowText(Field(frmAdd::txtName)), "");
    Type(frmAdd::txtPath, "F:\\New.exe");
    Click(frmAdd::cmdSave);
    EXPECT_EQ(host_.Rows(), (std::vector<Row>{{"Alpha", "a.exe", ""}, {"New.exe", "F:\\New.exe", ""}}));
}

TEST_F(EntryEditor, OpeningAgainKeepsTheModeAndTheFields) {
    host_.AddRows({{"Alpha", "a.exe", ""}});
    editor_.Show(frmAdd::Mode::Add);
    Type(frmAdd::txtPath, "typed.exe");
    host_.Select(0);
    editor_.Show(frmAdd::Mode::Edit);
    EXPECT_EQ(editor_.CurrentMode(), frmAdd::Mode::Add);
    EXPECT_EQ(WindowText(editor_.Hwnd()), "Add Entry");
    EXPECT_EQ(WindowText(Field(frmAdd::txtPath)), "typed.exe");
}

TEST_F(EntryEditor, BrowseFillsThePathAndProposesANameWithoutExtension) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    WriteTestFile("E:\\Apps\\Tool.exe", "x");
    editor_.Show(frmAdd::Mode::Add);
    Type(frmAdd::txtName, "replaced");
    DialogAnswerer answer(texts::kSelectFileTitle, [](HWND dialog) {
        const HWND name = ::GetDlgItem(dialog, 0x47c);
        ::SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>("E:\\Apps\\Tool.exe"));
        ::SendMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
    });
    editor_.Browse();
    EXPECT_TRUE(answer.Result().appeared);
    EXPECT_EQ(WindowText(Field(frmAdd::txtPath)), "E:\\Apps\\Tool.exe");
    EXPECT_EQ(WindowText(Field(frmAdd::txtName)), "Tool");
    EXPECT_EQ(::GetFocus(), Field(frmAdd::txtName));
}

TEST_F(EntryEditor, CancelledBrowseChangesNothing) {
    editor_.Show(frmAdd::Mode::Add);
    Type(frmAdd::txtPath, "kept.exe");
    DialogAnswerer answer(texts::kSelectFileTitle, DialogAnswerer::Press(IDCANCEL));
    editor_.Browse();
    EXPECT_TRUE(answer.Result().appeared);
    EXPECT_EQ(WindowText(Field(frmAdd::txtPath)), "kept.exe");
}

// The menu closes its editor when it ends, even while the editor's Open dialog is up.
TEST_F(EntryEditor, ClosingTheEditorUnderItsOpenDialogEndsBrowseQuietly) {
    editor_.Show(frmAdd::Mode::Add);
    Type(frmAdd::txtPath, "kept.exe");
    const HWND window = editor_.Hwnd();
    const DWORD thread = ::GetCurrentThreadId();
    DialogAnswerer closeUnderneath(texts::kSelectFileTitle, [window, thread](HWND dialog) {
        ::SendMessageA(::GetDlgItem(dialog, 0x47c), WM_SETTEXT, 0, reinterpret_cast<LPARAM>("E:\\x.exe"));
        ::SendMessageA(window, WM_CLOSE, 0, 0);
        ::PostThreadMessageA(thread, WM_QUIT, 0, 0);  // as the ending menu window does
    });
    EXPECT_NO_THROW(editor_.Browse());
    EXPECT_TRUE(closeUnderneath.Result().appeared);
    MSG quit{};
    ::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);
    EXPECT_FALSE(editor_.IsOpen());
    EXPECT_TRUE(host_.Rows().empty());
    EXPECT_EQ(host_.Saves(), 0);
}

class DeleteEntry : public EntryEditor {};

TEST_F(DeleteEntry, AsksWithNoAsTheDefaultAndRemovesOnYes) {
    host_.AddRows({{"Alpha", "a.exe", ""}, {"Beta", "b.exe", ""}});
    host_.Select(1);
    {
        DialogAnswerer no(texts::kProgramTitle, DialogAnswerer::Press(IDNO));
        DeleteSelectedEntry(host_);
        const SeenDialog asked = no.Result();
        ASSERT_TRUE(asked.appeared);
        EXPECT_EQ(asked.text, "Are you sure toy want to remove Beta?");
        EXPECT_EQ(asked.defaultButton, IDNO);
    }
    EXPECT_EQ(host_.Rows().size(), 2u);
    EXPECT_EQ(host_.Saves(), 1) << "the list is written whatever the answer";

    host_.Select(0);
    DialogAnswerer yes(texts::kProgramTitle, DialogAnswerer::Press(IDYES));
    DeleteSelectedEntry(host_);
    EXPECT_TRUE(yes.Result().appeared);
    EXPECT_EQ(host_.Rows(), (std::vector<Row>{{"Beta", "b.exe", ""}}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Beta\r\nb.exe\r\n\r\n");
}

TEST_F(DeleteEntry, DoesNothingWithoutASelectedEntry) {
    DialogAnswerer watcher(texts::kProgramTitle, DialogAnswerer::Press(IDYES), 300);
    DeleteSelectedEntry(host_);  // empty list
    host_.AddRows({{"Alpha", "a.exe", ""}});
    DeleteSelectedEntry(host_);  // an entry, none selected
    EXPECT_FALSE(watcher.Result().appeared);
    EXPECT_EQ(host_.Rows().size(), 1u);
    EXPECT_EQ(host_.Saves(), 0);
}

// Left, top, width and height in twips, in tab order.
constexpr std::array<PlacedControl, 10> kEditorControls = {{
    {frmAdd::Label4, {413, 360, 5775, 615}},
    {frmAdd::Label3, {240, 1200, 1935, 255}},
    {frmAdd::cmdBrowse, {6045, 1440, 375, 315}},
    {frmAdd::txtPath, {240, 1440, 5700, 285}},
    {frmAdd::Label2, {240, 2085, 5415, 255}},
    {frmAdd::txtName, {240, 2340, 6180, 285}},
    {frmAdd::Label1, {240, 3000, 3135, 255}},
    {frmAdd::txtCommandLine, {240, 3240, 6180, 285}},
    {frmAdd::cmdSave, {1193, 3720, 1455, 350}},
    {frmAdd::cmdCancel, {3953, 3720, 1455, 350}},
}};
constexpr std::array<int, 5> kEditorFontControls = {frmAdd::Label4, frmAdd::txtPath, frmAdd::txtName,
                                                    frmAdd::cmdSave, frmAdd::cmdCancel};

TEST(EntryEditorDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("EntryEditor.DISABLED_AtThisProcessDpi");
}

TEST_F(EntryEditor, DISABLED_AtThisProcessDpi) {
    const int dpi = ProcessDpi();
    editor_.Show(frmAdd::Mode::Add);
    Type(frmAdd::txtPath, "E:\\Tools\\Notes\\notes.exe");
    Type(frmAdd::txtName, "Notes");
    ExpectLayoutFollowsDpi(editor_.Hwnd(), dpi,
                           {kEditorControls, kEditorFontControls, "entry-editor", {}, {6600, 4155}});
}

}  // namespace
}  // namespace corvane::menu
