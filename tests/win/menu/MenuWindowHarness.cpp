#include "tests/win/menu/MenuWindowHarness.h"

#include "common/TextEncoding.h"
#include "common/WindowLayout.h"
#include "common/core/Twips.h"
#include "menu/core/DataFile.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <shellapi.h>

namespace corvane::test {
namespace {

LPARAM PointParam(POINT point) {
    return MAKELPARAM(point.x, point.y);
}

std::vector<std::string> CaptionsOf(HMENU menu) {
    std::vector<std::string> captions;
    const int count = ::GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        wchar_t text[256] = {};
        ::GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        const std::string caption = Utf8FromWide(text);
        captions.push_back((::GetMenuState(menu, static_cast<UINT>(i), MF_BYPOSITION) & MF_SEPARATOR) != 0
                               ? "-"
                               : caption.substr(0, caption.find('\t')));
    }
    return captions;
}

// The menu loop dispatches timer messages: the timer finds the open menu, reads it and ends it.
thread_local std::vector<std::string>* capturedCaptions = nullptr;
thread_local RECT* capturedPlace = nullptr;

void CALLBACK ReadAndCloseMenu(HWND, UINT, UINT_PTR timer, DWORD) {
    const HWND popup = ::FindWindowA("#32768", nullptr);
    if (popup == nullptr || !::IsWindowVisible(popup) || capturedCaptions == nullptr) {
        return;
    }
    *capturedCaptions = CaptionsOf(reinterpret_cast<HMENU>(::SendMessageA(popup, MN_GETHMENU, 0, 0)));
    if (capturedPlace != nullptr) {
        ::GetWindowRect(popup, capturedPlace);
    }
    ::KillTimer(nullptr, timer);
    ::EndMenu();
}

struct DestroyWatch {
    HWND window;
    bool hadIcon;
};
thread_local DestroyWatch* destroyWatch = nullptr;

LRESULT CALLBACK CheckIconOnDestroy(int code, WPARAM wParam, LPARAM lParam) {
    const auto& call = *reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (code == HC_ACTION && destroyWatch != nullptr && call.message == WM_DESTROY &&
        call.hwnd == destroyWatch->window) {
        destroyWatch->hadIcon = HasTrayIcon(call.hwnd);
    }
    return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

}  // namespace

bool HadTrayIconWhenDestroyed(HWND window, const std::function<void()>& close) {
    DestroyWatch watch{window, false};
    destroyWatch = &watch;
    const HHOOK hook =
        ::SetWindowsHookExA(WH_CALLWNDPROC, CheckIconOnDestroy, nullptr, ::GetCurrentThreadId());
    EXPECT_NE(hook, nullptr);
    close();
    ::UnhookWindowsHookEx(hook);
    destroyWatch = nullptr;
    return watch.hadIcon;
}

void MenuOverListTest::SetUp() {
    EmptyDrive(kStickRoot);
    WriteTestFile("E:\\Data.dat", dataFile_);
    menu_ = OpenMenu("E:\\");
    ASSERT_TRUE(menu_);
}

void MenuOverListTest::TearDown() {
    menu_.reset();
    PumpMessages();
    EmptyDrive(kStickRoot);
}

std::vector<std::string> CapturePopupMenu(const std::function<void()>& open, RECT* place) {
    std::vector<std::string> captions;
    capturedCaptions = &captions;
    capturedPlace = place;
    const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, ReadAndCloseMenu);
    open();
    ::KillTimer(nullptr, timer);
    capturedCaptions = nullptr;
    capturedPlace = nullptr;
    return captions;
}

DWORD RecordingStarter::Start(const std::string& program, const std::string& commandLine, int showCommand) {
    calls.push_back(
        {program, commandLine, showCommand, watchedWindow != nullptr && ::IsWindowVisible(watchedWindow)});
    return result;
}

bool CloseExplorerWindow() {
    constexpr DWORD kExplorerWaitMs = 10000;
    HWND explorer = nullptr;
    if (!PollUntil([&] { return (explorer = ::FindWindowA("ExplorerWClass", nullptr)) != nullptr; },
                   kExplorerWaitMs)) {
        return false;
    }
    ::PostMessageA(explorer, WM_CLOSE, 0, 0);
    return PollUntil([&] { return !::IsWindow(explorer); }, kExplorerWaitMs);
}

RecordingHandOff::RecordingHandOff(DWORD answer) : answer_(answer) {}

DWORD RecordingHandOff::Start(char drive) {
    drives.push_back(drive);
    return answer_;
}

std::unique_ptr<menu::frmMain> OpenMenu(const std::string& folder, menu::ProgramStarter* starter,
                                        menu::EjectHandOff* handOff) {
    // Never the real hand-off here: it would start a copy of the test program.
    static RecordingHandOff refusing(ERROR_NOT_SUPPORTED);
    auto window = std::make_unique<menu::frmMain>(folder, starter, handOff != nullptr ? handOff : &refusing);
    if (!window->Create()) {
        ADD_FAILURE() << "the menu window was not created for " << folder;
        return nullptr;
    }
    if (auto* recording = dynamic_cast<RecordingStarter*>(starter)) {
        recording->watchedWindow = window->Hwnd();
    }
    PumpMessages();
    return window;
}

std::unique_ptr<menu::frmMain> OpenMenuWhileListIsHeld(const std::string& folder) {
    const UniqueFile lock(::CreateFileW(WideFromUtf8(folder + "Data.dat").c_str(),
                                        GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!lock) {
        ADD_FAILURE() << "Data.dat could not be held in " << folder;
        return nullptr;
    }
    return OpenMenu(folder);
}

void SettleLooks(const menu::frmMain& menu) {
    EXPECT_TRUE(PollUntil(
        [&] {
            PumpMessages();
            return !menu.LooksPending();
        },
        5000))
        << "the lookups never came back";
    PumpMessages();
}

void SendCommand(HWND window, int id) {
    ::SendMessageA(window, WM_COMMAND, static_cast<WPARAM>(id), 0);
    PumpMessages();
}

HWND ShownEditor() {
    const HWND editor = ::FindWindowA(menu::frmAdd::ClassName(), nullptr);
    return editor != nullptr && ::IsWindowVisible(editor) ? editor : nullptr;
}

void TypeInEditor(int id, const std::string& text) {
    ::SendMessageW(::GetDlgItem(ShownEditor(), id), WM_SETTEXT, 0,
                   reinterpret_cast<LPARAM>(WideFromUtf8(text).c_str()));
}

void PressInEditor(int id) {
    ::SendMessageA(::GetDlgItem(ShownEditor(), id), BM_CLICK, 0, 0);
    PumpMessages();
}

MessageBoxWatcher::MessageBoxWatcher()
    : answerer_("", [](HWND box) { ::PostMessageA(box, WM_COMMAND, IDOK, 0); }) {}

std::vector<std::string> MessageBoxWatcher::Texts() {
    std::vector<std::string> texts;
    for (const SeenDialog& box : answerer_.Seen()) {
        if (box.title == "Corvane") {
            texts.push_back(box.text);
        }
    }
    return texts;
}

std::vector<std::string> MessageBoxWatcher::OtherTitles() {
    std::vector<std::string> titles;
    for (const SeenDialog& box : answerer_.Seen()) {
        if (box.title != "Corvane") {
            titles.push_back(box.title);
        }
    }
    return titles;
}

void MenuWindowTest::SetUp() {
    EmptyDrive(kStickRoot);
    EmptyDrive(kSecondStickRoot);
}

void MenuWindowTest::TearDown() {
    PumpMessages();
    EmptyDrive(kStickRoot);
    EmptyDrive(kSecondStickRoot);
}

std::string ManyEntriesFile(std::size_t count) {
    std::vector<menu::EntryFields> entries;
    entries.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        const std::string number = std::to_string((i * 7919) % 1000003);
        entries.push_back(
            {"Tool " + number, "Tools\\" + std::to_string(i) + "\\tool.exe", i % 3 == 0 ? "/p" : ""});
    }
    return menu::EncodeRecords(entries);
}

std::string ItemCaption(HWND window, int command) {
    wchar_t text[256] = {};
    ::GetMenuStringW(::GetMenu(window), static_cast<UINT>(command), text, 256, MF_BYCOMMAND);
    const std::string caption = Utf8FromWide(text);
    return caption.substr(0, caption.find('\t'));
}

bool ItemChecked(HWND window, int command) {
    return (::GetMenuState(::GetMenu(window), static_cast<UINT>(command), MF_BYCOMMAND) & MF_CHECKED) != 0;
}

void SelectRow(HWND listView, int row) {
    LVITEMA state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageA(listView, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&state));
}

POINT RowCentre(HWND listView, int row) {
    RECT rect{};
    rect.left = LVIR_LABEL;
    ::SendMessageA(listView, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

void ClickAt(HWND window, POINT point, bool doubleClick) {
    ::PostMessageA(window, WM_LBUTTONDOWN, MK_LBUTTON, PointParam(point));
    ::PostMessageA(window, WM_LBUTTONUP, 0, PointParam(point));
    if (doubleClick) {
        ::PostMessageA(window, WM_LBUTTONDBLCLK, MK_LBUTTON, PointParam(point));
        ::PostMessageA(window, WM_LBUTTONUP, 0, PointParam(point));
    }
    PumpMessages();
}

void ClickColumnHeader(HWND listView, int column) {
    const auto header = reinterpret_cast<HWND>(::SendMessageA(listView, LVM_GETHEADER, 0, 0));
    RECT rect{};
    ::SendMessageA(header, HDM_GETITEMRECT, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&rect));
    ClickAt(header, {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2});
}

bool HasTrayIcon(HWND window) {
    NOTIFYICONDATAA record{};
    record.cbSize = NOTIFYICONDATAA_V1_SIZE;
    record.hWnd = window;
    record.uID = 1;
    return ::Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

HWND StatusTip(const menu::frmMain& menu) {
    HWND tip = nullptr;
    for (HWND candidate = ::FindWindowExA(nullptr, nullptr, TOOLTIPS_CLASSA, nullptr); candidate != nullptr;
         candidate = ::FindWindowExA(nullptr, candidate, TOOLTIPS_CLASSA, nullptr)) {
        if (::GetWindow(candidate, GW_OWNER) == menu.Hwnd()) {
            tip = candidate;
        }
    }
    EXPECT_NE(tip, nullptr) << "the status bar has no tool tip";
    return tip;
}

bool RestMouseOn(HWND window, HWND tip) {
    RECT place{};
    ::GetWindowRect(window, &place);
    ::SetForegroundWindow(::GetAncestor(window, GA_ROOT));
    ::SetCursorPos((place.left + place.right) / 2, (place.top + place.bottom) / 2);
    return PollUntil(
        [&] {
            PumpMessages();  // the pointer's moves reach the window, and the tip's timer runs
            return ::IsWindowVisible(tip) != FALSE;
        },
        5000);
}

std::string StatusTipText(const menu::frmMain& menu) {
    const HWND tip = StatusTip(menu);
    NMTTDISPINFOW request{};
    request.hdr = {tip, reinterpret_cast<UINT_PTR>(menu.StatusBarHandle()), TTN_GETDISPINFOW};
    ::SendMessageW(menu.Hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&request));
    return request.lpszText != nullptr ? Utf8FromWide(request.lpszText) : "";
}

void SaveScreenshot(HWND window, const std::string& name) {
    ::RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
    ::GdiFlush();
    PumpMessages();  // the display gets what was painted when the thread next looks for messages
    EXPECT_FALSE(SaveWindowScreenshot(window, name).empty()) << name;
}

SIZE WindowSizeTwips(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    const int dpi = WindowDpi(window);
    return {static_cast<LONG>(PixelsToTwips(rect.right - rect.left, dpi)),
            static_cast<LONG>(PixelsToTwips(rect.bottom - rect.top, dpi))};
}

}  // namespace corvane::test
