#include "menu/core/IconDirectory.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace corvane::menu {
namespace {

using Bytes = std::vector<std::uint8_t>;

void Put(Bytes& bytes, std::uint32_t value, int byteCount) {
    for (int i = 0; i < byteCount; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i) & 0xFF));
    }
}

// A directory of 16-pixel 32-bit entries, `count` claimed in the header; `last(i)` gives each entry's
// ending: a 2-byte id for a group resource, a 4-byte offset for an .ico file.
template <typename Last>
Bytes Directory(unsigned type, unsigned count, const std::vector<std::uint32_t>& sizes, Last&& last) {
    Bytes bytes;
    Put(bytes, 0, 2);
    Put(bytes, type, 2);
    Put(bytes, count, 2);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        bytes.insert(bytes.end(), {16, 16, 0, 0, 1, 0, 32, 0});
        Put(bytes, sizes[i], 4);
        last(bytes, i);
    }
    return bytes;
}

void PutId(Bytes& bytes, std::size_t index) {
    Put(bytes, static_cast<std::uint32_t>(index + 1), 2);
}

Bytes Group(unsigned count, std::size_t entries, unsigned type = 1) {
    return Directory(type, count, std::vector<std::uint32_t>(entries, 40), PutId);
}

Bytes IcoFile(const std::vector<std::uint32_t>& offsets, const std::vector<std::uint32_t>& sizes) {
    Bytes file = Directory(1, static_cast<unsigned>(sizes.size()), sizes,
                           [&](Bytes& b, std::size_t i) { Put(b, offsets[i], 4); });
    file.resize(100, 0xAB);
    return file;
}

// The system's lookup reads as many entries as the header claims: a directory must hold them all.
TEST(IconDirectory, GroupDirectoryMustHoldEveryEntryItClaims) {
    EXPECT_TRUE(IsIconGroupDirectory(Group(3, 3)));
    EXPECT_FALSE(IsIconGroupDirectory(Group(3, 2)));
    EXPECT_FALSE(IsIconGroupDirectory(Group(0, 0)));
    EXPECT_FALSE(IsIconGroupDirectory(Group(1, 1, 2))) << "a cursor group";
    EXPECT_FALSE(IsIconGroupDirectory({}));
}

// An .ico's directory becomes a group directory whose ids name its images; an image outside the file
// refuses the whole file, since its bytes would be read from beyond it.
TEST(IconDirectory, IconFileBecomesAGroupDirectoryOnlyWhenEveryImageIsInside) {
    const Bytes file = IcoFile({38, 78}, {40, 22});
    const auto directory = ReadIconFileDirectory(file);
    ASSERT_TRUE(directory);
    ASSERT_EQ(directory->images.size(), 2u);
    EXPECT_EQ(directory->images[1].offset, 78u);
    EXPECT_EQ(directory->images[1].size, 22u);
    EXPECT_EQ(directory->groupDirectory, Directory(1, 2, {40, 22}, PutId));

    EXPECT_FALSE(ReadIconFileDirectory(IcoFile({22, 60}, {40, 41}))) << "ends past the file";
    EXPECT_FALSE(ReadIconFileDirectory(IcoFile({101}, {1}))) << "starts past the file";
    EXPECT_FALSE(ReadIconFileDirectory(IcoFile({0xFFFFFFFF}, {2}))) << "offset and size wrap around";
    EXPECT_FALSE(ReadIconFileDirectory(IcoFile({22}, {0}))) << "no bytes";
    EXPECT_TRUE(ReadIconFileDirectory(IcoFile({38}, {62}))) << "an image up to the last byte";
    const Bytes oneOfTwo = Directory(1, 2, {16}, [](Bytes& b, std::size_t) { Put(b, 6, 4); });
    EXPECT_FALSE(ReadIconFileDirectory(oneOfTwo)) << "fewer entries than the header claims";
}

}  // namespace
}  // namespace corvane::menu
