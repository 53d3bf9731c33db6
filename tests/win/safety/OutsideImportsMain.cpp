// A program that imports DLLs Windows looks for beside the program first (they are not known DLLs):
// the import check must refuse it. It is only examined, never run.
#include <windows.h>
#include <uxtheme.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    return static_cast<int>(::GetFileVersionInfoSizeA("kernel32.dll", nullptr)) + (::IsThemeActive() ? 1 : 0);
}
