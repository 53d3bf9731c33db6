#include "menu/core/PathRules.h"

namespace corvane::menu {
namespace {

constexpr std::size_t kAfterDrive = 2;  // zero-based index of position 3, the first after "\\" or "E:"
constexpr auto npos = std::string_view::npos;

}  // namespace

bool IsNetworkPath(std::string_view path) {
    return path.starts_with("\\\\");
}

std::string WithTrailingBackslash(std::string_view folder, LeadByteTest isLead) {
    std::string result(folder);
    if (!EndsWithCharacter(result, '\\', isLead)) {
        result += '\\';
    }
    return result;
}

std::string FolderOfProgram(std::string_view programPath, LeadByteTest isLead) {
    const auto slash = FindLastCharacter(programPath, '\\', isLead);
    return WithTrailingBackslash(slash == npos ? std::string_view{} : programPath.substr(0, slash), isLead);
}

std::string MenuRootOf(std::string_view folder, LeadByteTest isLead) {
    const auto first = FindCharacter(folder, '\\', kAfterDrive, isLead);
    if (IsNetworkPath(folder)) {
        const auto second = first == npos ? npos : FindCharacter(folder, '\\', first + 1, isLead);
        return second == npos ? WithTrailingBackslash(folder, isLead)
                              : std::string(folder.substr(0, second + 1));
    }
    return first == npos ? WithTrailingBackslash(folder, isLead) : std::string(folder.substr(0, first + 1));
}

bool IsRoot(std::string_view path) {
    if (IsNetworkPath(path)) {
        const std::string_view names = path.substr(2);
        const auto slash = names.find('\\');
        return slash != npos && slash > 0 && slash + 1 < names.size() &&
               names.find('\\', slash + 1) >= names.size() - 1;
    }
    return (path.size() == 2 || (path.size() == 3 && path[2] == '\\')) && path[1] == ':';
}

std::string BelowRoot(std::string_view path, LeadByteTest isLead) {
    if (IsNetworkPath(path)) {
        const auto first = FindCharacter(path, '\\', kAfterDrive, isLead);
        const auto second = FindCharacter(path, '\\', first == npos ? 0 : first + 1, isLead);
        return second == npos ? std::string(path) : std::string(path.substr(second + 1));
    }
    return path.size() <= 3 ? std::string() : std::string(path.substr(3));
}

std::string ParentFolder(std::string_view path, LeadByteTest isLead) {
    if (path.size() <= 4) {
        return std::string(path);
    }
    const auto slash = FindLastCharacter(path, '\\', isLead);
    if (slash == npos || slash < kAfterDrive) {
        return std::string(path);
    }
    return std::string(path.substr(0, slash));
}

std::string VersionText(int major, int minor, int revision) {
    return std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
}

}  // namespace corvane::menu
