#include "menu/core/EntryTarget.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

TEST(EntryTarget, TargetsOnTheMenusDriveLoseTheirDrive) {
    const std::string prefix = MenuDrivePrefix("E:\\");
    EXPECT_EQ(prefix, "E:\\");
    EXPECT_EQ(MenuDrivePrefix("E:\\Menus\\"), "E:\\");
    EXPECT_EQ(StoredTarget("E:\\Apps\\Tool.exe", prefix), "Apps\\Tool.exe");
    EXPECT_EQ(StoredTarget("E:\\", prefix), "");
    EXPECT_EQ(StoredTarget("F:\\Tool.exe", prefix), "F:\\Tool.exe");
    EXPECT_EQ(StoredTarget("\\\\server\\share\\Tool.exe", prefix), "\\\\server\\share\\Tool.exe");
    EXPECT_EQ(StoredTarget("e:\\apps\\tool.exe", prefix), "e:\\apps\\tool.exe") << "the comparison is exact";
    EXPECT_EQ(StoredTarget("E:", prefix), "E:");
    EXPECT_EQ(StoredTarget("Apps\\Tool.exe", prefix), "Apps\\Tool.exe");
}

TEST(EntryTarget, MenuOnAShareStoresEveryTargetWhole) {
    const std::string prefix = MenuDrivePrefix("\\\\server\\share\\Menus\\");
    EXPECT_EQ(StoredTarget("\\\\server\\share\\Tool.exe", prefix), "\\\\server\\share\\Tool.exe");
    EXPECT_EQ(StoredTarget("E:\\Tool.exe", prefix), "E:\\Tool.exe");
}

TEST(EntryTarget, FileNamesAndProposedNames) {
    EXPECT_EQ(GetFileName("Tool.exe"), "Tool.exe");
    EXPECT_EQ(GetFileName("E:\\Apps\\Tool.exe"), "Tool.exe");
    EXPECT_EQ(GetFileName("E:\\Apps\\"), "");
    EXPECT_EQ(ProposedName("E:\\Apps\\Tool.exe"), "Tool");
    EXPECT_EQ(ProposedName("E:\\Apps\\archive.tar.gz"), "archive.tar");
    EXPECT_EQ(ProposedName("E:\\Apps\\README"), "README");
    EXPECT_EQ(ProposedName("E:\\Apps.d\\README"), "README") << "a dot in a folder is not an extension";
    EXPECT_EQ(ProposedName("E:\\home\\.profile"), "");
}

TEST(EntryTarget, NameToStoreFallsBackToTheFileNameWithItsExtension) {
    EXPECT_EQ(NameToStore("", "E:\\Apps\\Tool.exe"), "Tool.exe");
    EXPECT_EQ(NameToStore("", "E:\\home\\.profile"), ".profile");
    EXPECT_EQ(NameToStore("My Tool", "E:\\Apps\\Tool.exe"), "My Tool");
    EXPECT_EQ(NameToStore("Two\r\nlines", "x"), "Two  lines");
}

}  // namespace
}  // namespace corvane::menu
