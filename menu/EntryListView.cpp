#include "menu/EntryListView.h"

#include "common/TextEncoding.h"
#include "menu/core/EntryFind.h"

#include <algorithm>

namespace corvane::menu {
namespace {

constexpr EntryField kColumnFields[] = {EntryField::Name, EntryField::Target, EntryField::Switches};

void SetRowState(HWND list, int row, UINT state, UINT mask) noexcept {
    LVITEMW item{};
    item.stateMask = mask;
    item.state = state;
    ::SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

}  // namespace

int EntryListView::Rows() const noexcept {
    return static_cast<int>(shown_.Rows());
}

int EntryListView::RowWith(UINT mark) const noexcept {
    return static_cast<int>(
        ::SendMessageW(list_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), static_cast<LPARAM>(mark)));
}

int EntryListView::SelectedRow() const noexcept {
    return RowWith(LVNI_SELECTED);
}

int EntryListView::FocusedRow() const noexcept {
    return RowWith(LVNI_FOCUSED);
}

const Entry* EntryListView::EntryAt(int row) const noexcept {
    if (row < 0 || static_cast<std::size_t>(row) >= shown_.Rows()) {
        return nullptr;
    }
    const std::size_t index = shown_.IndexAt(static_cast<std::size_t>(row));
    return index < entries_.Size() ? &entries_[index] : nullptr;
}

std::optional<EntryId> EntryListView::SelectedEntry() const noexcept {
    const Entry* entry = EntryAt(SelectedRow());
    return entry != nullptr ? std::optional<EntryId>(entry->Id()) : std::nullopt;
}

std::optional<EntryId> EntryListView::FocusedEntry() const noexcept {
    const Entry* entry = EntryAt(FocusedRow());
    return entry != nullptr ? std::optional<EntryId>(entry->Id()) : std::nullopt;
}

int EntryListView::RowOf(EntryId id) const noexcept {
    const auto index = entries_.IndexOf(id);
    const auto row = index ? shown_.RowOf(*index) : std::nullopt;
    return row ? static_cast<int>(*row) : -1;
}

void EntryListView::Update(std::optional<EntryId> selected, std::optional<EntryId> focused) noexcept {
    // The list keeps its selection and focus by row, and rows now show other entries: both are put
    // back on the entries they were on.
    ClearMark(LVNI_SELECTED, LVIS_SELECTED);
    ClearMark(LVNI_FOCUSED, LVIS_FOCUSED);
    ::SendMessageW(list_, LVM_SETITEMCOUNT, shown_.Rows(), 0);
    if (const int row = focused ? RowOf(*focused) : -1; row >= 0) {
        SetRowState(list_, row, LVIS_FOCUSED, LVIS_FOCUSED);
    }
    if (const int row = selected ? RowOf(*selected) : -1; row >= 0) {
        SetRowState(list_, row, LVIS_SELECTED, LVIS_SELECTED);
    }
    ::InvalidateRect(list_, nullptr, TRUE);
}

void EntryListView::ClearMark(UINT which, UINT mark) noexcept {
    // Only the row that has it: a list told to clear a mark on every row (row -1) visits each of
    // them, which costs a large list tens of milliseconds. It is a single-selection list, so one row
    // has each mark at most.
    if (const int row = RowWith(which); row >= 0) {
        SetRowState(list_, row, 0, mark);
    }
}

void EntryListView::SelectRow(int row) noexcept {
    ClearMark(LVNI_SELECTED, LVIS_SELECTED);
    if (row < 0) {
        return;
    }
    SetRowState(list_, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ::SendMessageW(list_, LVM_ENSUREVISIBLE, static_cast<WPARAM>(row), FALSE);
}

bool EntryListView::OnNotify(const NMHDR& header, LRESULT& result) noexcept {
    if (header.hwndFrom != list_ || list_ == nullptr) {
        return false;
    }
    switch (header.code) {
        case LVN_GETDISPINFOW:
            FillItem(const_cast<NMLVDISPINFOW&>(reinterpret_cast<const NMLVDISPINFOW&>(header)).item);
            result = 0;
            return true;
        case LVN_ODFINDITEMW:
            result = FindRow(reinterpret_cast<const NMLVFINDITEMW&>(header));
            return true;
        case LVN_ODCACHEHINT:
            result = 0;
            return true;
        case NM_CUSTOMDRAW:
            result =
                OnCustomDraw(const_cast<NMLVCUSTOMDRAW&>(reinterpret_cast<const NMLVCUSTOMDRAW&>(header)));
            return true;
        default:
            return false;
    }
}

EntryDecoration EntryListView::LookOf(const Entry& entry) noexcept {
    if (decorations_ == nullptr) {
        return {};
    }
    try {
        return decorations_->Look(WideFromUtf8(entry.Target()));
    } catch (...) {  // out of memory: drawn plain
        return {};
    }
}

LRESULT EntryListView::OnCustomDraw(NMLVCUSTOMDRAW& draw) noexcept {
    switch (draw.nmcd.dwDrawStage) {
        case CDDS_PREPAINT:
            return CDRF_NOTIFYITEMDRAW;
        case CDDS_ITEMPREPAINT: {
            const Entry* entry = EntryAt(static_cast<int>(draw.nmcd.dwItemSpec));
            if (entry != nullptr && LookOf(*entry).missing) {
                draw.clrText = ::GetSysColor(COLOR_GRAYTEXT);
                return CDRF_NEWFONT;
            }
            return CDRF_DODEFAULT;
        }
        default:
            return CDRF_DODEFAULT;
    }
}

void EntryListView::FillItem(LVITEMW& item) noexcept {
    const Entry* entry = EntryAt(item.iItem);
    if ((item.mask & LVIF_IMAGE) != 0 && item.iSubItem == 0) {
        item.iImage = entry != nullptr ? LookOf(*entry).imageIndex : kGenericEntryImage;
    }
    if ((item.mask & LVIF_TEXT) == 0 || item.pszText == nullptr || item.cchTextMax <= 0) {
        return;
    }
    item.pszText[0] = L'\0';
    if (entry == nullptr || item.iSubItem < 0 ||
        item.iSubItem >= static_cast<int>(std::size(kColumnFields))) {
        return;
    }
    try {
        text_ = WideFromUtf8(entry->Field(kColumnFields[item.iSubItem]));
    } catch (...) {  // out of memory: the cell stays empty
        return;
    }
    const std::size_t length = std::min(text_.size(), static_cast<std::size_t>(item.cchTextMax) - 1);
    std::copy_n(text_.data(), length, item.pszText);
    item.pszText[length] = L'\0';
}

int EntryListView::FindRow(const NMLVFINDITEMW& find) const noexcept {
    // Typing in the list: the next row, from the one given, whose name starts with the typed text.
    if ((find.lvfi.flags & (LVFI_STRING | LVFI_PARTIAL)) == 0 || find.lvfi.psz == nullptr) {
        return -1;
    }
    const int rows = Rows();
    if (rows == 0) {
        return -1;
    }
    try {
        const std::string typed = Utf8FromWide(find.lvfi.psz);
        const bool partial = (find.lvfi.flags & LVFI_PARTIAL) != 0;
        const int start = find.iStart >= 0 && find.iStart < rows ? find.iStart : 0;
        const int count = (find.lvfi.flags & LVFI_WRAP) != 0 ? rows : rows - start;
        for (int step = 0; step < count; ++step) {
            const int row = (start + step) % rows;
            const std::string_view name = EntryAt(row)->Name();
            if (partial ? StartsWithIgnoringCase(name, typed)
                        : name.size() == typed.size() && StartsWithIgnoringCase(name, typed)) {
                return row;
            }
        }
    } catch (...) {  // out of memory: no row found
    }
    return -1;
}

}  // namespace corvane::menu
