#include "menu/ListSorting.h"

#include "menu/EntryList.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <numeric>
#include <optional>
#include <unordered_map>

namespace corvane::menu {
namespace {

// Whether CompareStringA takes the digits flag here. Systems before Windows 7 reject it; asking once
// per sort spares every comparison a failing call first.
bool SystemComparesDigitsAsNumbers() noexcept {
    return ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS, "1", 1, "1", 1) != 0;
}

int CompareTexts(std::string_view first, std::string_view second, bool digitsAsNumbers) noexcept {
    const int firstLength = static_cast<int>(first.size());
    const int secondLength = static_cast<int>(second.size());
    if (digitsAsNumbers) {
        const int result = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS,
                                            first.data(), firstLength, second.data(), secondLength);
        if (result != 0) {
            return result - CSTR_EQUAL;
        }
    }
    const int result = ::CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, first.data(), firstLength,
                                        second.data(), secondLength);
    return result != 0 ? result - CSTR_EQUAL : first.compare(second);
}

// The system's sort key for the same comparison as CompareTexts, or nothing when it cannot make one.
// Most keys fit the buffer on the stack, which spares asking for the size with a second call.
std::optional<std::string> CollationKey(std::string_view text, bool digitsAsNumbers) {
    if (text.empty()) {
        // The system makes no key of an empty text; the empty key sorts it first, as CompareTexts does.
        return std::string();
    }
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE | (digitsAsNumbers ? SORT_DIGITSASNUMBERS : 0);
    const int length = static_cast<int>(text.size());
    std::array<char, 256> buffer{};
    const int size = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, buffer.data(),
                                    static_cast<int>(buffer.size()));
    if (size > 0) {
        return std::string(buffer.data(), static_cast<std::size_t>(size));
    }
    const int needed = ::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return std::nullopt;
    }
    std::string key(static_cast<std::size_t>(needed), '\0');
    if (::LCMapStringA(LOCALE_USER_DEFAULT, flags, text.data(), length, key.data(), needed) != needed) {
        return std::nullopt;
    }
    return key;
}

// Sorts positions by `compare` (negative, zero or positive, as for ascending order); equal elements
// keep their order in either direction.
template <typename Compare>
void SortPositions(std::vector<std::size_t>& order, bool descending, Compare compare) {
    std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        const int result = compare(a, b);
        return descending ? result > 0 : result < 0;
    });
}

// Whether every neighbouring pair is in the order CompareTexts gives, which makes the whole
// sequence that order: sort keys are meant to agree with the comparison, and this makes sure they did.
bool InOrder(std::span<const std::string_view> texts, const std::vector<std::size_t>& order, bool descending,
             bool digitsAsNumbers) {
    for (std::size_t i = 1; i < order.size(); ++i) {
        const int result = CompareTexts(texts[order[i - 1]], texts[order[i]], digitsAsNumbers);
        const bool wrongWay = descending ? result < 0 : result > 0;
        if (wrongWay || (result == 0 && order[i - 1] > order[i])) {
            return false;
        }
    }
    return true;
}

// The list view hands its sort callback the rows' identities; each is looked up for its place.
int CALLBACK CompareByRank(LPARAM first, LPARAM second, LPARAM ranksAddress) noexcept {
    const auto& ranks = *reinterpret_cast<const std::unordered_map<LPARAM, std::size_t>*>(ranksAddress);
    const auto a = ranks.find(first);
    const auto b = ranks.find(second);
    if (a == ranks.end() || b == ranks.end()) {
        return 0;
    }
    return (a->second > b->second) - (a->second < b->second);
}

}  // namespace

std::vector<std::size_t> OrderForPeople(std::span<const std::string_view> texts, bool descending) {
    const bool digitsAsNumbers = SystemComparesDigitsAsNumbers();
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // A list is saved in the order it shows, so a file is most often in order already; finding that
    // out stops at the first pair out of order.
    if (InOrder(texts, order, descending, digitsAsNumbers)) {
        return order;
    }

    // Each text's sort key is made once, and the keys are compared byte by byte, instead of a call
    // into the system's collation for every comparison.
    std::vector<std::string> keys;
    keys.reserve(texts.size());
    bool everyKeyMade = true;
    for (const std::string_view text : texts) {
        std::optional<std::string> key = CollationKey(text, digitsAsNumbers);
        if (!key) {
            everyKeyMade = false;
            break;
        }
        keys.push_back(std::move(*key));
    }
    if (everyKeyMade) {
        SortPositions(order, descending,
                      [&](std::size_t a, std::size_t b) { return keys[a].compare(keys[b]); });
        if (InOrder(texts, order, descending, digitsAsNumbers)) {
            return order;
        }
        std::iota(order.begin(), order.end(), std::size_t{0});
    }
    SortPositions(order, descending, [&](std::size_t a, std::size_t b) {
        return CompareTexts(texts[a], texts[b], digitsAsNumbers);
    });
    return order;
}

void SortListView(HWND listView, int column, bool descending) {
    // The order is worked out on the sort column's texts, read once each; the list view then moves
    // its own rows, which keep their data, selection and focus, comparing only their places.
    const auto count = static_cast<int>(::SendMessageA(listView, LVM_GETITEMCOUNT, 0, 0));
    std::vector<std::string> texts;
    std::vector<LPARAM> ids;
    texts.reserve(static_cast<std::size_t>(count));
    ids.reserve(static_cast<std::size_t>(count));
    for (int row = 0; row < count; ++row) {
        texts.push_back(RowText(listView, row, column));
        ids.push_back(RowId(listView, row));
    }
    const std::vector<std::string_view> views(texts.begin(), texts.end());
    const std::vector<std::size_t> order = OrderForPeople(views, descending);
    std::unordered_map<LPARAM, std::size_t> ranks;
    ranks.reserve(order.size());
    for (std::size_t rank = 0; rank < order.size(); ++rank) {
        ranks.emplace(ids[order[rank]], rank);
    }
    ::SendMessageA(listView, LVM_SORTITEMS, reinterpret_cast<WPARAM>(&ranks),
                   reinterpret_cast<LPARAM>(CompareByRank));
    ShowSortArrow(listView, column, descending);
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

}  // namespace corvane::menu
