// Files, folders and shortcuts dropped onto the menu from Explorer, through the shell's drop list
// (WM_DROPFILES): one entry each, named and stored as the editor would, one save for the drop; a
// single file into an open editor; nothing written to a list that may not be saved.
#include "common/FileContents.h"
#include "common/UniqueHandle.h"
#include "common/WindowText.h"
#include "menu/ListHistory.h"
#include "menu/MenuResources.h"
#include "menu/core/DataFile.h"
#include "menu/core/MainWindowTexts.h"
#include "menu/core/MenuTexts.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/DropFiles.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/TestEntries.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane::menu {
namespace {

using namespace corvane::test;

const std::string kKept = "Kept\r\nkept.exe\r\n\r\n";

class DropToAddTest : public MenuWindowTest {
  protected:
    void SetUp() override {
        MenuWindowTest::SetUp();
        for (const char* folder : {"E:\\Apps", "E:\\Music", "E:\\Links", "F:\\Docs", "F:\\Tools"}) {
            ASSERT_TRUE(::CreateDirectoryA(folder, nullptr)) << folder;
        }
        WriteTestFile("E:\\Apps\\Tool.exe", "tool");
        WriteTestFile("F:\\Docs\\Read me.txt", "text");
        WriteTestFile("F:\\Tools\\edit.exe", "editor");
        ASSERT_TRUE(MakeShortcut("E:\\Links\\My Editor.lnk", "F:\\Tools\\edit.exe", "/n notes.txt"));
        WriteTestFile("F:\\Tools\\gone.exe", "gone");  // a target removed after its shortcut was made
        ASSERT_TRUE(MakeShortcut("E:\\Links\\Gone.lnk", "F:\\Tools\\gone.exe", "/x"));
        ASSERT_TRUE(::DeleteFileA("F:\\Tools\\gone.exe"));
        WriteTestFile("E:\\Data.dat", kKept);
    }
};

TEST_F(DropToAddTest, EachDroppedItemBecomesAnEntryWithOneSave) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    DropOnto(menu->Hwnd(), {"E:\\Apps\\Tool.exe", "F:\\Docs\\Read me.txt", "E:\\Music",
                            "E:\\Links\\My Editor.lnk", "E:\\Links\\Gone.lnk"});

    // A shortcut whose target is gone is added as the shortcut file it is.
    std::vector<Row> expected = {{"Kept", "kept.exe", ""},
                                 {"Tool", "Apps\\Tool.exe", ""},
                                 {"Read me", "F:\\Docs\\Read me.txt", ""},
                                 {"Music", "Music", ""},
                                 {"My Editor", "F:\\Tools\\edit.exe", "/n notes.txt"},
                                 {"Gone", "Links\\Gone.lnk", ""}};
    std::sort(expected.begin(), expected.end());
    std::vector<Row> rows = ListRows(menu->ListView());
    std::sort(rows.begin(), rows.end());
    EXPECT_EQ(rows, expected);
    std::vector<Row> saved = DecodeRecords(ReadTestFile("E:\\Data.dat"));
    std::sort(saved.begin(), saved.end());
    EXPECT_EQ(saved, expected);
    EXPECT_EQ(menu->StatusText(), EntriesAddedText(5));
    EXPECT_EQ(ListViewText(menu->ListView(),
                           static_cast<int>(::SendMessageW(menu->ListView(), LVM_GETNEXTITEM,
                                                           static_cast<WPARAM>(-1), LVNI_SELECTED)),
                           0),
              "Gone")
        << "the last one dropped is selected";

    // Every save that changes the list keeps the list it replaced: one version means one save.
    const auto versions = ListHistory("E:\\").Versions();
    ASSERT_EQ(versions.size(), 1u);
    std::string replaced;
    ASSERT_EQ(ListHistory("E:\\").Read(versions[0].version, replaced), static_cast<DWORD>(ERROR_SUCCESS));
    EXPECT_EQ(replaced, kKept);
}

TEST_F(DropToAddTest, ASingleFileFillsAnOpenEditorAndAListThatMayNotBeSavedTakesNothing) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    SendCommand(menu->Hwnd(), mnuAdd);
    ASSERT_NE(ShownEditor(), nullptr);
    const auto field = [](int id) { return WindowTextOf(::GetDlgItem(ShownEditor(), id)); };

    DropOnto(menu->Hwnd(), {"E:\\Apps\\Tool.exe"});
    EXPECT_EQ(field(frmAdd::txtPath), "E:\\Apps\\Tool.exe");
    EXPECT_EQ(field(frmAdd::txtName), "Tool");
    DropOnto(ShownEditor(), {"E:\\Links\\My Editor.lnk"});  // onto the editor itself: a shortcut's target
    EXPECT_EQ(field(frmAdd::txtPath), "F:\\Tools\\edit.exe");
    EXPECT_EQ(field(frmAdd::txtName), "My Editor");
    EXPECT_EQ(field(frmAdd::txtCommandLine), "/n notes.txt");
    EXPECT_EQ(ListRows(menu->ListView()).size(), 1u) << "the list waits for the editor's Save";
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), kKept);
    PressInEditor(frmAdd::cmdCancel);
    menu.reset();

    menu = OpenMenuWhileListIsHeld("E:\\");  // its list may not be saved
    ASSERT_TRUE(menu);
    DropOnto(menu->Hwnd(), {"E:\\Apps\\Tool.exe", "E:\\Music"});
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), kKept);
    EXPECT_EQ(menu->StatusText(), texts::kListNotSaved);
    EXPECT_TRUE(ListRows(menu->ListView()).empty()) << "nothing is shown that would not be saved";
    EXPECT_TRUE(ListHistory("E:\\").Versions().empty());
}

}  // namespace
}  // namespace corvane::menu
