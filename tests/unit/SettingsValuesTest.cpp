#include "menu/core/SettingsValues.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace corvane::menu
