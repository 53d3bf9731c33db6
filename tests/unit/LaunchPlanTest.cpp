#include "menu/core/LaunchPlan.h"

#include <gtest/gtest.h>

namespace corvane::menu {
namespace {

LaunchPlan Plan(std::string_view menuFolder, std::string target, std::string switches = {}) {
    return PlanLaunch(menuFolder, SelectedEntry{std::move(target), std::move(switches)});
}

TEST(LaunchPlan, WorkedExampleFallsBackToTheMenuDriveAndExpandsBothPlaceholders) {
    const LaunchPlan plan =
        Plan("E:\\", "F:\\Apps\\Tool\\tool.exe", "/log=%dir%\\log.txt /src=%DRIVE%\\data");
    ASSERT_TRUE(plan.recorded && plan.onMenuDrive);
    EXPECT_EQ(plan.recorded->path, "F:\\Apps\\Tool\\tool.exe");
    EXPECT_EQ(plan.recorded->statusText, "Running F:\\Apps\\Tool\\tool.exe");
    const LaunchCandidate& fallback = *plan.onMenuDrive;
    EXPECT_EQ(fallback.path, "E:\\Apps\\Tool\\tool.exe");
    EXPECT_EQ(fallback.workingFolder, "E:\\Apps\\Tool");
    EXPECT_EQ(fallback.parameters, "/log=E:\\Apps\\Tool\\log.txt /src=E:\\data");
    EXPECT_EQ(fallback.statusText,
              "Drive changed to E:\\ because 'F:\\Apps\\Tool\\tool.exe' doesn't exist on selected drive.");
}

TEST(LaunchPlan, RelativeTargetsResolveAgainstTheDriveRootNotTheMenuFolder) {
    for (const char* folder : {"E:\\", "E:\\Menus\\", "E:\\Menus\\Deeper\\"}) {
        const LaunchPlan plan = Plan(folder, "Apps\\tool.exe");
        EXPECT_EQ(plan.resolvedPath, "E:\\Apps\\tool.exe") << folder;
        EXPECT_EQ(plan.recorded->workingFolder, "E:\\Apps");
        EXPECT_EQ(plan.recorded->statusText, "Running E:\\Apps\\tool.exe");
    }
}

TEST(LaunchPlan, DriveAndNetworkTargetsAreUsedAsRecorded) {
    EXPECT_EQ(Plan("E:\\Menus\\", "F:\\x.exe").resolvedPath, "F:\\x.exe");
    EXPECT_EQ(Plan("E:\\Menus\\", "F:").resolvedPath, "F:") << "a bare drive is not relative";
    EXPECT_EQ(Plan("E:\\", "\\\\server\\share\\dir\\t.exe").resolvedPath, "\\\\server\\share\\dir\\t.exe");
    // A network target falls back to the part below its share.
    EXPECT_EQ(Plan("E:\\", "\\\\server\\share\\dir\\t.exe").onMenuDrive->path, "E:\\dir\\t.exe");
}

TEST(LaunchPlan, AMenuOnAShareResolvesRelativeTargetsAgainstTheShareRoot) {
    const LaunchPlan plan = Plan("\\\\server\\share\\Menus\\", "Apps\\tool.exe", "%drive%|%dir%");
    EXPECT_EQ(plan.resolvedPath, "\\\\server\\share\\Apps\\tool.exe");
    EXPECT_EQ(plan.recorded->parameters, "\\\\server\\share|\\\\server\\share\\Apps");
    EXPECT_EQ(LaunchBase("\\\\server\\share\\Menus\\"), "\\\\server\\share\\");
    EXPECT_EQ(LaunchBase("E:\\Menus\\"), "E:\\");
}

TEST(LaunchPlan, AFileInTheDriveRootStartsInTheBareDrive) {
    const LaunchPlan plan = Plan("E:\\", "tool.exe", "%dir%");
    EXPECT_EQ(plan.recorded->path, "E:\\tool.exe");
    EXPECT_EQ(plan.recorded->workingFolder, "E:");
    EXPECT_EQ(plan.recorded->parameters, "E:");
}

TEST(LaunchPlan, PlaceholdersIgnoreCaseReplaceEveryOccurrenceAndDriveGoesFirst) {
    EXPECT_EQ(ExpandPlaceholders("%Drive% %DIR% %drive%%dir%", "E:\\", "E:\\Apps"), "E: E:\\Apps E:E:\\Apps");
    // "%drive%" is replaced before "%dir%", so a launch folder that itself holds "%drive%" stays literal.
    EXPECT_EQ(ExpandPlaceholders("%dir%", "E:\\", "E:\\%drive%"), "E:\\%drive%");
    EXPECT_EQ(ExpandPlaceholders("/plain", "E:\\", "E:\\Apps"), "/plain");
}

TEST(LaunchPlan, TheTargetIsNeverSearchedForPlaceholders) {
    const LaunchPlan plan = Plan("E:\\", "Apps\\%drive%\\t.exe", "%drive%");
    EXPECT_EQ(plan.recorded->path, "E:\\Apps\\%drive%\\t.exe");
    EXPECT_EQ(plan.recorded->parameters, "E:");
}

TEST(LaunchPlan, AnEmptyTargetResolvesToTheBareRoot) {
    const LaunchPlan plan = Plan("E:\\Menus\\", "");
    EXPECT_EQ(plan.resolvedPath, "E:\\");
    EXPECT_EQ(plan.onMenuDrive->path, "E:\\");
}

TEST(LaunchPlan, WithoutASelectedEntryNothingIsTried) {
    const LaunchPlan plan = PlanLaunch("E:\\", std::nullopt);
    EXPECT_EQ(plan.resolvedPath, "");
    EXPECT_FALSE(plan.recorded.has_value());
    EXPECT_FALSE(plan.onMenuDrive.has_value());
}

TEST(LaunchPlan, ErrorTextsKeepTheEmptyReasonAndTheSecondLine) {
    EXPECT_EQ(LaunchErrorMessage("E:\\Apps\\tool.exe", ""),
              "Error running E:\\Apps\\tool.exe : \r\nCheck the file exists at the specified location.");
    EXPECT_EQ(LaunchErrorStatus("E:\\Apps\\tool.exe", ""), "Error running E:\\Apps\\tool.exe : ");
    EXPECT_EQ(LaunchErrorStatus("", "No entry is selected."), "Error running  : No entry is selected.");
}

}  // namespace
}  // namespace corvane::menu
