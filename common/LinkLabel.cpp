#include "common/LinkLabel.h"

#include "common/CommonResources.h"
#include "common/TextEncoding.h"
#include "common/WindowText.h"
#include "common/core/Twips.h"

namespace corvane {

bool LinkLabel::Create(HWND parent, int id, const char* text, const TwipsRect& place, int dpi,
                       const Style& style, Action onClick) {
    onClick_ = std::move(onClick);
    alignment_ = style.alignment;
    background_.reset(::CreateSolidBrush(style.background));
    const DWORD tabStop = style.tabStop ? WS_TABSTOP : 0;
    if (!CreateWindowObject(0, text, WS_CHILD | WS_VISIBLE | tabStop, 0, 0, 0, 0, parent,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)))) {
        return false;
    }
    Place(place, dpi);
    return true;
}

HCURSOR LinkLabel::HandCursorFor(int dpi) {
    const HINSTANCE module = ::GetModuleHandleW(nullptr);
    const int width = SystemMetricForDpi(SM_CXCURSOR, dpi);
    const int height = SystemMetricForDpi(SM_CYCURSOR, dpi);
    // At the system's cursor size the shared cursor is the right one; another DPI needs one drawn
    // for its own size (the resource is drawn for 32 pixels; Windows scales it).
    UniqueCursor sized;
    if (width != ::GetSystemMetrics(SM_CXCURSOR) || height != ::GetSystemMetrics(SM_CYCURSOR)) {
        sized.reset(static_cast<HCURSOR>(
            ::LoadImageW(module, MAKEINTRESOURCEW(IDC_LINK_HAND), IMAGE_CURSOR, width, height, 0)));
    }
    const HCURSOR hand = sized ? sized.get() : ::LoadCursorW(module, MAKEINTRESOURCEW(IDC_LINK_HAND));
    sizedHand_ = std::move(sized);  // the one it replaces is no longer shown
    return hand;
}

void LinkLabel::Place(const TwipsRect& place, int dpi) {
    font_ = CreateDialogFont(dpi, /*underline=*/true);
    hand_ = HandCursorFor(dpi);
    PlaceChild(Hwnd(), place, dpi);
    ::InvalidateRect(Hwnd(), nullptr, FALSE);
}

void LinkLabel::Activate() {
    if (onClick_) {
        onClick_();
    }
}

void LinkLabel::Paint() {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    RECT client{};
    ::GetClientRect(Hwnd(), &client);
    ::FillRect(dc, &client, background_.get());
    const std::wstring label = WideFromUtf8(WindowTextOf(Hwnd()));
    const wchar_t* text = label.c_str();
    const HGDIOBJ oldFont = ::SelectObject(dc, font_.get());
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kLinkBlue);
    RECT textRect = client;
    ::DrawTextW(dc, text, -1, &textRect, alignment_ | DT_WORDBREAK | DT_NOPREFIX);
    if (::GetFocus() == Hwnd()) {
        RECT measured = client;
        ::DrawTextW(dc, text, -1, &measured, alignment_ | DT_WORDBREAK | DT_NOPREFIX | DT_CALCRECT);
        const int width = measured.right - measured.left;
        if (alignment_ == DT_CENTER) {
            measured.left = client.left + (client.right - client.left - width) / 2;
        } else if (alignment_ == DT_RIGHT) {
            measured.left = client.right - width;
        }
        measured.right = measured.left + width;
        ::DrawFocusRect(dc, &measured);
    }
    ::SelectObject(dc, oldFont);
    ::EndPaint(Hwnd(), &paint);
}

LRESULT LinkLabel::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT:
            Paint();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // WM_PAINT fills the whole label
        case WM_SETCURSOR:
            // Set again on every move over the label, so nothing else can leave another cursor on it.
            ::SetCursor(hand_);
            return TRUE;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            ::SetCapture(Hwnd());
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = pressed_;
            pressed_ = false;
            ::ReleaseCapture();
            RECT client{};
            ::GetClientRect(Hwnd(), &client);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (wasPressed && ::PtInRect(&client, at)) {
                Activate();
            }
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        case WM_GETDLGCODE:
            // Let Enter reach the label instead of the dialog's default button.
            if (lParam != 0 && reinterpret_cast<const MSG*>(lParam)->message == WM_KEYDOWN &&
                reinterpret_cast<const MSG*>(lParam)->wParam == VK_RETURN) {
                return DLGC_WANTMESSAGE;
            }
            return DLGC_WANTCHARS;
        case WM_KEYDOWN:
            if (wParam == VK_RETURN || wParam == VK_SPACE) {
                Activate();
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
            return 0;
        case WM_SETTEXT: {
            const LRESULT result = DefaultHandling(message, wParam, lParam);
            ::InvalidateRect(Hwnd(), nullptr, FALSE);
            return result;
        }
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvane
