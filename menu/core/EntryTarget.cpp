#include "menu/core/EntryTarget.h"

#include "common/core/AnsiText.h"
#include "menu/core/PathRules.h"

namespace corvane::menu {

std::string GetFileName(std::string_view path) {
    const auto slash = path.rfind('\\');
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ProposedName(std::string_view path) {
    const std::string name = GetFileName(path);
    const auto dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string MenuDrivePrefix(std::string_view menuFolder) { return std::string(menuFolder.substr(0, 3)); }

std::string StoredTarget(std::string_view path, std::string_view menuDrivePrefix) {
    if (IsNetworkPath(path) || path.substr(0, 3) != menuDrivePrefix) {
        return std::string(path);
    }
    return std::string(path.substr(3));
}

std::string NameToStore(std::string_view typedName, std::string_view path) {
    return LineBreaksToSpaces(typedName.empty() ? GetFileName(path) : typedName);
}

}  // namespace corvane::menu
