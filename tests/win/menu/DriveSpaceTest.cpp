#include "menu/modDriveSpace.h"

#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using namespace corvane::test;
using namespace corvane::menu;

TEST(DriveSpace, MissingDriveGivesZero) {
    EXPECT_EQ(modDriveSpace::FreeMB(kMissingRoot), "0");
    EXPECT_EQ(modDriveSpace::FreeKB(kMissingRoot), "0");
    EXPECT_EQ(modDriveSpace::FreeBytes(kMissingRoot), "0");
    EXPECT_EQ(modDriveSpace::FreeBytesLegacy(kMissingRoot), 0u);
    EXPECT_EQ(modDriveSpace::FreeMB("\\\\nosuchserver\\share\\"), "0");
}

TEST(DriveSpace, TheSixtyFourBitQueryIsAvailable) {
    EXPECT_TRUE(modDriveSpace::FreeSpaceExAvailable());
}

TEST(DriveSpace, SmallDriveReportsWholeUnitsWithTheRemainderDropped) {
    if (!DriveIsMapped(kTinyRoot)) {
        GTEST_SKIP() << "no small drive on this machine";
    }
    EmptyDrive(kTinyRoot);
    EXPECT_EQ(modDriveSpace::FreeMB(kTinyRoot), "1");
    EXPECT_EQ(modDriveSpace::FreeKB(kTinyRoot), "1024");
    EXPECT_EQ(modDriveSpace::FreeBytesLegacy(kTinyRoot), 1048576u);
    WriteTestFile("T:\\some.bin", std::string(300 * 1024, 'x'));
    EXPECT_EQ(modDriveSpace::FreeMB(kTinyRoot), "0");  // less than one megabyte left
    EXPECT_EQ(modDriveSpace::FreeKB(kTinyRoot), "724");
    EmptyDrive(kTinyRoot);
}

// E: lies on a disk that other programs write to, so no two readings of it are equal: each count is
// compared with the one 64-bit reading, allowing for drift. Exact counts are checked on T: above.
TEST(DriveSpace, BothQueriesAgreeBeyondTwoGigabytes) {
    const unsigned long long exact = std::stoull(modDriveSpace::FreeBytesEx(kStickRoot));
    if (exact <= 0x80000000ull) {
        GTEST_SKIP() << "the stick's disk has no more than 2 GB free";
    }
    constexpr double kDriftBytes = 64.0 * 1024 * 1024;
    EXPECT_NEAR(static_cast<double>(modDriveSpace::FreeBytesLegacy(kStickRoot)), static_cast<double>(exact),
                kDriftBytes);
    EXPECT_NEAR(std::stod(modDriveSpace::FreeBytes(kStickRoot)), static_cast<double>(exact), kDriftBytes);
    EXPECT_NEAR(std::stod(modDriveSpace::FreeKB(kStickRoot)) * 1024, static_cast<double>(exact), kDriftBytes);
    EXPECT_NEAR(std::stod(modDriveSpace::FreeMB(kStickRoot)) * 1048576, static_cast<double>(exact),
                kDriftBytes);
}

}  // namespace
