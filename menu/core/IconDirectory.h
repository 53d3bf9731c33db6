// The icon directories the menu reads from files on a stick, checked before any of it is handed to
// Windows: the system's directory lookup is given no length, so a directory that claims more entries
// than its bytes hold would be read past its end.
//
// Both forms start with a 6-byte header (reserved 0, type 1, entry count). A program's RT_GROUP_ICON
// resource has 14-byte entries ending in the id of an RT_ICON resource; an .ico file has 16-byte
// entries ending in the image's size and offset in the file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace corvane::menu {

using IconBytes = std::span<const std::uint8_t>;

// True when `resource` is an icon group directory with at least one entry, all within its bytes.
bool IsIconGroupDirectory(IconBytes resource);

// Where one image of an .ico file lies in the file.
struct IconFileImage {
    std::size_t offset;
    std::size_t size;
};

// An .ico file's directory rewritten as a group directory, entry i naming id i + 1, beside where each
// image lies, so that the system's lookup for a size can pick from it as from a program's resources.
struct IconFileDirectory {
    std::vector<std::uint8_t> groupDirectory;
    std::vector<IconFileImage> images;  // images[id - 1]
};

// The file's directory, or nothing when it is not an icon file whose every image lies within it.
std::optional<IconFileDirectory> ReadIconFileDirectory(IconBytes file);

}  // namespace corvane::menu
