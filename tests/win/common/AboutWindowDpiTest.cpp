#include "common/AboutWindow.h"
#include "tests/win/support/DpiTesting.h"

#include <gtest/gtest.h>

#include <array>

namespace corvane {
namespace {

// The about window's controls, with the creator's Help button (left, top, width, height in twips).
constexpr std::array<test::PlacedControl, 6> kAboutControls = {{
    {AboutWindow::lblTitle, {240, 240, 3825, 300}},
    {AboutWindow::Label2, {240, 660, 3825, 255}},
    {AboutWindow::fraDisclaimer, {240, 1020, 3825, 1395}},
    {AboutWindow::lblDisclaimer, {390, 1260, 3525, 1035}},
    {AboutWindow::cmdHelp, {1665, 2580, 1140, 360}},
    {AboutWindow::cmdClose, {2925, 2580, 1140, 360}},
}};
constexpr std::array<int, 4> kDialogFontControls = {AboutWindow::fraDisclaimer, AboutWindow::lblDisclaimer,
                                                    AboutWindow::cmdHelp, AboutWindow::cmdClose};

TEST(AboutWindowDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    test::RunAtEachDpi("AboutWindowDpi.DISABLED_AtThisProcessDpi");
}

TEST(AboutWindowDpi, DISABLED_AtThisProcessDpi) {
    const int dpi = test::ProcessDpi();
    AboutWindow about([] {});
    about.Show();
    test::ExpectLayoutFollowsDpi(about.Hwnd(), dpi,
                                 {kAboutControls, kDialogFontControls, "about", {}, {4305, 3075}});
}

}  // namespace
}  // namespace corvane
