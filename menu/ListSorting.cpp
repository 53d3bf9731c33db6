#include "menu/ListSorting.h"

#include "common/TextEncoding.h"

#include <commctrl.h>

#include <algorithm>
#include <array>
#include <new>
#include <numeric>
#include <optional>
#include <string>

namespace corvane::menu {
namespace {

// Whether CompareStringW takes the digits flag here. Systems before Windows 7 reject it; asking once
// per sort spares every comparison a failing call first.
bool SystemComparesDigitsAsNumbers() noexcept {
    return ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS, L"1", 1, L"1", 1) !=
           0;
}

int CompareTexts(std::wstring_view first, std::wstring_view second, bool digitsAsNumbers) noexcept {
    const int firstLength = static_cast<int>(first.size());
    const int secondLength = static_cast<int>(second.size());
    if (digitsAsNumbers) {
        const int result = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_DIGITSASNUMBERS,
                                            first.data(), firstLength, second.data(), secondLength);
        if (result != 0) {
            return result - CSTR_EQUAL;
        }
    }
    const int result = ::CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, first.data(), firstLength,
                                        second.data(), secondLength);
    return result != 0 ? result - CSTR_EQUAL : first.compare(second);
}

// The system's sort key for the same comparison as CompareTexts, or nothing when it cannot make one.
// Most keys fit the buffer on the stack, which spares asking for the size with a second call. A key is
// a byte string whatever the text's width.
std::optional<std::string> CollationKey(std::wstring_view text, bool digitsAsNumbers) {
    if (text.empty()) {
        // The system makes no key of an empty text; the empty key sorts it first, as CompareTexts does.
        return std::string();
    }
    const DWORD flags = LCMAP_SORTKEY | NORM_IGNORECASE | (digitsAsNumbers ? SORT_DIGITSASNUMBERS : 0);
    const int length = static_cast<int>(text.size());
    std::array<char, 256> buffer{};
    const int size =
        ::LCMapStringW(LOCALE_USER_DEFAULT, flags, text.data(), length,
                       reinterpret_cast<wchar_t*>(buffer.data()), static_cast<int>(buffer.size()));
    if (size > 0) {
        return std::string(buffer.data(), static_cast<std::size_t>(size));
    }
    const int needed = ::LCMapStringW(LOCALE_USER_DEFAULT, flags, text.data(), length, nullptr, 0);
    if (needed <= 0) {
        return std::nullopt;
    }
    std::string key(static_cast<std::size_t>(needed), '\0');
    if (::LCMapStringW(LOCALE_USER_DEFAULT, flags, text.data(), length,
                       reinterpret_cast<wchar_t*>(key.data()), needed) != needed) {
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
bool InOrder(const std::vector<std::wstring>& texts, const std::vector<std::size_t>& order, bool descending,
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

}  // namespace

std::vector<std::size_t> OrderForPeople(std::span<const std::string_view> utf8Texts, bool descending) {
    const bool digitsAsNumbers = SystemComparesDigitsAsNumbers();
    // The system's collation works on UTF-16: each text is converted once.
    std::vector<std::wstring> texts;
    texts.reserve(utf8Texts.size());
    for (const std::string_view text : utf8Texts) {
        texts.push_back(WideFromUtf8(text));
    }
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
    for (const std::wstring& text : texts) {
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

bool SortEntries(EntryModel& entries, EntryField field, bool descending) noexcept {
    try {
        const std::vector<std::string_view> texts = entries.FieldTexts(field);
        const std::vector<std::size_t> order = OrderForPeople(texts, descending);
        return entries.Reorder(order);
    } catch (const std::bad_alloc&) {  // the entries stay in the order they were
        return false;
    }
}

void ShowSortArrow(HWND listView, int sortColumn, bool descending) {
    const auto header = reinterpret_cast<HWND>(::SendMessageW(listView, LVM_GETHEADER, 0, 0));
    const auto columns = static_cast<int>(::SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int column = 0; column < columns; ++column) {
        HDITEMW item{};
        item.mask = HDI_FORMAT;
        ::SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
        item.fmt &= ~(HDF_SORTUP | HDF_SORTDOWN);
        if (column == sortColumn) {
            item.fmt |= descending ? HDF_SORTDOWN : HDF_SORTUP;
        }
        ::SendMessageW(header, HDM_SETITEMW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&item));
    }
}

}  // namespace corvane::menu
