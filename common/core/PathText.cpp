#include "common/core/PathText.h"

namespace corvane {

std::string WithoutTrailingBackslash(std::string_view folder, LeadByteTest isLead) {
    if (EndsWithCharacter(folder, '\\', isLead)) {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}

std::string JoinPath(std::string_view folder, std::string_view name, LeadByteTest isLead) {
    std::string path = WithoutTrailingBackslash(folder, isLead);
    path += '\\';
    return path.append(name);
}

std::string FolderOf(std::string_view path, LeadByteTest isLead) {
    const std::size_t backslash = FindLastCharacter(path, '\\', isLead);
    return backslash == std::string_view::npos ? std::string() : std::string(path.substr(0, backslash));
}

}  // namespace corvane
