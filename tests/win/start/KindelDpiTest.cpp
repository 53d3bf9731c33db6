// The start program's waiting window at each DPI and after a change of DPI.
#include "start/frmStart.h"

#include "common/core/Twips.h"
#include "tests/win/support/DpiTesting.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace corvane::test {
namespace {

constexpr std::array<int, 2> kLabels = {start::Label1, start::Label2};

TEST(KindelDpi, LaysOutFromTwipsAtEveryDpiAndOnAChange) {
    RunAtEachDpi("KindelDpi.DISABLED_AtThisProcessDpi");
}

TEST(KindelDpi, DISABLED_AtThisProcessDpi) {
    const int dpi = ProcessDpi();
    start::frmStart window;
    ASSERT_TRUE(window.Create());
    window.ShowAndPaint();
    const HWND hwnd = window.Hwnd();
    // A label keeps the centre of its twips box, grown to its text where the font needs more room.
    const auto labelsCentredAt = [hwnd](int at) {
        for (const auto& [id, place] :
             {std::pair{start::Label1, start::kLabel1Place}, std::pair{start::Label2, start::kLabel2Place}}) {
            RECT label{};
            ::GetWindowRect(::GetDlgItem(hwnd, id), &label);
            ::MapWindowPoints(nullptr, hwnd, reinterpret_cast<POINT*>(&label), 2);
            const int left = TwipsToPixels(place.left, at);
            const int top = TwipsToPixels(place.top, at);
            EXPECT_LE(std::abs((label.left + label.right) - (2 * left + TwipsToPixels(place.width, at))), 1)
                << id;
            EXPECT_LE(std::abs((label.top + label.bottom) - (2 * top + TwipsToPixels(place.height, at))), 1)
                << id;
            EXPECT_GE(label.right - label.left, TwipsToPixels(place.width, at)) << id;
        }
    };
    ExpectLayoutFollowsDpi(hwnd, dpi, {{}, kLabels, "kindel", labelsCentredAt, {4680, 1545}});
}

}  // namespace
}  // namespace corvane::test
