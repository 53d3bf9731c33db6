#include "utility/frmUtility.h"

#include "common/CommonResources.h"
#include "common/TextEncoding.h"
#include "common/WindowLayout.h"
#include "common/core/Twips.h"
#include "support/SupportWindow.h"
#include "utility/DriveSurvey.h"
#include "utility/core/UtilityTexts.h"

#include <commctrl.h>
#include <dbt.h>

#include <array>
#include <memory>

namespace corvane::utility {
namespace {

constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kListStyle = WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER;

// In tab order: the list first, so that the arrows pick a drive at once; Enter formats it.
constexpr std::array<ControlSpec, 8> kControls = {{
    {frmUtility::lstDrives, "SysListView32", "", kListStyle, WS_EX_CLIENTEDGE, {180, 480, 8340, 2520}},
    {frmUtility::cmdFormat,
     "BUTTON",
     texts::kFormat,
     WS_TABSTOP | BS_DEFPUSHBUTTON,
     0,
     {180, 4080, 1335, 375}},
    {frmUtility::cmdRefresh, "BUTTON", texts::kRefresh, kButtonStyle, 0, {1635, 4080, 1215, 375}},
    {frmUtility::cmdHelp, "BUTTON", texts::kHelp, kButtonStyle, 0, {2970, 4080, 1215, 375}},
    {frmUtility::cmdAbout, "BUTTON", texts::kAbout, kButtonStyle, 0, {4305, 4080, 1215, 375}},
    {frmUtility::cmdClose, "BUTTON", texts::kClose, kButtonStyle, 0, {7305, 4080, 1215, 375}},
    {frmUtility::lblInstruction,
     "STATIC",
     texts::kInstruction,
     SS_LEFT | SS_NOPREFIX,
     0,
     {180, 180, 8340, 255}},
    {frmUtility::lblState, "STATIC", "", SS_LEFT | SS_NOPREFIX, 0, {180, 3120, 8340, 870}},
}};

struct Column {
    const char* title;
    int widthTwips;
    std::string DriveRowTexts::*text;
};

constexpr std::array<Column, 6> kColumns = {{
    {texts::kColumnDrive, 700, &DriveRowTexts::drive},
    {texts::kColumnLabel, 1740, &DriveRowTexts::label},
    {texts::kColumnFileSystem, 1140, &DriveRowTexts::fileSystem},
    {texts::kColumnSize, 1080, &DriveRowTexts::size},
    {texts::kColumnFree, 1080, &DriveRowTexts::free},
    {texts::kColumnState, 2500, &DriveRowTexts::state},
}};

void SetCellText(HWND list, int row, int column, const std::string& text) {
    std::wstring wide = WideFromUtf8(text);
    LVITEMW item{};
    item.iSubItem = column;
    item.pszText = wide.data();
    ::SendMessageW(list, LVM_SETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

void AddRow(HWND list, int row, const DriveFacts& drive) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    item.lParam = drive.letter;
    ::SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
    const DriveRowTexts texts = RowTexts(drive);
    for (std::size_t column = 0; column < kColumns.size(); ++column) {
        SetCellText(list, row, static_cast<int>(column), texts.*kColumns[column].text);
    }
}

int SelectedRow(HWND list) {
    return static_cast<int>(::SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void SelectRow(HWND list, int row) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
    ::SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

}  // namespace

frmUtility::frmUtility(FormatSetup setup, std::function<void()> onClosed)
    : ToolWindow(std::move(onClosed)), setup_(std::move(setup)) {}

std::span<const ControlSpec> frmUtility::Controls() {
    return kControls;
}

void frmUtility::OnCreate() {
    const HWND hwnd = Hwnd();
    for (const ControlSpec& control : kControls) {
        CreateChild(hwnd, control, Dpi());
    }
    const HWND list = ::GetDlgItem(hwnd, lstDrives);
    ::SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_FULLROWSELECT | LVS_EX_DOUBLEBUFFER);
    AddColumns(list);
    RefreshDrives();
    // It works on the drive it runs from unless the user picks another.
    if (const auto own = DriveLetterOf(setup_.programPath); !own || !SelectDrive(*own)) {
        if (!rows_.empty()) {
            SelectRow(list, 0);
        }
    }
    ::SetFocus(list);
}

void frmUtility::AddColumns(HWND list) {
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        std::wstring title = WideFromUtf8(kColumns[i].title);
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_SUBITEM;  // widths follow the DPI in LayoutOwn
        column.pszText = title.data();
        column.iSubItem = static_cast<int>(i);
        ::SendMessageW(list, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
}

void frmUtility::LayoutOwn(int dpi) {
    const HWND list = ::GetDlgItem(Hwnd(), lstDrives);
    for (std::size_t i = 0; i < kColumns.size(); ++i) {
        ::SendMessageW(list, LVM_SETCOLUMNWIDTH, i, TwipsToPixels(kColumns[i].widthTwips, dpi));
    }
}

void frmUtility::RefreshDrives() {
    const std::optional<char> selected = SelectedDrive();
    rows_ = ListedDrives(SurveyDrives(setup_.programPath));
    const HWND list = ::GetDlgItem(Hwnd(), lstDrives);
    ::SendMessageW(list, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        AddRow(list, static_cast<int>(row), rows_[row]);
    }
    ::SendMessageW(list, WM_SETREDRAW, TRUE, 0);
    if (!selected || !SelectDrive(*selected)) {
        ShowSelectedState();
    }
}

std::optional<char> frmUtility::SelectedDrive() const {
    const int row = SelectedRow(::GetDlgItem(Hwnd(), lstDrives));
    if (row < 0 || static_cast<std::size_t>(row) >= rows_.size()) {
        return std::nullopt;
    }
    return rows_[static_cast<std::size_t>(row)].letter;
}

bool frmUtility::SelectDrive(char letter) {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].letter == letter) {
            SelectRow(::GetDlgItem(Hwnd(), lstDrives), static_cast<int>(row));
            ShowSelectedState();
            return true;
        }
    }
    return false;
}

void frmUtility::ShowSelectedState() {
    std::string state;
    if (rows_.empty()) {
        state = texts::kNoDrives;
    } else if (const auto letter = SelectedDrive()) {
        for (const DriveFacts& drive : rows_) {
            if (drive.letter == *letter) {
                const FormatRefusal refusal = WhyNotFormat(drive);
                state = refusal == FormatRefusal::None ? RowTexts(drive).drive + texts::kReadyHint
                                                       : RefusalMessage(refusal, drive.letter);
            }
        }
    }
    support::SetControlText(Hwnd(), lblState, state);
}

void frmUtility::OnFormat() {
    if (formatting_) {
        return;
    }
    const std::optional<char> letter = SelectedDrive();
    if (!letter) {
        Say(rows_.empty() ? texts::kNoDrives : texts::kChooseDrive, MB_OK | MB_ICONINFORMATION);
        return;
    }
    {
        // Cleared however the run ends: a flag left set would keep the window from ever closing.
        const std::unique_ptr<bool, void (*)(bool*)> busy(&formatting_, [](bool* flag) { *flag = false; });
        formatting_ = true;
        lastRun_ = RunFormat(Hwnd(), *letter, setup_);
    }
    RefreshDrives();
}

void frmUtility::OnCommand(int id) {
    if (id == cmdFormat) {
        OnFormat();
    } else if (id == cmdRefresh) {
        RefreshDrives();
    }
}

void frmUtility::OnNotify(const NMHDR& header) {
    if (header.idFrom == lstDrives && header.code == LVN_ITEMCHANGED) {
        ShowSelectedState();
    }
}

bool frmUtility::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    // A stick put in or pulled out: the list follows (not while a format runs: its report refreshes
    // the list when it is done).
    if (message != WM_DEVICECHANGE) {
        return false;
    }
    if ((wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE) && !formatting_) {
        RefreshDrives();
    }
    result = TRUE;
    return true;
}

}  // namespace corvane::utility
