// Names, targets, switches and folders in scripts no single ANSI code page holds, end to end: chosen
// and typed in the editor, shown, sorted, found, started with their placeholders, browsed, saved and read
// back. The same program runs in a Western and in a Japanese Wine session.
#include "common/TextEncoding.h"
#include "menu/MenuResources.h"
#include "menu/core/MenuTexts.h"
#include "menu/frmAdd.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace corvane::menu {
namespace {

using namespace corvane::test;

struct Script {
    const char* language;
    std::string folder;    // below E:\, holding the program
    std::string program;   // its file name
    std::string name;      // the entry's name
    std::string switches;  // typed, with placeholders
    std::string started;   // the switches as the program receives them
    std::string findText;  // part of the name in another letter case, where the script has case
};

const std::vector<Script> kScripts = {
    {"Cyrillic", "Фото", "Редактор.exe", "Фоторедактор", "/файл=%dir%\\снимок.jpg",
     "/файл=E:\\Фото\\снимок.jpg", "ФОТОРЕД"},
    {"Greek", "Έγγραφα", "Επεξεργαστής.exe", "Κείμενο", "/αρχείο=%drive%\\Έγγραφα", "/αρχείο=E:\\Έγγραφα",
     "κείμ"},
    {"Chinese", "写真", "编辑器.exe", "图片编辑", "/打开 %dir%", "/打开 E:\\写真", "片编"},
    {"Japanese", "ソフト", "表計算.exe", "表計算ソフト", "/開く=%drive%\\表", "/開く=E:\\表", "計算"},
    {"Arabic", "برامج", "محرر.exe", "محرر النصوص", "/ملف=%dir%", "/ملف=E:\\برامج", "النصوص"},
    {"Emoji", "Música 🎵", "Player 🎧.exe", "🎵 Música", "--list=%dir%\\🎶.m3u", "--list=E:\\Música 🎵\\🎶.m3u",
     "MÚSICA"},
};

constexpr int kFileNameBox = 0x47C;  // the file dialog's name box

std::string TargetOf(const Script& script) {
    return "E:\\" + script.folder + "\\" + script.program;
}

// No watcher answers dialogs here: the file dialog is the test's to answer.
class UnicodeNames : public ::testing::Test {
  protected:
    void SetUp() override {
        EmptyDrive(kStickRoot);
        for (const Script& script : kScripts) {
            ASSERT_TRUE(::CreateDirectoryW(WideFromUtf8("E:\\" + script.folder).c_str(), nullptr))
                << script.language;
            InstallLaunchRecorder(TargetOf(script));
        }
    }
    void TearDown() override {
        PumpMessages();
        // A start moved this process into the program's folder, which would then stay.
        ::SetCurrentDirectoryW(WideFromUtf8(WindowsSystemFolder()).c_str());
        EmptyDrive(kStickRoot);
    }

    // The target is chosen in the editor's file dialog, whose proposed name is then typed over.
    static void AddThroughEditor(const frmMain& menu, const Script& script) {
        SendCommand(menu.Hwnd(), mnuAdd);
        ASSERT_NE(ShownEditor(), nullptr);
        DialogAnswerer choose(texts::kSelectFileTitle, [&](HWND dialog) {
            ::SendMessageW(::GetDlgItem(dialog, kFileNameBox), WM_SETTEXT, 0,
                           reinterpret_cast<LPARAM>(WideFromUtf8(TargetOf(script)).c_str()));
            ::SendMessageW(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        });
        PressInEditor(frmAdd::cmdBrowse);
        ASSERT_TRUE(choose.Result().appeared);
        EXPECT_EQ(WindowText(::GetDlgItem(ShownEditor(), frmAdd::txtPath)), TargetOf(script));
        const std::string program = script.program.substr(0, script.program.rfind('.'));
        EXPECT_EQ(WindowText(::GetDlgItem(ShownEditor(), frmAdd::txtName)), program);
        TypeInEditor(frmAdd::txtName, script.name);
        TypeInEditor(frmAdd::txtCommandLine, script.switches);
        PressInEditor(frmAdd::cmdSave);
        EXPECT_EQ(ShownEditor(), nullptr) << "the editor closes on Save";
    }

    static int RowNamed(HWND list, const std::string& name) {
        const std::vector<Row> rows = ListRows(list);
        const auto found =
            std::find_if(rows.begin(), rows.end(), [&](const Row& row) { return row[0] == name; });
        return found == rows.end() ? -1 : static_cast<int>(found - rows.begin());
    }

    static void Find(const frmMain& menu, const std::string& text) {
        ::SendMessageW(menu.FindBoxHandle(), WM_SETTEXT, 0,
                       reinterpret_cast<LPARAM>(WideFromUtf8(text).c_str()));
        PumpMessages();
    }
};

TEST_F(UnicodeNames, AreAddedShownSortedFoundStartedBrowsedSavedAndReadBack) {
    RecordingStarter explorer;  // Browse hands Explorer's command line to the starter
    auto menu = OpenMenu("E:\\", &explorer);
    ASSERT_TRUE(menu);
    for (const Script& script : kScripts) {
        SCOPED_TRACE(script.language);
        AddThroughEditor(*menu, script);
    }

    // Shown exactly as typed, the target without the menu's drive, in the system's order of names.
    const std::vector<Row> rows = ListRows(menu->ListView());
    ASSERT_EQ(rows.size(), kScripts.size());
    for (const Script& script : kScripts) {
        const int row = RowNamed(menu->ListView(), script.name);
        ASSERT_GE(row, 0) << script.language;
        EXPECT_EQ(rows[static_cast<std::size_t>(row)],
                  (Row{script.name, script.folder + "\\" + script.program, script.switches}));
    }
    for (std::size_t row = 1; row < rows.size(); ++row) {
        const std::wstring before = WideFromUtf8(rows[row - 1][0]);
        const std::wstring after = WideFromUtf8(rows[row][0]);
        EXPECT_LE(
            ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, before.c_str(), -1, after.c_str(), -1),
            CSTR_EQUAL)
            << rows[row - 1][0] << " before " << rows[row][0];
    }

    SaveScreenshot(menu->Hwnd(), "menu-window-unicode-names");

    // Found by part of the name, whatever its letter case, and started with its placeholders filled.
    SendCommand(menu->Hwnd(), mnuFind);
    for (const Script& script : kScripts) {
        SCOPED_TRACE(script.language);
        Find(*menu, script.findText);
        const std::vector<Row> found = ListRows(menu->ListView());
        ASSERT_EQ(found.size(), 1u);
        EXPECT_EQ(found[0][0], script.name);

        SelectRow(menu->ListView(), 0);
        menu->RunSelectedEntry();
        const auto record = WaitForLaunchRecord();
        ASSERT_TRUE(record);
        EXPECT_EQ(record->program, TargetOf(script));
        EXPECT_EQ(record->folder, "E:\\" + script.folder);
        EXPECT_EQ(record->arguments, script.started);
        EXPECT_EQ(menu->StatusText(), "Running " + TargetOf(script));

        explorer.calls.clear();
        SendCommand(menu->Hwnd(), mnuBrowse);
        ASSERT_EQ(explorer.calls.size(), 1u);
        EXPECT_EQ(explorer.calls[0].commandLine, "explorer.exe /e,\"E:\\" + script.folder + "\"");
    }

    // Saved in a form every PC reads alike, and read back as they were.
    const std::string saved = ReadTestFile("E:\\Data.dat");
    EXPECT_EQ(saved.rfind("\xEF\xBB\xBF", 0), 0u) << "a list beyond ASCII is stored as UTF-8 with its mark";
    menu.reset();
    auto reopened = OpenMenu("E:\\");
    ASSERT_TRUE(reopened);
    EXPECT_EQ(ListRows(reopened->ListView()), rows);
    reopened.reset();
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), saved) << "reading changed nothing";
}

// Beyond MAX_PATH, where the platform follows: the list in such a folder is read and saved, and a
// target there is found. (Starting a program from there is the shell's to refuse, and Wine's does.)
TEST_F(UnicodeNames, AListAndATargetDeeperThanMaxPathAreReadFoundAndSaved) {
    std::string folder = "E:\\" + kScripts[0].folder;
    for (const char* level : {"Первый", "Второй", "Третий", "Четвёртый"}) {
        folder += "\\" + std::string(60, 'x') + level;
        ASSERT_TRUE(::CreateDirectoryW(WideFromUtf8(folder).c_str(), nullptr)) << folder.size();
    }
    folder += "\\";
    const std::string target = folder + "Программа.exe";
    InstallLaunchRecorder(target);
    ASSERT_GT(WideFromUtf8(folder + "Data.dat").size(), static_cast<std::size_t>(MAX_PATH));
    WriteTestFile(folder + "Data.dat",
                  "\xEF\xBB\xBF"
                  "Deep\r\n" +
                      target.substr(3) + "\r\n\r\n");

    auto menu = OpenMenu(folder);
    ASSERT_TRUE(menu);
    ASSERT_EQ(ListRows(menu->ListView()), (std::vector<Row>{{"Deep", target.substr(3), ""}}));
    ClickAt(menu->ListView(), RowCentre(menu->ListView(), 0));
    PumpMessages();
    SettleLooks(*menu);
    EXPECT_EQ(menu->StatusText().find(texts::kNotFound), std::string::npos) << menu->StatusText();

    AddThroughEditor(*menu, kScripts[0]);
    EXPECT_NE(ReadTestFile(folder + "Data.dat").find(kScripts[0].name), std::string::npos);
}

}  // namespace
}  // namespace corvane::menu
