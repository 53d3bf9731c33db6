// The menu window at each DPI and after a change of DPI: its list and find box follow the window's
// size in twips, the list's columns follow the column rules, its icons and the status bar's clock
// panels the DPI.
#include "menu/frmMain.h"

#include "common/DpiScaling.h"
#include "common/core/Twips.h"
#include "menu/MenuResources.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/DpiTesting.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <array>

namespace corvane::menu {
namespace {

using namespace corvane::test;

constexpr std::array<int, 3> kDialogFontControls = {frmMain::lstApp, frmMain::Status, frmMain::txtFind};

// Where the layout puts the list and the open find box, from the whole window's size in twips.
void ExpectListAndColumnsAt(const frmMain& menu, int dpi) {
    RECT window{};
    ::GetWindowRect(menu.Hwnd(), &window);
    const long long width = PixelsToTwips(window.right - window.left, dpi);
    const long long height = PixelsToTwips(window.bottom - window.top, dpi);
    const auto listWidth = static_cast<int>(width - 140);
    const std::array<PlacedControl, 2> placed = {{
        {frmMain::txtFind, {0, 0, listWidth, FindBox::kHeightTwips}},
        {frmMain::lstApp,
         {0, FindBox::kHeightTwips, listWidth, static_cast<int>(height - 1100) - FindBox::kHeightTwips}},
    }};
    ExpectPlacedAt(menu.Hwnd(), placed, dpi);

    const std::array<long long, 3> columnTwips = {
        width / 5, static_cast<long long>(static_cast<double>(width) / 1.83), width / 4 - 180};
    for (std::size_t column = 0; column < columnTwips.size(); ++column) {
        EXPECT_EQ(::SendMessageW(menu.ListView(), LVM_GETCOLUMNWIDTH, column, 0),
                  TwipsToPixels(columnTwips[column], dpi))
            << "column " << column;
    }
    int iconWidth = 0;
    int iconHeight = 0;
    ::ImageList_GetIconSize(
        reinterpret_cast<HIMAGELIST>(::SendMessageW(menu.ListView(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
        &iconWidth, &iconHeight);
    EXPECT_EQ(iconWidth, SystemMetricForDpi(SM_CXSMICON, dpi));

    // The clock's two panels, 1140 twips each, at the right of the status bar.
    std::array<int, 3> edges{};
    ASSERT_EQ(::SendMessageW(menu.StatusBarHandle(), SB_GETPARTS, edges.size(),
                             reinterpret_cast<LPARAM>(edges.data())),
              3);
    EXPECT_EQ(edges[1] - edges[0], TwipsToPixels(1140, dpi));
}

TEST(MainWindowDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("MainWindow.DISABLED_AtThisProcessDpi");
}

using MainWindow = MenuWindowTest;

TEST_F(MainWindow, DISABLED_AtThisProcessDpi) {
    const int dpi = ProcessDpi();
    WriteTestFile("E:\\Data.dat",
                  "Notes\r\nE:\\Tools\\notes.exe\r\n\r\nPictures\r\nE:\\pics.exe\r\n/slideshow\r\n");
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    SendCommand(menu->Hwnd(), mnuFind);  // the find box shows above the list
    ExpectLayoutFollowsDpi(menu->Hwnd(), dpi, {{}, kDialogFontControls, "menu", [&menu](int at) {
                                                   ExpectListAndColumnsAt(*menu, at);
                                               }});
}

}  // namespace
}  // namespace corvane::menu
