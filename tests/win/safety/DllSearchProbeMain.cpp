// The control for the DLL-planting tests: a program that, like Corvane's programs, shows a window
// with common controls and loads system DLLs by name, but only restricts its DLL search when its
// command line begins with "restricted". The names to load follow, separated by spaces.
#include "common/SafeDllSearch.h"
#include "common/UniqueHandle.h"

#include <commctrl.h>
#include <windows.h>

#include <sstream>
#include <string>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR commandLine, int) {
    std::istringstream words(commandLine);
    std::string mode;
    words >> mode;
    if (mode == "restricted") {
        corvane::RestrictDllSearchToSystemFolder();
    }

    // Themed common controls on screen: what makes the system DLLs load their own helpers.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    const HWND list = ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | LVS_REPORT, 0,
                                        0, 200, 100, nullptr, nullptr, nullptr, nullptr);
    ::UpdateWindow(list);
    ::DestroyWindow(list);

    for (std::string name; words >> name;) {
        const corvane::UniqueModule module(::LoadLibraryA(name.c_str()));
    }
    return 0;
}
