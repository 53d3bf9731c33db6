// A program the eject tests run from a stick: it shows one window titled "Stick program" and ends
// when that window is asked to close, as a user's program would; started with "/refuse" it stays,
// as a program asking its user to save would. It ends on its own after two minutes, so that a
// test that fails part-way never leaves it behind.
#include <windows.h>

#include <cwchar>

namespace {

constexpr UINT_PTR kLifeTimer = 1;
constexpr UINT kLifeMs = 120000;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CLOSE:
            if (::GetWindowLongPtrW(window, GWLP_USERDATA) == 0) {  // set: it refuses
                ::DestroyWindow(window);
            }
            return 0;
        case WM_TIMER:
            ::DestroyWindow(window);
            return 0;
        case WM_DESTROY:
            ::PostQuitMessage(0);
            return 0;
        default:
            return ::DefWindowProcW(window, message, wParam, lParam);
    }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = L"CorvaneStickProgram";
    ::RegisterClassW(&windowClass);
    const HWND window =
        ::CreateWindowW(windowClass.lpszClassName, L"Stick program", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 40, 40,
                        300, 120, nullptr, nullptr, instance, nullptr);
    if (window == nullptr) {
        return 1;
    }
    ::SetWindowLongPtrW(window, GWLP_USERDATA,
                        std::wcsstr(::GetCommandLineW(), L"/refuse") != nullptr ? 1 : 0);
    ::SetTimer(window, kLifeTimer, kLifeMs, nullptr);
    MSG message;
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::DispatchMessageW(&message);
    }
    return 0;
}
