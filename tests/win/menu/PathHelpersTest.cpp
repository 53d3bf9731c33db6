#include "menu/PathHelpers.h"

#include "common/FileContents.h"
#include "tests/win/support/LaunchRecord.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

namespace corvane::menu {
namespace {

using namespace corvane::test;

class PathHelpers : public ::testing::Test {
  protected:
    void SetUp() override {
        EmptyDrive(kStickRoot);
        WriteTestFile("E:\\plain.txt", "x");
        WriteTestFile("E:\\readonly.txt", "x");
        WriteTestFile("E:\\hidden.txt", "x");
        WriteTestFile("E:\\system.txt", "x");
        ASSERT_TRUE(::CreateDirectoryA("E:\\Folder", nullptr));
        ASSERT_TRUE(::CreateDirectoryA("E:\\HiddenFolder", nullptr));
        SetAttributes("E:\\readonly.txt", FILE_ATTRIBUTE_READONLY);
        SetAttributes("E:\\hidden.txt", FILE_ATTRIBUTE_HIDDEN);
        SetAttributes("E:\\system.txt", FILE_ATTRIBUTE_SYSTEM);
        SetAttributes("E:\\HiddenFolder", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_DIRECTORY);
    }
    void TearDown() override { EmptyDrive(kStickRoot); }
};

TEST_F(PathHelpers, FileFoundSeesOnlyNormalFiles) {
    EXPECT_TRUE(FileFound("E:\\plain.txt"));
    EXPECT_TRUE(FileFound("E:\\readonly.txt"));
    EXPECT_TRUE(FileFound("e:\\PLAIN.TXT"));
    EXPECT_FALSE(FileFound("E:\\hidden.txt"));
    EXPECT_FALSE(FileFound("E:\\system.txt"));
    EXPECT_FALSE(FileFound("E:\\Folder"));
    EXPECT_FALSE(FileFound("E:\\"));
    EXPECT_FALSE(FileFound(""));
    EXPECT_FALSE(FileFound("E:\\*.txt"));
    EXPECT_FALSE(FileFound("E:\\plain.tx?"));
    EXPECT_FALSE(FileFound("E:\\missing.txt"));
    EXPECT_FALSE(FileFound("N:\\plain.txt"));
    EXPECT_FALSE(FileFound("E:\\bad|name.txt"));
}

TEST_F(PathHelpers, PathFoundSeesVisibleFilesFoldersAndRoots) {
    EXPECT_TRUE(PathFound("E:\\plain.txt"));
    EXPECT_TRUE(PathFound("E:\\Folder"));
    EXPECT_TRUE(PathFound("E:"));
    EXPECT_TRUE(PathFound("E:\\"));
    EXPECT_FALSE(PathFound("E:\\HiddenFolder"));
    EXPECT_FALSE(PathFound("E:\\hidden.txt"));
    EXPECT_FALSE(PathFound("E:\\missing"));
    EXPECT_FALSE(PathFound("N:"));
    EXPECT_FALSE(PathFound(""));

    // A name of one component is a name in the current folder, never a root.
    const CurrentFolder stick(kStickRoot);
    EXPECT_FALSE(PathFound("HiddenFolder"));
    EXPECT_TRUE(PathFound("Folder"));
}

TEST(MenuLocation, MenuFolderComesFromTheRunningProgram) {
    const std::string folder = MenuFolder();
    ASSERT_GE(folder.size(), 3u);
    EXPECT_EQ(folder.back(), '\\');
    EXPECT_EQ(folder.find("\\\\", 2), std::string::npos) << folder;
    EXPECT_EQ(folder, TestProgramFolder());
    EXPECT_EQ(VersionText(), "1.11");
}

class Settings : public ::testing::Test {
  protected:
    void SetUp() override { EmptyDrive(kStickRoot); }
    void TearDown() override { EmptyDrive(kStickRoot); }
    const std::string file_ = "E:\\Settings.ini";
};

TEST_F(Settings, FirstRunWritesTheDefaultsBackInOrder) {
    EXPECT_EQ(ReadSetting("MAIN", "Window Height", file_, "5910"), "5910");
    EXPECT_EQ(ReadSetting("MAIN", "Window Width", file_, "9960"), "9960");
    EXPECT_EQ(ReadSetting("Main", "OnRun", file_, "0"), "0");
    EXPECT_EQ(ReadTestFile(file_), "[MAIN]\r\nWINDOW HEIGHT=5910\r\nWINDOW WIDTH=9960\r\nONRUN=0\r\n");
}

TEST_F(Settings, EmptyValueGivesTheDefaultAndIsRewritten) {
    WriteTestFile(file_, "[MAIN]\r\nWINDOW HEIGHT=\r\n");
    EXPECT_EQ(ReadSetting("MAIN", "Window Height", file_, "5910"), "5910");
    EXPECT_EQ(ReadTestFile(file_), "[MAIN]\r\nWINDOW HEIGHT=5910\r\n");
}

TEST_F(Settings, KeysAndSectionsMatchWithoutRegardToCase) {
    WriteTestFile(file_, "[main]\r\nwindow height=7000\r\nONRUN=3\r\n");
    EXPECT_EQ(ReadSetting("MAIN", "Window Height", file_, "5910"), "7000");
    EXPECT_EQ(ReadSetting("Main", "OnRun", file_, "0"), "3");
    WriteSetting("Main", "OnRun", "2", file_);
    EXPECT_EQ(ReadSetting("MAIN", "ONRUN", file_, "0"), "2");
    EXPECT_EQ(ReadTestFile(file_).find("[MAIN]"), std::string::npos) << "one section, not a second one";
}

TEST_F(Settings, ValuesAreCutAt749Characters) {
    WriteSetting("MAIN", "Long", std::string(1000, 'x'), file_);
    EXPECT_EQ(ReadSetting("MAIN", "Long", file_, "d").size(), 749u);
}

TEST_F(Settings, WriteOnAReadOnlyDriveIsIgnored) {
    if (!DriveIsMapped(kReadOnlyRoot)) {
        GTEST_SKIP() << "no read-only drive on this machine";
    }
    WriteSetting("MAIN", "Window Height", "100", "R:\\Settings.ini");
    EXPECT_EQ(ReadSetting("MAIN", "Window Height", "R:\\Settings.ini", "5910"), "5910");
}

TEST(OpenWithShell, StartsTheProgramWithParametersInItsFolder) {
    EmptyDrive(kStickRoot);
    ASSERT_TRUE(::CreateDirectoryA("E:\\Apps", nullptr));
    const std::string program = InstallLaunchRecorder("E:\\Apps\\Recorder.exe");
    EXPECT_TRUE(OpenWithShell(program, "E:\\Apps", "/a \"b c\""));
    const auto record = WaitForLaunchRecord();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->folder, "E:\\Apps");
    EXPECT_EQ(record->arguments, "/a \"b c\"");
    EXPECT_FALSE(OpenWithShell("E:\\Apps\\missing.exe", "E:\\Apps", ""));
    EmptyDrive(kStickRoot);
}

}  // namespace
}  // namespace corvane::menu
