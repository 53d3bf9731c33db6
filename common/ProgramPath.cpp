#include "common/ProgramPath.h"

#include "common/core/PathText.h"

#include <windows.h>

#include <vector>

namespace corvane {

std::string ProgramPath() {
    std::vector<char> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            return std::string(buffer.data(), length);
        }
        buffer.resize(buffer.size() * 2);  // a long path was cut: ask again with room for it
    }
}

std::string ProgramFolder() {
    return FolderOf(ProgramPath());
}

}  // namespace corvane
