#include "menu/ListSorting.h"

#include "menu/EntryList.h"

#include <commctrl.h>

#include <string>
#include <unordered_map>

namespace corvane::menu {
namespace {

// What the comparison needs of a row: the sort column's text, read once, and where the row
// stood before the sort (equal texts keep that order, whatever algorithm the list view uses).
struct SortKey {
    std::string text;
    int position = 0;
};

struct SortContext {
    std::unordered_map<LPARAM, SortKey> keys;  // by row identity, which the list view hands back
    bool descending = false;
};

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

SortContext ReadSortKeys(HWND listView, int column, bool descending) {
    SortContext context;
    context.descending = descending;
    const auto count = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    context.keys.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        context.keys.emplace(RowId(listView, row), SortKey{RowText(listView, row, column), row});
    }
    return context;
}

int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM contextAddress) noexcept {
    const auto& context = *reinterpret_cast<const SortContext*>(contextAddress);
    const auto a = context.keys.find(first);
    const auto b = context.keys.find(second);
    if (a == context.keys.end() || b == context.keys.end()) {
        return 0;
    }
    const int order = CompareForPeople(a->second.text, b->second.text);
    if (order != 0) {
        return context.descending ? -order : order;
    }
    return (a->second.position > b->second.position) - (a->second.position < b->second.position);
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
    // The list view moves its own rows, which keep their data, selection and focus; only the sort
    // column's texts are read, once each. Reading every row out and writing it back cost several
    // times the sort itself.
    const SortContext context = ReadSortKeys(listView, column, descending);
    ::SendMessageA(listView, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&context),
                   reinterpret_cast<LPARAM>(CompareRows));
    ShowSortArrow(listView, column, descending);
}

}  // namespace corvane::menu
