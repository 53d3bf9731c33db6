#include "menu/ListSorting.h"

#include "menu/EntryList.h"

#include <commctrl.h>

#include <algorithm>
#include <vector>

namespace corvane::menu {
namespace {

// A row as the sort moves it: its texts, its data and its selection and focus marks.
struct RowCopy {
    std::vector<std::string> texts;
    LPARAM data = 0;
    UINT marks = 0;
};

constexpr UINT kMarks = LVIS_SELECTED | LVIS_FOCUSED;

std::vector<RowCopy> CopyRows(HWND listView) {
    const int columns = ColumnCount(listView);
    const auto count = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    std::vector<RowCopy> rows(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        RowCopy& copy = rows[static_cast<std::size_t>(row)];
        for (int column = 0; column < columns; ++column) {
            copy.texts.push_back(RowText(listView, row, column));
        }
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        ::SendMessageA(listView, LVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        copy.data = item.lParam;
        copy.marks =
            static_cast<UINT>(::SendMessageA(listView, LVM_GETITEMSTATE, static_cast<WPARAM>(row), kMarks));
    }
    return rows;
}

void WriteRows(HWND listView, std::vector<RowCopy>& rows) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        RowCopy& copy = rows[row];
        for (std::size_t column = 0; column < copy.texts.size(); ++column) {
            LVITEMA item{};
            item.iItem = static_cast<int>(row);
            item.iSubItem = static_cast<int>(column);
            item.mask = LVIF_TEXT;
            item.pszText = copy.texts[column].data();
            if (column == 0) {
                item.mask |= LVIF_PARAM | LVIF_STATE;
                item.lParam = copy.data;
                item.state = copy.marks;
                item.stateMask = kMarks;
            }
            ::SendMessageA(listView, LVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));
        }
    }
}

void ShowSortArrow(HWND listView, int sortColumn, bool descending) {
    const auto header = reinterpret_cast<HWND>(::SendMessageA(listView, LVM_GETHEADER, 0, 0));
    const auto columns = static_cast<int>(::SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) {
        HDITEMA item{};
        item.mask = HDI_FORMAT;
        ::SendMessageA(header, HDM_GETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (column == sortColumn) {
            item.fmt |= descending ? HDF_SORTDOWN : HDF_SORTUP;
        }
        ::SendMessageA(header, HDM_SETITEMA, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    }
}

}  // namespace

int CompareForPeople(const std::string& first, const std::string& second) noexcept {
    const int result =
        ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS, first.c_str(),
                         static_cast<int>(first.size()), second.c_str(), static_cast<int>(second.size()));
    if (result != 0) {
        return result - CSTR_EQUAL;
    }
    // Systems before Windows 7 reject the digits flag.
    const int fallback = ::lstrcmpiA(first.c_str(), second.c_str());
    return (fallback > 0) - (fallback < 0);
}

void SortListView(HWND listView, int column, bool descending) {
    // The rows are read out, sorted and written back in place: a stable sort whose comparison sees
    // every row's text directly, rather than through item positions that move during the sort.
    std::vector<RowCopy> rows = CopyRows(listView);
    const auto key = static_cast<std::size_t>(column);
    std::stable_sort(rows.begin(), rows.end(), [&](const RowCopy& a, const RowCopy& b) {
        const int order = key < a.texts.size() ? CompareForPeople(a.texts[key], b.texts[key]) : 0;
        return descending ? order > 0 : order < 0;
    });
    ::SendMessageA(listView, WM_SETREDRAW, FALSE, 0);
    WriteRows(listView, rows);
    ::SendMessageA(listView, WM_SETREDRAW, TRUE, 0);
    ::InvalidateRect(listView, nullptr, TRUE);
    ShowSortArrow(listView, column, descending);
}

}  // namespace corvane::menu
