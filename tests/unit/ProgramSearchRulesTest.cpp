#include "menu/core/ProgramSearchRules.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

TEST(ProgramSearchRules, TheSearchPassesOverHiddenLinkedAndOwnFoldersOnly) {
    struct Case {
        FolderFacts folder;
        FolderPlace place;
        bool entered;
    };
    const Case cases[] = {
        {{"Apps"}, FolderPlace::Elsewhere, true},
        {{"Apps"}, FolderPlace::InMenuFolder, true},
        {{"."}, FolderPlace::Elsewhere, false},
        {{".."}, FolderPlace::Elsewhere, false},
        {{"Hidden", true}, FolderPlace::Elsewhere, false},
        {{"System Volume Information", false, true}, FolderPlace::Elsewhere, false},
        {{"Junction", false, false, true}, FolderPlace::Elsewhere, false},
        {{"Support"}, FolderPlace::InMenuFolder, false},
        {{"SUPPORT"}, FolderPlace::InMenuFolder, false},
        {{"Support"}, FolderPlace::Elsewhere, true},  // another folder's Support is the user's
        {{"App"}, FolderPlace::InPortableFolder, false},
        {{"data"}, FolderPlace::InPortableFolder, false},
        {{"Other"}, FolderPlace::InPortableFolder, false},
        {{"App"}, FolderPlace::Elsewhere, true},
        {{"Plugins"}, FolderPlace::InPortableFolder, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SearchEnters(c.folder, c.place), c.entered)
            << c.folder.name << " " << static_cast<int>(c.place);
    }
}

TEST(ProgramSearchRules, ProgramsAreExeFilesButTheMenusOwn) {
    struct Case {
        const char* name;
        bool inMenuFolder;
        bool offered;
    };
    const Case cases[] = {
        {"Tool.exe", false, true},   {"TOOL.EXE", true, true},        {"Фото.Exe", false, true},
        {".exe", false, false},      {"Tool.exe.txt", false, false},  {"Tool.ex", false, false},
        {"Tool.com", false, false},  {"Readme.txt", false, false},    {"Menu.exe", true, false},
        {"menu.EXE", true, false},   {"Kindel.exe", true, false},     {"Menu.exe", false, true},
        {"Kindel.exe", false, true}, {"Stickwright.exe", true, true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsProgramToOffer(c.name, c.inMenuFolder), c.offered) << c.name << " " << c.inMenuFolder;
    }
}

TEST(ProgramSearchRules, ThePortableLayoutNamesTheApplication) {
    struct Case {
        const char* text;
        std::optional<std::string> name;
    };
    const Case cases[] = {
        {"[Format]\r\nType=PortableAppsFormat\r\n[Details]\r\nName=Text Pad Portable\r\nPublisher=X\r\n",
         "Text Pad Portable"},
        {"[details]\nname =  Spaced Out \t\n", "Spaced Out"},
        {"[ Details ]\nNAME=Упаковщик 写真\n", "Упаковщик 写真"},
        {"Name=Outside Any Section\n[Details]\nPublisher=X\n", std::nullopt},
        {"[Format]\nName=Wrong Section\n", std::nullopt},
        {"[Details]\nName=\nName=Second\n", "Second"},
        {"[Details]\nDisplayName=No\nName=Yes=Really\n", "Yes=Really"},
        {"[Details\nName=Unclosed\n", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(PortableApplicationName(c.text), c.name) << c.text;
    }
}

TEST(ProgramSearchRules, ListedTargetsAreKnownByResolvedPathInAnyCase) {
    EntryModel entries;
    entries.Append("On the stick", "Apps\\Tool.exe", "");  // stored without "E:\\"
    entries.Append("Elsewhere", "C:\\Windows\\notepad.exe", "/x");
    entries.Append("Фото", "Фото\\Просмотр.exe", "");
    const ListedTargets listed(entries, "E:\\");
    EXPECT_TRUE(listed.Contains("E:\\Apps\\Tool.exe"));
    EXPECT_TRUE(listed.Contains("e:\\APPS\\tool.EXE"));
    EXPECT_TRUE(listed.Contains("C:\\windows\\NOTEPAD.exe"));
    EXPECT_TRUE(listed.Contains("E:\\ФОТО\\просмотр.exe"));
    EXPECT_FALSE(listed.Contains("F:\\Apps\\Tool.exe"));
    EXPECT_FALSE(listed.Contains("E:\\Apps\\Tool2.exe"));
}

}  // namespace
}  // namespace corvane::menu
