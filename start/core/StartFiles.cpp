#include "start/core/StartFiles.h"

#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"

namespace corvane::start {

std::string SystemFolderFromBuffer(std::string_view buffer) {
    return WithoutTrailingBackslash(buffer.substr(0, buffer.find('\0')));
}

StartFiles PlanStartFiles(std::string_view ownFolder, std::string_view systemFolder) {
    const std::string own = WithoutTrailingBackslash(ownFolder);
    const std::string system = WithoutTrailingBackslash(systemFolder);
    StartFiles files;
    files.systemFolder = system;
    files.componentFile = JoinPath(system, drive::kComponentName);
    files.componentSource = JoinPath(own, drive::kComponentFile);
    files.menuFile = JoinPath(own, drive::kMenuName);
    if (!system.empty()) {
        files.registrar = JoinPath(system, kRegistrarName);
    }
    files.registrationCommandLine = kRegistrationCommand + ("\"" + files.componentFile + "\"");
    return files;
}

}  // namespace corvane::start
