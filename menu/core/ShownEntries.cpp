#include "menu/core/ShownEntries.h"

#include <algorithm>

namespace corvane::menu {

void ShownEntries::ShowAll(std::size_t count) noexcept {
    narrowed_ = false;
    count_ = count;
    indexes_.clear();
    indexes_.shrink_to_fit();
}

void ShownEntries::ShowOnly(std::vector<std::uint32_t> indexes) noexcept {
    narrowed_ = true;
    count_ = 0;
    indexes_ = std::move(indexes);
}

std::size_t ShownEntries::IndexAt(std::size_t row) const noexcept {
    return narrowed_ ? indexes_[row] : row;
}

std::optional<std::size_t> ShownEntries::RowOf(std::size_t index) const noexcept {
    if (!narrowed_) {
        return index < count_ ? std::optional<std::size_t>(index) : std::nullopt;
    }
    const auto found = std::lower_bound(indexes_.begin(), indexes_.end(), index);
    if (found == indexes_.end() || *found != index) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - indexes_.begin());
}

}  // namespace corvane::menu
