#include "common/DroppedFiles.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"

#include <new>

namespace corvane {

std::vector<std::string> TakeDroppedPaths(HDROP drop) noexcept {
    const DropList files(drop);
    std::vector<std::string> paths;
    try {
        const UINT count = ::DragQueryFileW(files.get(), 0xFFFFFFFF, nullptr, 0);
        for (UINT index = 0; index < count; ++index) {
            // Asked for its length first: a dropped path may be longer than MAX_PATH.
            std::wstring path(::DragQueryFileW(files.get(), index, nullptr, 0) + 1, L'\0');
            const UINT length =
                ::DragQueryFileW(files.get(), index, path.data(), static_cast<UINT>(path.size()));
            if (length > 0) {
                path.resize(length);
                paths.push_back(Utf8FromWide(path));
            }
        }
    } catch (const std::bad_alloc&) {  // nothing is taken from a drop that does not fit in memory
        paths.clear();
    }
    return paths;
}

}  // namespace corvane
