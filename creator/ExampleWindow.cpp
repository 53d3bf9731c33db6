#include "creator/ExampleWindow.h"

#include "common/WindowLayout.h"
#include "common/core/Twips.h"

namespace corvane::creator {

ExampleWindow::ExampleWindow(const char* caption, int clientWidthTwips, int clientHeightTwips,
                             Painter painter) noexcept
    : caption_(caption),
      clientWidth_(clientWidthTwips),
      clientHeight_(clientHeightTwips),
      painter_(painter) {}

void ExampleWindow::Show(HWND opener) {
    if (!IsOpen()) {
        // A fixed dialog frame: no sizing, no minimise or maximise box; made on the opener's monitor at
        // its DPI (where Windows puts new windows without one); owned, so that it stays off the task bar.
        const POINT at = OpeningPointNear(opener);
        if (!CreateWindowObject(WS_EX_DLGMODALFRAME, caption_, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, at.x,
                                at.y, 100, 100, HiddenOwner())) {
            return;
        }
        SetFixedClientSize(clientWidth_, clientHeight_);
        if (opener != nullptr) {
            CentreOnScreen(Hwnd());
        }
    }
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
}

void ExampleWindow::Paint() noexcept {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    // The pictures are drawn in the pixels of 96 dpi: the DC scales them, their fonts and lines
    // included, to the window's DPI.
    const int dpi = Dpi();
    ::SetMapMode(dc, MM_ANISOTROPIC);
    ::SetWindowExtEx(dc, kDefaultDpi, kDefaultDpi, nullptr);
    ::SetViewportExtEx(dc, dpi, dpi, nullptr);
    const RECT area{0, 0, ::MulDiv(client.right, kDefaultDpi, dpi),
                    ::MulDiv(client.bottom, kDefaultDpi, dpi)};
    painter_(dc, area);
    ::EndPaint(Hwnd(), &paint);
}

LRESULT ExampleWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_COMMAND:
            // A picture to glance at: Escape puts it away (the message loop turns it into IDCANCEL).
            if (LOWORD(wParam) == IDCANCEL) {
                Destroy();
                return 0;
            }
            break;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvane::creator
