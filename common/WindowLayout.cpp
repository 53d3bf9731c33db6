#include "common/WindowLayout.h"

#include "common/TextEncoding.h"
#include "common/core/Twips.h"

namespace corvane {

HWND CreateChild(HWND parent, const char* className, const char* text, DWORD style, DWORD exStyle,
                 const TwipsRect& place, int id, int dpi) noexcept {
    return ::CreateWindowExW(
        exStyle, WideFromUtf8(className).c_str(), WideFromUtf8(text).c_str(), WS_CHILD | WS_VISIBLE | style,
        TwipsToPixels(place.left, dpi), TwipsToPixels(place.top, dpi), TwipsToPixels(place.width, dpi),
        TwipsToPixels(place.height, dpi), parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
        ::GetModuleHandleW(nullptr), nullptr);
}

HWND CreateChild(HWND parent, const ControlSpec& control, int dpi) noexcept {
    return CreateChild(parent, control.className, control.text, control.style, control.exStyle, control.place,
                       control.id, dpi);
}

void PlaceChild(HWND child, const TwipsRect& place, int dpi) noexcept {
    ::MoveWindow(child, TwipsToPixels(place.left, dpi), TwipsToPixels(place.top, dpi),
                 TwipsToPixels(place.width, dpi), TwipsToPixels(place.height, dpi), TRUE);
}

UniqueFont CreateDialogFont(int dpi, bool underline, bool bold) noexcept {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    LOGFONTW font{};
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
        font = metrics.lfMessageFont;
        // The metrics are for the system DPI; rescale for the window's own.
        const int systemDpi = WindowDpi(nullptr);
        font.lfHeight = ::MulDiv(font.lfHeight, dpi, systemDpi);
    } else {
        font.lfHeight = -::MulDiv(8, dpi, 72);
        ::lstrcpynW(font.lfFaceName, L"MS Shell Dlg", LF_FACESIZE);
    }
    font.lfUnderline = underline ? TRUE : FALSE;
    if (bold) {
        font.lfWeight = FW_BOLD;
    }
    return UniqueFont(::CreateFontIndirectW(&font));
}

namespace {

// A named CALLBACK function: 32-bit Windows wants stdcall, which a lambda cannot convert to.
BOOL CALLBACK SetFontOnChild(HWND child, LPARAM font) {
    ::SendMessageW(child, WM_SETFONT, static_cast<WPARAM>(font), TRUE);
    return TRUE;
}

}  // namespace

void ApplyFontToChildren(HWND parent, HFONT font) noexcept {
    ::EnumChildWindows(parent, SetFontOnChild, reinterpret_cast<LPARAM>(font));
}

UniqueFont WithFontOnChildren(HWND parent, UniqueFont font) noexcept {
    ApplyFontToChildren(parent, font.get());
    return font;
}

UniqueFont WithFontOn(HWND control, UniqueFont font) noexcept {
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    return font;
}

void PlaceChildren(HWND parent, std::span<const ControlSpec> controls, int dpi) noexcept {
    for (const ControlSpec& control : controls) {
        if (const HWND child = ::GetDlgItem(parent, control.id); child != nullptr) {
            PlaceChild(child, control.place, dpi);
        }
    }
}

POINT OpeningPointNear(HWND reference) noexcept {
    if (reference == nullptr) {
        return {CW_USEDEFAULT, CW_USEDEFAULT};
    }
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(reference, MONITOR_DEFAULTTONEAREST), &monitor);
    return {monitor.rcWork.left, monitor.rcWork.top};
}

void CentreOnScreen(HWND hwnd) noexcept {
    RECT window{};
    ::GetWindowRect(hwnd, &window);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(hwnd, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    const int width = window.right - window.left;
    const int height = window.bottom - window.top;
    ::SetWindowPos(hwnd, nullptr, area.left + (area.right - area.left - width) / 2,
                   area.top + (area.bottom - area.top - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

SIZE WindowSizeForClientTwips(HWND hwnd, int width, int height, int dpi) noexcept {
    RECT rect{0, 0, TwipsToPixels(width, dpi), TwipsToPixels(height, dpi)};
    const auto style = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrW(hwnd, GWL_EXSTYLE));
    AdjustWindowRectForDpi(rect, style, ::GetMenu(hwnd) != nullptr, exStyle, dpi);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

void SetClientSizeTwips(HWND hwnd, int width, int height, int dpi) noexcept {
    const SIZE size = WindowSizeForClientTwips(hwnd, width, height, dpi);
    ::SetWindowPos(hwnd, nullptr, 0, 0, size.cx, size.cy, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace corvane
