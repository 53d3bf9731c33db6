#include "start/core/StartFiles.h"

namespace corvane::start {
namespace {

std::string WithoutTrailingBackslash(std::string_view folder) {
    if (!folder.empty() && folder.back() == '\\') {
        folder.remove_suffix(1);
    }
    return std::string(folder);
}

}  // namespace

std::string SystemFolderFromBuffer(std::string_view buffer) {
    return WithoutTrailingBackslash(buffer.substr(0, buffer.find('\0')));
}

std::string OwnFolderOf(std::string_view programPath) {
    const auto lastBackslash = programPath.rfind('\\');
    return lastBackslash == std::string_view::npos ? std::string()
                                                   : std::string(programPath.substr(0, lastBackslash));
}

StartFiles PlanStartFiles(std::string_view ownFolder, std::string_view systemFolder) {
    const std::string own = WithoutTrailingBackslash(ownFolder);
    const std::string system = WithoutTrailingBackslash(systemFolder);
    StartFiles files;
    files.systemFolder = system;
    files.componentFile = system + "\\" + kComponentName;
    files.componentSource = own + "\\" + kSupportFolderName + "\\" + kComponentName;
    files.menuFile = own + "\\" + kMenuFileName;
    if (!system.empty()) {
        files.registrar = system + "\\" + kRegistrarName;
    }
    files.registrationCommandLine = kRegistrationCommand + ("\"" + files.componentFile + "\"");
    return files;
}

}  // namespace corvane::start
