#include "common/MyMod.h"

#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace {

using namespace corvane::test;

class MyModTest : public ::testing::Test {
protected:
    void SetUp() override {
        EmptyDrive(kStickRoot);
        WriteTestFile("E:\\plain.txt", "x");
        WriteTestFile("E:\\hidden.ocx", "x");
        WriteTestFile("E:\\system.ocx", "x");
        SetAttributes("E:\\hidden.ocx", FILE_ATTRIBUTE_HIDDEN);
        SetAttributes("E:\\system.ocx", FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
        ASSERT_TRUE(::CreateDirectoryA("E:\\Support", nullptr));
        ASSERT_TRUE(::CreateDirectoryA("E:\\Secret", nullptr));
        SetAttributes("E:\\Secret", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    }
    void TearDown() override { EmptyDrive(kStickRoot); }
};

TEST_F(MyModTest, FileExistsCountsHiddenAndSystemFilesButNoFolders) {
    EXPECT_TRUE(MyMod::FileExists("E:\\plain.txt"));
    EXPECT_TRUE(MyMod::FileExists("E:\\hidden.ocx"));
    EXPECT_TRUE(MyMod::FileExists("E:\\system.ocx"));
    EXPECT_FALSE(MyMod::FileExists("E:\\Support"));
    EXPECT_FALSE(MyMod::FileExists("E:\\missing.txt"));
    EXPECT_FALSE(MyMod::FileExists(""));
    EXPECT_EQ(MyMod::FindFile("E:\\NoSuchFolder\\x.txt"), MyMod::SearchResult::NotFound);
    EXPECT_EQ(MyMod::FindFile("N:\\x.txt"), MyMod::SearchResult::NotFound);
}

TEST_F(MyModTest, FolderExistsCountsFoldersAndPlainFiles) {
    EXPECT_TRUE(MyMod::FolderExists("E:\\Support"));
    EXPECT_TRUE(MyMod::FolderExists("E:\\Secret"));
    EXPECT_TRUE(MyMod::FolderExists("E:\\plain.txt"));
    EXPECT_FALSE(MyMod::FolderExists("E:\\My Music"));
    EXPECT_FALSE(MyMod::FolderExists("N:\\Support"));
    EXPECT_FALSE(MyMod::FolderExists(""));
}

}  // namespace
