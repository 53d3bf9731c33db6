#include "common/MyMod.h"

#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

namespace {

using namespace corvane::test;
using namespace corvane;

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
}

TEST_F(MyModTest, FindFileReturnsTheErrorOfAFailedSearch) {
    struct Case {
        const char* path;
        MyMod::SearchResult result;
        DWORD error;
    };
    const Case cases[] = {
        {"E:\\hidden.ocx", MyMod::SearchResult::Found, ERROR_SUCCESS},
        {"E:\\Support", MyMod::SearchResult::NotFound, ERROR_SUCCESS},
        {"E:\\NoSuchFolder\\x.txt", MyMod::SearchResult::NotFound, ERROR_SUCCESS},
        {"N:\\x.txt", MyMod::SearchResult::NotFound, ERROR_SUCCESS},
        // A plain file where a folder of the path should be.
        {"E:\\plain.txt\\x.txt", MyMod::SearchResult::Failed, ERROR_INVALID_NAME},
    };
    for (const Case& c : cases) {
        const MyMod::SearchOutcome found = MyMod::FindFile(c.path);
        EXPECT_EQ(found.result, c.result) << c.path;
        EXPECT_EQ(found.error, c.error) << c.path;
    }
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
