#include "common/WindowsFolders.h"

#include "common/TextEncoding.h"

#include <windows.h>

#include <vector>

namespace corvane {
namespace {

// GetWindowsDirectory-style calls: the length without the NUL, or the size needed when too small.
template <typename Query>
std::string FolderFrom(Query query) {
    std::vector<wchar_t> buffer(MAX_PATH);
    UINT length = query(buffer.data(), static_cast<UINT>(buffer.size()));
    if (length >= buffer.size()) {
        buffer.resize(length + 1);
        length = query(buffer.data(), static_cast<UINT>(buffer.size()));
    }
    return Utf8FromWide({buffer.data(), length < buffer.size() ? length : 0});
}

}  // namespace

std::string WindowsFolder() {
    return FolderFrom(::GetSystemWindowsDirectoryW);
}

std::string SystemFolder() {
    return FolderFrom(::GetSystemDirectoryW);
}

std::string TempFolder() {
    // GetTempPath takes its arguments the other way round.
    return FolderFrom(
        [](wchar_t* buffer, UINT size) { return static_cast<UINT>(::GetTempPathW(size, buffer)); });
}

}  // namespace corvane
