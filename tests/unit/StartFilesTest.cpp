#include "start/core/StartFiles.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane::start {
namespace {

TEST(StartFiles, FilesOfAStickStartedFromItsRoot) {
    const StartFiles files = PlanStartFiles(OwnFolderOf("E:\\Kindel.exe"), "C:\\WINDOWS\\system32");
    EXPECT_EQ(files.componentFile, "C:\\WINDOWS\\system32\\mscomctl.ocx");
    EXPECT_EQ(files.componentSource, "E:\\Support\\mscomctl.ocx");
    EXPECT_EQ(files.menuFile, "E:\\Menu.exe");
    EXPECT_EQ(files.registrar, "C:\\WINDOWS\\system32\\regsvr32.exe");
    EXPECT_EQ(files.registrationCommandLine, "regsvr32 /s C:\\WINDOWS\\system32\\mscomctl.ocx");
}

TEST(StartFiles, FoldersBelowARootAndOnAShare) {
    EXPECT_EQ(OwnFolderOf("E:\\Menus\\Kindel.exe"), "E:\\Menus");
    EXPECT_EQ(OwnFolderOf("\\\\server\\share\\Kindel.exe"), "\\\\server\\share");
    EXPECT_EQ(OwnFolderOf("Kindel.exe"), "");
    const StartFiles files = PlanStartFiles("\\\\server\\share\\Menus\\", "C:\\Windows\\System32\\");
    EXPECT_EQ(files.menuFile, "\\\\server\\share\\Menus\\Menu.exe");
    EXPECT_EQ(files.componentSource, "\\\\server\\share\\Menus\\Support\\mscomctl.ocx");
    EXPECT_EQ(files.componentFile, "C:\\Windows\\System32\\mscomctl.ocx");
}

TEST(StartFiles, SystemFolderIsTheTextBeforeTheFirstNul) {
    const std::string buffer("C:\\windows\\system32\0\0garbage", 28);
    EXPECT_EQ(SystemFolderFromBuffer(buffer), "C:\\windows\\system32");
    EXPECT_EQ(SystemFolderFromBuffer(std::string(260, '\0')), "");
    EXPECT_EQ(SystemFolderFromBuffer("C:\\"), "C:");
}

TEST(StartFiles, UnknownSystemFolderUsesTheCurrentDriveRootAndNoRegistrar) {
    const StartFiles files = PlanStartFiles("E:", "");
    EXPECT_EQ(files.componentFile, "\\mscomctl.ocx");
    EXPECT_EQ(files.registrationCommandLine, "regsvr32 /s \\mscomctl.ocx");
    // A bare "regsvr32" would be searched for beside the program, on the drive.
    EXPECT_EQ(files.registrar, "");
    EXPECT_EQ(files.menuFile, "E:\\Menu.exe");
}

}  // namespace
}  // namespace corvane::start
