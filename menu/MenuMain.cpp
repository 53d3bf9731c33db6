// Menu.exe: the menu window for the folder the program runs from.
#include "common/MessageLoop.h"
#include "common/SafeDllSearch.h"
#include "menu/MenuResources.h"
#include "menu/frmMain.h"

#include <commctrl.h>
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    corvane::RestrictDllSearchToSystemFolder();
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    corvane::menu::frmMain window;
    if (!window.Create(showCommand)) {
        return 1;
    }
    return corvane::RunMessageLoop(::LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS)),
                                   window.Hwnd());
}
