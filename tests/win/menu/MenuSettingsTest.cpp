#include "menu/MenuSettings.h"

#include "common/UniqueHandle.h"
#include "common/WindowLayout.h"
#include "common/core/Twips.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;

class MenuSettings : public ::testing::Test {
  protected:
    void SetUp() override {
        EmptyDrive(kStickRoot);
        window_.reset(::CreateWindowExA(0, "STATIC", "Corvane",
                                        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX, 10, 10, 200,
                                        100, nullptr, nullptr, ::GetModuleHandleA(nullptr), nullptr));
        ASSERT_TRUE(window_.valid());
        dpi_ = WindowDpi(window_.get());
    }
    void TearDown() override { EmptyDrive(kStickRoot); }

    [[nodiscard]] SIZE WindowSize() const {
        RECT rect{};
        ::GetWindowRect(window_.get(), &rect);
        return {rect.right - rect.left, rect.bottom - rect.top};
    }
    [[nodiscard]] SIZE WorkArea() const {
        RECT area{};
        ::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
        return {area.right - area.left, area.bottom - area.top};
    }

    UniqueWindow window_;
    int dpi_ = 96;
    const std::string file_ = "E:\\Settings.ini";
};

TEST_F(MenuSettings, FirstRunOpensAtTheDefaultSizeAndWritesIt) {
    ApplyStoredWindowSize(window_.get(), file_);
    EXPECT_EQ(WindowSize().cx, TwipsToPixels(9960, dpi_));
    EXPECT_EQ(WindowSize().cy, TwipsToPixels(5910, dpi_));
    EXPECT_EQ(ReadTestFile(file_), "[MAIN]\r\nWINDOW HEIGHT=5910\r\nWINDOW WIDTH=9960\r\n");
}

TEST_F(MenuSettings, StoredSizeIsAppliedAndNonsenseFallsBackWhileTheFileKeepsIt) {
    WriteTestFile(file_, "[MAIN]\r\nWINDOW HEIGHT=4500\r\nWINDOW WIDTH=wide\r\n");
    ApplyStoredWindowSize(window_.get(), file_);
    EXPECT_EQ(WindowSize().cy, TwipsToPixels(4500, dpi_));
    EXPECT_EQ(WindowSize().cx, TwipsToPixels(9960, dpi_));
    EXPECT_NE(ReadTestFile(file_).find("WINDOW WIDTH=wide"), std::string::npos);
}

TEST_F(MenuSettings, SizesOutOfReachAreClampedToTheWorkArea) {
    WriteTestFile(file_, "[MAIN]\r\nWINDOW HEIGHT=0\r\nWINDOW WIDTH=99999999\r\n");
    ApplyStoredWindowSize(window_.get(), file_);
    EXPECT_EQ(WindowSize().cy, TwipsToPixels(5910, dpi_));
    EXPECT_EQ(WindowSize().cx, WorkArea().cx);
    EXPECT_EQ(ReadTestFile(file_), "[MAIN]\r\nWINDOW HEIGHT=0\r\nWINDOW WIDTH=99999999\r\n");
    WriteTestFile(file_, "[MAIN]\r\nWINDOW HEIGHT=-300\r\nWINDOW WIDTH=-1\r\n");
    ApplyStoredWindowSize(window_.get(), file_);
    EXPECT_GT(WindowSize().cx, 0);
    EXPECT_GT(WindowSize().cy, 0);
    // So large that in pixels it no longer fits an int: 2^32 + 50 pixels must not become 50.
    const long long wraps = ((1LL << 32) + 50) * kTwipsPerInch / dpi_;
    WriteTestFile(file_, "[MAIN]\r\nWINDOW HEIGHT=" + std::to_string(wraps) +
                             "\r\nWINDOW WIDTH=" + std::to_string(wraps * 4) + "\r\n");
    ApplyStoredWindowSize(window_.get(), file_);
    EXPECT_EQ(WindowSize().cy, WorkArea().cy);
    EXPECT_EQ(WindowSize().cx, WorkArea().cx);
}

TEST_F(MenuSettings, SizeIsStoredOnlyInTheNormalState) {
    ::SetWindowPos(window_.get(), nullptr, 0, 0, 500, 300, SWP_NOMOVE | SWP_NOZORDER);
    StoreWindowSize(window_.get(), file_);
    EXPECT_EQ(ReadTestFile(file_), "[MAIN]\r\nWINDOW HEIGHT=" + std::to_string(PixelsToTwips(300, dpi_)) +
                                       "\r\nWINDOW WIDTH=" + std::to_string(PixelsToTwips(500, dpi_)) +
                                       "\r\n");
    const std::string stored = ReadTestFile(file_);
    ::ShowWindow(window_.get(), SW_MINIMIZE);
    ::SetWindowPos(window_.get(), nullptr, 0, 0, 700, 400, SWP_NOMOVE | SWP_NOZORDER);
    StoreWindowSize(window_.get(), file_);
    EXPECT_EQ(ReadTestFile(file_), stored);
}

TEST_F(MenuSettings, OnRunOptionReadAndWritten) {
    EXPECT_EQ(StoredRunOption(file_), std::nullopt);
    EXPECT_EQ(ReadTestFile(file_), "[Main]\r\nONRUN=0\r\n");
    StoreRunOption(OnRunOption::MinimizeToTray, file_);
    EXPECT_EQ(ReadTestFile(file_), "[Main]\r\nONRUN=2\r\n");
    EXPECT_EQ(StoredRunOption(file_), OnRunOption::MinimizeToTray);
    WriteTestFile(file_, "[MAIN]\r\nONRUN=3\r\n");
    EXPECT_EQ(StoredRunOption(file_), OnRunOption::CloseMenu);
    WriteTestFile(file_, "[MAIN]\r\nONRUN=7\r\n");
    EXPECT_EQ(StoredRunOption(file_), std::nullopt);
    EXPECT_EQ(ReadTestFile(file_), "[MAIN]\r\nONRUN=7\r\n");
}

}  // namespace
}  // namespace corvane::menu
