#include "menu/core/PathRules.h"

namespace corvane::menu {
namespace {

constexpr std::size_t kAfterDrive = 2;  // zero-based index of position 3, the first after "\\" or "E:"

}  // namespace

bool IsNetworkPath(std::string_view path) { return path.starts_with("\\\\"); }

std::string WithTrailingBackslash(std::string_view folder) {
    std::string result(folder);
    if (!result.ends_with('\\')) {
        result += '\\';
    }
    return result;
}

std::string FolderOfProgram(std::string_view programPath) {
    const auto slash = programPath.rfind('\\');
    return WithTrailingBackslash(slash == std::string_view::npos ? std::string_view{}
                                                                 : programPath.substr(0, slash));
}

std::string MenuRootOf(std::string_view folder) {
    const auto first = folder.find('\\', kAfterDrive);
    if (IsNetworkPath(folder)) {
        const auto second = first == std::string_view::npos ? std::string_view::npos : folder.find('\\', first + 1);
        return second == std::string_view::npos ? WithTrailingBackslash(folder)
                                                : std::string(folder.substr(0, second + 1));
    }
    return first == std::string_view::npos ? WithTrailingBackslash(folder) : std::string(folder.substr(0, first + 1));
}

bool IsRoot(std::string_view path) {
    if (IsNetworkPath(path)) {
        const std::string_view names = path.substr(2);
        const auto slash = names.find('\\');
        return slash != std::string_view::npos && slash > 0 && slash + 1 < names.size() &&
               names.find('\\', slash + 1) >= names.size() - 1;
    }
    return (path.size() == 2 || (path.size() == 3 && path[2] == '\\')) && path[1] == ':';
}

std::string BelowRoot(std::string_view path) {
    if (IsNetworkPath(path)) {
        const auto first = path.find('\\', kAfterDrive);
        const auto second = path.find('\\', first == std::string_view::npos ? 0 : first + 1);
        return second == std::string_view::npos ? std::string(path) : std::string(path.substr(second + 1));
    }
    return path.size() <= 3 ? std::string() : std::string(path.substr(3));
}

std::string ParentFolder(std::string_view path) {
    if (path.size() <= 4) {
        return std::string(path);
    }
    const auto slash = path.rfind('\\');
    if (slash == std::string_view::npos || slash < kAfterDrive) {
        return std::string(path);
    }
    return std::string(path.substr(0, slash));
}

std::string VersionText(int major, int minor, int revision) {
    return std::to_string(major) + "." + std::to_string(minor) + std::to_string(revision);
}

}  // namespace corvane::menu
