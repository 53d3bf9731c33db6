// The list's icons and missing-target marks on real files under Wine: what a lookup finds on the
// test drives, that a program on the stick is only ever read, and the thread that hands the results
// to the window by posted message.
#include "common/ComApartment.h"
#include "common/CommonResources.h"
#include "common/UniqueHandle.h"
#include "menu/EntryDecorations.h"
#include "menu/TargetLookup.h"
#include "menu/TargetLookupThread.h"
#include "tests/win/menu/MenuWindowHarness.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/TestDrive.h"

#include <commctrl.h>
#include <gtest/gtest.h>
#include <tlhelp32.h>

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::menu {
namespace {

constexpr int kIconSize = 16;
constexpr UINT kResultsMessage = WM_APP + 7;
constexpr DWORD kResultsTimeoutMs = 20000;

void CopyBesideTestTo(const char* name, const std::string& destination) {
    ASSERT_TRUE(::CopyFileA((test::TestProgramFolder() + name).c_str(), destination.c_str(), FALSE)) << name;
}

// E:\Apps\Menu.exe and E:\Apps\menu.ico (the menu's own icon, as this test program has it too),
// E:\notes.txt, and nothing else.
void PrepareStick() {
    test::EmptyDrive(test::kStickRoot);
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    CopyBesideTestTo("Menu.exe", "E:\\Apps\\Menu.exe");
    CopyBesideTestTo("menu.ico", "E:\\Apps\\menu.ico");
    test::WriteTestFile("E:\\notes.txt", "notes");
}

// The icon drawn on white, pixel by pixel: two icons look the same exactly when these are equal.
std::vector<std::uint32_t> Pixels(HICON icon) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kIconSize, -kIconSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const UniqueBitmap bitmap(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (!bitmap || !dc) {
        return {};
    }
    const SelectedObject selected(dc.get(), bitmap.get());
    const RECT all{0, 0, kIconSize, kIconSize};
    ::FillRect(dc.get(), &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::DrawIconEx(dc.get(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
    ::GdiFlush();
    const auto* first = static_cast<const std::uint32_t*>(bits);
    return {first, first + kIconSize * kIconSize};
}

std::vector<std::uint32_t> MenuIconPixels() {
    const auto icon =
        static_cast<HICON>(::LoadImageA(::GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_PROGRAM),
                                        IMAGE_ICON, kIconSize, kIconSize, LR_SHARED));
    return icon != nullptr ? Pixels(icon) : std::vector<std::uint32_t>{};
}

std::vector<std::uint32_t> ImagePixels(HIMAGELIST images, int index) {
    const UniqueIcon icon(::ImageList_GetIcon(images, index, ILD_NORMAL));
    return icon ? Pixels(icon.get()) : std::vector<std::uint32_t>{};
}

enum class IconExpected { None, TheMenus, AnotherOne };

struct LookupCase {
    const char* what;
    std::vector<std::wstring> candidates;
    TargetPresence presence;
    IconExpected icon;
};

// Found on the drives or not, with the icon the first present candidate gives. Nothing on the network
// and no drive letter that leads nowhere is touched (N: is never mapped).
TEST(TargetLookup, PresenceAndIconOfEachKindOfTarget) {
    PrepareStick();
    ASSERT_FALSE(test::DriveIsMapped(test::kMissingRoot));
    const ComApartment apartment;
    const auto menuIcon = MenuIconPixels();
    ASSERT_FALSE(menuIcon.empty());
    using enum TargetPresence;
    using enum IconExpected;
    const LookupCase cases[] = {
        {"a program's own icon", {L"E:\\Apps\\Menu.exe"}, Present, TheMenus},
        {"an icon file's own icon", {L"E:\\Apps\\menu.ico"}, Present, TheMenus},
        {"a text file's type icon", {L"E:\\notes.txt"}, Present, AnotherOne},
        {"a folder, which launching never starts", {L"E:\\Apps"}, Missing, None},
        {"the second candidate", {L"F:\\Apps\\Menu.exe", L"E:\\Apps\\Menu.exe"}, Present, TheMenus},
        {"a missing file", {L"E:\\gone.exe"}, Missing, None},
        {"no candidate", {}, Missing, None},
        {"a drive letter that leads nowhere", {L"N:\\Menu.exe"}, Missing, None},
        {"a share", {L"\\\\server\\share\\Menu.exe"}, Unknown, None},
        {"a share and a missing file", {L"\\\\server\\share\\x.exe", L"E:\\gone.exe"}, Unknown, None},
        {"a device name", {L"E:\\nul.txt"}, Unknown, None},
    };
    for (const LookupCase& c : cases) {
        const LookupResult result = LookUpTarget({L"key", c.candidates}, kIconSize);
        EXPECT_EQ(result.key, L"key");
        EXPECT_EQ(result.presence, c.presence) << c.what;
        EXPECT_EQ(result.icon.valid(), c.icon != None) << c.what;
        if (result.icon && c.icon != None) {
            EXPECT_EQ(Pixels(result.icon.get()) == menuIcon, c.icon == TheMenus) << c.what;
        }
    }
}

// The menu's lookups only ever read a program, even one that pretends to be an icon file.
TEST(TargetLookup, AProgramOnTheStickIsReadNeverRun) {
    test::EmptyDrive(test::kStickRoot);
    test::InstallLaunchRecorder("E:\\Recorder.exe");
    ASSERT_TRUE(::CopyFileA("E:\\Recorder.exe", "E:\\Recorder.ico", FALSE));
    const ComApartment apartment;
    for (const wchar_t* path : {L"E:\\Recorder.exe", L"E:\\Recorder.ico"}) {
        const LookupResult result = LookUpTarget({L"key", {path}}, kIconSize);
        EXPECT_EQ(result.presence, TargetPresence::Present);
        EXPECT_FALSE(result.icon) << "the recorder has no icon of its own";
    }
    EXPECT_TRUE(test::NoLaunchWithin(500));
}

// A window for the posted results, and the pumping of its messages that a window's loop would do.
class ResultWindow {
  public:
    ResultWindow()
        : window_(
              ::CreateWindowExW(0, L"STATIC", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr, nullptr)) {}
    [[nodiscard]] HWND Get() const noexcept { return window_.get(); }
    void Destroy() noexcept { window_.reset(); }

    // Calls `onResults` for every results message that has come; true when at least one had.
    template <typename OnResults>
    bool Pump(OnResults&& onResults) const {
        bool any = false;
        MSG message{};
        while (::PeekMessageW(&message, window_.get(), kResultsMessage, kResultsMessage, PM_REMOVE)) {
            onResults();
            any = true;
        }
        return any;
    }

  private:
    UniqueWindow window_;
};

// The keys are stored targets; one without a drive lies on the stick, as the window resolves it.
const std::wstring kStoredTargets[] = {L"Apps\\Menu.exe", L"notes.txt", L"gone.exe",
                                       L"later.txt",      L"N:\\x.exe", L"\\\\server\\share\\x.exe"};

std::vector<std::wstring> CandidatesOnTheStick(const std::wstring& key) {
    return {key.find(L':') != std::wstring::npos || key.starts_with(L"\\\\") ? key : L"E:\\" + key};
}

void LookAtEveryTarget(EntryDecorations& decorations) {
    for (const std::wstring& key : kStoredTargets) {
        EXPECT_EQ(decorations.Look(key), EntryDecoration{}) << "generic and not grey until the result comes";
    }
}

bool WaitForEveryLook(const ResultWindow& window, EntryDecorations& decorations) {
    return test::PollUntil(
        [&] {
            window.Pump([&] { decorations.OnResults(); });
            return !decorations.Waiting();
        },
        kResultsTimeoutMs);
}

// Rows are drawn at once, generic and not grey; the looks come later, by posted message, and only a
// target that is surely not there is grey. "Refresh List" looks again and lets the old icons go.
TEST(EntryDecorations, LooksArriveByPostedMessageAndRefreshLooksAgain) {
    PrepareStick();
    const ResultWindow window;
    ASSERT_TRUE(window.Get());
    EntryDecorations decorations(window.Get(), kResultsMessage, 96, CandidatesOnTheStick);
    for (int pass = 0; pass < 2; ++pass) {
        LookAtEveryTarget(decorations);
        EXPECT_TRUE(decorations.Waiting()) << "results are folded in only when the window takes them";
        ASSERT_TRUE(WaitForEveryLook(window, decorations));
        const EntryDecoration program = decorations.Look(L"Apps\\Menu.exe");
        EXPECT_FALSE(program.missing);
        EXPECT_EQ(ImagePixels(decorations.ImageList(), program.imageIndex), MenuIconPixels());
        const EntryDecoration text = decorations.Look(L"notes.txt");
        EXPECT_FALSE(text.missing);
        EXPECT_NE(text.imageIndex, kGenericEntryImage);
        EXPECT_EQ(decorations.Look(L"later.txt").missing, pass == 0);
        EXPECT_EQ(decorations.Look(L"gone.exe"), (EntryDecoration{kGenericEntryImage, true}));
        EXPECT_EQ(decorations.Look(L"N:\\x.exe"), (EntryDecoration{kGenericEntryImage, true}));
        EXPECT_EQ(decorations.Look(L"\\\\server\\share\\x.exe"), (EntryDecoration{kGenericEntryImage, false}))
            << "the network is never reported missing";

        if (pass == 0) {
            test::WriteTestFile("E:\\later.txt", "here now");
            EXPECT_TRUE(decorations.Look(L"later.txt").missing) << "looks are kept until a refresh";
        }
        decorations.Refresh();
        EXPECT_EQ(::ImageList_GetImageCount(decorations.ImageList()), 1) << "only the generic icon is kept";
    }
}

// However many distinct targets a list holds, the looks kept (and the icons made for them) stay
// bounded: past the limit the decorations start afresh.
TEST(EntryDecorations, LooksKeptStayBoundedForAnyNumberOfTargets) {
    PrepareStick();
    const ResultWindow window;
    ASSERT_TRUE(window.Get());
    // Every key a different target text, all the same program on the stick: each gets an icon.
    EntryDecorations decorations(window.Get(), kResultsMessage, 96, [](const std::wstring&) {
        return std::vector<std::wstring>{L"E:\\Apps\\Menu.exe"};
    });
    const std::size_t targets = EntryDecorations::kMostLooksKept + 100;
    for (std::size_t i = 0; i < targets; ++i) {
        decorations.Look(L"Apps\\Menu.exe#" + std::to_wstring(i));
        if (i % 512 == 0) {
            window.Pump([&] { decorations.OnResults(); });
        }
    }
    ASSERT_TRUE(WaitForEveryLook(window, decorations));
    EXPECT_LE(static_cast<std::size_t>(::ImageList_GetImageCount(decorations.ImageList())), 101u)
        << "the icons of the looks before the fresh start were let go";
    EXPECT_NE(decorations.Look(L"Apps\\Menu.exe#" + std::to_wstring(targets - 1)).imageIndex,
              kGenericEntryImage);
}

// What was asked before a cancel never comes back: neither what was found already, nor what was
// being looked up as the cancel came (the cancel comes while the lookups of a program are under way).
TEST(TargetLookupThread, CancelledLookupsNeverComeBack) {
    PrepareStick();
    const ResultWindow window;
    TargetLookupThread lookups(window.Get(), kResultsMessage, kIconSize);
    std::vector<LookupResult> results;
    const auto takeResults = [&] {
        for (LookupResult& result : lookups.TakeResults()) {
            results.push_back(std::move(result));
        }
    };
    for (int round = 0; round < 5; ++round) {
        lookups.LookUp(std::vector<LookupRequest>(50, {L"before", {L"E:\\Apps\\Menu.exe"}}));
        ASSERT_TRUE(test::PollUntil([&] { return window.Pump([] {}); }, kResultsTimeoutMs));
        lookups.Cancel();
        lookups.LookUp({{L"after", {L"E:\\notes.txt"}}});
        ASSERT_TRUE(test::PollUntil(
            [&] {
                window.Pump(takeResults);
                return !results.empty() && results.back().key == L"after";
            },
            kResultsTimeoutMs));
    }
    for (const LookupResult& result : results) {
        EXPECT_EQ(result.key, L"after");
    }
}

std::size_t ThreadsOfThisProcess() {
    const UniqueFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0));
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    std::size_t count = 0;
    for (BOOL more = ::Thread32First(snapshot.get(), &entry); more;
         more = ::Thread32Next(snapshot.get(), &entry)) {
        if (entry.th32OwnerProcessID == ::GetCurrentProcessId()) {
            ++count;
        }
    }
    return count;
}

// The window may go first, with lookups queued and results untaken: the thread still ends with the
// decorations, and posting to the window that has gone does no harm.
TEST(EntryDecorations, TheThreadEndsWithTheDecorationsEvenAfterTheWindowWent) {
    PrepareStick();
    {
        const ResultWindow window;  // the shell's own threads, started by a first lookup, stay
        EntryDecorations warmUp(window.Get(), kResultsMessage, 96, CandidatesOnTheStick);
        LookAtEveryTarget(warmUp);
        ASSERT_TRUE(WaitForEveryLook(window, warmUp));
    }
    const std::size_t before = ThreadsOfThisProcess();
    ASSERT_GT(before, 0u);
    {
        ResultWindow window;
        EntryDecorations decorations(window.Get(), kResultsMessage, 96, CandidatesOnTheStick);
        EXPECT_EQ(ThreadsOfThisProcess(), before + 1);
        for (int i = 0; i < 200; ++i) {
            decorations.Look(L"Apps\\Menu.exe#" + std::to_wstring(i));
        }
        LookAtEveryTarget(decorations);
        window.Destroy();
    }
    EXPECT_EQ(ThreadsOfThisProcess(), before);
}

// Through the real window: the list is drawn, texts and all, before any lookup has come back, every
// row with the generic icon; then a program shows its own icon, and a missing target (also one on a
// drive letter that leads nowhere) is drawn grey and marked " (not found)" in a click's status, while
// a share is never looked at and stays plain.
class MenuWindowLooks : public test::MenuWindowTest {};

TEST_F(MenuWindowLooks, IconsComeAfterTheFirstPaintAndMissingTargetsAreGrey) {
    PrepareStick();
    test::WriteTestFile("E:\\Data.dat",
                        "A program\r\nApps\\Menu.exe\r\n\r\nB gone\r\nE:\\gone.exe\r\n\r\n"
                        "C nowhere\r\nN:\\x.exe\r\n\r\nD share\r\n\\\\server\\share\\x.exe\r\n\r\n");
    frmMain menu("E:\\");
    ASSERT_TRUE(menu.Create());  // shown and painted; no posted result has been taken yet
    const HWND list = menu.ListView();
    const auto image = [&](int row) {
        LVITEMW item{};
        item.mask = LVIF_IMAGE;
        item.iItem = row;
        ::SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
        return item.iImage;
    };
    // What the list would draw a row in: the window's answer to the list's custom-draw question.
    const auto drawnGrey = [&](int row) {
        NMLVCUSTOMDRAW draw{};
        draw.nmcd.hdr = {list, static_cast<UINT_PTR>(frmMain::lstApp), static_cast<UINT>(NM_CUSTOMDRAW)};
        draw.nmcd.dwDrawStage = CDDS_ITEMPREPAINT;
        draw.nmcd.dwItemSpec = static_cast<DWORD_PTR>(row);
        draw.clrText = CLR_DEFAULT;
        const LRESULT answer =
            ::SendMessageW(menu.Hwnd(), WM_NOTIFY, frmMain::lstApp, reinterpret_cast<LPARAM>(&draw));
        return answer == CDRF_NEWFONT && draw.clrText == ::GetSysColor(COLOR_GRAYTEXT);
    };
    ASSERT_EQ(test::ListRows(list).size(), 4u);
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(image(row), kGenericEntryImage) << row;
        EXPECT_FALSE(drawnGrey(row)) << row;
    }

    test::SettleLooks(menu);
    EXPECT_NE(image(0), kGenericEntryImage) << "the program's own icon";
    const char* const marks[] = {"", " (not found)", " (not found)", ""};
    for (int row = 0; row < 4; ++row) {
        EXPECT_EQ(drawnGrey(row), *marks[row] != '\0') << row;
        test::ClickAt(list, test::RowCentre(list, row));
        EXPECT_TRUE(menu.StatusText().ends_with(std::string(" ") + marks[row])) << menu.StatusText();
        EXPECT_EQ(menu.StatusText().find("(not found)") != std::string::npos, *marks[row] != '\0') << row;
    }
    test::SaveScreenshot(menu.Hwnd(), "menu-window-icons");
    menu.Destroy();
    test::PumpMessages();
}

}  // namespace
}  // namespace corvane::menu
