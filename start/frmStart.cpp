#include "start/frmStart.h"

#include "common/CommonResources.h"
#include "common/MessageLoop.h"
#include "common/TextEncoding.h"
#include "start/KindelTexts.h"

#include <algorithm>
#include <array>

namespace corvane::start {
namespace {

constexpr DWORD kLabelStyle = SS_CENTER | SS_NOPREFIX;

// The two labels; neither takes the focus.
constexpr std::array<ControlSpec, 2> kControls = {{
    {Label1, "STATIC", texts::kPreparing, kLabelStyle, 0, kLabel1Place},
    {Label2, "STATIC", texts::kPleaseWait, kLabelStyle, 0, kLabel2Place},
}};

// The size `text` needs on one line in `font`.
SIZE TextExtent(HFONT font, const char* text) {
    SIZE size{};
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    if (dc) {
        const SelectedObject withFont(dc.get(), font);  // let go of the font before the DC is deleted
        const std::wstring wide = WideFromUtf8(text);
        ::GetTextExtentPoint32W(dc.get(), wide.c_str(), static_cast<int>(wide.size()), &size);
    }
    return size;
}

// The labels' boxes were laid out for a narrower font than today's dialog font. A text that needs
// more room than its box gets a box grown about the same centre (the texts are centred in the
// window), so that it is never cut off or wrapped.
void FitLabelToText(HWND label, const char* text, HFONT font) {
    const HWND parent = ::GetParent(label);
    RECT box{};
    ::GetWindowRect(label, &box);
    ::MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&box), 2);
    const SIZE needed = TextExtent(font, text);
    const LONG width = std::max(box.right - box.left, needed.cx);
    const LONG height = std::max(box.bottom - box.top, needed.cy);
    const LONG left = std::max<LONG>(0, (box.left + box.right - width) / 2);
    const LONG top = std::max<LONG>(0, (box.top + box.bottom - height) / 2);
    ::MoveWindow(label, static_cast<int>(left), static_cast<int>(top), static_cast<int>(width),
                 static_cast<int>(height), FALSE);
}

}  // namespace

void frmStart::ConfigureClass(WNDCLASSEXW& windowClass) noexcept {
    windowClass.hIcon = ::LoadIconW(windowClass.hInstance, MAKEINTRESOURCEW(IDI_PROGRAM));
}

bool frmStart::Create() {
    if (!CreateWindowObject(0, texts::kCaption, WS_POPUP, 0, 0, 0, 0)) {
        return false;
    }
    SetFixedClientSize(kClientWidthTwips, kClientHeightTwips);
    CentreOnScreen(Hwnd());
    return true;
}

void frmStart::ShowAndPaint() noexcept {
    if (Hwnd() == nullptr) {
        return;
    }
    ::ShowWindow(Hwnd(), SW_SHOW);
    ::UpdateWindow(Hwnd());
    PumpPendingMessages();
}

void frmStart::OnCreate() {
    for (const ControlSpec& control : kControls) {
        CreateChild(Hwnd(), control, Dpi());
    }
    Layout();
}

void frmStart::Layout() {
    const int dpi = Dpi();
    font_ = WithFontOnChildren(Hwnd(), CreateDialogFont(dpi));
    for (const ControlSpec& control : kControls) {
        const HWND label = ::GetDlgItem(Hwnd(), control.id);
        PlaceChild(label, control.place, dpi);
        FitLabelToText(label, control.text, font_.get());
    }
}

LRESULT frmStart::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_CLOSE:
            // Alt+F4 must not cut the preparation short; the program closes the window itself once
            // the menu has been started.
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace corvane::start
