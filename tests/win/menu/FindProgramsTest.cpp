// Find Programs on Drive on a real drive: what the search proposes, the ticked programs added with one
// save, and a search cancelled at once.
#include "menu/EntryDecorations.h"
#include "menu/ListHistory.h"
#include "menu/MenuResources.h"
#include "menu/ProgramSearchWindow.h"
#include "menu/core/MenuTexts.h"
#include "common/core/Twips.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/DpiTesting.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace corvane::test {
namespace {

using menu::ProgramSearchWindow;
using Rows = std::vector<std::vector<std::string>>;

constexpr DWORD kSearchTimeoutMs = 20000;
// appinfo.ini as the portable layout writes it: UTF-16 little-endian after its mark.
constexpr char kAppInfo[] =
    "\xFF\xFE[\0D\0e\0t\0a\0i\0l\0s\0]\0\r\0\n\0N\0a\0m\0e\0=\0T\0e\0x\0t\0 \0P\0a\0d\0\r\0\n\0";

void CopyBesideTestTo(const char* name, const std::string& destination) {
    ASSERT_TRUE(::CopyFileA((TestProgramFolder() + name).c_str(), destination.c_str(), FALSE)) << name;
}

void MakeFolders(std::initializer_list<const char*> folders) {
    for (const char* folder : folders) {
        ASSERT_TRUE(::CreateDirectoryW(WideFromUtf8(folder).c_str(), nullptr)) << folder;
    }
}

class FindPrograms : public MenuOverListTest {
  protected:
    FindPrograms() : MenuOverListTest("Listed\r\nApps\\Listed.exe\r\n\r\n") {}

    ProgramSearchWindow& Search() { return menu_->ProgramSearch(); }
    HWND Control(int id) { return ::GetDlgItem(Search().Hwnd(), id); }

    void OpenAndWaitForTheSearch() {
        SendCommand(menu_->Hwnd(), mnuFindPrograms);
        ASSERT_TRUE(Search().IsOpen());
        ASSERT_TRUE(PollUntil(
            [&] {
                PumpMessages();
                return Search().SearchEnded();
            },
            kSearchTimeoutMs));
    }
};

// A stick with the menu's own files, a listed program, programs at any depth, a portable
// application, a hidden folder and a link that leads back to the root.
TEST_F(FindPrograms, OffersTheDrivesNewProgramsAndAddsTheTickedOnesWithOneSave) {
    MakeFolders({"E:\\Support", "E:\\Apps", "E:\\Apps\\Deep", "E:\\Apps\\Deep\\Фото", "E:\\Hidden",
                 "E:\\TextPad", "E:\\TextPad\\App", "E:\\TextPad\\App\\AppInfo", "E:\\TextPad\\App\\TextPad",
                 "E:\\TextPad\\Data"});
    for (const char* file :
         {"E:\\Menu.exe", "E:\\Kindel.exe", "E:\\Support\\Tendwell.exe", "E:\\Apps\\Listed.exe",
          "E:\\Apps\\readme.txt", "E:\\Apps\\Deep\\Фото\\Просмотр.EXE", "E:\\Hidden\\Secret.exe",
          "E:\\TextPad\\App\\TextPad\\TextPad.exe", "E:\\TextPad\\Data\\Helper.exe"}) {
        WriteTestFile(file, "MZ");
    }
    CopyBesideTestTo("Menu.exe", "E:\\Apps\\Tool.exe");
    CopyBesideTestTo("Menu.exe", "E:\\TextPad\\TextPadPortable.exe");
    CopyBesideTestTo("menu.ico", "E:\\TextPad\\App\\AppInfo\\appicon.ico");
    WriteTestFile("E:\\TextPad\\App\\AppInfo\\appinfo.ini", std::string_view(kAppInfo, sizeof kAppInfo - 1));
    SetAttributes("E:\\Hidden", FILE_ATTRIBUTE_HIDDEN);
    const SymbolicLink loop("E:\\Apps\\Loop", "E:\\", true);
    ASSERT_TRUE(loop.Made());

    OpenAndWaitForTheSearch();
    const HWND list = Control(ProgramSearchWindow::lstPrograms);
    EXPECT_EQ(ListRows(list), (Rows{{"Text Pad", "E:\\TextPad\\TextPadPortable.exe", ""},
                                    {"Tool", "E:\\Apps\\Tool.exe", ""},
                                    {"Просмотр", "E:\\Apps\\Deep\\Фото\\Просмотр.EXE", ""}}));
    for (const int row : {0, 1}) {  // the layout's appicon.ico and the program's own icon
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ASSERT_TRUE(ListView_GetItem(list, &item));
        EXPECT_NE(item.iImage, menu::kGenericEntryImage) << row;
    }
    EXPECT_EQ(WindowText(Control(ProgramSearchWindow::lblSearch)), "Tick the programs to add to the menu:");
    EXPECT_FALSE(::IsWindowEnabled(Control(ProgramSearchWindow::cmdAdd)));
    SaveWindowScreenshot(Search().Hwnd(), "find-programs");

    Search().TickAll();
    EXPECT_TRUE(::IsWindowEnabled(Control(ProgramSearchWindow::cmdAdd)));
    Search().TickAll();  // all ticked: clears them
    EXPECT_FALSE(::IsWindowEnabled(Control(ProgramSearchWindow::cmdAdd)));
    ListView_SetCheckState(list, 0, TRUE);
    ListView_SetCheckState(list, 2, TRUE);
    ::SendMessageW(Control(ProgramSearchWindow::cmdAdd), BM_CLICK, 0, 0);
    PumpMessages();

    EXPECT_FALSE(Search().IsOpen());
    EXPECT_EQ(ListRows(menu_->ListView()), (Rows{{"Listed", "Apps\\Listed.exe", ""},
                                                 {"Text Pad", "TextPad\\TextPadPortable.exe", ""},
                                                 {"Просмотр", "Apps\\Deep\\Фото\\Просмотр.EXE", ""}}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"),
              "\xEF\xBB\xBFListed\r\nApps\\Listed.exe\r\n\r\n"
              "Text Pad\r\nTextPad\\TextPadPortable.exe\r\n\r\n"
              "Просмотр\r\nApps\\Deep\\Фото\\Просмотр.EXE\r\n\r\n");
    EXPECT_EQ(menu_->StatusText(), "2 entries added.");
    EXPECT_EQ(menu::ListHistory("E:\\").Versions().size(), 1U) << "one save, which kept the list it replaced";
}

TEST_F(FindPrograms, CancelOrAListThatMayNotBeSavedAddsNothing) {
    MakeFolders({"E:\\Apps"});
    WriteTestFile("E:\\Apps\\Tool.exe", "MZ");
    for (const int key :
         {IDCANCEL, static_cast<int>(ProgramSearchWindow::cmdCancel)}) {  // Escape, the button
        SendCommand(menu_->Hwnd(), mnuFindPrograms);
        ASSERT_TRUE(Search().IsOpen());
        ::SendMessageW(Search().Hwnd(), WM_COMMAND, static_cast<WPARAM>(key), 0);
        PumpMessages();
        EXPECT_FALSE(Search().IsOpen()) << key;
    }
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), "Listed\r\nApps\\Listed.exe\r\n\r\n");
    EXPECT_EQ(ListRows(menu_->ListView()).size(), 1U);
    menu_.reset();

    menu_ = OpenMenuWhileListIsHeld("E:\\");  // its list may not be saved: nothing is searched for
    ASSERT_TRUE(menu_);
    SendCommand(menu_->Hwnd(), mnuFindPrograms);
    EXPECT_FALSE(Search().IsOpen());
    EXPECT_EQ(menu_->StatusText(), menu::texts::kListNotSaved);
}

// Where the window's layout puts some of its controls, in twips: the list and the buttons around it.
constexpr std::array<PlacedControl, 4> kPlacedControls = {{
    {ProgramSearchWindow::lstPrograms, {240, 1140, 6720, 3300}},
    {ProgramSearchWindow::cmdTickAll, {240, 4740, 1455, 350}},
    {ProgramSearchWindow::cmdAdd, {3840, 4740, 1455, 350}},
    {ProgramSearchWindow::cmdCancel, {5505, 4740, 1455, 350}},
}};
constexpr std::array<int, 3> kFontControls = {ProgramSearchWindow::lblSearch,
                                              ProgramSearchWindow::lstPrograms, ProgramSearchWindow::cmdAdd};

TEST(FindProgramsDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("FindPrograms.DISABLED_AtThisProcessDpi");
}

TEST_F(FindPrograms, DISABLED_AtThisProcessDpi) {
    const int dpi = ProcessDpi();
    MakeFolders({"E:\\Apps"});
    CopyBesideTestTo("Menu.exe", "E:\\Apps\\Tool.exe");
    OpenAndWaitForTheSearch();
    const HWND list = Control(ProgramSearchWindow::lstPrograms);
    ExpectLayoutFollowsDpi(Search().Hwnd(), dpi,
                           {kPlacedControls,
                            kFontControls,
                            "find-programs",
                            [list](int at) {
                                EXPECT_EQ(ListView_GetColumnWidth(list, 0), TwipsToPixels(2400, at));
                                EXPECT_EQ(ListView_GetColumnWidth(list, 1), TwipsToPixels(4020, at));
                                int width = 0;
                                int height = 0;
                                ::ImageList_GetIconSize(ListView_GetImageList(list, LVSIL_SMALL), &width,
                                                        &height);
                                EXPECT_EQ(width, menu::SmallIconSize(at));
                            },
                            {7200, 5400}});
}

}  // namespace
}  // namespace corvane::test
