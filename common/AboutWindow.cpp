#include "common/AboutWindow.h"

#include "common/CommonResources.h"
#include "common/ToolTip.h"
#include "common/core/Version.h"

#include <shellapi.h>

namespace corvane {
namespace {

constexpr int kClientWidth = 4305;  // twips
constexpr int kClientHeight = 3075;
constexpr COLORREF kTitleBlue = RGB(0, 0, 192);
constexpr DWORD kWindowStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;  // no clipping: the frame is see-through

}  // namespace

AboutWindow::AboutWindow(std::function<void()> onHelp) : onHelp_(std::move(onHelp)) {}

std::string AboutWindow::TitleText() {
    return std::string(CORVANE_PRODUCT_NAME) + about_texts::kVersionLeadIn + std::to_string(CORVANE_VERSION_MAJOR) +
           "." + std::to_string(CORVANE_VERSION_MINOR) + "." + std::to_string(CORVANE_VERSION_REVISION);
}

void AboutWindow::Show() {
    if (!IsOpen()) {
        hiddenOwner_.reset(::CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                             ::GetModuleHandleA(nullptr), nullptr));
        const std::string caption = std::string(about_texts::kCaptionPrefix) + CORVANE_PRODUCT_NAME;
        if (!CreateWindowObject(WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, caption.c_str(), kWindowStyle,
                                CW_USEDEFAULT, CW_USEDEFAULT, 100, 100, hiddenOwner_.get())) {
            return;
        }
        const int dpi = WindowDpi(Hwnd());
        SetClientSizeTwips(Hwnd(), kClientWidth, kClientHeight, dpi);
        CreateControls();
        CentreOnScreen(Hwnd());
    }
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
}

void AboutWindow::Close() {
    if (IsOpen()) {
        ::DestroyWindow(Hwnd());
    }
}

void AboutWindow::CreateControls() {
    const HWND hwnd = Hwnd();
    const int dpi = WindowDpi(hwnd);
    font_ = CreateDialogFont(dpi);
    titleFont_ = CreateDialogFont(dpi, false, /*bold=*/true);

    CreateChild(hwnd, "STATIC", TitleText().c_str(), SS_CENTER | SS_NOPREFIX, 0, {240, 240, 3825, 300}, lblTitle,
                dpi);
    makerLink_.Create(hwnd, Label2, about_texts::kMakerLink, {240, 660, 3825, 255}, dpi, {},
                      [this] { OpenMakerPage(); });
    // The tip window is owned by the about window and goes with it.
    AddToolTip(CreateToolTip(hwnd), hwnd, makerLink_.Hwnd(), about_texts::kMakerLinkTip);
    CreateChild(hwnd, "BUTTON", "", BS_GROUPBOX, 0, {240, 1020, 3825, 1395}, fraDisclaimer, dpi);
    CreateChild(hwnd, "STATIC", about_texts::kDisclaimer, SS_LEFT | SS_NOPREFIX, 0, {390, 1260, 3525, 1035},
                lblDisclaimer, dpi);
    const bool withHelp = static_cast<bool>(onHelp_);
    if (withHelp) {
        CreateChild(hwnd, "BUTTON", about_texts::kHelp, BS_PUSHBUTTON | WS_TABSTOP, 0, {1665, 2580, 1140, 360},
                    cmdHelp, dpi);
    }
    const HWND close = CreateChild(hwnd, "BUTTON", about_texts::kClose, BS_DEFPUSHBUTTON | WS_TABSTOP, 0,
                                   {2925, 2580, 1140, 360}, cmdClose, dpi);
    ApplyFontToChildren(hwnd, font_.get());
    ::SendDlgItemMessageA(hwnd, lblTitle, WM_SETFONT, reinterpret_cast<WPARAM>(titleFont_.get()), TRUE);
    ::SetFocus(close);
}

void AboutWindow::OpenMakerPage() const {
    ::ShellExecuteA(Hwnd(), "open", about_texts::kMakerAddress, "", nullptr, SW_SHOWNORMAL);
}

LRESULT AboutWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case cmdClose:
                case IDOK:  // Enter on the default button
                    Close();
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
            Close();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvane
