// Icon directories from any file bytes: what passes as a group directory holds every entry it claims,
// and an .ico file's directory is only ever rewritten with every image inside the file. A target path
// from any bytes is classified so that only a drive letter's path may be touched, and only a plain
// extension reaches the shell.
#include "fuzz/FuzzSupport.h"
#include "menu/core/IconDirectory.h"
#include "menu/core/TargetKind.h"

#include <algorithm>

using namespace corvane::menu;

namespace {

void Directories(IconBytes bytes) {
    if (IsIconGroupDirectory(bytes)) {
        const std::size_t claimed = bytes[4] | static_cast<std::size_t>(bytes[5]) << 8;
        FUZZ_REQUIRE(bytes.size() >= 6 + 14 * claimed);
    }
    const auto directory = ReadIconFileDirectory(bytes);
    if (!directory) {
        return;
    }
    FUZZ_REQUIRE(IsIconGroupDirectory(directory->groupDirectory));
    FUZZ_REQUIRE(directory->groupDirectory.size() == 6 + 14 * directory->images.size());
    for (const IconFileImage& image : directory->images) {
        FUZZ_REQUIRE(image.size > 0 && image.offset + image.size <= bytes.size());
    }
}

void Kind(IconBytes bytes) {
    std::wstring path;
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        path += static_cast<wchar_t>(bytes[i] | bytes[i + 1] << 8);
    }
    const TargetKind kind = ClassifyTarget(path);
    FUZZ_REQUIRE((kind.place == TargetPlace::DriveLetter) == (kind.drive != L'\0'));
    if (kind.place == TargetPlace::DriveLetter) {
        FUZZ_REQUIRE(kind.drive >= L'A' && kind.drive <= L'Z' && path.size() >= 2 && path[1] == L':');
    }
    const std::wstring& extension = kind.typeExtension;
    if (!extension.empty()) {
        FUZZ_REQUIRE(extension.front() == L'.' && extension.size() <= 17);
        FUZZ_REQUIRE(std::all_of(extension.begin() + 1, extension.end(), [](wchar_t c) {
            return (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'_' || c == L'-';
        }));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const IconBytes bytes(data, size);
    Directories(bytes);
    Kind(bytes);
    return 0;
}
