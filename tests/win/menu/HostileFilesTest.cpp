// The menu starts, shows what it can and never crashes, whatever the stick holds: binary garbage,
// huge lines, paths longer than Windows' usual limit, characters outside the code page, a locked
// Data.dat, a drive that cannot be written.
#include "common/TextEncoding.h"
#include "common/FileContents.h"
#include "common/UniqueHandle.h"
#include "menu/EntryList.h"
#include "menu/MenuResources.h"
#include "menu/core/DataFile.h"
#include "menu/core/DataFileEncoding.h"
#include "menu/core/MenuTexts.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/TestEntries.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <random>

namespace corvane::menu {
namespace {

using namespace corvane::test;

class HostileFiles : public MenuWindowTest {
  protected:
    // Opens the menu on E:, checks that it came up with the status text (its version text unless
    // told), returns its rows.
    std::vector<std::vector<std::string>> OpenAndRead(const std::string& status = "Corvane v1.11") {
        menu_ = OpenMenu("E:\\");
        EXPECT_TRUE(menu_ && ::IsWindow(menu_->Hwnd()));
        if (!menu_) {
            return {};
        }
        EXPECT_EQ(menu_->StatusText(), status);
        return ListRows(menu_->ListView());
    }
    std::unique_ptr<frmMain> menu_;
};

TEST_F(HostileFiles, BinaryGarbageLoadsAsTextRowsWithoutACrash) {
    std::mt19937 random(7);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage) {
        c = static_cast<char>(random() & 0xFF);
    }
    WriteTestFile("E:\\Data.dat", garbage);
    // Bytes that 1252 leaves undefined (0x81, 0x8D, ...) are among them: no code page says it exactly.
    const auto rows = OpenAndRead(texts::kListInOtherCodePage);
    EXPECT_FALSE(rows.empty());
    for (const auto& row : rows) {
        ASSERT_EQ(row.size(), 3u);
    }
}

TEST_F(HostileFiles, HugeLinesLongPathsAndForeignCharactersAreKept) {
    const std::string huge(100000, 'h');
    const std::string longPath = "E:\\" + std::string(300, 'p') + "\\tool.exe";
    const std::string foreign = "\xE9t\xE9 \x80\xFF caf\xE9";  // bytes any ANSI code page maps somehow
    WriteTestFile("E:\\Data.dat", "Huge\r\n" + huge + "\r\n" + huge + "\r\nLong\r\n" + longPath + "\r\n\r\n" +
                                      foreign + "\r\n" + foreign + ".exe\r\n/" + foreign + "\r\n");
    const auto rows = OpenAndRead();
    ASSERT_EQ(rows.size(), 3u);
    const auto row = [&](const std::string& name) {
        const auto found =
            std::find_if(rows.begin(), rows.end(), [&](const auto& r) { return r[0] == name; });
        return found == rows.end() ? std::vector<std::string>(3) : *found;
    };
    EXPECT_TRUE(row("Huge")[1] == huge && row("Huge")[2] == huge) << "a line of 100,000 characters was cut";
    EXPECT_EQ(row("Long")[1], longPath);
    const std::string shown = Utf8FromAnsi(foreign);  // the rows hold the file's texts in UTF-8
    EXPECT_EQ(row(shown)[1], shown + ".exe");
    EXPECT_EQ(row(shown)[2], "/" + shown);

    // Saving what was loaded writes every record back whole, in UTF-8 as the list is not plain ASCII:
    // the same texts, the ANSI ones as their UTF-8 bytes; only their order follows the list's sort.
    const auto sortedRecords = [](const std::string& text) {
        auto records = DecodeDataFile(text);
        std::sort(records.begin(), records.end());
        return records;
    };
    std::string expected = ReadTestFile("E:\\Data.dat");
    for (auto at = expected.find(foreign); at != std::string::npos; at = expected.find(foreign, at)) {
        expected.replace(at, foreign.size(), shown);
    }
    ASSERT_TRUE(menu_->SaveList());
    const std::string after = ReadTestFile("E:\\Data.dat");
    EXPECT_EQ(after.rfind(kUtf8ByteOrderMark, 0), 0u);
    EXPECT_EQ(after.size(), kUtf8ByteOrderMark.size() + expected.size());
    EXPECT_TRUE(sortedRecords(after) == sortedRecords(expected)) << "a text was cut or converted on the way";
}

// Data.dat is held open by another program (a virus scanner, a sync tool) while the menu starts.
TEST_F(HostileFiles, LockedDataFileGivesAnEmptyListAndIsNotOverwrittenByTheLoad) {
    const std::string kept = "Kept\r\nkept.exe\r\n\r\n";
    WriteTestFile("E:\\Data.dat", kept);
    {
        UniqueFile lock(::CreateFileA("E:\\Data.dat", GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      0, nullptr));
        ASSERT_TRUE(lock.valid());
        menu_ = OpenMenu("E:\\");
        ASSERT_TRUE(menu_);
        EXPECT_TRUE(ListRows(menu_->ListView()).empty());
    }
    const std::string status = menu_->StatusText();
    EXPECT_EQ(status.rfind(texts::kErrorLoadingList, 0), 0u) << status;
    EXPECT_GT(status.size(), std::string(texts::kErrorLoadingList).size()) << "with the reason";
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), kept);

    // The file is readable again, but the rows are not what it holds: nothing may write over it.
    const std::vector<std::pair<std::string, std::function<void()>>> writers = {
        {"header click", [&] { ClickColumnHeader(menu_->ListView(), 1); }},
        {"Save in the editor",
         [&] {
             SendCommand(menu_->Hwnd(), mnuAdd);
             TypeInEditor(frmAdd::txtPath, "E:\\New.exe");
             PressInEditor(frmAdd::cmdSave);
         }},
        {"Delete",
         [&] {
             SelectRow(menu_->ListView(), 0);
             DialogAnswerer yes(texts::kProgramTitle, DialogAnswerer::Press(IDYES));
             SendCommand(menu_->Hwnd(), mnuDelete);
         }},
    };
    for (const auto& [name, write] : writers) {
        menu_->SetStatusText("");
        write();
        EXPECT_EQ(ReadTestFile("E:\\Data.dat"), kept) << name;
        EXPECT_EQ(menu_->StatusText(), texts::kListNotSaved) << name;
    }
}

TEST_F(HostileFiles, AHiddenOrSystemDataFileIsLoadedLikeAnyOther) {
    constexpr unsigned long kHidden = FILE_ATTRIBUTE_HIDDEN;
    constexpr unsigned long kSystem = FILE_ATTRIBUTE_SYSTEM;
    for (const unsigned long attributes : {kHidden, kSystem, kHidden | kSystem}) {
        WriteTestFile("E:\\Data.dat", "Kept\r\nkept.exe\r\n\r\n");
        SetAttributes("E:\\Data.dat", attributes);
        EXPECT_EQ(OpenAndRead().size(), 1u) << "attributes " << attributes;
        menu_.reset();
        EmptyDrive(kStickRoot);
    }
}

// A crafted entry: a target of 70,000 characters, clicked, makes a status text the tip reads back.
TEST_F(HostileFiles, AHugeStatusTextReachesTheTipWhole) {
    const std::string target(70000, 't');
    WriteTestFile("E:\\Data.dat", "Huge\r\n" + target + "\r\n\r\n");
    ASSERT_EQ(OpenAndRead().size(), 1u);
    SettleLooks(*menu_);
    ClickAt(menu_->ListView(), RowCentre(menu_->ListView(), 0));
    const std::string expected = "Item 1 of 1 - " + target + "  (not found)";
    EXPECT_TRUE(RestMouseOn(menu_->StatusBarHandle(), StatusTip(*menu_))) << "the tip shows";
    EXPECT_EQ(StatusTipText(*menu_), expected);
    EXPECT_EQ(menu_->StatusText(), expected);
}

// A save never writes through whatever sits under the old temporary name (a link to a file of the
// PC, a folder, a read-only file): it writes a fresh file of its own and leaves the stray alone.
// A Data.dat that is a link is neither read nor saved over.
TEST_F(HostileFiles, LinksOnTheStickAreNeverFollowed) {
    const std::string list = "Kept\r\nkept.exe\r\n\r\n";
    const std::string pcFile = TestProgramFolder() + "pc-file.txt";
    const std::string pcFolder = TestProgramFolder() + "pc-folder";
    WriteTestFile(pcFile, "a file of the PC\r\n");
    ::CreateDirectoryA(pcFolder.c_str(), nullptr);
    using Stray = std::unique_ptr<SymbolicLink>;
    const std::vector<std::pair<const char*, std::function<Stray()>>> strays = {
        {"a link to a file of the PC",
         [&] { return std::make_unique<SymbolicLink>("E:\\Data.dat.tmp", pcFile, false); }},
        {"a folder",
         [] {
             EXPECT_TRUE(::CreateDirectoryA("E:\\Data.dat.tmp", nullptr));
             return Stray();
         }},
        {"a read-only file",
         [] {
             WriteTestFile("E:\\Data.dat.tmp", "stray");
             SetAttributes("E:\\Data.dat.tmp", FILE_ATTRIBUTE_READONLY);
             return Stray();
         }},
    };
    for (const auto& [kind, makeStray] : strays) {
        {
            WriteTestFile("E:\\Data.dat", list);
            const Stray link = makeStray();
            ASSERT_TRUE(!link || link->Made()) << kind;
            ASSERT_EQ(OpenAndRead().size(), 1u) << kind;
            EXPECT_TRUE(menu_->SaveList()) << kind << ": " << menu_->StatusText();
            EXPECT_EQ(ReadTestFile("E:\\Data.dat"), list) << kind;
            EXPECT_EQ(ReadTestFile(pcFile), "a file of the PC\r\n") << kind;
            EXPECT_TRUE(FolderEntriesMatching(kStickRoot, "Data.dat.*.tmp").empty()) << kind;
            menu_.reset();
        }
        EmptyDrive(kStickRoot);  // the link is gone by now: Wine's DeleteFile would remove the PC's file
    }

    // Wine reports a Unix link to a folder as a reparse point (a link to a file it follows unseen).
    {
        SymbolicLink linkedList("E:\\Data.dat", pcFolder, true);
        ASSERT_TRUE(linkedList.Made());
        EntryModel rows;
        EXPECT_EQ(LoadList("E:\\Data.dat", rows), kReparsePointRefused);
        rows.Append("New", "new.exe", "");
        EXPECT_EQ(SaveList("E:\\Data.dat", rows), kReparsePointRefused);
        EXPECT_TRUE(IsReparsePoint("E:\\Data.dat")) << "the link is left as it is";
    }

    // Settings.ini likewise: the menu runs on its defaults, says so, and writes nothing through it.
    {
        SymbolicLink linkedSettings("E:\\Settings.ini", pcFolder, true);
        ASSERT_TRUE(linkedSettings.Made());
        auto menu = OpenMenu("E:\\");
        ASSERT_TRUE(menu);
        EXPECT_EQ(menu->StatusText(), texts::kSettingsLinkNotUsed);
        ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRunClose, 0);
        EXPECT_EQ(menu->StatusText(), texts::kSettingsLinkNotUsed);
        EXPECT_TRUE(ItemChecked(menu->Hwnd(), mnuRunClose)) << "the choice holds for this run";
        ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRunNothing, 0);
    }
    EXPECT_EQ(FolderEntriesMatching(pcFolder + "\\", "*").size(), 2u)
        << "only . and .. in the folder of the PC";
    ::RemoveDirectoryA(pcFolder.c_str());
    ::DeleteFileA(pcFile.c_str());
}

TEST_F(HostileFiles, AStickThatCannotBeWrittenStillShowsItsMenu) {
    if (!DriveIsMapped(kReadOnlyRoot)) {
        GTEST_SKIP() << "no read-only drive on this machine";
    }
    menu_ = OpenMenu(kReadOnlyRoot);  // holds a Data.dat, no Settings.ini, and refuses every write
    ASSERT_TRUE(menu_);
    EXPECT_EQ(ListRows(menu_->ListView()).size(), 1u);
    EXPECT_EQ(menu_->StatusText(), "Corvane v1.11");
    EXPECT_FALSE(menu_->SaveList());
    EXPECT_EQ(::GetFileAttributesA("R:\\Settings.ini"), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
}  // namespace corvane::menu
