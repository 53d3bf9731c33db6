// Helpers for driving frmMain in-process: a menu window on a test drive, a recording program
// starter, message pumping, a watcher that answers the program's message boxes, and readers for
// the window's menus, list and tray icon.
#pragma once

#include "menu/ProgramStarter.h"
#include "menu/frmMain.h"
#include "tests/win/support/DialogAnswerer.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/TestEntries.h"
#include "tests/win/support/WindowText.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace corvane::test {

// Records what the window asked to start instead of starting it, and whether the window was visible then.
class RecordingStarter final : public menu::ProgramStarter {
  public:
    struct Call {
        std::string program;
        std::string commandLine;
        int showCommand;
        bool windowVisible;
    };

    DWORD Start(const std::string& program, const std::string& commandLine, int showCommand) override;

    HWND watchedWindow = nullptr;
    DWORD result = ERROR_SUCCESS;
    std::vector<Call> calls;
};

// Records the drives an eject was handed over for, answering `answer`, instead of starting anything.
class RecordingHandOff final : public menu::EjectHandOff {
  public:
    explicit RecordingHandOff(DWORD answer = ERROR_SUCCESS);
    DWORD Start(char drive) override;

    std::vector<char> drives;

  private:
    DWORD answer_;
};

// Creates and shows the menu window for `folder` and lets it settle. An eject goes to `handOff`; by
// default to one that records it and fails.
std::unique_ptr<menu::frmMain> OpenMenu(const std::string& folder, menu::ProgramStarter* starter = nullptr,
                                        menu::EjectHandOff* handOff = nullptr);

// Opens the menu while another program (a virus scanner, a sync tool) holds Data.dat in `folder` open
// without sharing, so that its load fails; the file is free again when it returns.
std::unique_ptr<menu::frmMain> OpenMenuWhileListIsHeld(const std::string& folder);

// Lets the menu's lookups of icons and missing files for the rows drawn so far come in.
void SettleLooks(const menu::frmMain& menu);

// Sends a menu command to the window and lets whatever it set off run.
void SendCommand(HWND window, int id);

// The entry editor while it shows, or null; typing into and pressing its controls.
HWND ShownEditor();
void TypeInEditor(int id, const std::string& text);
void PressInEditor(int id);

// Answers every message box of this process with OK (the shell's own too), keeping the texts of
// those titled "Corvane", the program's own.
class MessageBoxWatcher {
  public:
    MessageBoxWatcher();

    // The texts of the program's boxes answered so far, and the titles of any others.
    [[nodiscard]] std::vector<std::string> Texts();
    [[nodiscard]] std::vector<std::string> OtherTitles();

  private:
    DialogAnswerer answerer_;
};

// The base of the menu window's tests: empty stick drives E: and F: before and after each test, and
// every message box answered so that no test can hang on one.
class MenuWindowTest : public ::testing::Test {
  protected:
    void SetUp() override;
    void TearDown() override;

    MessageBoxWatcher boxes_;
};

// The base of tests on one menu window over a list on E:, opened in SetUp. No watcher answers message
// boxes here: the tests answer the questions they ask for themselves.
class MenuOverListTest : public ::testing::Test {
  protected:
    explicit MenuOverListTest(std::string dataFile) : dataFile_(std::move(dataFile)) {}
    void SetUp() override;
    void TearDown() override;

    std::unique_ptr<menu::frmMain> menu_;

  private:
    std::string dataFile_;
};

// Runs `open`, which pops up a menu and waits in it, closes that menu as soon as it shows, and
// returns the captions of its items (without shortcut texts; "-" for separators). `place`, when
// given, receives the menu's screen rectangle.
std::vector<std::string> CapturePopupMenu(const std::function<void()>& open, RECT* place = nullptr);

// The menu item's caption without its shortcut text, and whether it is checked.
std::string ItemCaption(HWND window, int command);
bool ItemChecked(HWND window, int command);

// Waits for the Explorer window a browse opened and closes it, so that it outlives no test; false
// when none appeared or it did not close.
bool CloseExplorerWindow();

// The text of a Data.dat with `count` entries whose names and targets are in no particular order, so
// that sorting by any column moves rows.
std::string ManyEntriesFile(std::size_t count);

// Selects one row (and gives it the focus mark), as a click on it would.
void SelectRow(HWND listView, int row);

// A click, a double click or a right click on a row or at a point of a window, by posted mouse messages.
void ClickAt(HWND window, POINT point, bool doubleClick = false);
POINT RowCentre(HWND listView, int row);

// Clicks a column header of a list view.
void ClickColumnHeader(HWND listView, int column);

// True while the window has an icon in the tray (probed with a modification that changes nothing).
bool HasTrayIcon(HWND window);

// Runs `close`, which destroys `window`, and tells whether the window still had its tray icon when
// it was destroyed (Wine drops the icons of windows that are gone, so only that moment shows it).
bool HadTrayIconWhenDestroyed(HWND window, const std::function<void()>& close);

// The status bar's tool tip window, and the text it gets when it asks the menu window what to show.
HWND StatusTip(const menu::frmMain& menu);
std::string StatusTipText(const menu::frmMain& menu);

// Moves the real mouse pointer onto the middle of the window and lets it rest there until the tool
// tip `tip` shows; false if it never does.
bool RestMouseOn(HWND window, HWND tip);

// Paints the window, lets Wine hand the picture to the display, then saves a screenshot of it.
void SaveScreenshot(HWND window, const std::string& name);

// The whole window's size in twips at its DPI.
SIZE WindowSizeTwips(HWND window);

}  // namespace corvane::test
