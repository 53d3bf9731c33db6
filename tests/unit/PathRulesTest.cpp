#include "menu/core/PathRules.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

TEST(PathRules, FolderOfProgramAlwaysEndsInOneBackslash) {
    EXPECT_EQ(FolderOfProgram("E:\\Menu.exe"), "E:\\");
    EXPECT_EQ(FolderOfProgram("E:\\Menus\\Menu.exe"), "E:\\Menus\\");
    EXPECT_EQ(FolderOfProgram("\\\\server\\share\\Menus\\Menu.exe"), "\\\\server\\share\\Menus\\");
    EXPECT_EQ(WithTrailingBackslash("E:\\"), "E:\\");
    EXPECT_EQ(WithTrailingBackslash("E:\\Menus"), "E:\\Menus\\");
}

TEST(PathRules, IsNetworkPathNeedsTwoLeadingBackslashes) {
    EXPECT_TRUE(IsNetworkPath("\\\\server\\share"));
    EXPECT_FALSE(IsNetworkPath("\\server"));
    EXPECT_FALSE(IsNetworkPath("E:\\"));
    EXPECT_FALSE(IsNetworkPath(""));
}

TEST(PathRules, MenuRootOfDrivesAndShares) {
    EXPECT_EQ(MenuRootOf("E:\\"), "E:\\");
    EXPECT_EQ(MenuRootOf("E:\\Menus\\"), "E:\\");
    EXPECT_EQ(MenuRootOf("E:\\Menus\\Deeper\\"), "E:\\");
    EXPECT_EQ(MenuRootOf("\\\\server\\share\\Menus\\"), "\\\\server\\share\\");
    EXPECT_EQ(MenuRootOf("\\\\server\\share\\"), "\\\\server\\share\\");
}

TEST(PathRules, IsRootOnlyForTheRootItself) {
    for (const char* root : {"E:", "E:\\", "\\\\server\\share", "\\\\server\\share\\"}) {
        EXPECT_TRUE(IsRoot(root)) << root;
    }
    for (const char* other : {"", "E", "Apps", "Apps\\", "E:\\Apps", "E:x", "\\\\server", "\\\\server\\",
                              "\\\\\\share", "\\\\server\\share\\x", "\\\\server\\share\\\\"}) {
        EXPECT_FALSE(IsRoot(other)) << other;
    }
}

TEST(PathRules, BelowRootDropsTheRoot) {
    EXPECT_EQ(BelowRoot("E:\\Apps\\tool.exe"), "Apps\\tool.exe");
    EXPECT_EQ(BelowRoot("\\\\server\\share\\Apps\\tool.exe"), "Apps\\tool.exe");
    EXPECT_EQ(BelowRoot("\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(BelowRoot("\\\\server"), "\\server");  // no share: the search starts at the first character
    EXPECT_EQ(BelowRoot("E:\\"), "");
    EXPECT_EQ(BelowRoot("E:"), "");
    EXPECT_EQ(BelowRoot("Apps\\tool.exe"), "s\\tool.exe");  // relative text is cut like a drive path
}

TEST(PathRules, ParentFolderKeepsItsOddCorners) {
    EXPECT_EQ(ParentFolder("E:\\Apps\\tool.exe"), "E:\\Apps");
    EXPECT_EQ(ParentFolder("E:\\Apps\\Tool\\tool.exe"), "E:\\Apps\\Tool");
    EXPECT_EQ(ParentFolder("E:\\tool.exe"), "E:");
    EXPECT_EQ(ParentFolder("\\\\server\\share\\tool.exe"), "\\\\server\\share");
    EXPECT_EQ(ParentFolder("tool.exe"), "tool.exe");
    EXPECT_EQ(ParentFolder("E:\\x"), "E:\\x");
    EXPECT_EQ(ParentFolder(""), "");
    EXPECT_EQ(ParentFolder("\\\\abc"), "\\\\abc");  // the only backslashes stand before position 3
    EXPECT_EQ(ParentFolder("E:\\Apps\\"), "E:\\Apps");
}

TEST(PathRules, VersionTextJoinsMinorAndRevision) {
    EXPECT_EQ(VersionText(1, 1, 1), "1.11");
    EXPECT_EQ(VersionText(2, 0, 15), "2.015");
}

}  // namespace
}  // namespace corvane::menu
