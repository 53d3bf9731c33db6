// The start program's files for any folders: the registration program is only ever named by its
// full path in the system folder, never by a bare name that could be found on the stick, and the
// files it installs and starts are where they belong.
#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"
#include "fuzz/FuzzSupport.h"
#include "start/core/StartFiles.h"

using namespace corvane::start;
namespace drive = corvane::drive;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string_view buffer = fields.Next();
    const std::string_view programPath = fields.Next();

    const std::string system = SystemFolderFromBuffer(buffer);
    FUZZ_REQUIRE(buffer.starts_with(system) && system.find('\0') == std::string::npos);
    // The platform reports a folder with one trailing backslash at most (C:\ for a root).
    if (buffer.substr(0, buffer.find('\0')).ends_with("\\\\")) {
        return 0;
    }
    FUZZ_REQUIRE(!system.ends_with('\\'));

    const std::string own = corvane::FolderOf(programPath);
    FUZZ_REQUIRE(programPath.starts_with(own));

    const StartFiles files = PlanStartFiles(own, system);
    FUZZ_REQUIRE(files.componentFile == system + "\\" + std::string(drive::kComponentName));
    // The path is quoted: a space in the system folder's path must not split it.
    FUZZ_REQUIRE(files.registrationCommandLine == kRegistrationCommand + ("\"" + files.componentFile + "\""));
    FUZZ_REQUIRE(files.menuFile.starts_with(own) &&
                 files.menuFile.ends_with("\\" + std::string(drive::kMenuName)));
    FUZZ_REQUIRE(files.componentSource.starts_with(own));
    if (system.empty()) {
        FUZZ_REQUIRE(files.registrar.empty());
    } else {
        FUZZ_REQUIRE(files.registrar == system + "\\" + kRegistrarName);
    }
    return 0;
}
