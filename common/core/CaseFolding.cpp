#include "common/core/CaseFolding.h"

#include "common/core/CaseFoldingTable.h"

#include <algorithm>

namespace corvane {
namespace {

constexpr bool RangesAscendWithoutOverlap() {
    for (std::size_t i = 0; i < kCaseFoldRanges.size(); ++i) {
        const CaseFoldRange& range = kCaseFoldRanges[i];
        if (range.first > range.last || (i > 0 && kCaseFoldRanges[i - 1].last >= range.first)) {
            return false;
        }
    }
    return true;
}
static_assert(RangesAscendWithoutOverlap(), "the lookup below searches the ranges by halving");

constexpr bool Folds(const CaseFoldRange& range, char32_t c) {
    return c >= range.first && c <= range.last && (c - range.first) % range.step == 0;
}

constexpr std::array<bool, 0x80> FindFoldsFromBeyondAscii() {
    std::array<bool, 0x80> found{};
    for (const CaseFoldRange& range : kCaseFoldRanges) {
        for (char32_t c = std::max<char32_t>(range.first, 0x80); c <= range.last; ++c) {
            const auto target = static_cast<char32_t>(static_cast<std::int32_t>(c) + range.delta);
            if (Folds(range, c) && target < 0x80) {
                found[target] = true;
            }
        }
    }
    return found;
}
constexpr std::array<bool, 0x80> kFoldsFromBeyondAscii = FindFoldsFromBeyondAscii();

}  // namespace

char32_t FoldCaseBeyondAscii(char32_t c) noexcept {
    const auto after =
        std::upper_bound(kCaseFoldRanges.begin(), kCaseFoldRanges.end(), c,
                         [](char32_t value, const CaseFoldRange& range) { return value < range.first; });
    if (after == kCaseFoldRanges.begin()) {
        return c;
    }
    const CaseFoldRange& range = *(after - 1);
    return Folds(range, c) ? static_cast<char32_t>(static_cast<std::int32_t>(c) + range.delta) : c;
}

bool HasFoldsFromBeyondAscii(char32_t ascii) noexcept {
    return ascii < 0x80 && kFoldsFromBeyondAscii[ascii];
}

void FoldCaseInto(std::string_view text, std::string& folded) {
    folded.clear();
    for (std::size_t at = 0; at < text.size();) {
        const auto lead = static_cast<unsigned char>(text[at]);
        if (lead < 0x80) {
            folded += static_cast<char>(FoldCase(lead));
            ++at;
            continue;
        }
        const Utf8Unit unit = FoldedUnitAt(text, at);
        AppendUnit(unit.value, folded);
        at += unit.length;
    }
}

}  // namespace corvane
