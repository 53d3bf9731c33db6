// The control for the DLL-planting tests: a program that, like Corvane's programs, shows a window
// with common controls until it is closed, but restricts its DLL search only when its command line
// is "restricted". The tests make it load DLLs by name just as they make the programs do.
#include "common/MessageLoop.h"
#include "common/SafeDllSearch.h"

#include <commctrl.h>
#include <windows.h>

#include <cstring>

namespace {

constexpr const char* kClassName = "CorvaneDllSearchProbe";

LRESULT CALLBACK ProbeWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR commandLine, int) {
    if (std::strcmp(commandLine, "restricted") == 0) {
        corvane::RestrictDllSearchToSystemFolder();
    }

    // A themed list on screen: what makes the system DLLs load their own helpers.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
    ::InitCommonControlsEx(&controls);
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = ProbeWindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    ::RegisterClassA(&windowClass);
    const HWND window = ::CreateWindowExA(0, kClassName, "DLL search probe", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                          0, 0, 240, 160, nullptr, nullptr, instance, nullptr);
    ::CreateWindowExA(0, WC_LISTVIEWA, "", WS_CHILD | WS_VISIBLE | LVS_REPORT, 0, 0, 200, 100, window,
                      nullptr, instance, nullptr);
    return window != nullptr ? corvane::RunMessageLoop() : 1;
}
