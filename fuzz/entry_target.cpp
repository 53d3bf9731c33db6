// The editor's rules for any typed or chosen path: names come from the path's last component, a
// name never holds a line break, and a target stored without its drive resolves, when the menu
// launches it, to the very path that was chosen.
#include "fuzz/FuzzSupport.h"
#include "menu/core/EntryTarget.h"
#include "menu/core/LaunchPlan.h"
#include "menu/core/PathRules.h"

using namespace corvane::menu;

namespace {

void Names(std::string_view path, std::string_view typedName) {
    const std::string fileName = GetFileName(path);
    FUZZ_REQUIRE(path.ends_with(fileName));
    FUZZ_REQUIRE(fileName.find('\\') == std::string::npos);

    const std::string proposed = ProposedName(path);
    FUZZ_REQUIRE(fileName.starts_with(proposed));
    if (proposed.size() < fileName.size()) {
        // Only the last extension goes: a dot and a tail without dots.
        FUZZ_REQUIRE(fileName[proposed.size()] == '.');
        FUZZ_REQUIRE(fileName.find('.', proposed.size() + 1) == std::string::npos);
    }

    const std::string stored = NameToStore(typedName, path);
    FUZZ_REQUIRE(!corvane::fuzz::HasLineBreak(stored));
    FUZZ_REQUIRE(stored.size() == (typedName.empty() ? fileName.size() : typedName.size()));
}

// A path the platform could report below a drive root: no second colon, no doubled separator.
bool IsPlainBelowRoot(std::string_view below) {
    return below.find(':') == std::string_view::npos && !below.starts_with('\\');
}

void StoredTargets(std::string_view menuFolder, std::string_view path) {
    const std::string prefix = MenuDrivePrefix(menuFolder);
    FUZZ_REQUIRE(menuFolder.starts_with(prefix));
    const std::string stored = StoredTarget(path, prefix);
    if (stored == path) {
        return;
    }
    // Only a path on the menu's own drive loses its drive, and only the three characters of it.
    FUZZ_REQUIRE(!IsNetworkPath(path) && path.starts_with(prefix) && path.substr(3) == stored);
    if (IsPlainBelowRoot(stored)) {
        FUZZ_REQUIRE(ResolveTarget(LaunchBase(menuFolder), stored) == path);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string menuFolder = corvane::fuzz::MenuFolderFrom(fields.Next());
    const std::string_view path = fields.Next();
    Names(path, fields.Next());
    StoredTargets(menuFolder, path);
    // The same path on the menu's own drive, as the file dialog would hand it over.
    StoredTargets(menuFolder, MenuDrivePrefix(menuFolder) + std::string(path));
    return 0;
}
