#include "creator/core/DriveLayout.h"

#include "common/core/AnsiText.h"
#include "common/core/PathText.h"

namespace corvane::creator {

bool IsProgramFile(std::string_view relativeName) {
    return relativeName == kMenuName || relativeName == kKindelName;
}

std::string AutorunInfText(std::string_view actionLabel, std::string_view volumeLabel) {
    const std::string action = LineBreaksToSpaces(actionLabel);
    const std::string volume = LineBreaksToSpaces(volumeLabel);
    std::string text;
    for (const std::string& line : {
             std::string("[autorun]"),
             std::string("open=Kindel.exe"),
             std::string("ShellExecute=Kindel.exe"),
             std::string("Icon=Menu.exe"),
             "Label=" + volume,
             "action=" + action,
             "shell\\menu=" + action,
             std::string("shell\\menu\\command=Kindel.exe"),
             std::string("Shell=Menu"),
         }) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::string TargetRootWithSeparator(std::string_view targetRoot) {
    std::string root(targetRoot);
    if (!root.empty() && root.back() != '\\' && root.back() != '/') {
        root += '\\';
    }
    return root;
}

std::string TargetPath(std::string_view targetRoot, std::string_view relativeName) {
    return TargetRootWithSeparator(targetRoot).append(relativeName);
}

std::string SourcePath(std::string_view creatorFolder, std::string_view relativeName) {
    return JoinPath(creatorFolder, relativeName);
}

}  // namespace corvane::creator
