#include "menu/core/FileDialogText.h"

#include <algorithm>

namespace corvane::menu {

std::string DialogFilter(std::string_view filter) {
    std::string result(filter);
    std::replace_if(
        result.begin(), result.end(), [](char c) { return c == '|' || c == ':'; }, '\0');
    return WithTwoNuls(result);
}

std::string WithTwoNuls(std::string_view text) {
    std::string result(text);
    result.append(2, '\0');
    return result;
}

void ParseMultiSelection(std::string_view filename, const std::string& source, std::string& folder,
                         std::vector<std::string>& files) {
    const auto end = filename.find(std::string_view("\0\0", 2));
    if (end == std::string_view::npos) {
        throw FileDialogError{kInvalidArgumentError, source, kInvalidArgumentText};
    }
    const std::string_view list = filename.substr(0, end);
    files.clear();
    if (list.find('\0') == std::string_view::npos) {
        const auto slash = filename.rfind('\\', end);
        if (slash == std::string_view::npos) {
            folder.clear();
            files.emplace_back(list);
        } else {
            folder = std::string(filename.substr(0, slash + 1));
            files.emplace_back(list.substr(slash + 1));
        }
        return;
    }
    std::size_t start = list.find('\0');
    folder = std::string(list.substr(0, start));
    while (start != std::string_view::npos) {
        const std::size_t next = list.find('\0', start + 1);
        files.emplace_back(list.substr(
            start + 1, next == std::string_view::npos ? std::string_view::npos : next - start - 1));
        start = next;
    }
}

}  // namespace corvane::menu
