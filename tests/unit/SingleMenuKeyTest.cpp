#include "menu/core/SingleMenuKey.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane::menu {
namespace {

// Spellings of one folder give one name; other folders other names.
TEST(SingleMenuKey, OneFolderHowEverSpelledHasOneNameAndOtherFoldersOthers) {
    struct Case {
        const char* spelling;
        const char* sameAs;
    };
    const Case same[] = {
        {"E:\\Menus\\", "E:\\Menus"},
        {"e:\\menus\\", "E:\\MENUS\\"},
        {"E:/Menus/", "E:\\Menus\\"},
        {"E:\\Menus\\\\", "E:\\Menus\\"},
        {"E:\\\\Menus", "E:\\Menus\\"},
        {"\\\\server\\share\\Menus", "\\\\SERVER\\Share\\menus\\"},
        {"\\\\?\\Volume{1A2B}\\Menus\\", "\\\\?\\VOLUME{1a2b}\\menus"},
        {"E:\\Müsik\\Фото\\", "E:\\MÜSIK\\ФОТО"},
    };
    for (const Case& c : same) {
        EXPECT_EQ(SingleMenuMutexName(c.spelling), SingleMenuMutexName(c.sameAs)) << c.spelling;
        EXPECT_EQ(SingleMenuWindowName(c.spelling), SingleMenuWindowName(c.sameAs)) << c.spelling;
    }
    const Case different[] = {
        {"E:\\", "F:\\"},
        {"E:\\Menus\\", "E:\\"},
        {"E:\\Menus\\", "E:\\Menus2\\"},
        {"E:\\Menus\\A\\", "E:\\MenusA\\"},
        {"\\\\server\\share\\", "\\server\\share\\"},
        {"E:\\Müsik\\", "E:\\Musik\\"},
    };
    for (const Case& c : different) {
        EXPECT_NE(SingleMenuMutexName(c.spelling), SingleMenuMutexName(c.sameAs)) << c.spelling;
    }
}

// Kernel object names: a namespace, then no backslash, and short whatever the folder's length.
TEST(SingleMenuKey, NamesAreSessionScopedShortAndFreeOfBackslashes) {
    const std::string deep = "\\\\?\\E:\\" + std::string(30000, 'a');
    for (const std::string& folder : {std::string("E:\\"), std::string("\\\\server\\share\\x\\"), deep}) {
        for (const std::string& name : {SingleMenuMutexName(folder), SingleMenuWindowName(folder)}) {
            ASSERT_EQ(name.rfind("Local\\Corvane.Menu", 0), 0u) << name;
            EXPECT_EQ(name.find('\\', 6), std::string::npos) << name;
            EXPECT_LE(name.size(), 64u) << name;
        }
        EXPECT_NE(SingleMenuMutexName(folder), SingleMenuWindowName(folder));
    }
    // The same for every build and bitness (a 32-bit and a 64-bit menu over one folder must agree):
    // the 64-bit FNV-1a of "e:\".
    EXPECT_EQ(SingleMenuMutexName("E:\\"), "Local\\Corvane.Menu.C3F1EB18F12E1D16");
    EXPECT_EQ(FolderIdentity("E:/Menus//Tools"), "e:\\menus\\tools\\");
    EXPECT_EQ(FolderIdentity("\\\\server\\share"), "\\\\server\\share\\");
}

}  // namespace
}  // namespace corvane::menu
