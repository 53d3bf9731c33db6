#include "usbview/frmUsbView.h"

#include "common/CommonResources.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/WindowLayout.h"
#include "support/SupportWindow.h"
#include "usbview/Clipboard.h"
#include "usbview/core/UsbViewTexts.h"

#include <commctrl.h>
#include <dbt.h>

namespace corvane::usbview {
namespace {

constexpr UINT_PTR kRefreshTimer = 1;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kTreeStyle =
    WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS | TVS_DISABLEDRAGDROP;
constexpr DWORD kDetailsStyle = WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL;

// In tab order; each caption comes just before the control its mnemonic moves to.
constexpr std::array<ControlSpec, 10> kControls = {{
    {frmUsbView::lblTree, "STATIC", texts::kTreeCaption, SS_LEFT, 0, {180, 150, 5400, 255}},
    {frmUsbView::tvDevices, "SysTreeView32", "", kTreeStyle, WS_EX_CLIENTEDGE, {180, 420, 5400, 4260}},
    {frmUsbView::lblDetails, "STATIC", texts::kDetailsCaption, SS_LEFT, 0, {5760, 150, 3660, 255}},
    {frmUsbView::txtDetails, "EDIT", "", kDetailsStyle, WS_EX_CLIENTEDGE, {5760, 420, 3660, 4260}},
    {frmUsbView::cmdCopy, "BUTTON", texts::kCopy, WS_TABSTOP | BS_DEFPUSHBUTTON, 0, {180, 5130, 1455, 375}},
    {frmUsbView::cmdRefresh, "BUTTON", texts::kRefresh, kButtonStyle, 0, {1755, 5130, 1215, 375}},
    {frmUsbView::cmdHelp, "BUTTON", texts::kHelp, kButtonStyle, 0, {3090, 5130, 1215, 375}},
    {frmUsbView::cmdAbout, "BUTTON", texts::kAbout, kButtonStyle, 0, {4425, 5130, 1215, 375}},
    {frmUsbView::cmdClose, "BUTTON", texts::kClose, kButtonStyle, 0, {8205, 5130, 1215, 375}},
    {frmUsbView::lblStatus, "STATIC", "", SS_LEFT | SS_NOPREFIX, 0, {180, 4800, 9240, 255}},
}};

HTREEITEM InsertItem(HWND tree, HTREEITEM parent, const std::string& text, std::size_t record) {
    std::wstring wide = WideFromUtf8(text);
    TVINSERTSTRUCTW insert{};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_PARAM;
    insert.item.pszText = wide.data();
    insert.item.lParam = static_cast<LPARAM>(record);
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
}

std::optional<std::size_t> RecordOfItem(HWND tree, HTREEITEM item) {
    if (item == nullptr) {
        return std::nullopt;
    }
    TVITEMW data{};
    data.mask = TVIF_PARAM;
    data.hItem = item;
    if (!::SendMessageW(tree, TVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&data))) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(data.lParam);
}

// Calls `visit` for every item below `item` (the whole tree for TVI_ROOT) until it says stop (true).
bool FindItem(HWND tree, HTREEITEM parent, const std::function<bool(HTREEITEM)>& visit) {
    const auto first = static_cast<WPARAM>(parent == TVI_ROOT ? TVGN_ROOT : TVGN_CHILD);
    for (auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(
             tree, TVM_GETNEXTITEM, first, reinterpret_cast<LPARAM>(parent == TVI_ROOT ? nullptr : parent)));
         item != nullptr; item = reinterpret_cast<HTREEITEM>(::SendMessageW(
                              tree, TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)))) {
        if (visit(item) || FindItem(tree, item, visit)) {
            return true;
        }
    }
    return false;
}

}  // namespace

frmUsbView::frmUsbView(DeviceSource source, std::function<void()> onClosed)
    : ToolWindow(std::move(onClosed)), source_(std::move(source)) {}

std::span<const ControlSpec> frmUsbView::Controls() {
    return kControls;
}

void frmUsbView::OnCreate() {
    const HWND hwnd = Hwnd();
    for (const ControlSpec& control : kControls) {
        CreateChild(hwnd, control, Dpi());
    }
    ListenForDevices();
    RefreshDevices();
    ::SetFocus(::GetDlgItem(hwnd, tvDevices));
}

void frmUsbView::ListenForDevices() {
    const std::array<GUID, 2> interfaces = {kUsbDeviceInterface, kUsbHubInterface};
    for (std::size_t i = 0; i < interfaces.size(); ++i) {
        DEV_BROADCAST_DEVICEINTERFACE_W filter{};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = interfaces[i];
        // Without the registration the window still hears of drives and of DBT_DEVNODES_CHANGED.
        notifications_[i].reset(::RegisterDeviceNotificationW(Hwnd(), &filter, DEVICE_NOTIFY_WINDOW_HANDLE));
    }
}

void frmUsbView::RefreshDevices() {
    const std::optional<std::size_t> selected = SelectedDevice();
    const std::string selectedId = selected ? records_[*selected].instanceId : std::string();
    records_ = source_ ? source_() : std::vector<DeviceRecord>{};
    FillTree();
    if (selectedId.empty() || !SelectDevice(selectedId)) {
        const HWND tree = ::GetDlgItem(Hwnd(), tvDevices);
        ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, ::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0));
    }
    ShowSelectedDetails();
    SetStatus(records_.empty() ? std::string(texts::kNoDevices)
                               : std::to_string(records_.size()) + texts::kCounts);
}

void frmUsbView::FillTree() {
    const HWND tree = ::GetDlgItem(Hwnd(), tvDevices);
    const DeviceTree shape = BuildTree(records_);
    ::SendMessageW(tree, WM_SETREDRAW, FALSE, 0);
    ::SendMessageW(tree, TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    const auto insert = [&](const auto& self, HTREEITEM parent, std::size_t node) -> void {
        const HTREEITEM item = InsertItem(tree, parent, NodeLabel(records_[node]), node);
        for (const std::size_t child : shape.nodes[node].children) {
            self(self, item, child);
        }
        ::SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
    };
    for (const std::size_t root : shape.roots) {
        insert(insert, TVI_ROOT, root);
    }
    ::SendMessageW(tree, WM_SETREDRAW, TRUE, 0);
}

std::optional<std::size_t> frmUsbView::SelectedDevice() const {
    const HWND tree = ::GetDlgItem(Hwnd(), tvDevices);
    const auto item = reinterpret_cast<HTREEITEM>(::SendMessageW(tree, TVM_GETNEXTITEM, TVGN_CARET, 0));
    const std::optional<std::size_t> record = RecordOfItem(tree, item);
    return record && *record < records_.size() ? record : std::nullopt;
}

bool frmUsbView::SelectDevice(const std::string& instanceId) {
    const HWND tree = ::GetDlgItem(Hwnd(), tvDevices);
    return FindItem(tree, TVI_ROOT, [&](HTREEITEM item) {
        const std::optional<std::size_t> record = RecordOfItem(tree, item);
        if (!record || *record >= records_.size() || records_[*record].instanceId != instanceId) {
            return false;
        }
        ::SendMessageW(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
        return true;
    });
}

void frmUsbView::ShowSelectedDetails() {
    const std::optional<std::size_t> selected = SelectedDevice();
    support::SetControlText(Hwnd(), txtDetails, selected ? DetailsText(records_[*selected]) : std::string());
}

void frmUsbView::SetStatus(const std::string& text) {
    support::SetControlText(Hwnd(), lblStatus, text);
}

void frmUsbView::OnCopy() {
    const std::optional<std::size_t> selected = SelectedDevice();
    if (!selected) {
        Say(texts::kNothingSelected, MB_OK | MB_ICONINFORMATION);
        return;
    }
    if (const DWORD error = CopyTextToClipboard(Hwnd(), DetailsText(records_[*selected]));
        error != ERROR_SUCCESS) {
        Say(texts::kCopyFailed + SystemErrorText(error), MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    SetStatus(texts::kCopied);
}

void frmUsbView::OnCommand(int id) {
    if (id == cmdCopy) {
        OnCopy();
    } else if (id == cmdRefresh) {
        RefreshDevices();
    }
}

void frmUsbView::OnNotify(const NMHDR& header) {
    if (header.idFrom == tvDevices && header.code == TVN_SELCHANGEDW) {
        ShowSelectedDetails();
    }
}

bool frmUsbView::HandleOwnMessage(UINT message, WPARAM wParam, LPARAM, LRESULT& result) {
    switch (message) {
        case WM_DEVICECHANGE:
            // A device arriving or leaving comes as several messages: refresh once, after the last.
            if (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE ||
                wParam == DBT_DEVNODES_CHANGED) {
                ::SetTimer(Hwnd(), kRefreshTimer, kRefreshDelayMs, nullptr);
            }
            result = TRUE;
            return true;
        case WM_TIMER:
            if (wParam == kRefreshTimer) {
                ::KillTimer(Hwnd(), kRefreshTimer);
                RefreshDevices();
            }
            return true;
        case WM_DESTROY:
            ::KillTimer(Hwnd(), kRefreshTimer);
            for (UniqueDeviceNotification& notification : notifications_) {
                notification.reset();
            }
            return true;
        default:
            return false;
    }
}

}  // namespace corvane::usbview
