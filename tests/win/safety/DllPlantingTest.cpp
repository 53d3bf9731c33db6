// A DLL placed on the stick beside a program, under the name of a system DLL the program loads
// while it runs, is never loaded: each program restricts its DLL search to the system folder before
// anything else. The control shows that the same planted DLLs are picked up by a program that does
// not, so that a clean result means something. (Under Wine, Wine itself loads two of the names from
// beside any program, whatever it does: those are not planted there, see PlantedNames.)
#include "tests/win/safety/PlantedRun.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#if CORVANE_HAVE_KINDEL
#include "start/core/StartFiles.h"
#endif

namespace corvane::test {
namespace {

constexpr DWORD kComeUpTimeoutMs = 20000;
constexpr DWORD kEndTimeoutMs = 20000;
constexpr const char* kProbeName = "corvane_dll_search_probe.exe";
constexpr const char* kMenuWindowClass = "frmMain";

const std::vector<std::string> kNone;

// The planted DLLs on the stick that a program loaded through the DLL search it controls.
std::vector<std::string> LoadedThroughOwnSearch() {
    return LoadedPlantedDlls(kStickRoot);
}

void CopyBesideTestOntoStick(const std::string& name) {
    const std::string source = TestProgramFolder() + name;
    const std::string target = std::string(kStickRoot) + name;
    ASSERT_TRUE(::CopyFileA(source.c_str(), target.c_str(), FALSE)) << source << " -> " << target;
}

class DllPlanting : public ::testing::Test {
  protected:
    void SetUp() override {
        EmptyDrive(kStickRoot);
        PlantDlls(kStickRoot);
    }
    void TearDown() override { EmptyDrive(kStickRoot); }

    const PreferPlantedFiles preferFiles_{{kProbeName, "Menu.exe", "Stickwright.exe", "Kindel.exe"}};

    // Starts a program copied onto the stick, waits for its window, has it load each planted name
    // the way a system DLL inside it would, and closes it as the user would.
    static void RunUntilItsWindowIsClosed(const std::string& name, const std::string& arguments = {}) {
        ASSERT_NO_FATAL_FAILURE(CopyBesideTestOntoStick(name));
        const ProgramRun program = StartInItsFolder(kStickRoot + name, arguments);
        ASSERT_NE(program.WaitForVisibleWindow(kComeUpTimeoutMs), nullptr) << name << " showed no window";
        LoadEachPlantedName(program);
        EXPECT_TRUE(program.Close(kEndTimeoutMs)) << name << " did not end when its window was closed";
    }

    static void LoadEachPlantedName(const ProgramRun& program) {
        for (const std::string& dll : PlantedNames()) {
            EXPECT_TRUE(program.LoadByNameInside(dll.c_str())) << dll;
        }
    }
};

TEST_F(DllPlanting, ControlProgramWithoutRestrictionLoadsThePlantedDlls) {
    RunUntilItsWindowIsClosed(kProbeName, "open");
    ASSERT_FALSE(PlantedNames().empty());
    EXPECT_EQ(LoadedPlantedDlls(kStickRoot), PlantedNames());
}

TEST_F(DllPlanting, ControlProgramWithRestrictionLoadsNone) {
    RunUntilItsWindowIsClosed(kProbeName, "restricted");
    EXPECT_EQ(LoadedThroughOwnSearch(), kNone);
}

#if CORVANE_HAVE_MENU
TEST_F(DllPlanting, MenuLoadsNone) {
    RunUntilItsWindowIsClosed("Menu.exe");
    EXPECT_EQ(LoadedThroughOwnSearch(), kNone);
}
#endif

#if CORVANE_HAVE_STICKWRIGHT
TEST_F(DllPlanting, StickwrightLoadsNone) {
    RunUntilItsWindowIsClosed("Stickwright.exe");
    EXPECT_EQ(LoadedThroughOwnSearch(), kNone);
}
#endif

#if CORVANE_HAVE_KINDEL && CORVANE_HAVE_MENU
// The component in the system folder for one test, unless the PC has one already.
class ComponentInstalled {
  public:
    ComponentInstalled() {
        char systemFolder[MAX_PATH] = {};
        EXPECT_NE(::GetSystemDirectoryA(systemFolder, MAX_PATH), 0u);
        component_ = start::PlanStartFiles(kStickRoot, systemFolder).componentFile;
        if (::GetFileAttributesA(component_.c_str()) == INVALID_FILE_ATTRIBUTES) {
            WriteTestFile(component_, "component");
            written_ = true;
        }
    }
    ~ComponentInstalled() {
        if (written_) {
            ::DeleteFileA(component_.c_str());
        }
    }
    ComponentInstalled(const ComponentInstalled&) = delete;
    ComponentInstalled& operator=(const ComponentInstalled&) = delete;

  private:
    std::string component_;
    bool written_ = false;
};

// Kindel on a PC that has the component: it only starts the menu beside it and ends.
TEST_F(DllPlanting, KindelAndTheMenuItStartsLoadNone) {
    const ComponentInstalled component;
    ASSERT_NO_FATAL_FAILURE(CopyBesideTestOntoStick("Kindel.exe"));
    ASSERT_NO_FATAL_FAILURE(CopyBesideTestOntoStick("Menu.exe"));

    const ProgramRun kindel = StartInItsFolder(kStickRoot + std::string("Kindel.exe"));
    EXPECT_TRUE(kindel.WaitForEnd(kEndTimeoutMs));
    const ProgramRun menu = WaitForProgramWithWindow(kMenuWindowClass, kComeUpTimeoutMs);
    ASSERT_TRUE(menu.Running()) << "Kindel did not start the menu";
    LoadEachPlantedName(menu);
    EXPECT_TRUE(menu.Close(kEndTimeoutMs));
    EXPECT_EQ(LoadedThroughOwnSearch(), kNone);
}
#endif

}  // namespace
}  // namespace corvane::test
