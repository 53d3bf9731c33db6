// The repair wizard's window at each DPI and after a change of DPI.
#include "tendwell/frmTendwell.h"

#include "common/core/Twips.h"
#include "tests/win/support/DpiTesting.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <array>

namespace corvane::test {
namespace {

using tendwell::frmTendwell;

// Left, top, width and height in twips, both pages' controls included (the drive box's height is
// its list's, not its window's).
constexpr std::array<PlacedControl, 15> kWizardControls = {{
    {frmTendwell::tabPages, {120, 960, 7560, 4320}},
    {frmTendwell::txtPcReport, {240, 1410, 7320, 3240}},
    {frmTendwell::cmdTurnOn, {240, 4770, 2640, 375}},
    {frmTendwell::lblDrive, {240, 1455, 600, 255}},
    {frmTendwell::cmdCheck, {3960, 1395, 1215, 345}},
    {frmTendwell::txtDriveReport, {240, 1860, 7320, 2790}},
    {frmTendwell::cmdRepair, {240, 4770, 1500, 375}},
    {frmTendwell::cmdCreatorHelp, {1860, 4770, 2640, 375}},
    {frmTendwell::cmdHelp, {3720, 5400, 1215, 375}},
    {frmTendwell::cmdAbout, {5040, 5400, 1215, 375}},
    {frmTendwell::cmdClose, {6360, 5400, 1215, 375}},
    {frmTendwell::lblHeading, {240, 120, 6000, 330}},
    {frmTendwell::lblSubheading, {240, 480, 6480, 255}},
    {frmTendwell::Image7, {6960, 60, 720, 720}},
    {frmTendwell::SeparatorHorizontal, {0, 840, 7800, 30}},
}};
constexpr std::array<int, 7> kDialogFontControls = {
    frmTendwell::tabPages, frmTendwell::txtPcReport, frmTendwell::cmdTurnOn,    frmTendwell::cboDrive,
    frmTendwell::cmdHelp,  frmTendwell::cmdClose,    frmTendwell::lblSubheading};

TEST(TendwellDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("TendwellDpi.DISABLED_AtThisProcessDpi");
}

TEST(TendwellDpi, DISABLED_AtThisProcessDpi) {
    const int dpi = ProcessDpi();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_TAB_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);
    frmTendwell window(
        kStickRoot, [] {}, [](HWND, const std::string&) {});
    ASSERT_TRUE(window.Create(SW_SHOWNORMAL));
    const HWND hwnd = window.Hwnd();
    // The program's picture is drawn for its box; the drive box starts where its twips put it.
    const auto pictureAndDriveBoxAt = [hwnd](int at) {
        EXPECT_EQ(PictureIconWidth(hwnd, frmTendwell::Image7), TwipsToPixels(720, at));
        RECT box{};
        ::GetWindowRect(::GetDlgItem(hwnd, frmTendwell::cboDrive), &box);
        ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&box), 2);
        EXPECT_EQ(box.left, TwipsToPixels(840, at));
        EXPECT_EQ(box.right - box.left, TwipsToPixels(3000, at));
    };
    ExpectLayoutFollowsDpi(
        hwnd, dpi, {kWizardControls, kDialogFontControls, "tendwell", pictureAndDriveBoxAt, {7800, 5895}});
}

}  // namespace
}  // namespace corvane::test
