// Which entries the list shows, and where: every entry in the model's order, or, while a find is
// active, only those that match, still in the model's order. Rows are what the list view counts;
// indexes are places in the EntryModel.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace corvane::menu {

class ShownEntries {
  public:
    // Every entry of a model of `count` entries, in order.
    void ShowAll(std::size_t count) noexcept;
    // Only the entries at these indexes, which must be ascending.
    void ShowOnly(std::vector<std::uint32_t> indexes) noexcept;

    [[nodiscard]] bool Narrowed() const noexcept { return narrowed_; }
    [[nodiscard]] std::size_t Rows() const noexcept { return narrowed_ ? indexes_.size() : count_; }
    // The model index shown in `row`; `row` must be below Rows().
    [[nodiscard]] std::size_t IndexAt(std::size_t row) const noexcept;
    // The row that shows the model index, or nothing when it is not shown.
    [[nodiscard]] std::optional<std::size_t> RowOf(std::size_t index) const noexcept;

  private:
    bool narrowed_ = false;
    std::size_t count_ = 0;               // when not narrowed
    std::vector<std::uint32_t> indexes_;  // when narrowed
};

}  // namespace corvane::menu
