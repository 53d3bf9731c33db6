#include "menu/TargetIcons.h"

#include "menu/core/IconDirectory.h"

#include <shellapi.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace corvane::menu {
namespace {

// Declared only for newer systems than the programs build for; the values are fixed.
constexpr DWORD kRecallOnOpen = 0x00040000;
constexpr DWORD kRecallOnDataAccess = 0x00400000;
constexpr DWORD kNotReadable =
    FILE_ATTRIBUTE_REPARSE_POINT | FILE_ATTRIBUTE_OFFLINE | kRecallOnOpen | kRecallOnDataAccess;

// An .ico larger than this gets its type's icon: reading it off a slow stick would hold up the rest.
constexpr LONGLONG kLargestIconFile = 2 * 1024 * 1024;

// The resource types for the wide functions (the headers give them for the ANSI ones only).
const LPCWSTR kIconGroupType = MAKEINTRESOURCEW(14);
const LPCWSTR kIconImageType = MAKEINTRESOURCEW(3);

constexpr DWORD kIconFormatVersion = 0x00030000;  // what CreateIconFromResourceEx expects since Windows 3

UniqueIcon TypeIcon(const std::wstring& extension) {
    // USEFILEATTRIBUTES: the shell looks at the name and the attributes it is given, never at a file.
    const std::wstring name = L"file" + extension;
    SHFILEINFOW info{};
    if (::SHGetFileInfoW(name.c_str(), FILE_ATTRIBUTE_NORMAL, &info, sizeof info,
                         SHGFI_ICON | SHGFI_SMALLICON | SHGFI_USEFILEATTRIBUTES) == 0) {
        return {};
    }
    return UniqueIcon(info.hIcon);
}

UniqueIcon IconFromImage(IconBytes image, int size) {
    if (image.empty()) {
        return {};
    }
    // The system reads at most the length it is given, and checks the image against it.
    return UniqueIcon(::CreateIconFromResourceEx(const_cast<PBYTE>(image.data()),
                                                 static_cast<DWORD>(image.size()), TRUE, kIconFormatVersion,
                                                 size, size, LR_DEFAULTCOLOR));
}

int IconIdForSize(IconBytes groupDirectory, int size) {
    return ::LookupIconIdFromDirectoryEx(const_cast<PBYTE>(groupDirectory.data()), TRUE, size, size,
                                         LR_DEFAULTCOLOR);
}

// A resource's bytes, or none when they do not lie within one mapped region of the file: the sizes
// come from the file and are not to be trusted further than the mapping reaches.
IconBytes ResourceBytes(HMODULE module, HRSRC resource) {
    if (resource == nullptr) {
        return {};
    }
    const HGLOBAL loaded = ::LoadResource(module, resource);
    const auto* data = static_cast<const std::uint8_t*>(loaded != nullptr ? ::LockResource(loaded) : nullptr);
    const DWORD size = ::SizeofResource(module, resource);
    MEMORY_BASIC_INFORMATION region{};
    if (data == nullptr || size == 0 || ::VirtualQuery(data, &region, sizeof region) == 0 ||
        region.State != MEM_COMMIT) {
        return {};
    }
    const auto* regionEnd = static_cast<const std::uint8_t*>(region.BaseAddress) + region.RegionSize;
    if (static_cast<std::size_t>(regionEnd - data) < size) {
        return {};
    }
    return {data, size};
}

// The name of the first icon group of the module: an id or a copied text.
struct FirstIconGroup {
    ULONG_PTR id = 0;
    std::wstring name;
    bool found = false;
    [[nodiscard]] LPCWSTR Resource() const noexcept { return id != 0 ? MAKEINTRESOURCEW(id) : name.c_str(); }
};

BOOL CALLBACK TakeFirstName(HMODULE, LPCWSTR, LPWSTR name, LONG_PTR param) noexcept {
    auto* first = reinterpret_cast<FirstIconGroup*>(param);
    try {
        if (IS_INTRESOURCE(name)) {
            first->id = reinterpret_cast<ULONG_PTR>(name);
        } else {
            first->name = name;  // valid only during the enumeration
        }
        first->found = true;
    } catch (...) {
    }
    return FALSE;  // the first is all we want
}

UniqueIcon ProgramIcon(const std::wstring& path, int size) {
    // As data and as an image resource: mapped for reading, no code run, no imports resolved.
    const UniqueModule module(
        ::LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    if (!module) {
        return {};
    }
    FirstIconGroup first;
    ::EnumResourceNamesW(module.get(), kIconGroupType, TakeFirstName, reinterpret_cast<LONG_PTR>(&first));
    if (!first.found) {
        return {};
    }
    const IconBytes group =
        ResourceBytes(module.get(), ::FindResourceW(module.get(), first.Resource(), kIconGroupType));
    if (!IsIconGroupDirectory(group)) {
        return {};
    }
    const int id = IconIdForSize(group, size);
    if (id <= 0) {
        return {};
    }
    return IconFromImage(
        ResourceBytes(module.get(), ::FindResourceW(module.get(), MAKEINTRESOURCEW(id), kIconImageType)),
        size);
}

std::optional<std::vector<std::uint8_t>> ReadSmallFile(const std::wstring& path, LONGLONG limit) {
    // Never through a link: the attributes were checked, but the file may have changed since.
    const UniqueFile file(::CreateFileW(
        path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
        OPEN_EXISTING, FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    LARGE_INTEGER size{};
    if (!file || !::GetFileSizeEx(file.get(), &size) || size.QuadPart <= 0 || size.QuadPart > limit) {
        return std::nullopt;
    }
    std::vector<std::uint8_t> contents(static_cast<std::size_t>(size.QuadPart));
    DWORD read = 0;
    if (!::ReadFile(file.get(), contents.data(), static_cast<DWORD>(contents.size()), &read, nullptr) ||
        read != contents.size()) {
        return std::nullopt;
    }
    return contents;
}

UniqueIcon IconFileIcon(const std::wstring& path, int size) {
    const auto contents = ReadSmallFile(path, kLargestIconFile);
    if (!contents) {
        return {};
    }
    const auto directory = ReadIconFileDirectory(*contents);
    if (!directory) {
        return {};
    }
    const int id = IconIdForSize(directory->groupDirectory, size);
    if (id <= 0 || static_cast<std::size_t>(id) > directory->images.size()) {
        return {};
    }
    const IconFileImage& image = directory->images[static_cast<std::size_t>(id) - 1];
    return IconFromImage(IconBytes(*contents).subspan(image.offset, image.size), size);
}

}  // namespace

UniqueIcon ReadTargetIcon(const std::wstring& path, const TargetKind& kind, DWORD attributes, int size) {
    if ((attributes & kNotReadable) == 0) {
        if (kind.iconSource == IconSource::ProgramResources) {
            return ProgramIcon(path, size);
        }
        if (kind.iconSource == IconSource::IconFile) {
            return IconFileIcon(path, size);
        }
    }
    return TypeIcon(kind.typeExtension);
}

}  // namespace corvane::menu
