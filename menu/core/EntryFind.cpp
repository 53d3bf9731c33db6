#include "menu/core/EntryFind.h"

#include <algorithm>

namespace corvane::menu {
namespace {

char FoldAscii(char c) noexcept {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualFolded(char a, char b) noexcept {
    return FoldAscii(a) == FoldAscii(b);
}

}  // namespace

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end(), EqualFolded) != text.end();
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() &&
           std::equal(prefix.begin(), prefix.end(), text.begin(), EqualFolded);
}

std::vector<std::uint32_t> EntriesContaining(const EntryModel& model, std::string_view text) {
    std::vector<std::uint32_t> found;
    for (std::size_t index = 0; index < model.Size(); ++index) {
        const Entry& entry = model[index];
        if (ContainsIgnoringCase(entry.Name(), text) || ContainsIgnoringCase(entry.Target(), text)) {
            found.push_back(static_cast<std::uint32_t>(index));
        }
    }
    return found;
}

}  // namespace corvane::menu
