#include "menu/core/BrowsePlan.h"
#include "menu/core/MainWindowTexts.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

TEST(BrowsePlan, RecordedFolderAndItsSubstituteOnTheMenuDrive) {
    const BrowsePlan plan = PlanBrowse("F:\\", "E:\\Apps\\Tool\\tool.exe");
    EXPECT_EQ(plan.recorded.folder, "E:\\Apps\\Tool");
    EXPECT_EQ(plan.recorded.commandLine, "explorer.exe /e,\"E:\\Apps\\Tool\"");
    EXPECT_EQ(plan.recorded.statusText, "Browsing E:\\Apps\\Tool");
    EXPECT_EQ(plan.onMenuDrive.folder, "F:\\Apps\\Tool");
    EXPECT_EQ(plan.onMenuDrive.commandLine, "explorer.exe /e,\"F:\\Apps\\Tool\"");
    EXPECT_EQ(plan.onMenuDrive.statusText,
              "Drive changed to F:\\ because 'E:\\Apps\\Tool' doesn't exist on selected drive.");
}

TEST(BrowsePlan, ShortTargetsAndRootFilesKeepTheirOddParents) {
    EXPECT_EQ(PlanBrowse("E:\\", "E:\\tool.exe").recorded.commandLine, "explorer.exe /e,\"E:\"");
    EXPECT_EQ(PlanBrowse("E:\\", "E:\\x").recorded.folder, "E:\\x");
    EXPECT_EQ(PlanBrowse("E:\\", "\\\\server\\share\\dir\\file.exe").recorded.folder,
              "\\\\server\\share\\dir");
}

TEST(BrowsePlan, RelativeTargetsAreTakenFromTheMenuDriveRoot) {
    EXPECT_EQ(PlanBrowse("E:\\Menus\\", "Apps\\Tool\\tool.exe").recorded.folder, "E:\\Apps\\Tool");
}

TEST(BrowsePlan, RootBrowseOpensTheMenuRoot) {
    const BrowseCandidate drive = PlanRootBrowse("E:\\Menus\\");
    EXPECT_EQ(drive.commandLine, "explorer.exe /e,\"E:\\\"");
    EXPECT_EQ(drive.statusText, "Browsing root directory E:\\");
    EXPECT_EQ(PlanRootBrowse("\\\\server\\share\\Menus\\").commandLine,
              "explorer.exe /e,\"\\\\server\\share\\\"");
}

TEST(BrowsePlan, FailureTexts) {
    EXPECT_EQ(BrowseErrorMessage(""),
              "Error browsing to the directory : \r\nCheck the folder exists at the specified location.");
    EXPECT_EQ(BrowseErrorStatus("E:\\Apps", ""), "Error browsing E:\\Apps : ");
    EXPECT_EQ(RootBrowseErrorMessage("Access denied."), "Error browsing to the directory : Access denied.");
}

TEST(MainWindowTexts, CaptionsStatusAndMenuTexts) {
    EXPECT_EQ(StartupCaption("1843", "E:\\"), "Corvane  ---> 1843 MB Remaining on E:\\");
    EXPECT_EQ(RefreshCaption("0", "\\\\server\\share\\"), "Corvane >> 0 MB Remaining on \\\\server\\share\\");
    EXPECT_EQ(ItemStatusText(2, 5, "Apps\\tool.exe", ""), "Item 2 of 5 - Apps\\tool.exe ");
    EXPECT_EQ(VersionStatusText("1.11"), "Corvane v1.11");
    EXPECT_EQ(RootBrowseItemCaption("E:\\"), "Browse E:\\");
    EXPECT_EQ(EntriesAddedText(3), "3 entries added.");
    EXPECT_EQ(EntriesAddedText(1), "1 entry added.");
    EXPECT_EQ(SearchCountsText(1204, 15630), "1204 folders and 15630 files searched");
}

}  // namespace
}  // namespace corvane::menu
