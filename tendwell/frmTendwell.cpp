#include "tendwell/frmTendwell.h"

#include "common/CommonResources.h"
#include "common/ProgramWindow.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/WindowLayout.h"
#include "common/core/Twips.h"
#include "tendwell/AutoplayRegistry.h"
#include "tendwell/HelpFile.h"
#include "tendwell/RepairDrive.h"
#include "tendwell/ReportBox.h"
#include "tendwell/core/DriveChoice.h"
#include "tendwell/core/TendwellTexts.h"

#include <commctrl.h>
#include <dbt.h>

#include <algorithm>
#include <array>
#include <stdexcept>

namespace corvane::tendwell {
namespace {

constexpr int kClientWidth = 7800;  // twips
constexpr int kClientHeight = 5895;
constexpr TwipsRect kWhiteStrip{0, 0, kClientWidth, 840};
constexpr TwipsRect kProgramPicture{6960, 60, 720, 720};
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr DWORD kWindowStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kReportStyle = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;
constexpr const char* kWizardHelpPage = "tendwell.html";
constexpr const char* kPrepareHelpPage = "prepare.html";

// In tab order: the page tabs, the controls of both pages (only the shown page's are visible),
// then the buttons every page shares, then what takes no focus.
constexpr std::array<ControlSpec, 16> kControls = {{
    {frmTendwell::tabPages, WC_TABCONTROLA, "", WS_TABSTOP | WS_CLIPSIBLINGS, 0, {120, 960, 7560, 4320}},
    {frmTendwell::txtPcReport, "EDIT", "", kReportStyle, WS_EX_CLIENTEDGE, {240, 1410, 7320, 3240}},
    {frmTendwell::cmdTurnOn, "BUTTON", texts::kTurnOn, kButtonStyle, 0, {240, 4770, 2640, 375}},
    {frmTendwell::lblDrive, "STATIC", texts::kDriveCaption, SS_LEFT, 0, {240, 1455, 600, 255}},
    {frmTendwell::cboDrive,
     "COMBOBOX",
     "",
     WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST,
     0,
     {840, 1410, 3000, 1800}},
    {frmTendwell::cmdCheck, "BUTTON", texts::kCheck, kButtonStyle, 0, {3960, 1395, 1215, 345}},
    {frmTendwell::txtDriveReport, "EDIT", "", kReportStyle, WS_EX_CLIENTEDGE, {240, 1860, 7320, 2790}},
    {frmTendwell::cmdRepair, "BUTTON", texts::kRepair, kButtonStyle, 0, {240, 4770, 1500, 375}},
    {frmTendwell::cmdCreatorHelp, "BUTTON", texts::kCreatorHelp, kButtonStyle, 0, {1860, 4770, 2640, 375}},
    {frmTendwell::cmdHelp, "BUTTON", texts::kHelp, kButtonStyle, 0, {3720, 5400, 1215, 375}},
    {frmTendwell::cmdAbout, "BUTTON", texts::kAbout, kButtonStyle, 0, {5040, 5400, 1215, 375}},
    {frmTendwell::cmdClose, "BUTTON", texts::kClose, kButtonStyle, 0, {6360, 5400, 1215, 375}},
    {frmTendwell::lblHeading, "STATIC", texts::kHeading, SS_LEFT | SS_NOPREFIX, 0, {240, 120, 6000, 330}},
    {frmTendwell::lblSubheading,
     "STATIC",
     texts::kSubheading,
     SS_LEFT | SS_NOPREFIX,
     0,
     {240, 480, 6480, 255}},
    {frmTendwell::Image7, "STATIC", "", SS_ICON | SS_REALSIZECONTROL, 0, kProgramPicture},
    {frmTendwell::SeparatorHorizontal, "STATIC", "", SS_ETCHEDHORZ, 0, {0, 840, kClientWidth, 30}},
}};

constexpr std::array<int, 2> kPcControls = {frmTendwell::txtPcReport, frmTendwell::cmdTurnOn};
constexpr std::array<int, 6> kDriveControls = {frmTendwell::lblDrive,  frmTendwell::cboDrive,
                                               frmTendwell::cmdCheck,  frmTendwell::txtDriveReport,
                                               frmTendwell::cmdRepair, frmTendwell::cmdCreatorHelp};

// Ctrl+Tab and Ctrl+Shift+Tab turn the pages, as in any window with tabs; F1 is help, F5 checks again.
constexpr std::array<ACCEL, 5> kKeys = {{
    {FVIRTKEY | FCONTROL, VK_TAB, frmTendwell::mnuNextPage},
    {FVIRTKEY | FCONTROL | FSHIFT, VK_TAB, frmTendwell::mnuPreviousPage},
    {FVIRTKEY | FCONTROL, VK_NEXT, frmTendwell::mnuNextPage},
    {FVIRTKEY, VK_F1, frmTendwell::cmdHelp},
    {FVIRTKEY, VK_F5, frmTendwell::cmdCheck},
}};

}  // namespace

frmTendwell::frmTendwell(std::string programFolder, std::function<void()> onClosed, HelpOpener openHelp)
    : programFolder_(std::move(programFolder)),
      onClosed_(std::move(onClosed)),
      openHelp_(std::move(openHelp)),
      about_([this] { OpenHelp(kWizardHelpPage); }) {
    if (!openHelp_) {
        openHelp_ = [helpFile = HelpFilePath(programFolder_)](HWND owner, const std::string& page) {
            OpenHelpPage(owner, helpFile, page);
        };
    }
    std::array<ACCEL, kKeys.size()> keys = kKeys;
    accelerators_.reset(::CreateAcceleratorTableW(keys.data(), static_cast<int>(keys.size())));
}

void frmTendwell::ConfigureClass(WNDCLASSEXW& windowClass) {
    windowClass.hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM));
}

bool frmTendwell::Create(int showCommand) {
    if (!CreateWindowObject(WS_EX_CONTROLPARENT, texts::kProgramTitle, kWindowStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, 100, 100)) {
        return false;
    }
    SetFixedClientSize(kClientWidth, kClientHeight);
    ShowCentred(Hwnd(), showCommand);
    return true;
}

void frmTendwell::Layout() {
    const HWND hwnd = Hwnd();
    const int dpi = Dpi();
    PlaceChildren(hwnd, kControls, dpi);
    programIcon_ = ShowProgramIcon(::GetDlgItem(hwnd, Image7), kProgramPicture, dpi);
    font_ = WithFontOnChildren(hwnd, CreateDialogFont(dpi));
    headingFont_ = WithFontOn(::GetDlgItem(hwnd, lblHeading), CreateDialogFont(dpi, false, /*bold=*/true));
    ::InvalidateRect(hwnd, nullptr, TRUE);  // the white strip is painted in twips too
}

void frmTendwell::OnCreate() {
    const HWND hwnd = Hwnd();
    white_.reset(::CreateSolidBrush(kWhite));
    for (const ControlSpec& control : kControls) {
        const HWND child = CreateChild(hwnd, control, Dpi());
        if (child == nullptr) {
            throw std::runtime_error("control not created");
        }
        if (control.id == txtPcReport || control.id == txtDriveReport) {
            MakeReportBox(child);
        }
    }
    Layout();
    CreateTabs();
    RefreshPcPage();
    FillDriveList();
    if (!inspection_) {
        // Run from a fixed drive, a share or a drive that went: say why nothing was checked.
        const std::string ownRoot = DriveRootOf(programFolder_);
        const auto refusal = ownRoot.empty() ? std::nullopt : DriveRefusal(ownRoot);
        const bool anyDrive = ::SendMessageW(::GetDlgItem(hwnd, cboDrive), CB_GETCOUNT, 0, 0) > 0;
        SetDriveReport(refusal ? *refusal : anyDrive ? texts::kPickDrive : texts::kNoRemovableDrives);
    }
    ShowPage(PcPage);
    ::SetFocus(::GetDlgItem(hwnd, tabPages));
}

void frmTendwell::CreateTabs() {
    const HWND tabs = ::GetDlgItem(Hwnd(), tabPages);
    int index = 0;
    for (const char* caption : {texts::kPcPage, texts::kDrivePage}) {
        std::wstring text = WideFromUtf8(caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = text.data();
        ::SendMessageW(tabs, TCM_INSERTITEMW, static_cast<WPARAM>(index++), reinterpret_cast<LPARAM>(&item));
    }
}

void frmTendwell::ShowPage(Page page) {
    page_ = page;
    ::SendMessageW(::GetDlgItem(Hwnd(), tabPages), TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    for (const int id : kPcControls) {
        ::ShowWindow(::GetDlgItem(Hwnd(), id), page == PcPage ? SW_SHOW : SW_HIDE);
    }
    for (const int id : kDriveControls) {
        ::ShowWindow(::GetDlgItem(Hwnd(), id), page == DrivePage ? SW_SHOW : SW_HIDE);
    }
}

// The PC page.

AutoplayReport frmTendwell::CurrentAutoplay() const {
    std::uint32_t removableLetters = 0;
    for (const std::string& root : RemovableDriveRoots()) {
        removableLetters |= 1u << static_cast<unsigned>(root[0] - 'A');
    }
    return DescribeAutoplay(ReadAutoplaySettings(), removableLetters);
}

void frmTendwell::RefreshPcPage() {
    const AutoplayReport report = CurrentAutoplay();
    SetText(txtPcReport, AutoplayReportText(report));
    ::EnableWindow(::GetDlgItem(Hwnd(), cmdTurnOn), report.turnOn.empty() ? FALSE : TRUE);
}

void frmTendwell::OnTurnOn() {
    const AutoplayReport report = CurrentAutoplay();
    if (report.turnOn.empty() || !Confirm(TurnOnQuestion(report.turnOn))) {
        return;
    }
    std::string failures;
    for (const UserValueChange& change : report.turnOn) {
        if (const DWORD error = ApplyUserValueChange(change); error != ERROR_SUCCESS) {
            failures += texts::kBullet + change.description + texts::kErrorSeparator +
                        SystemErrorText(error) + "\r\n";
        }
    }
    RefreshPcPage();
    ::SetFocus(::GetDlgItem(Hwnd(), txtPcReport));  // the button goes grey: the report says what is on now
    const std::string message =
        failures.empty() ? texts::kTurnOnDone : texts::kTurnOnFailed + ("\r\n\r\n" + failures);
    ::MessageBoxW(Hwnd(), WideFromUtf8(message).c_str(), WideFromUtf8(texts::kProgramTitle).c_str(),
                  UINT{MB_OK} | (failures.empty() ? UINT{MB_ICONINFORMATION} : UINT{MB_ICONWARNING}));
}

// The drive page.

void frmTendwell::FillDriveList() {
    const HWND list = ::GetDlgItem(Hwnd(), cboDrive);
    // The drive shown stays chosen while it is there; at first, the wizard's own drive.
    const std::string keep = inspection_ ? inspection_->root : DriveRootOf(programFolder_);
    ::SendMessageW(list, CB_RESETCONTENT, 0, 0);
    const std::vector<std::string> roots = RemovableDriveRoots();
    for (const std::string& root : roots) {
        ::SendMessageW(
            list, CB_ADDSTRING, 0,
            reinterpret_cast<LPARAM>(WideFromUtf8(DriveListText(root, VolumeLabelOf(root))).c_str()));
    }
    const auto kept = std::find(roots.begin(), roots.end(), keep);
    if (kept == roots.end()) {
        if (inspection_) {
            // The drive checked is gone: its list of repairs must not be carried out on another.
            inspection_.reset();
            SetDriveReport(*RefusalText(keep, DriveVerdict::Unavailable));
        }
        return;
    }
    ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(kept - roots.begin()), 0);
    // Checked afresh, at start and whenever a device came or went: the letter may now hold another
    // stick, or none (a card reader keeps its letter without its card).
    CheckDrive(keep);
}

std::string frmTendwell::SelectedRoot() const {
    const HWND list = ::GetDlgItem(Hwnd(), cboDrive);
    const LRESULT index = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    if (index == CB_ERR) {
        return {};
    }
    const LRESULT length = ::SendMessageW(list, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    std::wstring text(static_cast<std::size_t>(std::max<LRESULT>(length, 0)) + 1, L'\0');
    ::SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    return DriveRootOf(Utf8FromWide(text));
}

void frmTendwell::CheckDrive(const std::string& root) {
    if (root.empty()) {
        return;
    }
    inspection_ = InspectDrive(root);
    SetDriveReport(inspection_->refusal ? *inspection_->refusal : CheckReportText(root, inspection_->check));
}

void frmTendwell::SetDriveReport(const std::string& text) {
    SetText(txtDriveReport, text);
    const bool repairable = inspection_ && !inspection_->refusal && !inspection_->check.steps.empty();
    ::EnableWindow(::GetDlgItem(Hwnd(), cmdRepair), repairable ? TRUE : FALSE);
}

void frmTendwell::OnRepair() {
    if (!inspection_ || inspection_->refusal || inspection_->check.steps.empty() ||
        !Confirm(RepairQuestion(inspection_->root, inspection_->check.steps))) {
        return;
    }
    const RepairOutcome outcome = RepairDrive(*inspection_);
    // The Repair button goes grey with the keyboard focus on it: the report, which says what happened,
    // takes the focus instead.
    ::SetFocus(::GetDlgItem(Hwnd(), txtDriveReport));
    if (outcome.refusal) {
        inspection_.reset();
        SetDriveReport(*outcome.refusal);
        return;
    }
    const std::string results =
        RepairResultsText(inspection_->root, inspection_->check.steps, outcome.outcomes);
    CheckDrive(inspection_->root);
    const std::string again =
        inspection_->refusal ? *inspection_->refusal : CheckReportText(inspection_->root, inspection_->check);
    SetDriveReport(results + "\r\n" + texts::kCheckedAgain + "\r\n" + again);
}

// Shared.

void frmTendwell::OpenHelp(const char* page) {
    openHelp_(Hwnd(), page);
}

bool frmTendwell::Confirm(const std::string& question) {
    return ::MessageBoxW(Hwnd(), WideFromUtf8(question).c_str(), WideFromUtf8(texts::kProgramTitle).c_str(),
                         MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void frmTendwell::SetText(int id, const std::string& text) {
    ::SetWindowTextW(::GetDlgItem(Hwnd(), id), WideFromUtf8(text).c_str());
}

void frmTendwell::OnCommand(int id, int notification) {
    switch (id) {
        case mnuNextPage:
        case mnuPreviousPage:  // two pages: either way turns to the other one
            ShowPage(page_ == PcPage ? DrivePage : PcPage);
            break;
        case cmdTurnOn:
            OnTurnOn();
            break;
        case cboDrive:
            if (notification == CBN_SELCHANGE) {
                CheckDrive(SelectedRoot());
            }
            break;
        case cmdCheck:
            RefreshPcPage();
            CheckDrive(SelectedRoot());
            break;
        case cmdRepair:
            OnRepair();
            break;
        case cmdCreatorHelp:
            OpenHelp(kPrepareHelpPage);
            break;
        case cmdHelp:
            OpenHelp(kWizardHelpPage);
            break;
        case cmdAbout:
            about_.Show(Hwnd());
            break;
        case cmdClose:
            Destroy();
            break;
        default:
            break;
    }
}

LRESULT frmTendwell::OnNotify(const NMHDR& header) {
    if (header.idFrom == tabPages && header.code == TCN_SELCHANGE) {
        const LRESULT selected = ::SendMessageW(header.hwndFrom, TCM_GETCURSEL, 0, 0);
        ShowPage(selected == DrivePage ? DrivePage : PcPage);
    }
    return 0;
}

LRESULT frmTendwell::OnColorStatic(HDC dc, HWND control) noexcept {
    const int id = ::GetDlgCtrlID(control);
    // The header sits on the white strip; the reports read like documents, on white too.
    if (id == lblHeading || id == lblSubheading || id == Image7 || id == txtPcReport ||
        id == txtDriveReport) {
        ::SetBkColor(dc, kWhite);
        return reinterpret_cast<LRESULT>(white_.get());
    }
    ::SetBkColor(dc, ::GetSysColor(COLOR_BTNFACE));
    return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_BTNFACE));
}

void frmTendwell::Paint() noexcept {
    PAINTSTRUCT paint{};
    const HDC dc = ::BeginPaint(Hwnd(), &paint);
    const RECT strip{0, 0, TwipsToPixels(kWhiteStrip.width, Dpi()), TwipsToPixels(kWhiteStrip.height, Dpi())};
    ::FillRect(dc, &strip, white_.get());
    ::EndPaint(Hwnd(), &paint);
}

LRESULT frmTendwell::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case WM_COMMAND:
            OnCommand(LOWORD(wParam), HIWORD(wParam));
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_CTLCOLORSTATIC:
            return OnColorStatic(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
        case WM_PAINT:
            Paint();
            return 0;
        case WM_DEVICECHANGE:
            // A stick put in or pulled out: the list follows, and so do the letters AutoPlay may skip.
            if (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE) {
                RefreshPcPage();
                FillDriveList();
            }
            return TRUE;
        case WM_DESTROY:
            about_.Destroy();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

void frmTendwell::OnWindowDestroyed() noexcept {
    if (onClosed_) {
        onClosed_();
    }
}

}  // namespace corvane::tendwell
