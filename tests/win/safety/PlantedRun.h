// A program started from the test drive with DLLs planted beside it under the names of system DLLs,
// and the marker files those DLLs leave when a process loads them (PlantedDll.cpp).
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

#include <array>
#include <string>
#include <vector>

namespace corvane::test {

// System DLLs that are looked up by name while a program runs: the theme library common controls
// load for their look, the image library the theme code draws with, the desktop window manager's
// library. None is a known DLL that Windows always takes from the system folder.
inline constexpr std::array<const char*, 3> kPlantedNames = {"uxtheme.dll", "msimg32.dll", "dwmapi.dll"};

// The planted names a program may load for reasons outside its own DLL search, on this platform.
// On Windows none. Under Wine two, whatever the program does: Wine's user32 loads uxtheme.dll while
// the process starts, before the program's first instruction; and Wine resolves the delayed imports
// of its own DLLs (uxtheme.dll's import of msimg32.dll) with the search order of the process start,
// not the one the program set.
std::vector<std::string> NamesBeyondTheProgramsSearch();

// The names planted on this platform: every name but those loaded beyond the program's own search.
// (Planting those under Wine would only break the program: its own user32 takes the planted
// uxtheme.dll at start-up and aborts on the first theme call the file does not export.)
std::vector<std::string> PlantedNames();

// Copies the planted DLL (beside the test program) into `folder` under every planted name.
void PlantDlls(const std::string& folder);

// The planted names in `folder` that some process has loaded (their marker file exists).
std::vector<std::string> LoadedPlantedDlls(const std::string& folder);

// A running program, ended by force when the test leaves it running.
class ProgramRun {
  public:
    ProgramRun() = default;
    ProgramRun(UniqueKernelHandle process, DWORD processId) noexcept
        : process_(std::move(process)), processId_(processId) {}
    ProgramRun(ProgramRun&&) noexcept = default;
    ProgramRun& operator=(ProgramRun&&) = delete;
    ~ProgramRun();

    [[nodiscard]] bool Running() const;
    [[nodiscard]] bool WaitForEnd(DWORD timeoutMs) const;
    // A visible top-level window of the program, waited for; null when none came up in time.
    [[nodiscard]] HWND WaitForVisibleWindow(DWORD timeoutMs) const;
    // Asks each visible top-level window of the program to close, as the user's close button
    // does, and waits for the program to end.
    [[nodiscard]] bool Close(DWORD timeoutMs) const;
    // Makes the running program load `dll` by name on a thread of its own, as a system DLL inside
    // it does when it needs a helper: the lookup follows the program's own DLL search. Returns
    // whether the program ended up with a module of that name.
    [[nodiscard]] bool LoadByNameInside(const char* dll) const;

  private:
    UniqueKernelHandle process_;
    DWORD processId_ = 0;
};

// While it lives, Wine prefers a DLL file of each planted name to its own built-in DLL in the named
// programs (Menu.exe, ...), as Windows always does for a DLL that is not a known DLL. The setting is
// Wine's per-program DLL override in the registry; Windows ignores it.
class PreferPlantedFiles {
  public:
    explicit PreferPlantedFiles(std::vector<std::string> programs);
    ~PreferPlantedFiles();
    PreferPlantedFiles(const PreferPlantedFiles&) = delete;
    PreferPlantedFiles& operator=(const PreferPlantedFiles&) = delete;

  private:
    std::vector<std::string> programs_;
};

// Starts `program` with its own folder as the working folder.
ProgramRun StartInItsFolder(const std::string& program, const std::string& arguments = {});

// The running program that owns a visible top-level window of `windowClass`, waited for.
ProgramRun WaitForProgramWithWindow(const char* windowClass, DWORD timeoutMs);

}  // namespace corvane::test
