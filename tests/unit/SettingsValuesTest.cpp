#include "menu/core/SettingsValues.h"

#include <gtest/gtest.h>

#include <climits>

namespace corvane::menu {
namespace {

TEST(SettingsValues, OnRunSelectsOnlyForOneTwoThree) {
    EXPECT_EQ(OnRunFromSetting("1"), OnRunOption::DoNothing);
    EXPECT_EQ(OnRunFromSetting("2"), OnRunOption::MinimizeToTray);
    EXPECT_EQ(OnRunFromSetting("3"), OnRunOption::CloseMenu);
    for (const char* keep : {"0", "7", "-1", "", "two", "2.5"}) {
        EXPECT_FALSE(OnRunFromSetting(keep).has_value()) << keep;
    }
    EXPECT_EQ(OnRunSettingText(OnRunOption::MinimizeToTray), "2");
}

TEST(SettingsValues, SizeThatIsNotANumberFallsBackToTheDefault) {
    EXPECT_EQ(TwipsFromSetting("7200", kDefaultWindowHeight), 7200);
    EXPECT_EQ(TwipsFromSetting("tall", kDefaultWindowHeight), 5910);
    EXPECT_EQ(TwipsFromSetting("", kDefaultWindowWidth), 9960);
    EXPECT_EQ(TwipsFromSetting("-50", kDefaultWindowWidth), -50);  // a number: clamped when applied
}

TEST(SettingsValues, ExtentsOutOfReachAreClampedToTheWorkArea) {
    EXPECT_EQ(ClampExtentToWorkArea(664, 1024, 664), 664);
    EXPECT_EQ(ClampExtentToWorkArea(0, 1024, 664), 664);
    EXPECT_EQ(ClampExtentToWorkArea(-20, 1024, 664), 664);
    EXPECT_EQ(ClampExtentToWorkArea(100000, 1024, 664), 1024);
    EXPECT_EQ(ClampExtentToWorkArea(-1, 500, 664), 500);  // even the default must fit
}

TEST(SettingsValues, StoredTwipsBecomePixelsThatFitWithoutWrappingAround) {
    struct Case {
        long long twips;
        int dpi;
        int expected;
    };
    const long long wrapsAt96 = ((1LL << 32) + 50) * 15;  // 2^32 + 50 pixels
    for (const Case& c : {Case{5910, 96, 394}, Case{5910, 144, 591}, Case{0, 96, 664}, Case{-5, 96, 664},
                          Case{wrapsAt96, 96, 1024}, Case{wrapsAt96 * 3, 144, 1024},
                          Case{LLONG_MAX, 96, 1024}, Case{15360, 96, 1024}, Case{15376, 96, 1024}}) {
        EXPECT_EQ(ExtentFromTwips(c.twips, c.dpi, 1024, 664), c.expected) << c.twips << " at " << c.dpi;
    }
}

}  // namespace
}  // namespace corvane::menu
