#include "menu/core/ListHistory.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <tuple>

namespace corvane::menu {
namespace {

constexpr std::string_view kPrefix = "data-";
constexpr std::string_view kSuffix = ".dat";
// More digits could overflow the sequence; no history grows that far.
constexpr std::size_t kMaxSequenceDigits = 18;

bool StartsWithIgnoringCase(std::string_view text, std::string_view lowerPrefix) {
    if (text.size() < lowerPrefix.size()) {
        return false;
    }
    for (std::size_t at = 0; at < lowerPrefix.size(); ++at) {
        const char c = text[at];
        const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
        if (lower != lowerPrefix[at]) {
            return false;
        }
    }
    return true;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Takes exactly `count` digits (any count from 1 to kMaxSequenceDigits when `count` is 0) from the
// front of `text`.
std::optional<std::uint64_t> TakeNumber(std::string_view& text, std::size_t count) {
    std::size_t digits = 0;
    while (digits < text.size() && IsDigit(text[digits])) {
        ++digits;
    }
    if (digits == 0 || (count != 0 && digits != count) || digits > kMaxSequenceDigits) {
        return std::nullopt;
    }
    std::uint64_t value = 0;
    for (std::size_t at = 0; at < digits; ++at) {
        value = value * 10 + static_cast<std::uint64_t>(text[at] - '0');
    }
    text.remove_prefix(digits);
    return value;
}

bool TakeDash(std::string_view& text) {
    if (text.empty() || text.front() != '-') {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// The parts of "<sequence>-YYYY-MM-DD-HHMM".
std::optional<ListVersion> ParseMiddle(std::string_view text) {
    ListVersion version;
    const auto sequence = TakeNumber(text, 0);
    if (!sequence || !TakeDash(text)) {
        return std::nullopt;
    }
    const auto year = TakeNumber(text, 4);
    const auto month = year && TakeDash(text) ? TakeNumber(text, 2) : std::nullopt;
    const auto day = month && TakeDash(text) ? TakeNumber(text, 2) : std::nullopt;
    const auto time = day && TakeDash(text) ? TakeNumber(text, 4) : std::nullopt;
    if (!time || !text.empty()) {
        return std::nullopt;
    }
    version.sequence = *sequence;
    version.saved = {static_cast<int>(*year), static_cast<int>(*month), static_cast<int>(*day),
                     static_cast<int>(*time / 100), static_cast<int>(*time % 100)};
    const SavedTime& saved = version.saved;
    if (saved.month < 1 || saved.month > 12 || saved.day < 1 || saved.day > 31 || saved.hour > 23 ||
        saved.minute > 59) {
        return std::nullopt;
    }
    return version;
}

using EntryTexts = std::tuple<std::string_view, std::string_view, std::string_view>;

std::vector<EntryTexts> SortedTexts(const EntryModel& entries) {
    std::vector<EntryTexts> texts;
    texts.reserve(entries.Size());
    for (std::size_t index = 0; index < entries.Size(); ++index) {
        const Entry& entry = entries[index];
        texts.emplace_back(entry.Name(), entry.Target(), entry.Switches());
    }
    std::sort(texts.begin(), texts.end());
    return texts;
}

}  // namespace

std::string VersionFileName(std::uint64_t sequence, const SavedTime& saved) {
    std::array<char, 64> name{};
    std::snprintf(name.data(), name.size(), "Data-%06llu-%04d-%02d-%02d-%02d%02d.dat",
                  static_cast<unsigned long long>(sequence), saved.year, saved.month, saved.day, saved.hour,
                  saved.minute);
    return name.data();
}

std::optional<ListVersion> ParseVersionName(std::string_view fileName) {
    if (!StartsWithIgnoringCase(fileName, kPrefix) || fileName.size() < kPrefix.size() + kSuffix.size() ||
        !StartsWithIgnoringCase(fileName.substr(fileName.size() - kSuffix.size()), kSuffix)) {
        return std::nullopt;
    }
    auto version =
        ParseMiddle(fileName.substr(kPrefix.size(), fileName.size() - kPrefix.size() - kSuffix.size()));
    if (version) {
        version->fileName = std::string(fileName);
    }
    return version;
}

std::vector<ListVersion> VersionsAmong(std::span<const std::string> fileNames) {
    std::vector<ListVersion> versions;
    for (const std::string& name : fileNames) {
        if (auto version = ParseVersionName(name)) {
            versions.push_back(std::move(*version));
        }
    }
    // Equal sequences (copied in by hand) keep a fixed order by name.
    std::sort(versions.begin(), versions.end(), [](const ListVersion& a, const ListVersion& b) {
        return a.sequence != b.sequence ? a.sequence > b.sequence : a.fileName > b.fileName;
    });
    return versions;
}

std::uint64_t NextSequence(std::span<const std::string> fileNames) {
    std::uint64_t highest = 0;
    for (const ListVersion& version : VersionsAmong(fileNames)) {
        highest = std::max(highest, version.sequence);
    }
    return highest + 1;
}

std::vector<ListVersion> VersionsToRemove(std::span<const ListVersion> versions, std::size_t keep) {
    std::vector<ListVersion> sorted(versions.begin(), versions.end());
    std::sort(sorted.begin(), sorted.end(), [](const ListVersion& a, const ListVersion& b) {
        return a.sequence != b.sequence ? a.sequence < b.sequence : a.fileName < b.fileName;
    });
    if (sorted.size() <= keep) {
        return {};
    }
    sorted.resize(sorted.size() - keep);
    return sorted;
}

bool SameEntriesInAnyOrder(const EntryModel& before, const EntryModel& after) {
    return before.Size() == after.Size() && SortedTexts(before) == SortedTexts(after);
}

std::string SavedTimeText(const SavedTime& saved) {
    std::array<char, 48> text{};
    std::snprintf(text.data(), text.size(), "%04d-%02d-%02d %02d:%02d", saved.year, saved.month, saved.day,
                  saved.hour, saved.minute);
    return text.data();
}

}  // namespace corvane::menu
