#include "menu/frmMain.h"

#include "common/CommonResources.h"
#include "common/FileContents.h"
#include "common/ProgramWindow.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/WindowLayout.h"
#include "common/WindowText.h"
#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"
#include "common/core/Twips.h"
#include "menu/EntryList.h"
#include "menu/ListHistory.h"
#include "menu/ListLoadStatus.h"
#include "menu/ListSorting.h"
#include "menu/MenuResources.h"
#include "menu/MenuSettings.h"
#include "menu/SingleMenu.h"
#include "menu/modDriveSpace.h"
#include "menu/modTray.h"
#include "menu/core/EntryFind.h"
#include "menu/core/MainWindowTexts.h"
#include "menu/core/MenuTexts.h"
#include "menu/core/LaunchPlan.h"
#include "menu/core/PathRules.h"

#include <commctrl.h>
#include <windowsx.h>

#include <array>
#include <new>

namespace corvane::menu {
namespace {

constexpr DWORD kWindowStyle =
    WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;  // fixed single border
constexpr int kDesignClientWidth = 9840;
constexpr int kDesignClientHeight = 5400;
// An owner-data list: it shows the window's entries, asking for the texts of the rows it draws. Its
// icons belong to the entries' decorations, which outlive it (LVS_SHAREIMAGELISTS).
constexpr DWORD kListStyle =
    LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | LVS_OWNERDATA | LVS_SHAREIMAGELISTS | WS_TABSTOP;
// Posted by the decorations' thread when looks of entries have come.
constexpr UINT kDecorationsReady = WM_APP + 3;
// The window's controls in tab order; the status bar (StatusBar) follows them.
constexpr std::array<ControlSpec, 1> kControls = {{
    {frmMain::lstApp, WC_LISTVIEWA, "", kListStyle, WS_EX_CLIENTEDGE, {0, 0, 9790, 4960}},
}};
constexpr int kColumnCount = 3;
// Posted at start-up, so that what the window does not need to show waits until it has shown.
constexpr UINT kStartUpShown = WM_APP + 2;

HICON ProgramIcon(int metricX, int metricY) {
    // Shared: loaded once per process and never destroyed.
    return static_cast<HICON>(::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM),
                                           IMAGE_ICON, ::GetSystemMetrics(metricX),
                                           ::GetSystemMetrics(metricY), LR_SHARED));
}

// Column widths from the whole window's width in twips: "Name", "Target File", "Command Line Switch".
void SetColumnWidths(HWND list, long long windowTwips, int dpi) {
    const long long widths[kColumnCount] = {windowTwips / 5,
                                            static_cast<long long>(static_cast<double>(windowTwips) / 1.83),
                                            windowTwips / 4 - 180};
    for (int column = 0; column < kColumnCount; ++column) {
        if (widths[column] > 0) {
            ::SendMessageW(list, LVM_SETCOLUMNWIDTH, static_cast<WPARAM>(column),
                           TwipsToPixels(widths[column], dpi));
        }
    }
}

// Whether there is surely no Data.dat, so that an empty list is its whole contents. Any other
// failure to look (a locked, hidden or unreachable file among them) leaves it to the load to find out.
bool CertainlyMissing(const std::string& path) {
    return ::GetFileAttributesW(WideFromUtf8(path).c_str()) == INVALID_FILE_ATTRIBUTES &&
           ::GetLastError() == ERROR_FILE_NOT_FOUND;
}

}  // namespace

frmMain::frmMain(std::string menuFolder, ProgramStarter* starter, EjectHandOff* handOff)
    : folder_(WithTrailingBackslash(menuFolder)),
      root_(MenuRootOf(folder_)),
      starter_(starter != nullptr ? *starter : windowsStarter_),
      handOff_(handOff != nullptr ? *handOff : tempCopyHandOff_) {
    // Before any control exists, so that the manifest's visual styles apply to them.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&controls);
}

std::string frmMain::DataFile() const {
    return JoinPath(folder_, drive::kDataFileName);
}

std::string frmMain::SettingsFile() const {
    return JoinPath(folder_, drive::kSettingsFileName);
}

void frmMain::ConfigureClass(WNDCLASSEXW& windowClass) {
    windowClass.hIcon = ProgramIcon(SM_CXICON, SM_CYICON);
    windowClass.hIconSm = ProgramIcon(SM_CXSMICON, SM_CYSMICON);
}

bool frmMain::Create(int showCommand) {
    const int dpi = WindowDpi(nullptr);
    RECT design{0, 0, TwipsToPixels(kDesignClientWidth, dpi), TwipsToPixels(kDesignClientHeight, dpi)};
    ::AdjustWindowRectEx(&design, kWindowStyle, TRUE, 0);
    // Files and folders dropped from Explorer become entries (WM_DROPFILES). The style alone does
    // what DragAcceptFiles does, without loading the shell before the window shows.
    if (!CreateWindowObject(WS_EX_ACCEPTFILES, texts::kProgramTitle, kWindowStyle, CW_USEDEFAULT,
                            CW_USEDEFAULT, design.right - design.left, design.bottom - design.top)) {
        return false;
    }
    CentreOnScreen(Hwnd());
    ::ShowWindow(Hwnd(), showCommand);
    ::UpdateWindow(Hwnd());
    if (decorations_) {
        decorations_->Release();  // the list is on screen: its rows' icons may now be looked up
    }
    return true;
}

bool frmMain::OnCreate() {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    UniqueMenu bar(::LoadMenuW(instance, MAKEINTRESOURCEW(IDR_MAINMENU)));
    trayMenu_.reset(::LoadMenuW(instance, MAKEINTRESOURCEW(IDR_TRAYMENU)));
    if (!bar || !trayMenu_ || !::SetMenu(Hwnd(), bar.get())) {
        return false;
    }
    menuBar_ = bar.release();  // the window destroys its menu bar
    // The find box comes first in the tab order, as it is above the list.
    if (!findBox_.Create(Hwnd(), txtFind)) {
        return false;
    }
    for (const ControlSpec& control : kControls) {
        CreateChild(Hwnd(), control, Dpi());
    }
    list_ = ::GetDlgItem(Hwnd(), lstApp);
    listView_.Attach(list_);
    if (list_ == nullptr || !status_.Create(Hwnd(), Status)) {
        return false;
    }
    ::SendMessageW(list_, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    const char* headers[kColumnCount] = {texts::kColumnName, texts::kColumnTarget, texts::kColumnSwitch};
    for (int column = 0; column < kColumnCount; ++column) {
        std::wstring header = WideFromUtf8(headers[column]);
        LVCOLUMNW item{};
        item.mask = LVCF_TEXT | LVCF_SUBITEM;
        item.pszText = header.data();
        item.iSubItem = column;
        ::SendMessageW(list_, LVM_INSERTCOLUMNW, static_cast<WPARAM>(column),
                       reinterpret_cast<LPARAM>(&item));
    }
    FollowDpi();
    taskbarCreated_ = ::RegisterWindowMessageW(L"TaskbarCreated");
    StartUp();
    return true;
}

void frmMain::StartUp() {
    // The tray icon loads the shell, which the first paint does not need.
    ::PostMessageW(Hwnd(), kStartUpShown, 0, 0);
    ApplyStoredWindowSize(Hwnd(), SettingsFile());
    // A hidden or system Data.dat is loaded like any other: its attributes must not make the list
    // invisible to its own menu (and a later save replace it).
    if (!CertainlyMissing(DataFile())) {
        LoadEntries();  // the rows go in sorted, so the list is in its sort order from the start
    }
    ApplyRunOption();
    ShowSortArrow(list_, sortColumn_, sortDescending_);
    const std::string browseRoot = RootBrowseItemCaption(root_) + "\tCtrl+B";
    ::ModifyMenuW(menuBar_, mnuRootBrowse, MF_BYCOMMAND | MF_STRING, mnuRootBrowse,
                  WideFromUtf8(browseRoot).c_str());
    RemoveEjectUnlessRemovable();
    SetWindowTextOf(Hwnd(), StartupCaption(modDriveSpace::FreeMB(root_), root_));
    if (loadResult_ == ERROR_SUCCESS) {  // a failed load's report stays in view
        SetStatusText(VersionStatusText(VersionText()));
        ReportUnusedSettings();
    }
    // The current row is the first one read from the file, wherever the sort put it.
    listView_.SelectRow(listView_.FocusedRow());
}

void frmMain::LoadEntries() {
    SetStatusText(texts::kLoadingData);
    entries_.Clear();
    ShowEntries(std::nullopt, std::nullopt);
    const DWORD result = LoadList(DataFile(), entries_);
    const std::optional<EntryId> firstRead =
        entries_.Empty() ? std::nullopt : std::optional<EntryId>(entries_[0].Id());
    SortEntries(entries_, static_cast<EntryField>(sortColumn_), sortDescending_);
    ShowSortArrow(list_, sortColumn_, sortDescending_);
    ShowEntries(std::nullopt, firstRead);
    loadResult_ = result;
    SetStatusText(LoadStatusText(result));
}

void frmMain::ShowEntries(std::optional<EntryId> selected, std::optional<EntryId> focused) noexcept {
    try {
        const std::string find = findBox_.IsOpen() ? findBox_.Text() : std::string();
        if (find.empty()) {
            shown_.ShowAll(entries_.Size());
        } else {
            shown_.ShowOnly(EntriesContaining(entries_, find));
        }
    } catch (const std::bad_alloc&) {  // no memory to narrow the list: it shows every entry
        shown_.ShowAll(entries_.Size());
    }
    listView_.Update(selected, focused);
    if (findBox_.IsOpen()) {  // the count follows every change of the rows, not only typing
        SetStatusText(FindStatusText(shown_.Rows(), entries_.Size()));
    }
}

void frmMain::ApplyRunOption() {
    if (const auto option = StoredRunOption(SettingsFile())) {
        CheckRunOption(*option);
    }
}

void frmMain::ReportUnusedSettings() {
    if (IsReparsePoint(SettingsFile())) {
        SetStatusText(texts::kSettingsLinkNotUsed);
    }
}

void frmMain::EntriesChanged() noexcept {
    const std::optional<EntryId> selected = listView_.SelectedEntry();
    const std::optional<EntryId> focused = listView_.FocusedEntry();
    SortEntries(entries_, static_cast<EntryField>(sortColumn_), sortDescending_);
    ShowSortArrow(list_, sortColumn_, sortDescending_);
    ShowEntries(selected, focused);
}

bool frmMain::SaveList() {
    if (list_ == nullptr) {
        return false;  // the window is gone: there are no rows to write, and an empty list is not one
    }
    if (loadResult_ != ERROR_SUCCESS) {
        SetStatusText(ListNotSavedText(loadResult_));
        return false;
    }
    const DWORD error = SaveListKeepingHistory(folder_, entries_);
    if (error != ERROR_SUCCESS) {
        SetStatusText(texts::kErrorSavingList + SystemErrorText(error));
    }
    return error == ERROR_SUCCESS;
}

void frmMain::FollowDpi() noexcept {
    font_ = WithFontOnChildren(Hwnd(), CreateDialogFont(Dpi()));
    StartDecorations();  // the list's icons at the small icon size of the DPI
    trayIcon_ = LoadProgramIcon(SystemMetricForDpi(SM_CXSMICON, Dpi()));
}

void frmMain::OnDpiChanged() {
    FollowDpi();
    if (decorations_) {
        decorations_->Release();  // the window is on screen
    }
    modTray::ChangeTrayIcon(Hwnd(), TrayIcon());
    Layout();
    ::InvalidateRect(list_, nullptr, TRUE);
}

HICON frmMain::TrayIcon() const noexcept {
    // Without an icon of the DPI's size the shared one of the system's size does.
    return trayIcon_ ? trayIcon_.get() : ProgramIcon(SM_CXSMICON, SM_CYSMICON);
}

void frmMain::Layout() noexcept {
    if (::IsIconic(Hwnd())) {
        ::ShowWindow(Hwnd(), SW_HIDE);  // reachable through the tray icon only
        return;
    }
    RECT window{};
    ::GetWindowRect(Hwnd(), &window);
    const int dpi = Dpi();
    const long long width = PixelsToTwips(window.right - window.left, dpi);
    const long long height = PixelsToTwips(window.bottom - window.top, dpi);
    // An open find box takes its height from the top of the list.
    const int findHeight = findBox_.IsOpen() ? FindBox::kHeightTwips : 0;
    if (width > 140 && height > 1100 + findHeight) {
        const int listWidth = static_cast<int>(width - 140);
        PlaceChild(findBox_.Handle(), {0, 0, listWidth, findHeight}, dpi);
        PlaceChild(list_, {0, findHeight, listWidth, static_cast<int>(height - 1100) - findHeight}, dpi);
        SetColumnWidths(list_, width, dpi);
    }
    status_.Layout(dpi);
}

void frmMain::Unload() {
    modTray::RemoveTrayIcon(Hwnd());
    StoreWindowSize(Hwnd(), SettingsFile());
    CloseOtherWindows();
}

void frmMain::OnEndSession(bool ending) {
    // Log-off or shut-down ends the process without closing the window: unload now.
    if (ending) {
        Unload();
    }
}

void frmMain::CloseOtherWindows() noexcept {
    // Every other window of the program closes with the menu window; an open editor saves nothing.
    editor_.Destroy();
    programSearch_.Destroy();
    restore_.Close();
    about_.Destroy();
}

void frmMain::OnWindowDestroyed() noexcept {
    listView_.SetDecorations(nullptr);
    decorations_.reset();  // ends the lookups' thread; a result message still queued finds nothing
    list_ = nullptr;
    ::PostQuitMessage(0);
}

void frmMain::EndAfterRun() noexcept {
    // At once, without the unload handling (the window size stays as stored), but without leaving a
    // dead icon behind in the tray.
    modTray::RemoveTrayIcon(Hwnd());
    ::ExitProcess(0);
}

int frmMain::RowCount() const noexcept {
    return listView_.Rows();
}

LRESULT frmMain::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            return OnCreate() ? 0 : -1;
        case WM_SIZE:
            Layout();
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == txtFind && reinterpret_cast<HWND>(lParam) == findBox_.Handle()) {
                findBox_.OnCommand(HIWORD(wParam));
            } else {
                OnCommand(LOWORD(wParam));
            }
            return 0;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<NMHDR*>(lParam));
        case WM_NOTIFYFORMAT:
            // The list asks for the texts of its rows in UTF-16, which holds any entry's text.
            if (lParam == NF_QUERY && ::GetDlgCtrlID(reinterpret_cast<HWND>(wParam)) == lstApp) {
                return NFR_UNICODE;
            }
            return DefaultHandling(message, wParam, lParam);
        case WM_SETFOCUS:
            ::SetFocus(list_);  // the list is where the keyboard works
            return 0;
        case WM_DROPFILES:
            OnDropFiles(reinterpret_cast<HDROP>(wParam));
            return 0;
        case WM_CONTEXTMENU:
            OnContextMenu(reinterpret_cast<HWND>(wParam), lParam);
            return 0;
        case WM_TIMER:
            status_.OnTimer(wParam);
            return 0;
        case WM_MEASUREITEM:
            if (trayEntries_.OnMeasureItem(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            return DefaultHandling(message, wParam, lParam);
        case WM_DRAWITEM:
            if (trayEntries_.OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam))) {
                return TRUE;
            }
            return DefaultHandling(message, wParam, lParam);
        case kDecorationsReady:
            OnDecorationsReady();
            return 0;
        case modTray::kTrayNotification:
            OnTrayNotification(static_cast<UINT>(LOWORD(lParam)));
            return 0;
        case kStartUpShown:
            modTray::AddTrayIcon(Hwnd(), TrayIcon(), texts::kProgramTitle);
            SweepHandOffCopies();  // what an earlier eject's copy could not delete of itself
            return 0;
        case WM_CLOSE:
            Unload();
            Destroy();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            OnEndSession(wParam != FALSE);
            return 0;
        default:
            if (message == ComeForwardMessage() && message != 0) {
                // Another Menu.exe over this folder was started: it ends, and this menu shows instead.
                modTray::RestoreFromTray(Hwnd());
                return 0;
            }
            if (message == taskbarCreated_ && taskbarCreated_ != 0) {
                // Explorer restarted: the tray is new and empty.
                modTray::AddTrayIcon(Hwnd(), TrayIcon(), texts::kProgramTitle);
                return 0;
            }
            return DefaultHandling(message, wParam, lParam);
    }
}

LRESULT frmMain::OnNotify(NMHDR& header) {
    if (status_.OnNotify(header)) {
        return 0;
    }
    if (header.hwndFrom != list_) {
        return 0;
    }
    if (LRESULT answer = 0; listView_.OnNotify(header, answer)) {
        return answer;
    }
    switch (header.code) {
        case NM_CLICK:
            OnListClick();
            break;
        case NM_DBLCLK:
            RunSelectedEntry();
            break;
        case NM_RETURN:
            OnListEnter();
            break;
        case LVN_COLUMNCLICK:
            OnColumnClick(reinterpret_cast<NMLISTVIEW&>(header).iSubItem);
            break;
        default:
            break;
    }
    return 0;
}

void frmMain::OnListClick() {
    const int row = listView_.SelectedRow();
    const Entry* entry = listView_.EntryAt(row);
    if (entry == nullptr) {
        return;
    }
    std::string text = ItemStatusText(row + 1, RowCount(), entry->Target(), entry->Switches());
    if (listView_.LookOf(*entry).missing) {
        text += texts::kNotFound;
    }
    SetStatusText(text);
    clickedEntry_ = entry->Id();
    clickText_ = std::move(text);
}

void frmMain::StartDecorations() noexcept {
    std::unique_ptr<EntryDecorations> decorations;
    try {
        // An entry is looked for where launching would start it: the recorded path, then the same
        // path on the menu's drive.
        auto candidatesOf = [this](const std::wstring& target) {
            const LaunchPlan plan = PlanLaunch(folder_, menu::SelectedEntry{Utf8FromWide(target), {}});
            std::vector<std::wstring> candidates;
            for (const auto& candidate : {plan.recorded, plan.onMenuDrive}) {
                if (candidate) {
                    candidates.push_back(WideFromUtf8(candidate->path));
                }
            }
            return candidates;
        };
        decorations =
            std::make_unique<EntryDecorations>(Hwnd(), kDecorationsReady, Dpi(), std::move(candidatesOf));
    } catch (...) {  // no thread for the lookups: the rows keep the looks they have (none at first)
        return;
    }
    decorations->Hold();  // until the window has been painted once (Create)
    listView_.SetDecorations(decorations.get());
    ::SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(decorations->ImageList()));
    decorations_ = std::move(decorations);  // the list has let go of the old icons
}

void frmMain::OnDecorationsReady() noexcept {
    try {
        if (decorations_ && decorations_->OnResults()) {
            ::InvalidateRect(list_, nullptr, FALSE);
            // A click's text shown before its entry was found missing gets the mark now.
            if (clickedEntry_ && clickedEntry_ == listView_.SelectedEntry() && StatusText() == clickText_) {
                OnListClick();
            }
        }
    } catch (...) {  // out of memory: the looks come with the next results
    }
}

void frmMain::OnListEnter() {
    // Enter runs the current row only when it is also selected (a row can have the focus without).
    const int current = listView_.FocusedRow();
    if (current >= 0 && current == listView_.SelectedRow()) {
        RunSelectedEntry();
    }
}

void frmMain::OnColumnClick(int column) {
    if (column == sortColumn_) {
        sortDescending_ = !sortDescending_;
    } else {
        sortColumn_ = column;
        sortDescending_ = false;
    }
    EntriesChanged();
    SaveList();
}

void frmMain::OnContextMenu(HWND source, LPARAM position) {
    if (source != list_) {
        return;
    }
    POINT at{GET_X_LPARAM(position), GET_Y_LPARAM(position)};
    if (position == -1) {  // from the keyboard (Shift+F10, the menu key): below the selected row
        RECT place{};
        place.left = LVIR_LABEL;
        const int row = listView_.SelectedRow();
        if (row < 0 || !::SendMessageW(list_, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                                       reinterpret_cast<LPARAM>(&place))) {
            place = {};
        }
        at = {place.left, place.bottom};
        ::ClientToScreen(list_, &at);
    }
    ::TrackPopupMenu(::GetSubMenu(menuBar_, 0), TPM_RIGHTBUTTON, at.x, at.y, 0, Hwnd(), nullptr);
}

void frmMain::OnTrayNotification(UINT mouseMessage) {
    if (mouseMessage == WM_LBUTTONUP) {
        modTray::RestoreFromTray(Hwnd());
    } else if (mouseMessage == WM_RBUTTONUP) {
        const HMENU ownItems = ::GetSubMenu(trayMenu_.get(), 0);
        const HIMAGELIST images = decorations_ ? decorations_->ImageList() : nullptr;
        const auto imageOf = [this](const Entry& entry) { return listView_.LookOf(entry).imageIndex; };
        bool built = false;
        try {
            built = trayEntries_.Build(entries_, ownItems, images, imageOf);
        } catch (const std::bad_alloc&) {  // the tray menu's own items still show
        }
        modTray::ShowTrayMenu(Hwnd(), built ? trayEntries_.Handle() : ownItems);
    }
}

}  // namespace corvane::menu
