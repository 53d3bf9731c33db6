#include "common/AboutWindow.h"

#include "common/CommonResources.h"
#include "common/core/Twips.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"
#include "tests/win/support/WindowText.h"

#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

namespace corvane {
namespace {

// The tip a tool tip owned by `owner` shows over `control`, or "" when none does.
std::string ToolTipOf(HWND owner, HWND control) {
    for (HWND tip = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); tip != nullptr;
         tip = ::FindWindowExA(nullptr, tip, TOOLTIPS_CLASSA, nullptr)) {
        if (::GetWindow(tip, GW_OWNER) != owner) {
            continue;
        }
        std::string text(1024, '\0');
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.hwnd = owner;
        tool.uId = reinterpret_cast<UINT_PTR>(control);
        tool.lpszText = text.data();
        ::SendMessageA(tip, TTM_GETTEXTA, text.size(), reinterpret_cast<LPARAM>(&tool));
        if (text[0] != '\0') {
            return text.c_str();
        }
    }
    return "";
}

HWND FindAbout() {
    return ::FindWindowA(AboutWindow::ClassName(), "About Corvane");
}

TEST(AboutWindow, ShowsTitleVersionLinkNoticeAndClose) {
    AboutWindow about;
    about.Show();
    const HWND hwnd = FindAbout();
    ASSERT_NE(hwnd, nullptr);
    EXPECT_TRUE(::IsWindowVisible(hwnd));
    EXPECT_EQ(test::WindowText(::GetDlgItem(hwnd, AboutWindow::lblTitle)), "Corvane - Version 1.1.1");
    EXPECT_EQ(test::WindowText(::GetDlgItem(hwnd, AboutWindow::cmdClose)), "Close");
    EXPECT_FALSE(test::WindowText(::GetDlgItem(hwnd, AboutWindow::Label2)).empty());
    EXPECT_FALSE(test::WindowText(::GetDlgItem(hwnd, AboutWindow::lblDisclaimer)).empty());
    EXPECT_EQ(::GetDlgItem(hwnd, AboutWindow::cmdHelp), nullptr) << "the menu's window has no Help button";
    EXPECT_EQ(ToolTipOf(hwnd, ::GetDlgItem(hwnd, AboutWindow::Label2)), about_texts::kMakerLinkTip);

    RECT client{};
    ::GetClientRect(hwnd, &client);
    EXPECT_EQ(client.right, TwipsToPixels(4305, 96));
    EXPECT_EQ(client.bottom, TwipsToPixels(3075, 96));
    const auto style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_STYLE));
    EXPECT_EQ(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME), 0u);
    EXPECT_NE(::GetWindow(hwnd, GW_OWNER), nullptr) << "owned, so it stays off the task bar";
    EXPECT_EQ(static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_EXSTYLE)) & WS_EX_APPWINDOW, 0u);
    test::SaveWindowScreenshot(hwnd, "about-menu");

    about.Show();  // a second request shows the same window
    EXPECT_EQ(FindAbout(), hwnd);

    ::SendMessageA(::GetDlgItem(hwnd, AboutWindow::cmdClose), BM_CLICK, 0, 0);
    EXPECT_FALSE(::IsWindow(hwnd));
    EXPECT_FALSE(about.IsOpen());

    about.Show();  // and it can be opened again after closing
    EXPECT_NE(FindAbout(), nullptr);
    ::SendMessageA(FindAbout(), WM_COMMAND, IDCANCEL, 0);  // Escape
    EXPECT_EQ(FindAbout(), nullptr);
}

// Makes `program` what the system starts for https links while the object lives, then puts the
// command that was there back (Wine's shell reads only the machine's classes).
class HttpsHandler {
  public:
    explicit HttpsHandler(const std::string& program) {
        EXPECT_EQ(::RegCreateKeyExA(HKEY_CLASSES_ROOT, "https\\shell\\open\\command", 0, nullptr, 0,
                                    KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
        char previous[1024] = {};
        DWORD size = sizeof previous;
        if (::RegQueryValueExA(key_, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(previous), &size) ==
            ERROR_SUCCESS) {
            previous_ = previous;
        }
        Set("\"" + program + "\" %1");
    }
    ~HttpsHandler() {
        if (previous_) {
            Set(*previous_);
        } else {
            ::RegDeleteValueA(key_, nullptr);
        }
        ::RegCloseKey(key_);
    }
    HttpsHandler(const HttpsHandler&) = delete;
    HttpsHandler& operator=(const HttpsHandler&) = delete;

  private:
    void Set(const std::string& command) const {
        EXPECT_EQ(::RegSetValueExA(key_, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(command.c_str()),
                                   static_cast<DWORD>(command.size() + 1)),
                  ERROR_SUCCESS);
    }

    HKEY key_ = nullptr;
    std::optional<std::string> previous_;
};

TEST(AboutWindow, TheLinkOpensTheMakersWebAddress) {
    test::EmptyDrive(test::kStickRoot);
    const HttpsHandler browser(test::InstallLaunchRecorder(std::string(test::kStickRoot) + "browser.exe"));
    AboutWindow about;
    about.Show();
    const HWND hwnd = FindAbout();
    ASSERT_NE(hwnd, nullptr);
    const HWND link = ::GetDlgItem(hwnd, AboutWindow::Label2);
    ::SendMessageA(link, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(link, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    const auto record = test::WaitForLaunchRecord();
    ASSERT_TRUE(record) << "no browser was started";
    EXPECT_EQ(record->arguments, about_texts::kMakerAddress);
    about.Destroy();
    test::EmptyDrive(test::kStickRoot);
}

TEST(AboutWindow, CreatorsCopyHasAHelpButtonThatRunsItsAction) {
    int helpRequests = 0;
    AboutWindow about([&] { ++helpRequests; });
    about.Show();
    const HWND hwnd = FindAbout();
    ASSERT_NE(hwnd, nullptr);
    const HWND help = ::GetDlgItem(hwnd, AboutWindow::cmdHelp);
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(test::WindowText(help), "&Help");
    test::SaveWindowScreenshot(hwnd, "about-creator");
    ::SendMessageA(help, BM_CLICK, 0, 0);
    EXPECT_EQ(helpRequests, 1);
    about.Destroy();
    EXPECT_EQ(FindAbout(), nullptr);
}

TEST(LinkLabel, ShowsTheHandCursorAndRunsItsActionOnClickAndKeys) {
    const UniqueWindow parent(::CreateWindowExA(0, "STATIC", "", WS_POPUP | WS_VISIBLE, 0, 0, 300, 100,
                                                nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
    int clicks = 0;
    LinkLabel link;
    ASSERT_TRUE(link.Create(parent.get(), 7, "Format Utility", {0, 0, 1500, 300}, 96, {}, [&] { ++clicks; }));
    const HCURSOR hand = ::LoadCursorA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDC_LINK_HAND));
    ASSERT_NE(hand, nullptr) << "the test program carries the cursor resource";
    ::SetCursor(::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)));
    ::SendMessageA(link.Hwnd(), WM_SETCURSOR, reinterpret_cast<WPARAM>(link.Hwnd()),
                   MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(::GetCursor(), hand);

    ::SendMessageA(link.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(link.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(clicks, 1);
    ::SendMessageA(link.Hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    ::SendMessageA(link.Hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(500, 5));  // released outside: no click
    EXPECT_EQ(clicks, 1);
    ::SendMessageA(link.Hwnd(), WM_KEYDOWN, VK_SPACE, 0);
    ::SendMessageA(link.Hwnd(), WM_KEYDOWN, VK_RETURN, 0);
    EXPECT_EQ(clicks, 3);
}

}  // namespace
}  // namespace corvane
