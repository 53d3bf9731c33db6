#include "start/core/StartFiles.h"

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
    files.componentFile = JoinPath(system, kComponentName);
    files.componentSource = JoinPath(JoinPath(own, kSupportFolderName), kComponentName);
    files.menuFile = JoinPath(own, kMenuFileName);
    if (!system.empty()) {
        files.registrar = JoinPath(system, kRegistrarName);
    }
    files.registrationCommandLine = kRegistrationCommand + ("\"" + files.componentFile + "\"");
    return files;
}

}  // namespace corvane::start
