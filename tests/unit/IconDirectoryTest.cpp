#include "menu/core/IconDirectory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace corvane::menu {
namespace {

using Bytes = std::vector<std::uint8_t>;

void PutWord(Bytes& bytes, unsigned value) {
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8 & 0xFF));
}

void PutDoubleWord(Bytes& bytes, std::uint32_t value) {
    PutWord(bytes, value & 0xFFFF);
    PutWord(bytes, value >> 16);
}

Bytes Header(unsigned reserved, unsigned type, unsigned count) {
    Bytes bytes;
    PutWord(bytes, reserved);
    PutWord(bytes, type);
    PutWord(bytes, count);
    return bytes;
}

// An entry's first twelve bytes, the same in both forms: a 16-pixel 32-bit image of `size` bytes.
void PutEntryStart(Bytes& bytes, std::uint32_t size) {
    bytes.insert(bytes.end(), {16, 16, 0, 0});
    PutWord(bytes, 1);
    PutWord(bytes, 32);
    PutDoubleWord(bytes, size);
}

Bytes GroupDirectory(unsigned count, unsigned reserved = 0, unsigned type = 1) {
    Bytes bytes = Header(reserved, type, count);
    for (unsigned i = 0; i < count; ++i) {
        PutEntryStart(bytes, 40);
        PutWord(bytes, i + 1);
    }
    return bytes;
}

struct FileImage {
    std::uint32_t offset;
    std::uint32_t size;
};

Bytes IconFile(const std::vector<FileImage>& images, std::size_t totalSize) {
    Bytes bytes = Header(0, 1, static_cast<unsigned>(images.size()));
    for (const FileImage& image : images) {
        PutEntryStart(bytes, image.size);
        PutDoubleWord(bytes, image.offset);
    }
    bytes.resize(totalSize, 0xAB);
    return bytes;
}

// The system's lookup reads as many entries as the header claims: a directory must hold them all.
TEST(IconDirectory, GroupDirectoryMustHoldEveryEntryItClaims) {
    EXPECT_TRUE(IsIconGroupDirectory(GroupDirectory(1)));
    EXPECT_TRUE(IsIconGroupDirectory(GroupDirectory(3)));
    Bytes truncated = GroupDirectory(3);
    truncated.pop_back();
    EXPECT_FALSE(IsIconGroupDirectory(truncated));
    EXPECT_FALSE(IsIconGroupDirectory(GroupDirectory(0)));
    EXPECT_FALSE(IsIconGroupDirectory(GroupDirectory(1, 0, 2))) << "a cursor group";
    EXPECT_FALSE(IsIconGroupDirectory(GroupDirectory(1, 1)));
    EXPECT_FALSE(IsIconGroupDirectory(Header(0, 1, 1)));
    EXPECT_FALSE(IsIconGroupDirectory({}));
}

TEST(IconDirectory, IconFileBecomesAGroupDirectoryWithItsImagesPlaces) {
    const Bytes file = IconFile({{38, 40}, {78, 22}}, 100);
    const auto directory = ReadIconFileDirectory(file);
    ASSERT_TRUE(directory);
    ASSERT_EQ(directory->images.size(), 2u);
    EXPECT_EQ(directory->images[0].offset, 38u);
    EXPECT_EQ(directory->images[0].size, 40u);
    EXPECT_EQ(directory->images[1].offset, 78u);
    EXPECT_EQ(directory->images[1].size, 22u);
    EXPECT_TRUE(IsIconGroupDirectory(directory->groupDirectory));
    ASSERT_EQ(directory->groupDirectory.size(), 6u + 2 * 14);
    // Entry fields are kept; each entry names its image by id = position + 1.
    EXPECT_TRUE(std::equal(file.begin() + 6, file.begin() + 18, directory->groupDirectory.begin() + 6));
    EXPECT_EQ(directory->groupDirectory[6 + 12], 1);
    EXPECT_EQ(directory->groupDirectory[6 + 14 + 12], 2);
    EXPECT_EQ(directory->groupDirectory[6 + 14 + 8], 22) << "the second entry's byte count";
}

// Any image outside the file refuses the whole file: its bytes would be read from beyond it.
TEST(IconDirectory, IconFileWithAnImageOutsideItIsRefused) {
    const struct {
        const char* what;
        std::vector<FileImage> images;
    } cases[] = {
        {"ends past the file", {{22, 40}, {60, 41}}},
        {"starts past the file", {{22, 40}, {101, 1}}},
        {"offset and size wrap around", {{0xFFFFFFFF, 2}}},
        {"no bytes", {{22, 0}}},
    };
    for (const auto& c : cases) {
        EXPECT_FALSE(ReadIconFileDirectory(IconFile(c.images, 100))) << c.what;
    }
    EXPECT_FALSE(ReadIconFileDirectory(IconFile({{22, 40}, {62, 40}}, 6 + 16)))
        << "fewer entries than the header claims";
    EXPECT_TRUE(ReadIconFileDirectory(IconFile({{38, 62}}, 100))) << "an image up to the last byte";
}

}  // namespace
}  // namespace corvane::menu
