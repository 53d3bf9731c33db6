// Kept running (hidden) for the length of a Wine test session. While any GUI program lives, Wine
// keeps its desktop process up; without one, every test program that ends takes the desktop down
// and the next one waits for it to restart, which is slow and has been seen to hang.
#include <windows.h>

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = DefWindowProcA;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = "CorvaneWineKeepAlive";
    RegisterClassA(&windowClass);
    CreateWindowA(windowClass.lpszClassName, "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        DispatchMessageA(&message);
    }
    return 0;
}
