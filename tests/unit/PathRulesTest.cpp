#include "menu/core/PathRules.h"

#include "menu/core/BrowsePlan.h"
#include "menu/core/EntryTarget.h"
#include "menu/core/LaunchPlan.h"

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

// Shift-JIS (code page 932) lead bytes. The second byte of ソ (83 5C) and of 表 (95 5C) is the byte
// of a backslash; the rules must see one character there, not a backslash.
bool ShiftJisLead(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

TEST(PathRules, DoubleByteCharactersAreWalkedWhole) {
    const std::string so = "\x83\x5C";
    const std::string table = "\x95\x5C";
    const SelectedEntry entry{table + "\\" + so + ".exe", "/log=%dir%"};
    const auto launch = PlanLaunch("E:\\", entry, ShiftJisLead);
    const std::vector<std::pair<std::string, std::string>> cases = {
        {FolderOfProgram("E:\\" + table + "\\Menu.exe", ShiftJisLead), "E:\\" + table + "\\"},
        {WithTrailingBackslash("E:\\" + table, ShiftJisLead), "E:\\" + table + "\\"},
        {WithTrailingBackslash("E:\\x\x83", ShiftJisLead), "E:\\x\x83\\"},  // a cut character
        {MenuRootOf("\\\\server\\" + table + "\\Menus\\", ShiftJisLead), "\\\\server\\" + table + "\\"},
        {BelowRoot("\\\\server\\" + table + "\\Apps\\t.exe", ShiftJisLead), "Apps\\t.exe"},
        {ParentFolder("E:\\Apps\\" + so, ShiftJisLead), "E:\\Apps"},
        {ParentFolder("E:\\" + so + "x", ShiftJisLead), "E:"},
        {GetFileName("E:\\Apps\\" + so, ShiftJisLead), so},
        {ProposedName("E:\\" + table + "\\" + so + ".exe", ShiftJisLead), so},
        {launch.recorded->workingFolder, "E:\\" + table},
        {launch.recorded->parameters, "/log=E:\\" + table},
        {PlanBrowse("E:\\", entry.target, ShiftJisLead).recorded.folder, "E:\\" + table},
    };
    for (std::size_t i = 0; i < cases.size(); ++i) {
        EXPECT_EQ(cases[i].first, cases[i].second) << "case " << i;
    }
    // A single-byte code page sees the same bytes as two characters, the second a backslash.
    EXPECT_EQ(WithTrailingBackslash("E:\\" + table), "E:\\" + table);
}

TEST(PathRules, VersionTextJoinsMinorAndRevision) {
    EXPECT_EQ(VersionText(1, 1, 1), "1.11");
    EXPECT_EQ(VersionText(2, 0, 15), "2.015");
}

}  // namespace
}  // namespace corvane::menu
