// Menu.exe: the menu window for the folder the program runs from.
#include "common/MessageLoop.h"
#include "common/SafeDllSearch.h"
#include "common/TextEncoding.h"
#include "menu/HandOffCopy.h"
#include "menu/MenuResources.h"
#include "menu/PathHelpers.h"
#include "menu/SingleMenu.h"
#include "menu/frmMain.h"
#include "menu/core/EjectHandOff.h"

#include <commctrl.h>
#include <windows.h>

namespace {

// How long a second menu waits for the first one's window (which shows once its list is loaded).
constexpr DWORD kFirstMenuWaitMs = 10000;

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    corvane::RestrictDllSearchToSystemFolder();
    // A copy that an eject handed over to: it ejects and ends, and never shows a menu.
    const std::string commandLine = corvane::Utf8FromWide(::GetCommandLineW());
    if (const std::string_view arguments = corvane::menu::ArgumentsAfterProgram(commandLine);
        corvane::menu::IsEjectHandOff(arguments)) {
        return corvane::menu::RunEjectHandOff(arguments);
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
    // Decided before the window exists, so that two menus started at once never both edit Data.dat.
    const std::string folder = corvane::menu::MenuFolder();
    corvane::menu::SingleMenu single(folder);
    if (!single.IsFirst()) {
        single.BringFirstForward(kFirstMenuWaitMs);
        return 0;
    }
    corvane::menu::frmMain window(folder);
    if (!window.Create(showCommand)) {
        return 1;
    }
    single.Publish(window.Hwnd());
    return corvane::RunMessageLoop(::LoadAcceleratorsW(instance, MAKEINTRESOURCEW(IDR_ACCELERATORS)),
                                   window.Hwnd());
}
