#include "common/WindowLayout.h"
#include "common/core/Twips.h"
#include "menu/MenuResources.h"
#include "menu/TrayEntryMenu.h"
#include "menu/core/MenuTexts.h"
#include "menu/modDriveSpace.h"
#include "menu/modTray.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;
using Rows = std::vector<std::vector<std::string>>;

const std::string kDefaultSettings = "[MAIN]\r\nWINDOW HEIGHT=5910\r\nWINDOW WIDTH=9960\r\nONRUN=0\r\n";

// Data.dat in file order: the first record ("beta") is the current row after start-up.
const std::string kFourEntries =
    "beta\r\nE:\\b.exe\r\n/b\r\n"
    "Alpha\r\nc.exe\r\n\r\n"
    "item 10\r\nA.exe\r\n\r\n"
    "Item 9\r\nd.exe\r\n%dir%\r\n";

// The caption's form, with the free megabytes of E: that the menu read. The test drive is a folder on
// a disk that other programs write to as well, so the figure may have moved a little since.
void ExpectCaption(HWND window, const std::string& arrow) {
    const std::string caption = WindowText(window);
    const std::string lead = std::string("Corvane") + arrow;
    const std::string tail = " MB Remaining on E:\\";
    ASSERT_EQ(caption.rfind(lead, 0), 0u) << caption;
    ASSERT_TRUE(caption.ends_with(tail)) << caption;
    const std::string figure = caption.substr(lead.size(), caption.size() - lead.size() - tail.size());
    ASSERT_FALSE(figure.empty());
    ASSERT_EQ(figure.find_first_not_of("0123456789"), std::string::npos) << caption;
    const long long now = std::stoll(modDriveSpace::FreeMB("E:\\"));
    EXPECT_NEAR(static_cast<double>(std::stoll(figure)), static_cast<double>(now), 256.0) << caption;
}

using MainWindow = MenuWindowTest;

TEST_F(MainWindow, FirstStartWithoutDataOrSettings) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const HWND hwnd = menu->Hwnd();
    ExpectCaption(hwnd, "  ---> ");
    EXPECT_EQ(menu->StatusText(), "Corvane v1.11");
    EXPECT_TRUE(ListRows(menu->ListView()).empty());
    EXPECT_EQ(ReadTestFile("E:\\Settings.ini"), kDefaultSettings);
    EXPECT_EQ(::GetFileAttributesA("E:\\Data.dat"), INVALID_FILE_ATTRIBUTES) << "nothing saved yet";

    const SIZE size = WindowSizeTwips(hwnd);
    EXPECT_NEAR(size.cx, 9960, 15);
    EXPECT_NEAR(size.cy, 5910, 15);
    RECT window{};
    ::GetWindowRect(hwnd, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoA(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR((window.left + window.right) / 2, (monitor.rcWork.left + monitor.rcWork.right) / 2, 1);

    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_STYLE));
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MAXIMIZEBOX), 0u) << "fixed single border, no maximise button";
    EXPECT_NE(style & WS_MINIMIZEBOX, 0u);
    EXPECT_TRUE(HasTrayIcon(hwnd));
    EXPECT_TRUE(ItemChecked(hwnd, mnuRunNothing));
    EXPECT_FALSE(ItemChecked(hwnd, mnuRunMinimize));
    EXPECT_EQ(ItemCaption(hwnd, mnuRootBrowse), "Browse E:\\");

    // Enter and a click in the empty list change nothing and start nothing.
    ::SendMessageA(menu->ListView(), WM_KEYDOWN, VK_RETURN, 0);
    ClickAt(menu->ListView(), {40, 40});
    ::SendMessageA(hwnd, WM_COMMAND, mnuRun, 0);
    EXPECT_EQ(menu->StatusText(), "Corvane v1.11");
    EXPECT_TRUE(boxes_.Texts().empty());
}

TEST_F(MainWindow, MenuTreeCaptions) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const HMENU bar = ::GetMenu(menu->Hwnd());
    ASSERT_EQ(::GetMenuItemCount(bar), 2) << "the tray's menu is never part of the menu bar";
    char text[64] = {};
    ::GetMenuStringA(bar, 0, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Actions");
    ::GetMenuStringA(bar, 1, text, sizeof text, MF_BYPOSITION);
    EXPECT_STREQ(text, "&Utilities");

    const std::vector<std::pair<int, std::string>> actions = {{mnuRun, "Run/Open File"},
                                                              {mnuRunAsAdmin, "Run as Administrator"},
                                                              {mnuBrowse, "Browse File Directory"},
                                                              {mnuRootBrowse, "Browse E:\\"},
                                                              {0, ""},
                                                              {mnuAdd, "Add Entry"},
                                                              {mnuFindPrograms, "Find Programs on Drive"},
                                                              {mnuEdit, "Edit Entry"},
                                                              {mnuDelete, "Delete Entry"},
                                                              {mnuRefresh, "Refresh List"},
                                                              {mnuFind, "Find Entry"},
                                                              {mnuEject, "E&ject Drive"},
                                                              {mnuRestore, "Restore Earlier &List..."},
                                                              {0, ""},
                                                              {MnuOnRun, "On Run File Option"},
                                                              {mnuRunNothing, " - Do Nothing"},
                                                              {mnuRunMinimize, " - Minimize to tray"},
                                                              {mnuRunClose, " - Close Menu"},
                                                              {0, ""},
                                                              {mnuExit2, "Exit"}};
    const HMENU actionsMenu = ::GetSubMenu(bar, 0);
    ASSERT_EQ(::GetMenuItemCount(actionsMenu), static_cast<int>(actions.size()));
    std::string mnemonics;  // Alt+letter must lead to one item only
    for (std::size_t i = 0; i < actions.size(); ++i) {
        EXPECT_EQ(static_cast<int>(::GetMenuItemID(actionsMenu, static_cast<int>(i))), actions[i].first) << i;
        if (actions[i].first != 0) {
            const std::string caption = ItemCaption(menu->Hwnd(), actions[i].first);
            EXPECT_EQ(caption, actions[i].second);
            if (const auto amp = caption.find('&'); amp != std::string::npos && amp + 1 < caption.size()) {
                const char letter =
                    static_cast<char>(::tolower(static_cast<unsigned char>(caption[amp + 1])));
                EXPECT_EQ(mnemonics.find(letter), std::string::npos) << caption;
                mnemonics += letter;
            }
        }
    }
    // An item without a mnemonic is reached by its first letter: a mnemonic must not be one of those.
    for (const auto& [id, caption] : actions) {
        if (id != 0 && caption.find('&') == std::string::npos && !caption.empty()) {
            EXPECT_EQ(mnemonics.find(static_cast<char>(::tolower(static_cast<unsigned char>(caption[0])))),
                      std::string::npos)
                << caption;
        }
    }
    const std::vector<std::pair<int, std::string>> utilities = {{mnuRepair, "Autorun Repair Wizard"},
                                                                {mnuFormat, "Format Utility"},
                                                                {mnuUsbview, "USB View"},
                                                                {mnuHelp2, "Corvane Help"},
                                                                {mnuAbout, "About Corvane"}};
    for (const auto& [id, caption] : utilities) {
        EXPECT_EQ(ItemCaption(menu->Hwnd(), id), caption);
    }
}

TEST_F(MainWindow, StartsFromItsFilesSortedWithTheFirstRowReadSelected) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Menus", nullptr));
    WriteTestFile("E:\\Menus\\Data.dat", kFourEntries);
    WriteTestFile("E:\\Menus\\Settings.ini",
                  "[MAIN]\r\nWINDOW HEIGHT=6600\r\nWINDOW WIDTH=10500\r\nONRUN=3\r\n");
    auto menu = OpenMenu("E:\\Menus\\");
    ASSERT_TRUE(menu);
    const Rows rows = ListRows(menu->ListView());
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0][0], "Alpha");
    EXPECT_EQ(rows[1][0], "beta") << "letter case is ignored";
    for (const auto& row : rows) {  // every row keeps its own texts through the sort
        if (row[0] == "Item 9") {
            EXPECT_EQ(row, (std::vector<std::string>{"Item 9", "d.exe", "%dir%"}));
        }
    }
    const int selected = static_cast<int>(
        ::SendMessageA(menu->ListView(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    ASSERT_EQ(selected, 1);
    EXPECT_EQ(rows[1][1], "E:\\b.exe");
    EXPECT_TRUE(ItemChecked(menu->Hwnd(), mnuRunClose));
    EXPECT_FALSE(ItemChecked(menu->Hwnd(), mnuRunNothing));
    EXPECT_NEAR(WindowSizeTwips(menu->Hwnd()).cx, 10500, 15);
    EXPECT_NEAR(WindowSizeTwips(menu->Hwnd()).cy, 6600, 15);
    // The menu's root, not its folder.
    ExpectCaption(menu->Hwnd(), "  ---> ");
    EXPECT_EQ(ItemCaption(menu->Hwnd(), mnuRootBrowse), "Browse E:\\");
    EXPECT_EQ(ReadTestFile("E:\\Menus\\Data.dat"), kFourEntries) << "start-up does not rewrite the list";
    SaveScreenshot(menu->Hwnd(), "menu-window");
}

TEST_F(MainWindow, DigitsSortAsNumbersWhereTheSystemSupportsIt) {
    WriteTestFile("E:\\Data.dat", kFourEntries);
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const Rows rows = ListRows(menu->ListView());
    ASSERT_EQ(rows.size(), 4u);
    const bool digitsAsNumbers = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS,
                                                  L"9", 1, L"10", 2) == CSTR_LESS_THAN;
    EXPECT_EQ(rows[2][0], digitsAsNumbers ? "Item 9" : "item 10");
    EXPECT_EQ(rows[3][0], digitsAsNumbers ? "item 10" : "Item 9");
}

TEST_F(MainWindow, OnRunValuesFromTheFile) {
    WriteTestFile("E:\\Settings.ini", "[MAIN]\r\nONRUN=7\r\n");
    {
        auto menu = OpenMenu("E:\\");
        ASSERT_TRUE(menu);
        EXPECT_TRUE(ItemChecked(menu->Hwnd(), mnuRunNothing));
        EXPECT_FALSE(ItemChecked(menu->Hwnd(), mnuRunMinimize) || ItemChecked(menu->Hwnd(), mnuRunClose));
    }
    EXPECT_NE(ReadTestFile("E:\\Settings.ini").find("ONRUN=7\r\n"), std::string::npos);

    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRunMinimize, 0);
    EXPECT_TRUE(ItemChecked(menu->Hwnd(), mnuRunMinimize));
    EXPECT_FALSE(ItemChecked(menu->Hwnd(), mnuRunNothing));
    EXPECT_NE(ReadTestFile("E:\\Settings.ini").find("ONRUN=2\r\n"), std::string::npos) << "written at once";
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRunClose, 0);
    EXPECT_NE(ReadTestFile("E:\\Settings.ini").find("ONRUN=3\r\n"), std::string::npos);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, MnuOnRun, 0);  // the heading does nothing
    EXPECT_TRUE(ItemChecked(menu->Hwnd(), mnuRunClose));
    menu.reset();
    auto again = OpenMenu("E:\\");
    ASSERT_TRUE(again);
    EXPECT_TRUE(ItemChecked(again->Hwnd(), mnuRunClose));
}

TEST_F(MainWindow, HeaderClicksSortBothWaysAndRewriteTheList) {
    WriteTestFile("E:\\Data.dat", kFourEntries);
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const auto targets = [&] {
        std::vector<std::string> column;
        for (const auto& row : ListRows(menu->ListView())) {
            column.push_back(row[1]);
        }
        return column;
    };
    ClickColumnHeader(menu->ListView(), 1);
    EXPECT_EQ(targets(), (std::vector<std::string>{"A.exe", "c.exe", "d.exe", "E:\\b.exe"}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"),
              "item 10\r\nA.exe\r\n\r\nAlpha\r\nc.exe\r\n\r\nItem "
              "9\r\nd.exe\r\n%dir%\r\nbeta\r\nE:\\b.exe\r\n/b\r\n");
    ClickColumnHeader(menu->ListView(), 1);
    EXPECT_EQ(targets(), (std::vector<std::string>{"E:\\b.exe", "d.exe", "c.exe", "A.exe"}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"),
              "beta\r\nE:\\b.exe\r\n/b\r\nItem 9\r\nd.exe\r\n%dir%\r\nAlpha\r\nc.exe\r\n\r\nitem "
              "10\r\nA.exe\r\n\r\n");
    ClickColumnHeader(menu->ListView(), 0);  // another column starts ascending again
    EXPECT_EQ(ListRows(menu->ListView()).front()[0], "Alpha");
}

TEST_F(MainWindow, ClickShowsTheSelectedEntryAndTheTipShowsTheStatus) {
    WriteTestFile("E:\\Data.dat", kFourEntries);
    WriteTestFile("E:\\c.exe", "");
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    SettleLooks(*menu);
    ClickAt(menu->ListView(), RowCentre(menu->ListView(), 1));
    EXPECT_EQ(menu->StatusText(), "Item 2 of 4 - E:\\b.exe /b (not found)");
    ClickAt(menu->ListView(), RowCentre(menu->ListView(), 0));
    EXPECT_EQ(menu->StatusText(), "Item 1 of 4 - c.exe ") << "c.exe is on the menu's drive";

    // The status bar's tip is asked for its text each time it shows: always the first panel's.
    menu->SetStatusText("A status text too long for its panel, to be read in full in the tip");
    EXPECT_EQ(StatusTipText(*menu), "A status text too long for its panel, to be read in full in the tip");
}

TEST_F(MainWindow, TheMessagePanelKeepsItsWidthWhenTheClockTicks) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const HWND bar = menu->StatusBarHandle();
    const auto edges = [&] {
        std::vector<int> parts(3);
        ::SendMessageA(bar, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(parts.data()));
        return parts;
    };
    const std::vector<int> laidOut = edges();
    ASSERT_GT(laidOut[0], 100) << "the message panel takes the width the clock leaves";
    // The clock's timer, made due at once: a real tick, without waiting for the next minute.
    ASSERT_TRUE(::SetTimer(menu->Hwnd(), StatusBar::kClockTimer, 1, nullptr));
    EXPECT_TRUE(PollUntil(
        [&] {
            MSG tick{};
            if (!::PeekMessageA(&tick, menu->Hwnd(), WM_TIMER, WM_TIMER, PM_REMOVE)) {
                return false;
            }
            ::DispatchMessageA(&tick);
            return tick.wParam == StatusBar::kClockTimer;
        },
        5000));
    EXPECT_EQ(edges(), laidOut);
}

TEST_F(MainWindow, RefreshListUsesTheShortArrow) {
    WriteTestFile("E:\\Data.dat", kFourEntries);
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_COMMAND, mnuRefresh, 0);
    ExpectCaption(menu->Hwnd(), " >> ");
    EXPECT_EQ(ListRows(menu->ListView()).size(), 4u);
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"), kFourEntries) << "refresh neither re-reads nor rewrites the list";
}

TEST_F(MainWindow, MinimiseHidesAndTheTrayIconRestores) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const HWND hwnd = menu->Hwnd();
    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    PumpMessages();
    EXPECT_TRUE(::IsIconic(hwnd));
    EXPECT_FALSE(::IsWindowVisible(hwnd)) << "off the screen and the task bar";

    // Presses, double clicks, moves and other buttons over the icon do nothing.
    const LPARAM ignoredMessages[] = {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK, WM_MOUSEMOVE, WM_MBUTTONUP,
                                      WM_RBUTTONDOWN};
    for (const LPARAM ignored : ignoredMessages) {
        ::SendMessageA(hwnd, modTray::kTrayNotification, 1, ignored);
        EXPECT_FALSE(::IsWindowVisible(hwnd)) << ignored;
    }
    ::SendMessageA(hwnd, modTray::kTrayNotification, 1, WM_LBUTTONUP);
    PumpMessages();
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_FALSE(::IsIconic(hwnd));
    EXPECT_FALSE(::IsZoomed(hwnd));

    ::SendMessageA(hwnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    ::SendMessageA(hwnd, WM_COMMAND, mnuOpenMenu, 0);  // "Show Menu"
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_FALSE(::IsIconic(hwnd));
}

TEST_F(MainWindow, TheTrayMenuListsTheFirstEntriesAndRunsThemAsRunDoes) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    InstallLaunchRecorder("E:\\Apps\\rec.exe");
    std::string list = "A recorder\r\nApps\\rec.exe\r\n/from=tray %dir%\r\n";
    for (int i = 0; i < 34; ++i) {
        list += "Entry " + std::string(i < 10 ? "0" : "") + std::to_string(i) + "\r\nApps\\gone.exe\r\n\r\n";
    }
    WriteTestFile("E:\\Data.dat", list);
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const HWND hwnd = menu->Hwnd();

    // The first 30 in the list's order, "More…" for the rest, then the tray's own items.
    const std::vector<std::string> items =
        CapturePopupMenu([&] { ::SendMessageA(hwnd, modTray::kTrayNotification, 1, WM_RBUTTONUP); });
    ASSERT_EQ(items.size(), 30u + 7u);
    EXPECT_EQ(items[0], "A recorder");
    EXPECT_EQ(items[29], "Entry 28");
    EXPECT_EQ(std::vector<std::string>(items.begin() + 30, items.end()),
              (std::vector<std::string>{texts::kTrayMore, "-", "Show Menu", "Add Entry", "About",
                                        "E&ject Drive", "Exit"}));

    // Chosen from the tray, an entry starts as Run starts it, on-run option included.
    SendCommand(hwnd, mnuRunMinimize);
    SendCommand(hwnd, TrayEntryMenu::kFirstEntryCommand);
    const auto fromTray = WaitForLaunchRecord();
    ASSERT_TRUE(fromTray);
    EXPECT_TRUE(::IsIconic(hwnd)) << "Minimize to Tray applies";
    EXPECT_EQ(menu->StatusText(), "Running E:\\Apps\\rec.exe");
    SendCommand(hwnd, mnuOpenMenu);  // "More…" and "Show Menu" bring the window back
    EXPECT_FALSE(::IsIconic(hwnd));
    SelectRow(menu->ListView(), 0);
    SendCommand(hwnd, mnuRun);
    const auto fromWindow = WaitForLaunchRecord();
    ASSERT_TRUE(fromWindow);
    EXPECT_EQ(fromTray->arguments, "/from=tray E:\\Apps");
    EXPECT_EQ(fromTray->arguments, fromWindow->arguments);
    EXPECT_EQ(fromTray->folder, fromWindow->folder);
    EXPECT_EQ(fromTray->program, fromWindow->program);
}

TEST_F(MainWindow, RightClicksPopUpTheTrayMenuAndTheActionsMenu) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const HWND hwnd = menu->Hwnd();
    EXPECT_EQ(CapturePopupMenu([&] { ::SendMessageA(hwnd, modTray::kTrayNotification, 1, WM_RBUTTONUP); }),
              (std::vector<std::string>{"Show Menu", "Add Entry", "About", "E&ject Drive", "Exit"}));
    EXPECT_TRUE(::IsWindow(hwnd)) << "closing the menu chose nothing";

    const std::vector<std::string> actions = CapturePopupMenu([&] {
        ::SendMessageA(hwnd, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(menu->ListView()),
                       MAKELPARAM(200, 200));
    });
    ASSERT_EQ(actions.size(), 20u);
    EXPECT_EQ(actions[0], "Run/Open File");
    EXPECT_EQ(actions[1], "Run as Administrator");
    EXPECT_EQ(actions[6], "Find Programs on Drive");
    EXPECT_EQ(actions[11], "E&ject Drive");
    EXPECT_EQ(actions[12], "Restore Earlier &List...");
    EXPECT_EQ(actions[15], " - Do Nothing");
    EXPECT_EQ(actions[19], "Exit");
}

// The actions menu opens where the mouse was clicked, or from the keyboard (Shift+F10, the menu key:
// no position) just below the selected row.
TEST_F(MainWindow, TheActionsMenuOpensAtTheClickOrUnderTheSelectedRow) {
    WriteTestFile("E:\\Data.dat", "A\r\na.exe\r\n\r\nB\r\nb.exe\r\n\r\nC\r\nc.exe\r\n\r\n");
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    // Room below the rows, so that the menu is not moved to fit on the screen.
    ::SetWindowPos(menu->Hwnd(), nullptr, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
    const HWND list = menu->ListView();
    SelectRow(list, 1);
    const auto popUp = [&](LPARAM position) {
        const auto open = [&] {
            ::SendMessageA(menu->Hwnd(), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(list), position);
        };
        RECT place{};
        EXPECT_FALSE(CapturePopupMenu(open, &place).empty()) << "no menu popped up";
        return POINT{place.left, place.top};
    };

    const POINT atClick = popUp(MAKELPARAM(300, 250));
    EXPECT_EQ(atClick.x, 300);
    EXPECT_EQ(atClick.y, 250);

    RECT row{};
    row.left = LVIR_LABEL;
    ASSERT_TRUE(::SendMessageA(list, LVM_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&row)));
    POINT underRow{row.left, row.bottom};
    ::ClientToScreen(list, &underRow);
    const POINT fromKeyboard = popUp(-1);
    EXPECT_EQ(fromKeyboard.x, underRow.x);
    EXPECT_EQ(fromKeyboard.y, underRow.y);
}

TEST_F(MainWindow, TheIconComesBackWithANewTaskBar) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    modTray::RemoveTrayIcon(menu->Hwnd());  // as if the task bar had gone
    EXPECT_FALSE(HasTrayIcon(menu->Hwnd()));
    ::SendMessageA(menu->Hwnd(), ::RegisterWindowMessageA("TaskbarCreated"), 0, 0);
    EXPECT_TRUE(HasTrayIcon(menu->Hwnd()));
}

// The icon goes up from the message loop once the window has shown: a window closed before that
// must not put one up afterwards.
TEST_F(MainWindow, AWindowClosedBeforeItsIconWentUpLeavesNone) {
    frmMain menu("E:\\");
    ASSERT_TRUE(menu.Create());
    const HWND hwnd = menu.Hwnd();
    ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
    PumpMessages();
    EXPECT_FALSE(HasTrayIcon(hwnd));
}

TEST_F(MainWindow, BothExitCommandsEndWithTheSizeSavedAndTheIconGone) {
    for (const int exitCommand : {mnuExit, mnuExit2}) {
        WriteTestFile("E:\\Settings.ini",
                      "[MAIN]\r\nWINDOW HEIGHT=6000\r\nWINDOW WIDTH=10005\r\nONRUN=1\r\n");
        auto menu = OpenMenu("E:\\");
        ASSERT_TRUE(menu);
        const HWND hwnd = menu->Hwnd();
        const SIZE size = WindowSizeTwips(hwnd);
        ::SendMessageA(hwnd, WM_COMMAND, mnuAbout, 0);
        ASSERT_NE(::FindWindowA("CorvaneAbout", nullptr), nullptr);
        EXPECT_TRUE(HasTrayIcon(hwnd));
        EXPECT_FALSE(HadTrayIconWhenDestroyed(
            hwnd, [&] { ::SendMessageA(hwnd, WM_COMMAND, static_cast<WPARAM>(exitCommand), 0); }));
        EXPECT_FALSE(::IsWindow(hwnd)) << exitCommand;
        EXPECT_EQ(::FindWindowA("CorvaneAbout", nullptr), nullptr) << "other windows close with the menu";
        MSG quit{};
        EXPECT_TRUE(::PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program ends";
        EXPECT_EQ(ReadTestFile("E:\\Settings.ini"), "[MAIN]\r\nWINDOW HEIGHT=" + std::to_string(size.cy) +
                                                        "\r\nWINDOW WIDTH=" + std::to_string(size.cx) +
                                                        "\r\nONRUN=1\r\n");
    }
}

TEST_F(MainWindow, TheEndOfTheSessionSavesTheSizeAndTakesTheIconDown) {
    WriteTestFile("E:\\Settings.ini", "[MAIN]\r\nWINDOW HEIGHT=6000\r\nWINDOW WIDTH=10005\r\nONRUN=1\r\n");
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    const HWND hwnd = menu->Hwnd();
    ::SetWindowPos(hwnd, nullptr, 0, 0, 700, 450, SWP_NOMOVE | SWP_NOZORDER);
    const SIZE size = WindowSizeTwips(hwnd);
    EXPECT_TRUE(::SendMessageA(hwnd, WM_QUERYENDSESSION, 0, 0)) << "the session may end";
    ::SendMessageA(hwnd, WM_ENDSESSION, TRUE, 0);  // shut-down (log-off differs only in lParam)
    EXPECT_FALSE(HasTrayIcon(hwnd));
    EXPECT_EQ(ReadTestFile("E:\\Settings.ini"), "[MAIN]\r\nWINDOW HEIGHT=" + std::to_string(size.cy) +
                                                    "\r\nWINDOW WIDTH=" + std::to_string(size.cx) +
                                                    "\r\nONRUN=1\r\n");
}

TEST_F(MainWindow, ClosingWhileHiddenInTheTrayKeepsTheStoredSize) {
    const std::string settings = "[MAIN]\r\nWINDOW HEIGHT=6000\r\nWINDOW WIDTH=10005\r\nONRUN=2\r\n";
    WriteTestFile("E:\\Settings.ini", settings);
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    ::SendMessageA(menu->Hwnd(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_FALSE(HadTrayIconWhenDestroyed(menu->Hwnd(), [&] {
        ::SendMessageA(menu->Hwnd(), WM_CLOSE, 0, 0);
    })) << "the close button takes the icon down";
    EXPECT_FALSE(menu->IsOpen());
    EXPECT_EQ(ReadTestFile("E:\\Settings.ini"), settings);
}

TEST_F(MainWindow, AFailedSaveIsReportedInTheStatusBar) {
    if (!DriveIsMapped(kReadOnlyRoot)) {
        GTEST_SKIP() << "this machine cannot mount a read-only drive";
    }
    auto menu = OpenMenu(kReadOnlyRoot);  // holds one entry, "Old entry"
    ASSERT_TRUE(menu);
    ASSERT_EQ(ListRows(menu->ListView()).size(), 1u);
    EXPECT_FALSE(menu->SaveList());
    EXPECT_EQ(menu->StatusText().rfind("Error saving list : ", 0), 0u) << menu->StatusText();
    EXPECT_GT(menu->StatusText().size(), std::string("Error saving list : ").size()) << "with the reason";
}

TEST_F(MainWindow, AboutIsModelessFromBothMenus) {
    auto menu = OpenMenu("E:\\");
    ASSERT_TRUE(menu);
    for (const int command : {mnuAbout, mnuAbout2}) {
        ::SendMessageA(menu->Hwnd(), WM_COMMAND, static_cast<WPARAM>(command), 0);
        const HWND about = ::FindWindowA("CorvaneAbout", "About Corvane");
        ASSERT_NE(about, nullptr) << command;
        EXPECT_TRUE(::IsWindowVisible(about));
        EXPECT_TRUE(::IsWindowEnabled(menu->Hwnd())) << "the menu stays usable";
        SaveScreenshot(about, "menu-about");
        ::SendMessageA(about, WM_COMMAND, IDCANCEL, 0);
        EXPECT_FALSE(::IsWindow(about));
    }
}

}  // namespace
}  // namespace corvane::menu
