#include "menu/core/FileDialogText.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

using namespace std::string_literals;

TEST(FileDialogText, BarsAndColonsSeparateFilterEntries) {
    EXPECT_EQ(DialogFilter("All Files (*.*)|*.*|"), "All Files (*.*)\0*.*\0\0\0"s);
    EXPECT_EQ(DialogFilter("All Files (*.*):*.*:"), DialogFilter("All Files (*.*)|*.*|"));
    EXPECT_EQ(DialogFilter(""), "\0\0"s);
    EXPECT_EQ(WithTwoNuls("exe"), "exe\0\0"s);
}

TEST(FileDialogText, MultiSelectionWithAFolderAndThreeNames) {
    std::string folder;
    std::vector<std::string> files{"stale"};
    ParseMultiSelection("E:\\Apps\0a.exe\0b.txt\0c d.doc\0\0"s, "Menu.cFileDialog", folder, files);
    EXPECT_EQ(folder, "E:\\Apps");
    EXPECT_EQ(files, (std::vector<std::string>{"a.exe", "b.txt", "c d.doc"}));
}

TEST(FileDialogText, MultiSelectionWithOneFile) {
    std::string folder;
    std::vector<std::string> files;
    ParseMultiSelection("E:\\Apps\\a.exe\0\0"s, "Menu.cFileDialog", folder, files);
    EXPECT_EQ(folder, "E:\\Apps\\");
    EXPECT_EQ(files, (std::vector<std::string>{"a.exe"}));
    ParseMultiSelection("a.exe\0\0"s, "Menu.cFileDialog", folder, files);
    EXPECT_EQ(folder, "");
    EXPECT_EQ(files, (std::vector<std::string>{"a.exe"}));
}

TEST(FileDialogText, MultiSelectionEndsAtTheFirstPairOfNuls) {
    std::string folder;
    std::vector<std::string> files;
    ParseMultiSelection("E:\\Apps\0a.exe\0\0stale.exe\0\0"s, "Menu.cFileDialog", folder, files);
    EXPECT_EQ(folder, "E:\\Apps");
    EXPECT_EQ(files, (std::vector<std::string>{"a.exe"}));
    ParseMultiSelection("E:\\Apps\\a.exe\0\0F:\\Old\\b.exe\0\0"s, "Menu.cFileDialog", folder, files);
    EXPECT_EQ(folder, "E:\\Apps\\");
    EXPECT_EQ(files, (std::vector<std::string>{"a.exe"}));
}

TEST(FileDialogText, MultiSelectionWithoutAPairOfNulsIsAnInvalidArgument) {
    std::string folder;
    std::vector<std::string> files;
    try {
        ParseMultiSelection("E:\\Apps\\a.exe", "Menu.cFileDialog", folder, files);
        FAIL() << "no error raised";
    } catch (const FileDialogError& error) {
        EXPECT_EQ(error.number, kInvalidArgumentError);
        EXPECT_EQ(error.source, "Menu.cFileDialog");
        EXPECT_FALSE(error.description.empty());
    }
}

}  // namespace
}  // namespace corvane::menu
