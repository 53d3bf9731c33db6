#include "menu/core/IconDirectory.h"

namespace corvane::menu {
namespace {

constexpr std::size_t kHeaderSize = 6;
constexpr std::size_t kGroupEntrySize = 14;
constexpr std::size_t kFileEntrySize = 16;
constexpr std::size_t kEntryCommonSize = 12;  // width .. bytes in resource: the same in both forms
constexpr std::uint16_t kIconType = 1;

std::uint16_t Word(IconBytes bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

std::uint32_t DoubleWord(IconBytes bytes, std::size_t at) {
    return static_cast<std::uint32_t>(Word(bytes, at)) | static_cast<std::uint32_t>(Word(bytes, at + 2))
                                                             << 16;
}

// The entry count when the header is an icon directory's whose entries of `entrySize` fit in `bytes`.
std::optional<std::size_t> EntryCount(IconBytes bytes, std::size_t entrySize) {
    if (bytes.size() < kHeaderSize || Word(bytes, 0) != 0 || Word(bytes, 2) != kIconType) {
        return std::nullopt;
    }
    const std::size_t count = Word(bytes, 4);
    if (count == 0 || bytes.size() < kHeaderSize + count * entrySize) {
        return std::nullopt;
    }
    return count;
}

void AppendWord(std::vector<std::uint8_t>& out, std::size_t value) {
    out.push_back(static_cast<std::uint8_t>(value & 0xFF));
    out.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

}  // namespace

bool IsIconGroupDirectory(IconBytes resource) {
    return EntryCount(resource, kGroupEntrySize).has_value();
}

std::optional<IconFileDirectory> ReadIconFileDirectory(IconBytes file) {
    const std::optional<std::size_t> count = EntryCount(file, kFileEntrySize);
    if (!count) {
        return std::nullopt;
    }
    IconFileDirectory directory;
    directory.groupDirectory.assign(file.begin(), file.begin() + kHeaderSize);
    directory.images.reserve(*count);
    for (std::size_t i = 0; i < *count; ++i) {
        const std::size_t entry = kHeaderSize + i * kFileEntrySize;
        const std::size_t size = DoubleWord(file, entry + 8);
        const std::size_t offset = DoubleWord(file, entry + 12);
        if (size == 0 || offset > file.size() || size > file.size() - offset) {
            return std::nullopt;
        }
        directory.images.push_back({offset, size});
        const auto common = file.subspan(entry, kEntryCommonSize);
        directory.groupDirectory.insert(directory.groupDirectory.end(), common.begin(), common.end());
        AppendWord(directory.groupDirectory, i + 1);
    }
    return directory;
}

}  // namespace corvane::menu
