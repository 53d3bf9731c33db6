// The start of a support tool: DLL search kept to the system folder, the common controls it uses,
// a COM apartment for the shell, its one window and the message loop with the window's keys.
#pragma once

#include "common/ComApartment.h"
#include "common/MessageLoop.h"
#include "common/SafeDllSearch.h"

#include <windows.h>
#include <commctrl.h>

#include <utility>

namespace corvane::support {

// Runs `Window` (constructed from `args` and a callback that ends the program when the window is
// gone) until it closes; `controlClasses` are the ICC_ classes its controls need, `acceleratorsId`
// its key table in the resources. Returns the program's exit code.
template <typename Window, typename... Args>
int RunProgramWindow(int showCommand, DWORD controlClasses, int acceleratorsId, Args&&... args) noexcept {
    RestrictDllSearchToSystemFolder();
    try {
        INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | controlClasses};
        ::InitCommonControlsEx(&controls);
        const ComApartment com;
        Window window(std::forward<Args>(args)..., [] { ::PostQuitMessage(0); });
        if (!window.Create(showCommand)) {
            return 1;
        }
        // A table loaded from the program's resources needs no freeing.
        const HACCEL keys =
            ::LoadAcceleratorsW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(acceleratorsId));
        return RunMessageLoop(keys, window.Hwnd());
    } catch (...) {
        return 1;  // out of memory before the window could say anything
    }
}

}  // namespace corvane::support
