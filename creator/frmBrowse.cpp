#include "creator/frmBrowse.h"

#include "common/CommonResources.h"
#include "common/DroppedFiles.h"
#include "common/MessageLoop.h"
#include "common/ProgramWindow.h"
#include "common/RunningFlag.h"
#include "common/TextEncoding.h"
#include "common/ToolTip.h"
#include "common/WindowLayout.h"
#include "common/WindowText.h"
#include "common/core/DriveFiles.h"
#include "common/core/Twips.h"
#include "creator/Artwork.h"
#include "creator/BrowseFldrXP.h"
#include "creator/ExamplePictures.h"
#include "creator/core/CreatorTexts.h"
#include "creator/core/DriveLayout.h"

#include <commctrl.h>
#include <shellapi.h>

namespace corvane::creator {
namespace {

constexpr int kClientWidth = 6660;  // twips
constexpr int kClientHeight = 4095;
constexpr TwipsRect kWhitePanel{0, 0, 1455, 4095};
constexpr TwipsRect kWhiteStrip{1455, 0, 5280, 855};
constexpr TwipsRect kProgramPicture{5760, 45, 720, 720};
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kStatusBlue = RGB(0, 0, 255);
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kEditStyle = WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kDefaultButtonStyle = WS_TABSTOP | BS_DEFPUSHBUTTON;
constexpr DWORD kWhatsThisStyle = SS_OWNERDRAW | SS_NOTIFY;

// In tab order: the boxes and buttons first, then the labels and pictures, which take no focus; the
// links of the white panel (kLinks), created last, follow them.
constexpr std::array<ControlSpec, 16> kControls = {{
    {frmBrowse::txtAction, "EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, {2040, 1800, 3855, 285}},
    {frmBrowse::txtMyComp, "EDIT", "", kEditStyle, WS_EX_CLIENTEDGE, {2040, 2640, 3855, 285}},
    {frmBrowse::BrowseFldr, "BUTTON", texts::kSelectUsb, kButtonStyle, 0, {1680, 3600, 1215, 375}},
    // The drive box is filled by "Select USB" or a drop, or clicked into: Tab passes it by.
    {frmBrowse::txtPath, "EDIT", "", ES_AUTOHSCROLL, WS_EX_CLIENTEDGE, {3050, 3645, 495, 285}},
    {frmBrowse::cmdCreate, "BUTTON", texts::kCreateMenu, kDefaultButtonStyle, 0, {3720, 3600, 1215, 375}},
    {frmBrowse::Command1, "BUTTON", texts::kClose, kButtonStyle, 0, {5280, 3600, 1215, 375}},
    // Centred where the layout puts it (1920 + 4125 / 2), wider so that the whole line shows in any
    // dialog font.
    {frmBrowse::Label9, "STATIC", texts::kInstruction, SS_CENTER | SS_NOPREFIX, 0, {1500, 1080, 4965, 195}},
    {frmBrowse::Label1, "STATIC", texts::kActionLabelCaption, SS_LEFT, 0, {2040, 1560, 1815, 195}},
    {frmBrowse::Label2, "STATIC", texts::kVolumeLabelCaption, SS_LEFT, 0, {2040, 2400, 1815, 195}},
    {frmBrowse::lblStatus, "STATIC", "", SS_CENTER | SS_NOPREFIX, 0, {2040, 3120, 3855, 195}},
    {frmBrowse::Image8, "STATIC", "", SS_OWNERDRAW, 0, {1800, 0, 3750, 750}},
    {frmBrowse::SeparatorVertical, "STATIC", "", SS_ETCHEDVERT, 0, {1440, 0, 30, kClientHeight}},
    {frmBrowse::SeparatorHorizontal, "STATIC", "", SS_ETCHEDHORZ, 0, {1455, 855, kClientWidth - 1455, 30}},
    {frmBrowse::Image7, "STATIC", "", SS_ICON | SS_REALSIZECONTROL, 0, kProgramPicture},
    {frmBrowse::Image1, "STATIC", "", kWhatsThisStyle, 0, {6000, 1815, 240, 240}},
    {frmBrowse::Image2, "STATIC", "", kWhatsThisStyle, 0, {6000, 2655, 240, 240}},
}};

struct LinkPlace {
    int id;
    int iconId;
    const char* text;
    TwipsRect label;
    TwipsRect icon;
    art::LinkIcon picture;
};

// The four links of the white panel, each under its 32 by 32 pixel picture.
constexpr std::array<LinkPlace, 4> kLinks = {{
    {frmBrowse::Label4,
     frmBrowse::Icon4,
     texts::kAutorunRepair,
     {120, 840, 1190, 255},
     {487, 240, 480, 480},
     art::LinkIcon::AutorunRepair},
    {frmBrowse::Label5,
     frmBrowse::Icon5,
     texts::kFormatUtility,
     {150, 1760, 1140, 255},
     {487, 1200, 480, 480},
     art::LinkIcon::FormatUtility},
    {frmBrowse::Label6,
     frmBrowse::Icon6,
     texts::kUsbView,
     {165, 2680, 1100, 255},
     {487, 2160, 480, 480},
     art::LinkIcon::UsbView},
    {frmBrowse::Label7,
     frmBrowse::Icon7,
     texts::kHelp,
     {165, 3600, 1100, 255},
     {487, 3120, 480, 480},
     art::LinkIcon::Help},
}};

std::string ControlText(HWND parent, int id) {
    return WindowTextOf(::GetDlgItem(parent, id));
}

RECT PixelRect(const TwipsRect& place, int dpi) {
    const int left = TwipsToPixels(place.left, dpi);
    const int top = TwipsToPixels(place.top, dpi);
    return {left, top, left + TwipsToPixels(place.width, dpi), top + TwipsToPixels(place.height, dpi)};
}

}  // namespace

frmBrowse::frmBrowse(std::string creatorFolder, std::function<void()> onClosed, CreationRunner run)
    : creatorFolder_(std::move(creatorFolder)),
      onClosed_(std::move(onClosed)),
      run_(std::move(run)),
      frmAction_(texts::kActionExampleCaption, 5190, 5415, &DrawActionExample),
      frmMyComp_(texts::kVolumeExampleCaption, 5850, 4530, &DrawVolumeExample),
      miniAbout_([this] { OpenCreatorFile(miniAbout_.Hwnd(), drive::kHelpFile); }) {}

void frmBrowse::ConfigureClass(WNDCLASSEXW& windowClass) {
    windowClass.hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM));
}

bool frmBrowse::Create(int showCommand) {
    if (!CreateWindowObject(WS_EX_ACCEPTFILES | WS_EX_CONTROLPARENT, texts::kProgramTitle, kWindowStyle,
                            CW_USEDEFAULT, CW_USEDEFAULT, 100, 100)) {
        return false;
    }
    SetFixedClientSize(kClientWidth, kClientHeight);
    ShowCentred(Hwnd(), showCommand);
    return true;
}

void frmBrowse::OnCreate() {
    const HWND hwnd = Hwnd();
    toolTip_ = CreateToolTip(hwnd);
    for (const ControlSpec& control : kControls) {
        const HWND child = CreateChild(hwnd, control, Dpi());
        if (control.id == Image1 || control.id == Image2) {
            AddToolTip(toolTip_, hwnd, child, texts::kWhatsThis);
        }
    }
    CreateLinks();
    Layout();
    ::SetFocus(::GetDlgItem(hwnd, txtAction));
}

void frmBrowse::CreateLinks() {
    LinkLabel::Style onWhite;
    onWhite.background = kWhite;
    const std::array<std::function<void()>, 4> actions = {
        [this] { OpenCreatorFile(Hwnd(), drive::kRepairWizardFile); },
        [this] { OpenCreatorFile(Hwnd(), drive::kFormatUtilityFile); },
        [this] { OpenCreatorFile(Hwnd(), drive::kUsbViewFile); },
        [this] { miniAbout_.Show(Hwnd()); },
    };
    for (std::size_t i = 0; i < kLinks.size(); ++i) {
        const LinkPlace& link = kLinks[i];
        CreateChild(Hwnd(), {link.iconId, "STATIC", "", SS_OWNERDRAW, 0, link.icon}, Dpi());
        links_[i].Create(Hwnd(), link.id, link.text, link.label, Dpi(), onWhite, actions[i]);
    }
}

void frmBrowse::Layout() {
    const HWND hwnd = Hwnd();
    const int dpi = Dpi();
    PlaceChildren(hwnd, kControls, dpi);
    for (std::size_t i = 0; i < kLinks.size(); ++i) {
        PlaceChild(::GetDlgItem(hwnd, kLinks[i].iconId), kLinks[i].icon, dpi);
        links_[i].Place(kLinks[i].label, dpi);
    }
    programIcon_ = ShowProgramIcon(::GetDlgItem(hwnd, Image7), kProgramPicture, dpi);
    font_ = WithFontOnChildren(hwnd, CreateDialogFont(dpi));
    ::InvalidateRect(hwnd, nullptr, TRUE);  // the white panels are painted in twips too
}

void frmBrowse::OpenCreatorFile(HWND owner, std::string_view relativePath) const {
    // The shell's answer is not looked at: a missing tool simply does not start.
    ::ShellExecuteW(owner, L"open", WideFromUtf8(SourcePath(creatorFolder_, relativePath)).c_str(), nullptr,
                    nullptr, SW_SHOWNORMAL);
}

void frmBrowse::OnCommand(int id, int notification) {
    switch (id) {
        case cmdCreate:
            OnCreateMenu();
            break;
        case BrowseFldr:
            OnSelectUsb();
            break;
        case Command1:
            OnClose();
            break;
        case Image1:
        case Image2:
            if (notification == STN_CLICKED) {
                (id == Image1 ? frmAction_ : frmMyComp_).Show(Hwnd());
            }
            break;
        default:
            break;
    }
}

void frmBrowse::OnCreateMenu() {
    if (creating_) {  // a click let through by a repaint point of the run in progress
        return;
    }
    {
        // Cleared however the run ends: a flag left set would refuse every later run and every close.
        const RunningFlag running(creating_);
        try {
            run_(creatorFolder_, *this);
        } catch (...) {
            SetStatus({});
            ShowMessage(texts::kRunFailed);
        }
    }
    if (closeRequested_) {
        OnClose();
    }
}

void frmBrowse::OnSelectUsb() {
    if (creating_) {
        return;
    }
    SetChildTextOf(Hwnd(), txtPath, "");
    BrowseFldrXP::BrowseForFolder(Hwnd(), txtPath);
}

void frmBrowse::OnDropFiles(HDROP drop) noexcept {
    // A drop that carries no file (dragged text) changes nothing; of several items the first counts.
    const std::vector<std::string> paths = TakeDroppedPaths(drop);
    if (!paths.empty()) {
        SetChildTextOf(Hwnd(), txtPath, paths.front());
    }
}

void frmBrowse::OnClose() noexcept {
    if (creating_) {
        // The run is waiting in a repaint point on this window's controls: close when it returns.
        closeRequested_ = true;
        return;
    }
    Destroy();
}

void frmBrowse::Paint() noexcept {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    art::Fill(dc, PixelRect(kWhitePanel, Dpi()), kWhite);
    art::Fill(dc, PixelRect(kWhiteStrip, Dpi()), kWhite);
    ::EndPaint(Hwnd(), &paint);
}

LRESULT frmBrowse::OnDrawItem(const DRAWITEMSTRUCT& item) noexcept {
    const RECT& area = item.rcItem;
    const auto id = static_cast<int>(item.CtlID);
    if (id == Image8) {
        art::DrawBanner(item.hDC, area);
    } else if (id == Image1 || id == Image2) {
        art::Fill(item.hDC, area, ::GetSysColor(COLOR_BTNFACE));
        art::DrawWhatsThis(item.hDC, area);
    } else {
        for (const LinkPlace& link : kLinks) {
            if (link.iconId == id) {
                art::Fill(item.hDC, area, kWhite);
                art::DrawLinkIcon(item.hDC, area, link.picture);
            }
        }
    }
    return TRUE;
}

LRESULT frmBrowse::OnColorStatic(HDC dc, HWND control) noexcept {
    const int id = ::GetDlgCtrlID(control);
    if (id == Image7) {  // the program's picture sits on the white strip
        ::SetBkColor(dc, kWhite);
        return reinterpret_cast<LRESULT>(::GetStockObject(WHITE_BRUSH));
    }
    if (id == lblStatus) {
        ::SetTextColor(dc, kStatusBlue);
    }
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

LRESULT frmBrowse::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DRAWITEM:
            return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        case WM_CTLCOLORSTATIC:
            return OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_CLOSE:
            OnClose();
            return 0;
        case WM_DESTROY:
            // Every window of the program goes with this one.
            frmAction_.Destroy();
            frmMyComp_.Destroy();
            miniAbout_.Destroy();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void frmBrowse::OnWindowDestroyed() noexcept {
    if (onClosed_) {
        onClosed_();
    }
}

// The run's view of the window.

void frmBrowse::SetStatus(const std::string& text) {
    SetChildTextOf(Hwnd(), lblStatus, text);
}

void frmBrowse::LetRepaint() {
    PumpPendingMessages();
}

void frmBrowse::ShowMessage(const std::string& text) {
    ShowMessageBox(Hwnd(), text, texts::kProgramTitle, MB_OK | MB_ICONINFORMATION);
}

bool frmBrowse::Confirm(const std::string& question) {
    return ShowMessageBox(Hwnd(), question, texts::kProgramTitle,
                          MB_YESNO | MB_ICONWARNING | MB_DEFBUTTON2) == IDYES;
}

void frmBrowse::FocusActionLabel() {
    ::SetFocus(::GetDlgItem(Hwnd(), txtAction));
}

CreationInputs frmBrowse::CurrentInputs() {
    return {ControlText(Hwnd(), txtPath), ControlText(Hwnd(), txtAction), ControlText(Hwnd(), txtMyComp)};
}

}  // namespace corvane::creator
