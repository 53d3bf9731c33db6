#include "menu/core/EntryTarget.h"

#include "common/core/AnsiText.h"
#include "menu/core/PathRules.h"

namespace corvane::menu {

std::string GetFileName(std::string_view path, LeadByteTest isLead) {
    const auto slash = FindLastCharacter(path, '\\', isLead);
    return std::string(slash == std::string_view::npos ? path : path.substr(slash + 1));
}

std::string ProposedName(std::string_view path, LeadByteTest isLead) {
    const std::string name = GetFileName(path, isLead);
    const auto dot = FindLastCharacter(name, '.', isLead);
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string MenuDrivePrefix(std::string_view menuFolder) {
    return std::string(menuFolder.substr(0, 3));
}

std::string StoredTarget(std::string_view path, std::string_view menuDrivePrefix) {
    if (IsNetworkPath(path) || path.substr(0, 3) != menuDrivePrefix) {
        return std::string(path);
    }
    return std::string(path.substr(3));
}

std::string NameToStore(std::string_view typedName, std::string_view path, LeadByteTest isLead) {
    return LineBreaksToSpaces(typedName.empty() ? GetFileName(path, isLead) : typedName);
}

}  // namespace corvane::menu
