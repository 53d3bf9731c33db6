#include "start/core/StartFiles.h"

#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"

namespace corvane::start {

std::string SystemFolderFromBuffer(std::string_view buffer) {
    return WithoutTrailingBackslash(buffer.substr(0, buffer.find('\0')));
}

StartFiles PlanStartFiles(std::string_view ownFolder, std::string_view systemFolder) {
    // JoinPath puts exactly one backslash between a folder and a name, whether or not the folder ends
    // in one, so the folders are joined as they come.
    const std::string system = WithoutTrailingBackslash(systemFolder);
    StartFiles files;
    files.systemFolder = system;
    files.componentFile = JoinPath(system, drive::kComponentName);
    files.componentSource = JoinPath(ownFolder, drive::kComponentFile);
    files.menuFile = JoinPath(ownFolder, drive::kMenuName);
    if (!system.empty()) {
        files.registrar = JoinPath(system, kRegistrarName);
    }
    files.registrationCommandLine = kRegistrationCommand + ("\"" + files.componentFile + "\"");
    return files;
}

}  // namespace corvane::start
