#include "menu/core/EntryModel.h"

#include <algorithm>

namespace corvane::menu {

Entry::Entry(EntryId id, std::string_view name, std::string_view target, std::string_view switches)
    : targetAt_(static_cast<std::uint32_t>(name.size())),
      switchesAt_(static_cast<std::uint32_t>(name.size() + target.size())),
      id_(id) {
    texts_.reserve(name.size() + target.size() + switches.size());
    texts_.append(name).append(target).append(switches);
}

std::string_view Entry::Field(EntryField field) const noexcept {
    const std::string_view all = texts_;
    switch (field) {
        case EntryField::Name:
            return all.substr(0, targetAt_);
        case EntryField::Target:
            return all.substr(targetAt_, switchesAt_ - targetAt_);
        case EntryField::Switches:
            return all.substr(switchesAt_);
    }
    return {};
}

EntryId EntryModel::Append(std::string_view name, std::string_view target, std::string_view switches) {
    const EntryId id = nextId_;
    entries_.emplace_back(id, name, target, switches);
    ++nextId_;
    return id;
}

bool EntryModel::Replace(EntryId id, std::string_view name, std::string_view target,
                         std::string_view switches) {
    const auto index = IndexOf(id);
    if (!index) {
        return false;
    }
    entries_[*index] = Entry(id, name, target, switches);
    return true;
}

bool EntryModel::Remove(EntryId id) {
    const auto index = IndexOf(id);
    if (!index) {
        return false;
    }
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(*index));
    return true;
}

std::optional<std::size_t> EntryModel::IndexOf(EntryId id) const noexcept {
    const auto found =
        std::find_if(entries_.begin(), entries_.end(), [id](const Entry& entry) { return entry.Id() == id; });
    if (found == entries_.end()) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(found - entries_.begin());
}

bool EntryModel::Reorder(std::span<const std::size_t> order) {
    if (order.size() != entries_.size()) {
        return false;
    }
    std::vector<bool> named(order.size(), false);
    for (const std::size_t index : order) {
        if (index >= order.size() || named[index]) {
            return false;
        }
        named[index] = true;
    }
    std::vector<Entry> reordered;
    reordered.reserve(entries_.size());
    for (const std::size_t index : order) {
        reordered.push_back(std::move(entries_[index]));
    }
    entries_ = std::move(reordered);
    return true;
}

std::vector<std::string_view> EntryModel::FieldTexts(EntryField field) const {
    std::vector<std::string_view> texts;
    texts.reserve(entries_.size());
    for (const Entry& entry : entries_) {
        texts.push_back(entry.Field(field));
    }
    return texts;
}

}  // namespace corvane::menu
