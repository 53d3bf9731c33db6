// Find Entry and typing in the list: narrowing the rows while every entry stays in Data.dat.
#include "common/TextEncoding.h"
#include "menu/MenuResources.h"
#include "menu/core/MenuTexts.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;

const std::string kFiveEntries =
    "Paint\r\nApps\\paint.exe\r\n\r\n"
    "Notes\r\nDocs\\notes.txt\r\n\r\n"
    "Player\r\nApps\\Media\\play.exe\r\n/q\r\n"
    "Zip\r\nTools\\zip.exe\r\n\r\n"
    "Browser\r\nAPPS\\web.exe\r\n\r\n";

class FindEntry : public MenuOverListTest {
  protected:
    FindEntry() : MenuOverListTest(kFiveEntries) {}

    [[nodiscard]] HWND Box() const { return menu_->FindBoxHandle(); }
    [[nodiscard]] std::vector<Row> Rows() const { return ListRows(menu_->ListView()); }
    [[nodiscard]] std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const Row& row : Rows()) {
            names.push_back(row[0]);
        }
        return names;
    }
    void Find(const std::string& text) const {
        ::SendMessageW(Box(), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(WideFromUtf8(text).c_str()));
        PumpMessages();
    }
    // A key as the program's message loop hands it on: through the dialog keyboard handling first.
    void Press(HWND target, WPARAM key) const {
        MSG message{target, WM_KEYDOWN, key, 0, 0, {}};
        if (!::IsDialogMessageW(menu_->Hwnd(), &message)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        PumpMessages();
    }
    [[nodiscard]] RECT ListPlace() const {
        RECT place{};
        ::GetWindowRect(menu_->ListView(), &place);
        ::MapWindowPoints(nullptr, menu_->Hwnd(), reinterpret_cast<POINT*>(&place), 2);
        return place;
    }
};

TEST_F(FindEntry, NarrowsByNameOrTargetCountsAndGivesBackTheList) {
    const RECT fullList = ListPlace();
    EXPECT_FALSE(::IsWindowVisible(Box()));
    EXPECT_EQ(ItemCaption(menu_->Hwnd(), mnuFind), "Find Entry");

    SendCommand(menu_->Hwnd(), mnuFind);
    ASSERT_TRUE(::IsWindowVisible(Box()));
    EXPECT_EQ(::GetFocus(), Box());
    RECT box{};
    ::GetWindowRect(Box(), &box);
    EXPECT_EQ(ListPlace().top, fullList.top + (box.bottom - box.top)) << "the list gives up the box's height";
    EXPECT_EQ(ListPlace().bottom, fullList.bottom);

    Find("aPp");  // in the target of three, ignoring case; "Player" only by its target
    EXPECT_EQ(Names(), (std::vector<std::string>{"Browser", "Paint", "Player"}));
    EXPECT_EQ(menu_->StatusText(), "3 of 5 entries shown");
    Find("play");
    EXPECT_EQ(Names(), (std::vector<std::string>{"Player"}));
    SelectRow(menu_->ListView(), 0);
    ClickAt(menu_->ListView(), RowCentre(menu_->ListView(), 0));
    PumpMessages();
    SettleLooks(*menu_);
    EXPECT_EQ(menu_->StatusText(), "Item 1 of 1 - Apps\\Media\\play.exe /q (not found)")
        << "counted among the shown; the mark comes when the lookup does";
    Find("nothing like it");
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(menu_->StatusText(), "0 of 5 entries shown");

    Find("zi");
    Press(Box(), VK_DOWN);
    EXPECT_EQ(::GetFocus(), menu_->ListView());
    EXPECT_EQ(::SendMessageA(menu_->ListView(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED), 0);

    ::SetFocus(Box());
    Press(Box(), VK_ESCAPE);
    EXPECT_TRUE(::IsWindowVisible(Box())) << "the first Esc only empties the box";
    EXPECT_EQ(Rows().size(), 5u);
    EXPECT_EQ(Names()[static_cast<std::size_t>(::SendMessageA(menu_->ListView(), LVM_GETNEXTITEM,
                                                              static_cast<WPARAM>(-1), LVNI_SELECTED))],
              "Zip")
        << "the selected entry stays selected as the rows change";
    Press(Box(), VK_ESCAPE);
    EXPECT_FALSE(::IsWindowVisible(Box()));
    EXPECT_EQ(::GetFocus(), menu_->ListView());
    const RECT after = ListPlace();
    EXPECT_TRUE(::EqualRect(&after, &fullList)) << "closed, the window is laid out as before";
    SaveScreenshot(menu_->Hwnd(), "menu-window-find-closed");
}

TEST_F(FindEntry, SortingAndEditingWhileFoundKeepEveryEntryInDataDat) {
    SendCommand(menu_->Hwnd(), mnuFind);
    Find("app");
    ClickColumnHeader(menu_->ListView(), 0);  // the second click on Name: descending
    PumpMessages();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Player", "Paint", "Browser"}));
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"),
              "Zip\r\nTools\\zip.exe\r\n\r\nPlayer\r\nApps\\Media\\play.exe\r\n/q\r\n"
              "Paint\r\nApps\\paint.exe\r\n\r\nNotes\r\nDocs\\notes.txt\r\n\r\n"
              "Browser\r\nAPPS\\web.exe\r\n\r\n");

    SendCommand(menu_->Hwnd(), mnuAdd);
    TypeInEditor(frmAdd::txtPath, "E:\\Other\\calc.exe");
    PressInEditor(frmAdd::cmdSave);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Player", "Paint", "Browser"})) << "calc does not match";
    EXPECT_NE(ReadTestFile("E:\\Data.dat").find("calc.exe\r\nOther\\calc.exe\r\n"), std::string::npos);

    SelectRow(menu_->ListView(), 1);  // Paint
    DialogAnswerer yes(texts::kProgramTitle, DialogAnswerer::Press(IDYES));
    SendCommand(menu_->Hwnd(), mnuDelete);
    EXPECT_TRUE(yes.Result().appeared);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Player", "Browser"}));
    EXPECT_EQ(menu_->StatusText(), "2 of 5 entries shown") << "the count follows the delete";
    EXPECT_EQ(ReadTestFile("E:\\Data.dat"),
              "Zip\r\nTools\\zip.exe\r\n\r\nPlayer\r\nApps\\Media\\play.exe\r\n/q\r\n"
              "Notes\r\nDocs\\notes.txt\r\n\r\ncalc.exe\r\nOther\\calc.exe\r\n\r\n"
              "Browser\r\nAPPS\\web.exe\r\n\r\n");
    SaveScreenshot(menu_->Hwnd(), "menu-window-find");
}

TEST_F(FindEntry, EnterRunsTheOnlyMatchAndTypingInTheListJumpsToAName) {
    ASSERT_TRUE(::CreateDirectoryA("E:\\Tools", nullptr));
    InstallLaunchRecorder("E:\\Tools\\zip.exe");
    SendCommand(menu_->Hwnd(), mnuFind);
    Find("zip");
    Press(Box(), VK_RETURN);
    ASSERT_TRUE(WaitForLaunchRecord());
    EXPECT_EQ(menu_->StatusText(), "Running E:\\Tools\\zip.exe");
    EXPECT_TRUE(::IsWindowVisible(Box())) << "Enter is the find's, not the window's default button";

    Press(Box(), VK_ESCAPE);
    Press(Box(), VK_ESCAPE);
    ::SetFocus(menu_->ListView());
    ::SendMessageA(menu_->ListView(), WM_CHAR, 'n', 1);  // a repeat count of 1, as typed
    PumpMessages();
    const auto selected =
        ::SendMessageA(menu_->ListView(), LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    ASSERT_GE(selected, 0);
    EXPECT_EQ(Names()[static_cast<std::size_t>(selected)], "Notes");
}

}  // namespace
}  // namespace corvane::menu
