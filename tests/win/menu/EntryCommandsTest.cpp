// Add, Edit and Delete Entry through the menu window's own commands, with the real editor.
#include "menu/MenuResources.h"
#include "menu/core/MenuTexts.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/DialogAnswerer.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

using menu::frmAdd;
using Rows = std::vector<std::vector<std::string>>;

class EntryCommands : public MenuOverListTest {
  protected:
    EntryCommands() : MenuOverListTest("Zeta\r\nz.exe\r\n\r\nAlpha\r\nApps\\a.exe\r\n/a\r\n") {}

    void Command(int id) { SendCommand(menu_->Hwnd(), id); }
    static HWND Editor() { return ShownEditor(); }
    static void Type(int id, const char* text) { TypeInEditor(id, text); }
    static void Press(int id) { PressInEditor(id); }
    [[nodiscard]] Rows List() const { return ListRows(menu_->ListView()); }
};

TEST_F(EntryCommands, AddFromBothMenusTakesItsPlaceInTheSortOrderAndIsSaved) {
    Command(mnuAdd);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(WindowText(Editor()), "Add Entry");
    Type(frmAdd::txtPath, "E:\\Apps\\Mid.exe");
    Press(frmAdd::cmdSave);
    EXPECT_EQ(Editor(), nullptr);
    Command(mnuAdd2);  // the tray menu's Add Entry
    ASSERT_NE(Editor(), nullptr);
    Type(frmAdd::txtPath, "F:\\Beta.exe");
    Type(frmAdd::txtName, "beta");
    Press(frmAdd::cmdSave);
    EXPECT_EQ(List(), (Rows{{"Alpha", "Apps\\a.exe", "/a"},
                            {"beta", "F:\\Beta.exe", ""},
                            {"Mid.exe", "Apps\\Mid.exe", ""},
                            {"Zeta", "z.exe", ""}}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"),
              "Alpha\r\nApps\\a.exe\r\n/"
              "a\r\nbeta\r\nF:\\Beta.exe\r\n\r\nMid.exe\r\nApps\\Mid.exe\r\n\r\nZeta\r\nz.exe\r\n\r\n");
}

TEST_F(EntryCommands, EditReplacesTheSelectedEntryAndKeepsItsModeWhenOpenedAgain) {
    SelectRow(menu_->ListView(), 1);  // Zeta
    Command(mnuEdit);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(WindowText(Editor()), "Edit Entry");
    EXPECT_EQ(WindowText(::GetDlgItem(Editor(), frmAdd::txtName)), "Zeta");
    Command(mnuAdd);  // the open editor only comes to the front
    EXPECT_EQ(WindowText(Editor()), "Edit Entry");
    EXPECT_EQ(WindowText(::GetDlgItem(Editor(), frmAdd::txtName)), "Zeta");
    Type(frmAdd::txtName, "Omega");
    Press(frmAdd::cmdSave);
    EXPECT_EQ(List(), (Rows{{"Alpha", "Apps\\a.exe", "/a"}, {"Omega", "z.exe", ""}}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Alpha\r\nApps\\a.exe\r\n/a\r\nOmega\r\nz.exe\r\n\r\n");
}

TEST_F(EntryCommands, EditWithNoEntrySelectedOpensEmptyAndOnlyAdds) {
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(menu_->ListView(), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
                   reinterpret_cast<LPARAM>(&none));
    Command(mnuEdit);
    ASSERT_NE(Editor(), nullptr);
    EXPECT_EQ(WindowText(Editor()), "Edit Entry");
    EXPECT_EQ(WindowText(::GetDlgItem(Editor(), frmAdd::txtPath)), "");
    Type(frmAdd::txtPath, "E:\\New.exe");
    Press(frmAdd::cmdSave);
    EXPECT_EQ(List().size(), 3u);
}

TEST_F(EntryCommands, DeleteAsksAndRewritesTheListEitherWay) {
    SelectRow(menu_->ListView(), 0);  // Alpha
    {
        DialogAnswerer no(menu::texts::kProgramTitle, DialogAnswerer::Press(IDNO));
        Command(mnuDelete);
        const SeenDialog asked = no.Result();
        ASSERT_TRUE(asked.appeared);
        EXPECT_EQ(asked.text, "Are you sure toy want to remove Alpha?");
    }
    EXPECT_EQ(List().size(), 2u);
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Alpha\r\nApps\\a.exe\r\n/a\r\nZeta\r\nz.exe\r\n\r\n")
        << "rewritten in the shown order";
    SelectRow(menu_->ListView(), 0);
    DialogAnswerer yes(menu::texts::kProgramTitle, DialogAnswerer::Press(IDYES));
    Command(mnuDelete);
    EXPECT_TRUE(yes.Result().appeared);
    EXPECT_EQ(List(), (Rows{{"Zeta", "z.exe", ""}}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Zeta\r\nz.exe\r\n\r\n");
}

// The question is modal, but the editor and the tray menu still work while it is up.
TEST_F(EntryCommands, DeleteRemovesTheEntryItAskedAboutWhateverHappenedMeanwhile) {
    Command(mnuAdd);
    Type(frmAdd::txtPath, "E:\\Beta.exe");
    const HWND editor = Editor();
    ASSERT_NE(editor, nullptr);
    SelectRow(menu_->ListView(), 1);  // Zeta
    {
        // The editor's Save puts "Beta.exe" between Alpha and Zeta before Yes is pressed.
        DialogAnswerer yes(menu::texts::kProgramTitle, [editor](HWND question) {
            ::SendMessageA(editor, WM_COMMAND, frmAdd::cmdSave, 0);
            DialogAnswerer::Press(IDYES)(question);
        });
        Command(mnuDelete);
        EXPECT_EQ(yes.Result().text, "Are you sure toy want to remove Zeta?");
    }
    EXPECT_EQ(List(), (Rows{{"Alpha", "Apps\\a.exe", "/a"}, {"Beta.exe", "Beta.exe", ""}}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Alpha\r\nApps\\a.exe\r\n/a\r\nBeta.exe\r\nBeta.exe\r\n\r\n");

    // The tray's Exit ends the menu while the question is up: nothing is deleted or written.
    const std::string before = ReadTestFile("E:\\Data.dat");
    const HWND window = menu_->Hwnd();
    SelectRow(menu_->ListView(), 0);
    {
        DialogAnswerer exitMeanwhile(menu::texts::kProgramTitle, [window](HWND question) {
            ::SendMessageA(window, WM_COMMAND, mnuExit, 0);
            DialogAnswerer::Press(IDYES)(question);
        });
        Command(mnuDelete);
        EXPECT_TRUE(exitMeanwhile.Result().appeared);
    }
    EXPECT_FALSE(::IsWindow(window));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), before);
}

TEST_F(EntryCommands, EditAndDeleteDoNothingOnAnEmptyList) {
    menu_.reset();
    WriteTestFile("E:\\Data.dat", "");
    menu_ = OpenMenu("E:\\");
    ASSERT_TRUE(menu_);
    DialogAnswerer watcher(menu::texts::kProgramTitle, DialogAnswerer::Press(IDYES), 300);
    Command(mnuDelete);
    Command(mnuEdit);
    EXPECT_FALSE(watcher.Result().appeared);
    EXPECT_EQ(Editor(), nullptr);
}

TEST_F(EntryCommands, ClosingTheMenuClosesTheEditorWithoutSaving) {
    Command(mnuAdd);
    ASSERT_NE(Editor(), nullptr);
    Type(frmAdd::txtPath, "E:\\Unsaved.exe");
    SaveScreenshot(Editor(), "entry-editor-over-menu");
    Command(mnuExit2);
    EXPECT_EQ(Editor(), nullptr);
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Zeta\r\nz.exe\r\n\r\nAlpha\r\nApps\\a.exe\r\n/a\r\n");
}

}  // namespace
}  // namespace corvane::test
