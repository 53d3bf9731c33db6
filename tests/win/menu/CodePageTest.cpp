// The menu under a double-byte ANSI code page (932, Japanese). In that code page the second byte of
// ソ (83 5C) and of 表 (95 5C) is the byte of a backslash: a Data.dat written in it must give the
// right texts, and the menu must find its files, working folders and %dir% as folders named so
// really are. This program runs in a Wine prefix of its own whose code page is 932
// (tools/with-wine.sh --japanese).
#include "menu/EntryList.h"
#include "menu/MenuResources.h"
#include "menu/core/DataFileEncoding.h"
#include "menu/core/MenuTexts.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;

// The characters in code page 932, as an older Data.dat holds them...
const std::string kSoAnsi = "\x83\x5C";
const std::string kTableAnsi = "\x95\x5C";
// ...and in UTF-8, as the programs hold them.
const std::string kSo = "\xE3\x82\xBD";
const std::string kTable = "\xE8\xA1\xA8";
const std::string kFolder = "E:\\" + kTable;  // in code page 932 a name ending in the byte 5C

class JapaneseCodePage : public MenuWindowTest {
  protected:
    void SetUp() override {
        MenuWindowTest::SetUp();
        ASSERT_EQ(::GetACP(), 932u) << "run this program through tools/with-wine.sh --japanese";
    }
};

TEST_F(JapaneseCodePage, FilesFoldersAndPlaceholdersAreFoundByCharacters) {
    ASSERT_TRUE(::CreateDirectoryA(("E:\\" + kTableAnsi).c_str(), nullptr));
    // The menu's own folder, given without its backslash as the platform reports folders.
    WriteTestFile(kFolder + "\\Data.dat",
                  "Tool\r\n" + kTableAnsi + "\\" + kSoAnsi + ".exe\r\n/log=%dir%\r\n");
    RecordingStarter starter;
    auto menu = OpenMenu(kFolder, &starter);
    ASSERT_TRUE(menu);
    EXPECT_EQ(menu->DataFile(), kFolder + "\\Data.dat");
    ASSERT_EQ(ListRows(menu->ListView()).size(), 1u) << "Data.dat was looked for beside the folder";
    SelectRow(menu->ListView(), 0);

    // The target's folder is its working folder and %dir%.
    InstallLaunchRecorder(kFolder + "\\" + kSo + ".exe");
    menu->RunSelectedEntry();
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record);
    EXPECT_EQ(record->folder, kFolder);
    EXPECT_EQ(record->arguments, "/log=" + kFolder);

    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuBrowse, 0);
    ASSERT_EQ(starter.calls.size(), 1u);
    EXPECT_EQ(starter.calls[0].commandLine, "explorer.exe /e,\"" + kFolder + "\"");
}

// An ANSI list written on this code page reads into its characters, a byte 5C inside one included,
// and a UTF-8 list reads the same whatever the code page.
TEST_F(JapaneseCodePage, AnsiAndUtf8ListsReadIntoTheirCharacters) {
    const Row expected = {"\xE5\x86\x99\xE7\x9C\x9F", "E:\\" + kTable + "\\" + kSo + ".exe", ""};  // 写真
    for (const std::string& file :
         {"\x8E\xCA\x90\x5E\r\nE:\\" + kTableAnsi + "\\" + kSoAnsi + ".exe\r\n\r\n",
          std::string(kUtf8ByteOrderMark) + expected[0] + "\r\n" + expected[1] + "\r\n\r\n"}) {
        WriteTestFile("E:\\Data.dat", file);
        EntryModel entries;
        EXPECT_EQ(LoadList("E:\\Data.dat", entries), static_cast<DWORD>(ERROR_SUCCESS)) << file;
        EXPECT_EQ(RowsOf(entries), std::vector<Row>{expected}) << file;
    }
}

// A list from a Western PC: "Caf\xE9" ends in a byte that starts a two-byte character here. The menu
// shows every entry and says why it will not save them; a save leaves the file as it was.
TEST_F(JapaneseCodePage, AListFromAnotherCodePageIsShownButNeverSaved) {
    const std::string western = "Caf\xE9\r\ncafe.exe\r\n\r\nNext\r\nnext.exe\r\n\r\n";
    WriteTestFile("E:\\Data.dat", western);
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    EXPECT_EQ(ListRows(menu->ListView()).size(), 2u);
    EXPECT_EQ(menu->StatusText(), texts::kListInOtherCodePage);
    SaveScreenshot(menu->Hwnd(), "menu-list-in-another-code-page");

    EXPECT_FALSE(menu->SaveList());
    EXPECT_EQ(menu->StatusText(), texts::kListNotSavedOtherCodePage);
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), western);
}

}  // namespace
}  // namespace corvane::menu
