// The menu's entries, held by the menu itself in the order the list shows them. Each entry has an
// identity that survives sorting and editing, so that a command started on one entry finds the
// same entry again after the list changed under it. Texts are UTF-8, whatever the file's encoding:
// the file's code page is dealt with where the file is read and written.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::menu {

using EntryId = std::uint32_t;  // 0 is never an entry's

// The columns of the list, which are also the lines of a record in Data.dat.
enum class EntryField : std::uint8_t { Name = 0, Target = 1, Switches = 2 };

// One entry. Its three texts share one allocation: a large list is mostly these.
class Entry {
  public:
    Entry(EntryId id, std::string_view name, std::string_view target, std::string_view switches);

    [[nodiscard]] EntryId Id() const noexcept { return id_; }
    [[nodiscard]] std::string_view Field(EntryField field) const noexcept;
    [[nodiscard]] std::string_view Name() const noexcept { return Field(EntryField::Name); }
    [[nodiscard]] std::string_view Target() const noexcept { return Field(EntryField::Target); }
    [[nodiscard]] std::string_view Switches() const noexcept { return Field(EntryField::Switches); }

  private:
    std::string texts_;  // name, target and switches one after the other
    std::uint32_t targetAt_;
    std::uint32_t switchesAt_;
    EntryId id_;
};

class EntryModel {
  public:
    [[nodiscard]] std::size_t Size() const noexcept { return entries_.size(); }
    [[nodiscard]] bool Empty() const noexcept { return entries_.empty(); }
    [[nodiscard]] const Entry& operator[](std::size_t index) const { return entries_[index]; }

    void Reserve(std::size_t count) { entries_.reserve(count); }
    void Clear() noexcept { entries_.clear(); }

    // Adds an entry at the end with a new identity, which it returns.
    EntryId Append(std::string_view name, std::string_view target, std::string_view switches);
    // Gives the entry new texts in its place; it keeps its identity. False when it is gone.
    bool Replace(EntryId id, std::string_view name, std::string_view target, std::string_view switches);
    // False when it is gone already.
    bool Remove(EntryId id);

    // Where the entry is now, or nothing when it is gone.
    [[nodiscard]] std::optional<std::size_t> IndexOf(EntryId id) const noexcept;

    // Puts the entries in a new order: `order[i]` is the index of the entry that is to be at i. The
    // order must name every index once (as a sort of the entries gives it); any other is refused
    // and leaves the entries as they were.
    bool Reorder(std::span<const std::size_t> order);

    // One column's texts, entry by entry (views into the entries, valid until they change).
    [[nodiscard]] std::vector<std::string_view> FieldTexts(EntryField field) const;

  private:
    std::vector<Entry> entries_;
    EntryId nextId_ = 1;
};

}  // namespace corvane::menu
