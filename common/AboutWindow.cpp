#include "common/AboutWindow.h"

#include "common/CommonResources.h"
#include "common/TextEncoding.h"
#include "common/ToolTip.h"
#include "common/WindowText.h"
#include "common/core/Version.h"

#include <shellapi.h>

#include <array>

namespace corvane {
namespace {

constexpr int kClientWidth = 4305;  // twips
constexpr int kClientHeight = 3075;
constexpr COLORREF kTitleBlue = RGB(0, 0, 192);
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // no clipping: the frame is see-through

namespace text = about_texts;
constexpr DWORD kTitleStyle = SS_CENTER | SS_NOPREFIX;
constexpr DWORD kNoticeStyle = SS_LEFT | SS_NOPREFIX;
constexpr DWORD kButtonStyle = BS_PUSHBUTTON | WS_TABSTOP;
constexpr DWORD kDefaultButtonStyle = BS_DEFPUSHBUTTON | WS_TABSTOP;

// In tab order. The title is filled in at creation; the Help button is only in the creator's copy.
const std::array<ControlSpec, 6> kControls = {{
    {AboutWindow::lblTitle, "STATIC", "", kTitleStyle, 0, {240, 240, 3825, 300}},
    {AboutWindow::Label2, LinkLabel::ClassName(), text::kMakerLink, WS_TABSTOP, 0, {240, 660, 3825, 255}},
    {AboutWindow::fraDisclaimer, "BUTTON", "", BS_GROUPBOX, 0, {240, 1020, 3825, 1395}},
    {AboutWindow::lblDisclaimer, "STATIC", text::kDisclaimer, kNoticeStyle, 0, {390, 1260, 3525, 1035}},
    {AboutWindow::cmdHelp, "BUTTON", text::kHelp, kButtonStyle, 0, {1665, 2580, 1140, 360}},
    {AboutWindow::cmdClose, "BUTTON", text::kClose, kDefaultButtonStyle, 0, {2925, 2580, 1140, 360}},
}};

}  // namespace

AboutWindow::AboutWindow(std::function<void()> onHelp) : onHelp_(std::move(onHelp)) {}

std::string AboutWindow::TitleText() {
    return std::string(CORVANE_PRODUCT_NAME) + about_texts::kVersionLeadIn +
           std::to_string(CORVANE_VERSION_MAJOR) + "." + std::to_string(CORVANE_VERSION_MINOR) + "." +
           std::to_string(CORVANE_VERSION_REVISION);
}

void AboutWindow::Show(HWND opener) {
    if (!IsOpen()) {
        const std::string caption = std::string(about_texts::kCaptionPrefix) + CORVANE_PRODUCT_NAME;
        const POINT at = OpeningPointNear(opener);
        if (!CreateWindowObject(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, caption.c_str(), kWindowStyle,
                                at.x, at.y, 100, 100, HiddenOwner())) {
            return;
        }
        SetFixedClientSize(kClientWidth, kClientHeight);
        CentreOnScreen(Hwnd());
    }
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
}

void AboutWindow::OnCreate() {
    const HWND hwnd = Hwnd();
    for (const ControlSpec& control : kControls) {
        if (control.id == cmdHelp && !onHelp_) {
            continue;  // the menu's copy
        }
        if (control.id == Label2) {
            LinkLabel::Style style;
            style.tabStop = (control.style & WS_TABSTOP) != 0;
            makerLink_.Create(hwnd, control.id, control.text, control.place, Dpi(), style,
                              [this] { OpenMakerPage(); });
            // The tip window is owned by the about window and goes with it.
            AddToolTip(CreateToolTip(hwnd), hwnd, makerLink_.Hwnd(), about_texts::kMakerLinkTip);
            continue;
        }
        CreateChild(hwnd, control, Dpi());
    }
    SetChildTextOf(hwnd, lblTitle, TitleText());
    Layout();
    ::SetFocus(::GetDlgItem(hwnd, cmdClose));
}

void AboutWindow::Layout() {
    const HWND hwnd = Hwnd();
    const int dpi = Dpi();
    PlaceChildren(hwnd, kControls, dpi);
    for (const ControlSpec& control : kControls) {
        if (control.id == Label2) {
            makerLink_.Place(control.place, dpi);
        }
    }
    font_ = WithFontOnChildren(hwnd, CreateDialogFont(dpi));
    titleFont_ = WithFontOn(::GetDlgItem(hwnd, lblTitle), CreateDialogFont(dpi, false, /*bold=*/true));
}

void AboutWindow::OpenMakerPage() const {
    ::ShellExecuteW(Hwnd(), L"open", WideFromUtf8(about_texts::kMakerAddress).c_str(), L"", nullptr,
                    SW_SHOWNORMAL);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case cmdClose:
                case IDOK:  // Enter on the default button
                    Destroy();
                    return 0;
                case cmdHelp:
                    if (onHelp_) {
                        onHelp_();
                    }
                    return 0;
                default:
                    break;
            }
            break;
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lParam) == ::GetDlgItem(Hwnd(), lblTitle)) {
                const auto dc = reinterpret_cast<HDC>(wParam);
                ::SetTextColor(dc, kTitleBlue);
                ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
                return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
            }
            break;
        case WM_CLOSE:
            Destroy();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvane
