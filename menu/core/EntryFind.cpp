#include "menu/core/EntryFind.h"

#include "common/core/CaseFolding.h"

#include <string>

namespace corvane::menu {
namespace {

// A typed text folded once, unit by unit, for comparing with many entries' texts as they are.
class FoldedPart {
  public:
    explicit FoldedPart(std::string_view part) {
        units_.reserve(part.size());
        for (std::size_t at = 0; at < part.size();) {
            const Utf8Unit unit = FoldedUnitAt(part, at);
            units_ += unit.value;
            at += unit.length;
        }
        asciiStart_ = !units_.empty() && units_.front() < 0x80 && !HasFoldsFromBeyondAscii(units_.front());
    }

    bool FoundIn(std::string_view text) const noexcept {
        if (units_.empty()) {
            return true;
        }
        return asciiStart_ ? FoundByAsciiStart(text) : FoundUnitByUnit(text);
    }

  private:
    // Whether `text` from `at` on goes on with the units after the first.
    bool RestMatchesAt(std::string_view text, std::size_t at) const noexcept {
        for (std::size_t next = 1; next < units_.size(); ++next) {
            if (at >= text.size()) {
                return false;
            }
            const Utf8Unit unit = FoldedUnitAt(text, at);
            if (unit.value != units_[next]) {
                return false;
            }
            at += unit.length;
        }
        return true;
    }

    // Every unit takes at least one byte, so a match cannot start nearer the end than this.
    std::size_t LastPossibleStart(std::string_view text) const noexcept {
        return text.size() - units_.size();
    }

    // The first unit is an ASCII character that only its own two cases fold to. ASCII bytes occur in
    // UTF-8 only as themselves, so the bytes can be scanned without decoding what lies between.
    bool FoundByAsciiStart(std::string_view text) const noexcept {
        if (text.size() < units_.size()) {
            return false;
        }
        const char lower = static_cast<char>(units_.front());
        const char upper = lower >= 'a' && lower <= 'z' ? static_cast<char>(lower - 'a' + 'A') : lower;
        const std::size_t last = LastPossibleStart(text);
        for (std::size_t at = 0; at <= last; ++at) {
            if ((text[at] == lower || text[at] == upper) && RestMatchesAt(text, at + 1)) {
                return true;
            }
        }
        return false;
    }

    bool FoundUnitByUnit(std::string_view text) const noexcept {
        if (text.size() < units_.size()) {
            return false;
        }
        const std::size_t last = LastPossibleStart(text);
        for (std::size_t at = 0; at <= last;) {
            const Utf8Unit unit = FoldedUnitAt(text, at);
            if (unit.value == units_.front() && RestMatchesAt(text, at + unit.length)) {
                return true;
            }
            at += unit.length;
        }
        return false;
    }

    std::u32string units_;
    bool asciiStart_ = false;
};

}  // namespace

bool ContainsIgnoringCase(std::string_view text, std::string_view part) {
    return FoldedPart(part).FoundIn(text);
}

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix) {
    std::size_t inText = 0;
    for (std::size_t inPrefix = 0; inPrefix < prefix.size();) {
        if (inText >= text.size()) {
            return false;
        }
        const Utf8Unit expected = FoldedUnitAt(prefix, inPrefix);
        const Utf8Unit found = FoldedUnitAt(text, inText);
        if (found.value != expected.value) {
            return false;
        }
        inPrefix += expected.length;
        inText += found.length;
    }
    return true;
}

std::vector<std::uint32_t> EntriesContaining(const EntryModel& model, std::string_view text) {
    const FoldedPart part(text);
    std::vector<std::uint32_t> found;
    for (std::size_t index = 0; index < model.Size(); ++index) {
        const Entry& entry = model[index];
        if (part.FoundIn(entry.Name()) || part.FoundIn(entry.Target())) {
            found.push_back(static_cast<std::uint32_t>(index));
        }
    }
    return found;
}

}  // namespace corvane::menu
