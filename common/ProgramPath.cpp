#include "common/ProgramPath.h"

#include "common/TextEncoding.h"
#include "common/core/PathText.h"

#include <windows.h>

#include <vector>

namespace corvane {

std::string ProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return Utf8FromWide({buffer.data(), length});
        }
        buffer.resize(buffer.size() * 2);  // a long path was cut: ask again with room for it
    }
}

std::string ProgramFolder() {
    return FolderOf(ProgramPath());
}

}  // namespace corvane
