// The creator's window and its pictures at each DPI and after a change of DPI.
#include "creator/frmBrowse.h"

#include "common/DpiScaling.h"
#include "common/core/Twips.h"
#include "tests/win/creator/CreatorFolder.h"
#include "tests/win/support/DpiTesting.h"

#include <gtest/gtest.h>
#include <commctrl.h>

#include <array>

namespace corvane::test {
namespace {

using creator::frmBrowse;

// Left, top, width and height in twips; the links and their pictures of the white panel too.
constexpr std::array<PlacedControl, 23> kCreatorControls = {{
    {frmBrowse::txtAction, {2040, 1800, 3855, 285}},     {frmBrowse::txtMyComp, {2040, 2640, 3855, 285}},
    {frmBrowse::BrowseFldr, {1680, 3600, 1215, 375}},    {frmBrowse::txtPath, {3050, 3645, 495, 285}},
    {frmBrowse::cmdCreate, {3720, 3600, 1215, 375}},     {frmBrowse::Command1, {5280, 3600, 1215, 375}},
    {frmBrowse::Label9, {1500, 1080, 4965, 195}},        {frmBrowse::Label1, {2040, 1560, 1815, 195}},
    {frmBrowse::Label2, {2040, 2400, 1815, 195}},        {frmBrowse::lblStatus, {2040, 3120, 3855, 195}},
    {frmBrowse::Image8, {1800, 0, 3750, 750}},           {frmBrowse::Image7, {5760, 45, 720, 720}},
    {frmBrowse::Image1, {6000, 1815, 240, 240}},         {frmBrowse::Image2, {6000, 2655, 240, 240}},
    {frmBrowse::SeparatorVertical, {1440, 0, 30, 4095}}, {frmBrowse::Label4, {120, 840, 1190, 255}},
    {frmBrowse::Label5, {150, 1760, 1140, 255}},         {frmBrowse::Label6, {165, 2680, 1100, 255}},
    {frmBrowse::Label7, {165, 3600, 1100, 255}},         {frmBrowse::Icon4, {487, 240, 480, 480}},
    {frmBrowse::Icon5, {487, 1200, 480, 480}},           {frmBrowse::Icon6, {487, 2160, 480, 480}},
    {frmBrowse::Icon7, {487, 3120, 480, 480}},
}};
constexpr std::array<int, 8> kDialogFontControls = {
    frmBrowse::txtAction, frmBrowse::txtMyComp, frmBrowse::BrowseFldr, frmBrowse::cmdCreate,
    frmBrowse::Command1,  frmBrowse::Label9,    frmBrowse::Label1,     frmBrowse::lblStatus};

TEST(CreatorDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("CreatorDpi.DISABLED_AtThisProcessDpi");
}

TEST(CreatorDpi, DISABLED_AtThisProcessDpi) {
    const int dpi = ProcessDpi();
    ::InitCommonControls();
    BuildCreatorFolder();
    frmBrowse window(kCreatorFolder, [] {});
    ASSERT_TRUE(window.Create(SW_SHOWNORMAL));
    const HWND hwnd = window.Hwnd();
    // The program's picture is drawn for its box, and a link shows a hand of the DPI's cursor size.
    const auto iconAndHandAt = [hwnd](int at) {
        EXPECT_EQ(PictureIconWidth(hwnd, frmBrowse::Image7), TwipsToPixels(720, at));
        const HWND link = ::GetDlgItem(hwnd, frmBrowse::Label4);
        ::SendMessageW(link, WM_SETCURSOR, reinterpret_cast<WPARAM>(link),
                       MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        EXPECT_EQ(IconWidth(::GetCursor()), SystemMetricForDpi(SM_CXCURSOR, at));
    };
    ExpectLayoutFollowsDpi(hwnd, dpi,
                           {kCreatorControls, kDialogFontControls, "creator", iconAndHandAt, {6660, 4095}});

    // The example pictures open on the creator's monitor, sized in twips at its DPI.
    for (const auto& [id, example, name] :
         {std::tuple{frmBrowse::Image1, &frmBrowse::ActionExample, "creator-action-example"},
          std::tuple{frmBrowse::Image2, &frmBrowse::VolumeExample, "creator-volume-example"}}) {
        ::SendMessageW(hwnd, WM_COMMAND, MAKEWPARAM(id, STN_CLICKED), 0);
        const HWND shown = (window.*example)().Hwnd();
        ASSERT_NE(shown, nullptr) << name;
        SaveScreenshotAt144(shown, name, dpi);
    }
}

}  // namespace
}  // namespace corvane::test
