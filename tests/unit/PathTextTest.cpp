#include "common/core/PathText.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

// A lead byte test for code page 932, where the second byte of a character may be a backslash.
bool ShiftJisLead(char byte) {
    const auto value = static_cast<unsigned char>(byte);
    return (value >= 0x81 && value <= 0x9F) || (value >= 0xE0 && value <= 0xFC);
}

TEST(PathText, FoldersJoinNamesWithExactlyOneBackslash) {
    struct Case {
        const char* folder;
        const char* withoutBackslash;
        const char* joined;  // the folder joined to "Menu.exe"
    };
    const Case cases[] = {
        {"E:\\", "E:", "E:\\Menu.exe"},
        {"E:", "E:", "E:\\Menu.exe"},
        {"E:\\Menus\\", "E:\\Menus", "E:\\Menus\\Menu.exe"},
        {"\\\\server\\share", "\\\\server\\share", "\\\\server\\share\\Menu.exe"},
        {"E:\\\\", "E:\\", "E:\\\\Menu.exe"},  // only one backslash is taken off
        {"", "", "\\Menu.exe"},                // the current drive's root
    };
    for (const Case& c : cases) {
        EXPECT_EQ(WithoutTrailingBackslash(c.folder), c.withoutBackslash) << c.folder;
        EXPECT_EQ(JoinPath(c.folder, "Menu.exe"), c.joined) << c.folder;
    }

    // "\x95\x5C" is one character whose second byte is a backslash: it is no separator.
    const std::string folder = "E:\\\x95\x5C";
    EXPECT_EQ(WithoutTrailingBackslash(folder, ShiftJisLead), folder);
    EXPECT_EQ(JoinPath(folder, "Menu.exe", ShiftJisLead), folder + "\\Menu.exe");
    EXPECT_EQ(FolderOf(folder + "\\Kindel.exe", ShiftJisLead), folder);
    EXPECT_EQ(FolderOf("E:\\\x95\x5CKindel.exe", ShiftJisLead), "E:");
}

TEST(PathText, FolderOfAPathIsTheTextBeforeItsLastBackslash) {
    EXPECT_EQ(FolderOf("E:\\Kindel.exe"), "E:");
    EXPECT_EQ(FolderOf("\\\\server\\share\\Menus\\Stickwright.exe"), "\\\\server\\share\\Menus");
    EXPECT_EQ(FolderOf("Kindel.exe"), "");
}

}  // namespace
}  // namespace corvane
