#include "common/DpiScaling.h"

#include "common/core/Twips.h"

namespace corvane {
namespace {

// A function of user32 that only newer systems have, or null.
template <typename Function>
Function User32Function(const char* name) noexcept {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleW(L"user32.dll"), name)));
}

}  // namespace

int WindowDpi(HWND hwnd) noexcept {
    // GetDpiForWindow exists from Windows 10 1607 on; older systems have one DPI for everything.
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32Function<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow != nullptr && hwnd != nullptr) {
        if (const UINT dpi = getDpiForWindow(hwnd); dpi != 0) {
            return static_cast<int>(dpi);
        }
    }
    const HDC screen = ::GetDC(nullptr);
    const int dpi = screen != nullptr ? ::GetDeviceCaps(screen, LOGPIXELSY) : kDefaultDpi;
    if (screen != nullptr) {
        ::ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : kDefaultDpi;
}

int SystemMetricForDpi(int index, int dpi) noexcept {
    using GetSystemMetricsForDpiFn = int(WINAPI*)(int, UINT);
    static const auto getSystemMetricsForDpi =
        User32Function<GetSystemMetricsForDpiFn>("GetSystemMetricsForDpi");
    if (getSystemMetricsForDpi != nullptr && dpi > 0) {
        return getSystemMetricsForDpi(index, static_cast<UINT>(dpi));
    }
    return ::MulDiv(::GetSystemMetrics(index), dpi > 0 ? dpi : kDefaultDpi, WindowDpi(nullptr));
}

void AdjustWindowRectForDpi(RECT& rect, DWORD style, bool menu, DWORD exStyle, int dpi) noexcept {
    using AdjustWindowRectExForDpiFn = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32Function<AdjustWindowRectExForDpiFn>("AdjustWindowRectExForDpi");
    if (adjustForDpi != nullptr && dpi > 0 &&
        adjustForDpi(&rect, style, menu, exStyle, static_cast<UINT>(dpi))) {
        return;
    }
    ::AdjustWindowRectEx(&rect, style, menu, exStyle);
}

int DpiOfChange(WPARAM wParam) noexcept {
    const int dpi = HIWORD(wParam);
    return dpi > 0 ? dpi : kDefaultDpi;
}

void MoveToSuggestedRect(HWND hwnd, LPARAM suggested) noexcept {
    const auto* rect = reinterpret_cast<const RECT*>(suggested);
    if (rect == nullptr) {
        return;
    }
    ::SetWindowPos(hwnd, nullptr, rect->left, rect->top, rect->right - rect->left, rect->bottom - rect->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace corvane
