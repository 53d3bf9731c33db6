#include "menu/modDriveSpace.h"

#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using namespace corvane::test;

TEST(DriveSpace, MissingDriveGivesZero) {
    EXPECT_EQ(modDriveSpace::FreeMB(kMissingRoot), "0");
    EXPECT_EQ(modDriveSpace::FreeKB(kMissingRoot), "0");
    EXPECT_EQ(modDriveSpace::FreeBytes(kMissingRoot), "0");
    EXPECT_EQ(modDriveSpace::FreeBytesLegacy(kMissingRoot), 0u);
    EXPECT_EQ(modDriveSpace::FreeMB("\\\\nosuchserver\\share\\"), "0");
}

TEST(DriveSpace, TheSixtyFourBitQueryIsAvailable) { EXPECT_TRUE(modDriveSpace::FreeSpaceExAvailable()); }

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

TEST(DriveSpace, BothQueriesAgreeBeyondTwoGigabytes) {
    const std::string bytes = modDriveSpace::FreeBytesEx(kStickRoot);
    const unsigned long long exact = std::stoull(bytes);
    ASSERT_GT(exact, 0u);
    const std::uint64_t legacy = modDriveSpace::FreeBytesLegacy(kStickRoot);
    // The two are read a moment apart on a busy disk: allow for a little drift.
    EXPECT_NEAR(static_cast<double>(legacy), static_cast<double>(exact), 64.0 * 1024 * 1024);
    EXPECT_EQ(modDriveSpace::FreeMB(kStickRoot), std::to_string(std::stoull(modDriveSpace::FreeBytes(kStickRoot)) / 1048576));
}

}  // namespace
