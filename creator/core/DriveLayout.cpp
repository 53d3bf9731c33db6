#include "creator/core/DriveLayout.h"

#include "common/core/AnsiText.h"
#include "common/core/DriveFiles.h"

namespace corvane::creator {

bool IsProgramFile(std::string_view relativeName) {
    return relativeName == drive::kMenuName || relativeName == drive::kKindelName;
}

std::string AutorunInfText(std::string_view actionLabel, std::string_view volumeLabel) {
    const std::string action = LineBreaksToSpaces(actionLabel);
    const std::string volume = LineBreaksToSpaces(volumeLabel);
    const std::string kindel(drive::kKindelName);
    std::string text;
    for (const std::string& line : {
             std::string("[autorun]"),
             "open=" + kindel,
             "ShellExecute=" + kindel,
             "Icon=" + std::string(drive::kMenuName),
             "Label=" + volume,
             "action=" + action,
             "shell\\menu=" + action,
             "shell\\menu\\command=" + kindel,
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
    // The folder comes from the program's own path and never ends in a backslash; a byte 0x5C at
    // its end is the second byte of a double-byte character and must stay.
    std::string path(creatorFolder);
    path += '\\';
    return path.append(relativeName);
}

}  // namespace corvane::creator
