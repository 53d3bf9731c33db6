#include "menu/ListSorting.h"

#include "menu/EntryList.h"

#include <commctrl.h>

#include <string>
#include <unordered_map>
#include <utility>

namespace corvane::menu {
namespace {

// What the comparison needs of a row: the sort column's text, read once, and where the row
// stood before the sort (equal texts keep that order, whatever algorithm the list view uses).
struct SortKey {
    std::string text;
    std::string collation;  // the system's sort key of the text; compared byte by byte
    int position = 0;
};

struct SortContext {
    std::unordered_map<LPARAM, SortKey> keys;  // by row identity, which the list view hands back
    bool descending = false;
    bool digitsAsNumbers = true;
    bool collationKeys = true;  // every row has its sort key
};

// Whether CompareStringA takes the digits flag here. Systems before Windows 7 reject it; asking once
// per sort spares every comparison a failing call first.
bool SystemComparesDigitsAsNumbers() noexcept {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS, "1", 1, "1", 1) != 0;
}

int CompareTexts(const std::string& first, const std::string& second, bool digitsAsNumbers) noexcept {
    if (digitsAsNumbers) {
        const int result =
            ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS, first.c_str(),
                             static_cast<int>(first.size()), second.c_str(), static_cast<int>(second.size()));
        if (result != 0) {
            return result - CSTR_EQUAL;
        }
    }
    const int fallback = ::lstrcmpiA(first.c_str(), second.c_str());
    return (fallback > 0) - (fallback < 0);
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

// The system's sort key for the same comparison as CompareTexts, or "" when it cannot make one.
std::string CollationKey(const std::string& text, bool digitsAsNumbers) {
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE | (digitsAsNumbers ? SORT_DIGITSASNUMBERS : 0);
    const int length = static_cast<int>(text.size());
    const int size = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), length, nullptr, 0);
    if (size <= 0) {
        return {};
    }
    std::string key(static_cast<std::size_t>(size), '\0');
    if (::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.c_str(), length, key.data(), size) != size) {
        return {};
    }
    return key;
}

SortContext ReadSortKeys(HWND listView, int column, bool descending) {
    SortContext context;
    context.descending = descending;
    context.digitsAsNumbers = SystemComparesDigitsAsNumbers();
    const auto count = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    context.keys.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        SortKey key{RowText(listView, row, column), {}, row};
        key.collation = CollationKey(key.text, context.digitsAsNumbers);
        context.collationKeys = context.collationKeys && !key.collation.empty();
        context.keys.emplace(RowId(listView, row), std::move(key));
    }
    return context;
}

int ByPosition(const SortKey& a, const SortKey& b) noexcept {
    return (a.position > b.position) - (a.position < b.position);
}

// The order of the list: the texts as CompareTexts compares them, then the original positions.
int CALLBACK CompareRows(LPARAM first, LPARAM second, LPARAM contextAddress) noexcept {
    const auto& context = *reinterpret_cast<const SortContext*>(contextAddress);
    const auto a = context.keys.find(first);
    const auto b = context.keys.find(second);
    if (a == context.keys.end() || b == context.keys.end()) {
        return 0;
    }
    const int order = CompareTexts(a->second.text, b->second.text, context.digitsAsNumbers);
    if (order != 0) {
        return context.descending ? -order : order;
    }
    return ByPosition(a->second, b->second);
}

// The same order from the sort keys: one comparison of bytes instead of a call into the system's
// collation, which for 100,000 rows made the sort take seconds.
int CALLBACK CompareRowsByKey(LPARAM first, LPARAM second, LPARAM contextAddress) noexcept {
    const auto& context = *reinterpret_cast<const SortContext*>(contextAddress);
    const auto a = context.keys.find(first);
    const auto b = context.keys.find(second);
    if (a == context.keys.end() || b == context.keys.end()) {
        return 0;
    }
    const int order = a->second.collation.compare(b->second.collation);
    if (order != 0) {
        return context.descending ? (order < 0) - (order > 0) : (order > 0) - (order < 0);
    }
    return ByPosition(a->second, b->second);
}

// Whether every neighbouring pair of rows is in the order CompareRows gives, which makes the whole
// list that order: sort keys are meant to agree with the comparison, and this makes sure they did.
bool InOrder(HWND listView, const SortContext& context) {
    const auto count = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    const auto address = reinterpret_cast<LPARAM>(&context);
    LPARAM previous = count > 0 ? RowId(listView, 0) : 0;
    for (int row = 1; row < count; ++row) {
        const LPARAM current = RowId(listView, row);
        if (CompareRows(previous, current, address) >= 0) {
            return false;
        }
        previous = current;
    }
    return true;
}

}  // namespace

int CompareForPeople(const std::string& first, const std::string& second) noexcept {
    return CompareTexts(first, second, true);
}

void SortListView(HWND listView, int column, bool descending) {
    // The list view moves its own rows, which keep their data, selection and focus; only the sort
    // column's texts are read, once each. Reading every row out and writing it back cost several
    // times the sort itself.
    const SortContext context = ReadSortKeys(listView, column, descending);
    const auto address = reinterpret_cast<WPARAM>(&context);
    bool sorted = false;
    if (context.collationKeys) {
        ::SendMessageA(listView, LVM_SORTITEMS, address, reinterpret_cast<LPARAM>(CompareRowsByKey));
        sorted = InOrder(listView, context);
    }
    if (!sorted) {
        ::SendMessageA(listView, LVM_SORTITEMS, address, reinterpret_cast<LPARAM>(CompareRows));
    }
    ShowSortArrow(listView, column, descending);
}

}  // namespace corvane::menu
