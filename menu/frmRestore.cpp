#include "menu/frmRestore.h"

#include "common/TextEncoding.h"
#include "common/WindowLayout.h"
#include "common/WindowText.h"
#include "common/core/Twips.h"
#include "menu/ListViewCells.h"
#include "menu/core/MenuTexts.h"

#include <commctrl.h>

#include <array>
#include <string>

namespace corvane::menu {
namespace {

constexpr int kClientWidth = 5400;  // twips
constexpr int kClientHeight = 3960;
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kListStyle = LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | WS_TABSTOP;
constexpr int kSavedColumnWidth = 3300;  // twips
constexpr int kEntriesColumnWidth = 1500;

// In tab order: the list first, so that the arrows pick a version at once and Enter restores it.
const std::array<ControlSpec, 4> kControls = {{
    {frmRestore::lblHint, "STATIC", texts::kRestoreHint, SS_LEFT | SS_NOPREFIX, 0, {240, 180, 4920, 615}},
    {frmRestore::lstVersions, WC_LISTVIEWA, "", kListStyle, WS_EX_CLIENTEDGE, {240, 855, 4920, 2280}},
    {frmRestore::cmdRestore,
     "BUTTON",
     texts::kRestoreButton,
     WS_TABSTOP | BS_DEFPUSHBUTTON,
     0,
     {2220, 3375, 1455, 350}},
    {frmRestore::cmdCancel,
     "BUTTON",
     texts::kCancelButton,
     WS_TABSTOP | BS_PUSHBUTTON,
     0,
     {3705, 3375, 1455, 350}},
}};

}  // namespace

void frmRestore::Show(HWND owner, std::vector<KeptVersion> versions) {
    if (IsOpen()) {
        ::SetForegroundWindow(Hwnd());
        return;
    }
    versions_ = std::move(versions);
    owner_ = owner;
    // Made on the monitor of the menu window, at its DPI, and centred there.
    const POINT at = OpeningPointNear(owner);
    if (!CreateWindowObject(WS_EX_CONTROLPARENT | WS_EX_DLGMODALFRAME, texts::kRestoreCaption, kStyle, at.x,
                            at.y, 100, 100, owner)) {
        return;
    }
    SetFixedClientSize(kClientWidth, kClientHeight);
    FillList();
    CentreOnScreen(Hwnd());
    ::EnableWindow(owner_, FALSE);
    ::ShowWindow(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
    ::SetFocus(list_);
}

void frmRestore::OnCreate() {
    for (const ControlSpec& control : kControls) {
        CreateChild(Hwnd(), control, Dpi());
    }
    list_ = ::GetDlgItem(Hwnd(), lstVersions);
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    InsertColumn(list_, 0, texts::kColumnSaved, kSavedColumnWidth, Dpi());
    InsertColumn(list_, 1, texts::kColumnEntries, kEntriesColumnWidth, Dpi(), LVCFMT_RIGHT);
    Layout();
}

void frmRestore::Layout() {
    PlaceChildren(Hwnd(), kControls, Dpi());
    font_ = WithFontOnChildren(Hwnd(), CreateDialogFont(Dpi()));
    ListView_SetColumnWidth(list_, 0, TwipsToPixels(kSavedColumnWidth, Dpi()));
    ListView_SetColumnWidth(list_, 1, TwipsToPixels(kEntriesColumnWidth, Dpi()));
}

void frmRestore::FillList() {
    for (std::size_t index = 0; index < versions_.size(); ++index) {
        std::wstring saved = WideFromUtf8(SavedTimeText(versions_[index].version.saved));
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = static_cast<int>(index);
        item.pszText = saved.data();
        const auto row =
            static_cast<int>(::SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        SetCell(list_, row, 1, std::to_string(versions_[index].entries));
    }
    // The newest is chosen to begin with: the one most often wanted back.
    LVITEMW state{};
    state.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    state.state = LVIS_SELECTED | LVIS_FOCUSED;
    ::SendMessageW(list_, LVM_SETITEMSTATE, 0, reinterpret_cast<LPARAM>(&state));
}

void frmRestore::Restore() {
    const LRESULT row = ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED);
    if (row < 0 || static_cast<std::size_t>(row) >= versions_.size()) {
        return;
    }
    const ListVersion chosen = versions_[static_cast<std::size_t>(row)].version;
    Close();  // the menu window is enabled again before it changes its list
    onChosen_(chosen);
}

void frmRestore::Close() noexcept {
    // Enabled before this window goes, so that Windows gives the activation back to the menu.
    ::EnableWindow(owner_, TRUE);
    Destroy();
}

void frmRestore::OnWindowDestroyed() noexcept {
    ::EnableWindow(owner_, TRUE);
    owner_ = nullptr;
    list_ = nullptr;
    versions_.clear();
}

LRESULT frmRestore::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case DM_GETDEFID:  // Enter, through the message loop's dialog handling, presses Restore
            return MAKELRESULT(cmdRestore, DC_HASDEFID);
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case cmdRestore:
                case IDOK:
                    Restore();
                    return 0;
                case cmdCancel:
                case IDCANCEL:  // Escape
                    Close();
                    return 0;
                default:
                    return 0;
            }
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom == lstVersions && header.code == NM_DBLCLK) {
                Restore();
            }
            return 0;
        }
        case WM_CLOSE:
            Close();
            return 0;
        default:
            return DefaultHandling(message, wParam, lParam);
    }
}

}  // namespace corvane::menu
