#include "menu/core/FreeSpaceMath.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

std::string MegabytesOf(std::string_view bytes) {
    return ThousandTwentyFourthsOf(ThousandTwentyFourthsOf(bytes));
}

TEST(FreeSpaceMath, WholeMegabytesDropTheRemainder) {
    EXPECT_EQ(MegabytesOf("0"), "0");
    EXPECT_EQ(MegabytesOf("1048575"), "0");
    EXPECT_EQ(MegabytesOf("1048576"), "1");
    EXPECT_EQ(MegabytesOf("3221225471"), "3071");
    EXPECT_EQ(MegabytesOf("922337203685477"), "879609302");
    EXPECT_EQ(ThousandTwentyFourthsOf("2047"), "1");
}

TEST(FreeSpaceMath, TextThatIsNotACountGivesZero) {
    // "2048x" and "1048576 " would give 2 and 1024 if the digits were read alone.
    for (const char* bad : {"", "-5", "12a", "2048x", "1048576 ", "1.5", "99999999999999999999999"}) {
        EXPECT_EQ(ThousandTwentyFourthsOf(bad), "0") << bad;
    }
}

TEST(FreeSpaceMath, ClusterBytesDoNotOverflowPastTwoGigabytes) {
    EXPECT_EQ(ClusterBytes(512, 8, 1000), 4096000u);
    EXPECT_EQ(ClusterBytes(512, 64, 2000000), 65536000000u);
}

}  // namespace
}  // namespace corvane::menu
