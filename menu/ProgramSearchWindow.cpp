#include "menu/ProgramSearchWindow.h"

#include "common/CommonResources.h"
#include "common/ProgramWindow.h"
#include "common/WindowLayout.h"
#include "common/WindowText.h"
#include "common/core/CaseFolding.h"
#include "common/core/Twips.h"
#include "menu/ListViewCells.h"
#include "menu/EntryDecorations.h"
#include "menu/core/LaunchPlan.h"
#include "menu/core/MainWindowTexts.h"
#include "menu/core/MenuTexts.h"

#include <commctrl.h>

#include <algorithm>
#include <array>

namespace corvane::menu {
namespace {

constexpr int kClientWidth = 7200;  // twips
constexpr int kClientHeight = 5400;
constexpr int kNameColumnWidth = 2400;
constexpr int kTargetColumnWidth = 4020;
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
constexpr DWORD kButtonStyle = WS_TABSTOP | BS_PUSHBUTTON;
constexpr UINT kSearchMessage = WM_APP + 1;  // from the search thread: progress, or the end

// In tab order: the texts and the bar take no focus; the list, then the buttons.
const std::array<ControlSpec, 7> kControls = {{
    {ProgramSearchWindow::lblSearch,
     "STATIC",
     "",
     SS_LEFT | SS_NOPREFIX | SS_ENDELLIPSIS,
     0,
     {240, 180, 6720, 255}},
    {ProgramSearchWindow::prgSearch, PROGRESS_CLASSA, "", PBS_MARQUEE, 0, {240, 480, 6720, 225}},
    {ProgramSearchWindow::lblCounts, "STATIC", "", SS_LEFT | SS_NOPREFIX, 0, {240, 780, 6720, 255}},
    {ProgramSearchWindow::lstPrograms,
     WC_LISTVIEWA,
     "",
     WS_TABSTOP | LVS_REPORT | LVS_SHOWSELALWAYS | LVS_NOSORTHEADER | LVS_SHAREIMAGELISTS,
     WS_EX_CLIENTEDGE,
     {240, 1140, 6720, 3300}},
    {ProgramSearchWindow::cmdTickAll,
     "BUTTON",
     texts::kTickAllButton,
     kButtonStyle,
     0,
     {240, 4740, 1455, 350}},
    {ProgramSearchWindow::cmdAdd,
     "BUTTON",
     texts::kAddButton,
     kButtonStyle | BS_DEFPUSHBUTTON,
     0,
     {3840, 4740, 1455, 350}},
    {ProgramSearchWindow::cmdCancel,
     "BUTTON",
     texts::kCancelButton,
     kButtonStyle,
     0,
     {5505, 4740, 1455, 350}},
}};

// The same icons at another size; the originals are not kept, so they are stretched.
UniqueImageList ResizedImages(HIMAGELIST images, int size) {
    UniqueImageList resized(::ImageList_Create(size, size, ILC_COLOR32 | ILC_MASK, 1, 32));
    const int count = images != nullptr ? ::ImageList_GetImageCount(images) : 0;
    for (int index = 0; index < count && resized; ++index) {
        const UniqueIcon icon(::ImageList_GetIcon(images, index, ILD_NORMAL));
        ::ImageList_ReplaceIcon(resized.get(), -1, icon.get());
    }
    return resized;
}

bool IsTicked(HWND list, int row) {
    return ListView_GetCheckState(list, row) != FALSE;
}

// The found programs by proposed name, letter case ignored, then by path.
void SortByName(std::vector<FoundProgram>& found) {
    std::vector<std::pair<std::string, std::size_t>> keys;
    keys.reserve(found.size());
    std::string folded;
    for (std::size_t i = 0; i < found.size(); ++i) {
        FoldCaseInto(found[i].program.name + '\n' + found[i].program.path, folded);
        keys.emplace_back(folded, i);
    }
    std::sort(keys.begin(), keys.end());
    std::vector<FoundProgram> sorted;
    sorted.reserve(found.size());
    for (const auto& [key, index] : keys) {
        sorted.push_back(std::move(found[index]));
    }
    found = std::move(sorted);
}

}  // namespace

void ProgramSearchWindow::ConfigureClass(WNDCLASSEXW& windowClass) {
    windowClass.hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM));
}

void ProgramSearchWindow::Show() {
    if (IsOpen()) {
        ::ShowWindow(Hwnd(), SW_RESTORE);
        ::SetForegroundWindow(Hwnd());
        return;
    }
    // Made on the monitor of the menu window, at its DPI, and centred there.
    const POINT at = OpeningPointNear(host_.OwnerWindow());
    if (!CreateWindowObject(WS_EX_CONTROLPARENT, texts::kFindProgramsCaption, kStyle, at.x, at.y, 100, 100,
                            host_.OwnerWindow())) {
        return;
    }
    SetFixedClientSize(kClientWidth, kClientHeight);
    ShowCentred(Hwnd(), SW_SHOWNORMAL);
    ::SetForegroundWindow(Hwnd());
    ::SetFocus(::GetDlgItem(Hwnd(), cmdCancel));
    StartSearch();
}

void ProgramSearchWindow::OnCreate() {
    for (const ControlSpec& control : kControls) {
        CreateChild(Hwnd(), control, Dpi());
    }
    list_ = ::GetDlgItem(Hwnd(), lstPrograms);
    ListView_SetExtendedListViewStyle(list_, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    InsertColumn(list_, 0, texts::kColumnName, kNameColumnWidth, Dpi());
    InsertColumn(list_, 1, texts::kColumnTarget, kTargetColumnWidth, Dpi());
    icons_ = CreateImagesWithGenericIcon(SmallIconSize(Dpi()));
    ListView_SetImageList(list_, icons_.get(), LVSIL_SMALL);  // the list does not own it
    ::EnableWindow(::GetDlgItem(Hwnd(), cmdTickAll), FALSE);
    ::EnableWindow(::GetDlgItem(Hwnd(), cmdAdd), FALSE);
    Layout();
}

void ProgramSearchWindow::Layout() {
    PlaceChildren(Hwnd(), kControls, Dpi());
    font_ = WithFontOnChildren(Hwnd(), CreateDialogFont(Dpi()));
    ListView_SetColumnWidth(list_, 0, TwipsToPixels(kNameColumnWidth, Dpi()));
    ListView_SetColumnWidth(list_, 1, TwipsToPixels(kTargetColumnWidth, Dpi()));
}

void ProgramSearchWindow::OnDpiChanged() {
    Layout();
    UniqueImageList resized = ResizedImages(icons_.get(), SmallIconSize(Dpi()));
    ListView_SetImageList(list_, resized.get(), LVSIL_SMALL);
    icons_ = std::move(resized);  // the old list goes once the list view holds the new one
}

void ProgramSearchWindow::StartSearch() {
    const std::string root = LaunchBase(host_.Folder());
    SetChildTextOf(Hwnd(), lblSearch, texts::kSearchingFor + root + texts::kForPrograms);
    ::SendDlgItemMessageW(Hwnd(), prgSearch, PBM_SETMARQUEE, TRUE, 0);
    ended_ = false;
    listed_ = std::make_unique<ListedTargets>(host_.Entries(), root);
    ProgramSearchRequest request;
    request.root = root;
    request.menuFolder = host_.Folder();
    request.listed = listed_.get();
    try {
        search_ = std::make_unique<ProgramSearchThread>(Hwnd(), kSearchMessage, std::move(request),
                                                        SmallIconSize(Dpi()));
    } catch (const std::system_error&) {
        ShowPrograms({});  // no thread: nothing found, and the window says so
    }
}

void ProgramSearchWindow::OnSearchMessage() {
    if (!search_) {
        return;  // a message from a search that has ended and been taken
    }
    const SearchCounts counts = search_->Counts();
    SetChildTextOf(Hwnd(), lblCounts, SearchCountsText(counts.folders, counts.files));
    if (search_->Finished()) {
        std::vector<FoundProgram> found = search_->TakeResults();
        search_.reset();
        ShowPrograms(std::move(found));
    }
}

void ProgramSearchWindow::ShowPrograms(std::vector<FoundProgram> found) {
    ended_ = true;
    const HWND progress = ::GetDlgItem(Hwnd(), prgSearch);
    ::SendMessageW(progress, PBM_SETMARQUEE, FALSE, 0);
    ::SetWindowLongPtrW(progress, GWL_STYLE, ::GetWindowLongPtrW(progress, GWL_STYLE) & ~PBS_MARQUEE);
    ::SendMessageW(progress, PBM_SETPOS, 100, 0);
    SetChildTextOf(Hwnd(), lblSearch, found.empty() ? texts::kNoProgramsFound : texts::kTickPrograms);

    SortByName(found);
    shown_.clear();
    ListView_DeleteAllItems(list_);
    for (FoundProgram& each : found) {
        const int image =
            each.icon ? ::ImageList_ReplaceIcon(icons_.get(), -1, each.icon.get()) : kGenericEntryImage;
        std::wstring name = WideFromUtf8(each.program.name);
        LVITEMW item{};
        item.mask = LVIF_TEXT | LVIF_IMAGE;
        item.iItem = static_cast<int>(shown_.size());
        item.pszText = name.data();
        item.iImage = image < 0 ? kGenericEntryImage : image;
        const auto row =
            static_cast<int>(::SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item)));
        SetCell(list_, row, 1, each.program.path);
        shown_.push_back(std::move(each.program));
    }
    if (!shown_.empty()) {
        ListView_SetItemState(list_, 0, LVIS_FOCUSED | LVIS_SELECTED, LVIS_FOCUSED | LVIS_SELECTED);
        ::EnableWindow(::GetDlgItem(Hwnd(), cmdTickAll), TRUE);
        ::SetFocus(list_);
    }
    UpdateAddButton();
}

std::vector<std::size_t> ProgramSearchWindow::TickedRows() const {
    std::vector<std::size_t> ticked;
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        if (IsTicked(list_, static_cast<int>(row))) {
            ticked.push_back(row);
        }
    }
    return ticked;
}

void ProgramSearchWindow::UpdateAddButton() const noexcept {
    bool anyTicked = false;
    for (std::size_t row = 0; row < shown_.size() && !anyTicked; ++row) {
        anyTicked = IsTicked(list_, static_cast<int>(row));
    }
    ::EnableWindow(::GetDlgItem(Hwnd(), cmdAdd), anyTicked ? TRUE : FALSE);
}

void ProgramSearchWindow::TickAll() {
    const bool allTicked = TickedRows().size() == shown_.size();
    for (std::size_t row = 0; row < shown_.size(); ++row) {
        ListView_SetCheckState(list_, static_cast<int>(row), allTicked ? FALSE : TRUE);
    }
    UpdateAddButton();
}

void ProgramSearchWindow::AddTicked() {
    const std::vector<std::size_t> ticked = TickedRows();
    if (!ended_ || ticked.empty()) {
        return;
    }
    std::vector<ProposedEntry> chosen;
    chosen.reserve(ticked.size());
    for (const std::size_t row : ticked) {
        chosen.push_back({shown_[row].name, shown_[row].path, {}});
    }
    addEntries_(std::move(chosen));
    Destroy();
}

void ProgramSearchWindow::OnWindowDestroyed() noexcept {
    search_.reset();  // cancels the search and waits for its thread
    listed_.reset();
    shown_.clear();
    list_ = nullptr;
    icons_.reset();
    font_.reset();
}

LRESULT ProgramSearchWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_CREATE:
            OnCreate();
            return 0;
        case kSearchMessage:
            OnSearchMessage();
            return 0;
        case WM_NOTIFY: {
            const auto& header = *reinterpret_cast<const NMHDR*>(lParam);
            if (header.idFrom == lstPrograms && header.code == LVN_ITEMCHANGED) {
                UpdateAddButton();  // a tick changed by mouse or Space
            }
            return 0;
        }
        case WM_COMMAND:
            switch (LOWORD(wParam)) {
                case cmdTickAll:
                    TickAll();
                    return 0;
                case IDOK:  // Enter outside the buttons
                case cmdAdd:
                    AddTicked();
                    return 0;
                case IDCANCEL:  // Escape
                case cmdCancel:
                    Destroy();
                    return 0;
                default:
                    return 0;
            }
        case WM_CLOSE:
            Destroy();
            return 0;
        default:
            break;
    }
    return DefaultHandling(message, wParam, lParam);
}

}  // namespace corvane::menu
