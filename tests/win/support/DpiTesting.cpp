#include "tests/win/support/DpiTesting.h"

#include "common/MessageLoop.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/core/Twips.h"
#include "tests/win/support/SavedUserValue.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace corvane::test {
namespace {

constexpr const wchar_t* kDesktopKey = L"Control Panel\\Desktop";
constexpr const wchar_t* kLogPixels = L"LogPixels";
constexpr const char* kDpiVariable = "CORVANE_TEST_DPI";
// A file the child's test creates once it runs: a filter that matches nothing would pass unseen.
constexpr const char* kRanVariable = "CORVANE_TEST_DPI_RAN";
constexpr DWORD kChildTimeoutMs = 90000;

std::wstring OwnProgram() {
    std::wstring path(32768, L'\0');
    path.resize(::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size())));
    return path;
}

// Runs this program with only `disabledTest` at `dpi`; returns its exit code (or -1 when it did not
// start or did not end in time).
int RunChildAt(const std::string& disabledTest, int dpi, const std::string& ranFile) {
    // Put back afterwards, so that the tests after this one start at the prefix's own DPI.
    const SavedUserValue logPixels(kDesktopKey, kLogPixels);
    logPixels.Set(static_cast<DWORD>(dpi));
    ::SetEnvironmentVariableA(kDpiVariable, std::to_string(dpi).c_str());
    ::SetEnvironmentVariableA(kRanVariable, ranFile.c_str());
    std::wstring commandLine = L"\"" + OwnProgram() + L"\" --gtest_also_run_disabled_tests --gtest_filter=" +
                               WideFromUtf8(disabledTest);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    const bool started = ::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                          nullptr, &startup, &process) != FALSE;
    ::SetEnvironmentVariableA(kDpiVariable, nullptr);
    ::SetEnvironmentVariableA(kRanVariable, nullptr);
    if (!started) {
        return -1;
    }
    const UniqueKernelHandle processHandle(process.hProcess);
    const UniqueKernelHandle threadHandle(process.hThread);
    if (::WaitForSingleObject(process.hProcess, kChildTimeoutMs) != WAIT_OBJECT_0) {
        ::TerminateProcess(process.hProcess, 1);
        return -1;
    }
    DWORD exitCode = 1;
    ::GetExitCodeProcess(process.hProcess, &exitCode);
    return static_cast<int>(exitCode);
}

int PixelsOf(long long twips, int dpi) {
    return TwipsToPixels(twips, dpi);
}

}  // namespace

void RunAtEachDpi(const std::string& disabledTest) {
    const std::string ranFile = TestProgramFolder() + "\\dpi-test-ran";
    for (const int dpi : kTestedDpis) {
        ::DeleteFileW(WideFromUtf8(ranFile).c_str());
        EXPECT_EQ(RunChildAt(disabledTest, dpi, ranFile), 0) << disabledTest << " at " << dpi << " dpi";
        EXPECT_NE(::GetFileAttributesW(WideFromUtf8(ranFile).c_str()), INVALID_FILE_ATTRIBUTES)
            << disabledTest << " ran at " << dpi << " dpi";
    }
    ::DeleteFileW(WideFromUtf8(ranFile).c_str());
}

int ProcessDpi() {
    if (const char* ranFile = std::getenv(kRanVariable); ranFile != nullptr) {
        WriteTestFile(ranFile, "");
    }
    const char* wanted = std::getenv(kDpiVariable);
    const int dpi = wanted != nullptr ? std::atoi(wanted) : 0;
    EXPECT_NE(std::find(kTestedDpis.begin(), kTestedDpis.end(), dpi), kTestedDpis.end())
        << "run through RunAtEachDpi";
    EXPECT_EQ(WindowDpi(nullptr), dpi) << "Wine started the process at the DPI LogPixels gave";
    return dpi;
}

int OtherDpi(int dpi) {
    const auto at = std::find(kTestedDpis.begin(), kTestedDpis.end(), dpi);
    return at == kTestedDpis.end() || at + 1 == kTestedDpis.end() ? kTestedDpis.front() : *(at + 1);
}

std::optional<SIZE> ScaledSizeAnswer(HWND window, int dpi) {
    SIZE size{};
    if (::SendMessageW(window, kGetDpiScaledSize, static_cast<WPARAM>(dpi),
                       reinterpret_cast<LPARAM>(&size)) == FALSE) {
        return std::nullopt;
    }
    return size;
}

void SendDpiChange(HWND window, int oldDpi, int newDpi) {
    RECT frame{};
    ::GetWindowRect(window, &frame);
    const SIZE size = ScaledSizeAnswer(window, newDpi)
                          .value_or(SIZE{::MulDiv(frame.right - frame.left, newDpi, oldDpi),
                                         ::MulDiv(frame.bottom - frame.top, newDpi, oldDpi)});
    RECT suggested{frame.left, frame.top, frame.left + size.cx, frame.top + size.cy};
    ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(newDpi, newDpi), reinterpret_cast<LPARAM>(&suggested));
    PumpPendingMessages();
}

void ExpectPlacedAt(HWND window, std::span<const PlacedControl> controls, int dpi) {
    for (const PlacedControl& control : controls) {
        SCOPED_TRACE("control " + std::to_string(control.id) + " at " + std::to_string(dpi) + " dpi");
        const HWND child = ::GetDlgItem(window, control.id);
        ASSERT_NE(child, nullptr);
        RECT rect{};
        ::GetWindowRect(child, &rect);
        ::MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, PixelsOf(control.place.left, dpi));
        EXPECT_EQ(rect.top, PixelsOf(control.place.top, dpi));
        EXPECT_EQ(rect.right - rect.left, PixelsOf(control.place.width, dpi));
        EXPECT_EQ(rect.bottom - rect.top, PixelsOf(control.place.height, dpi));
    }
}

void ExpectDialogFontAt(HWND control, int dpi) {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0));
    const auto font = reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0));
    ASSERT_NE(font, nullptr) << "control " << ::GetDlgCtrlID(control) << " has a font of its own";
    LOGFONTW used{};
    ASSERT_NE(::GetObjectW(font, sizeof used, &used), 0);
    EXPECT_EQ(used.lfHeight, ::MulDiv(metrics.lfMessageFont.lfHeight, dpi, WindowDpi(nullptr)))
        << "control " << ::GetDlgCtrlID(control) << " at " << dpi << " dpi";
}

void ExpectLayoutFollowsDpi(HWND window, int dpi, const DpiLayout& layout) {
    ASSERT_NE(window, nullptr);
    const auto expectAt = [&](int at) {
        ExpectPlacedAt(window, layout.controls, at);
        for (const int id : layout.fontControls) {
            ExpectDialogFontAt(::GetDlgItem(window, id), at);
        }
        if (layout.alsoCheck) {
            layout.alsoCheck(at);
        }
    };
    const bool fixedSize = layout.clientTwips.cx > 0;
    {
        SCOPED_TRACE("created at " + std::to_string(dpi) + " dpi");
        expectAt(dpi);
        if (fixedSize) {
            // Its client area is the twips size, and it asks for the size it has at its own DPI.
            RECT client{};
            ::GetClientRect(window, &client);
            EXPECT_EQ(client.right, TwipsToPixels(layout.clientTwips.cx, dpi));
            EXPECT_EQ(client.bottom, TwipsToPixels(layout.clientTwips.cy, dpi));
            RECT frame{};
            ::GetWindowRect(window, &frame);
            const std::optional<SIZE> asked = ScaledSizeAnswer(window, dpi);
            ASSERT_TRUE(asked.has_value());
            EXPECT_EQ(asked->cx, frame.right - frame.left);
            EXPECT_EQ(asked->cy, frame.bottom - frame.top);
        }
        SaveScreenshotAt144(window, layout.screenshot, dpi);
    }
    const int newDpi = OtherDpi(dpi);
    SCOPED_TRACE("moved from " + std::to_string(dpi) + " to " + std::to_string(newDpi) + " dpi");
    SendDpiChange(window, dpi, newDpi);
    expectAt(newDpi);
    if (fixedSize) {
        // It took the rectangle it asked for (Wine draws the frame for the system DPI whatever the
        // window's, so the client area itself is exact only on Windows).
        const std::optional<SIZE> asked = ScaledSizeAnswer(window, newDpi);
        ASSERT_TRUE(asked.has_value());
        RECT frame{};
        ::GetWindowRect(window, &frame);
        EXPECT_EQ(frame.right - frame.left, asked->cx);
        EXPECT_EQ(frame.bottom - frame.top, asked->cy);
    }
}

int IconWidth(HICON icon) {
    ICONINFO info{};
    if (icon == nullptr || !::GetIconInfo(icon, &info)) {
        return 0;
    }
    const UniqueBitmap mask(info.hbmMask);
    const UniqueBitmap colour(info.hbmColor);
    BITMAP bitmap{};
    ::GetObjectW(info.hbmMask, sizeof bitmap, &bitmap);
    return bitmap.bmWidth;
}

int PictureIconWidth(HWND window, int id) {
    return IconWidth(reinterpret_cast<HICON>(::SendDlgItemMessageW(window, id, STM_GETICON, 0, 0)));
}

void SaveScreenshotAt144(HWND window, const std::string& name, int dpi) {
    if (dpi == 144) {
        EXPECT_FALSE(SaveWindowScreenshot(window, name + "-144dpi").empty());
    }
}

}  // namespace corvane::test
