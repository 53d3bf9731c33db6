// The format utility's keep folder for any drive label: always a new folder of its own below the
// profile folder, named without a character a name may not hold and without a trailing dot or space,
// and never on the drive being formatted when the profile is elsewhere.
#include "fuzz/FuzzSupport.h"
#include "utility/core/KeepPlan.h"

#include <set>

using namespace corvane::utility;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string_view label = fields.Next();
    const std::string_view taken = fields.Next();
    const std::string parent = "C:\\Users\\ann\\Corvane kept lists";
    std::set<std::string> existing;
    for (std::size_t i = 0; i < taken.size() && i < 8; ++i) {
        existing.insert(ChooseKeepFolder(parent, 'E', label,
                                         [&](const std::string& path) { return existing.count(path) > 0; }));
    }
    const std::string folder = ChooseKeepFolder(
        parent, 'E', label, [&](const std::string& path) { return existing.count(path) > 0; });
    FUZZ_REQUIRE(existing.count(folder) == 0);
    FUZZ_REQUIRE(folder.starts_with(parent + "\\Drive E"));
    const std::string name = folder.substr(parent.size() + 1);
    FUZZ_REQUIRE(name.find_first_of("\\/:*?\"<>|") == std::string::npos);
    FUZZ_REQUIRE(!name.ends_with('.') && !name.ends_with(' '));
    for (const char c : name) {
        FUZZ_REQUIRE(static_cast<unsigned char>(c) >= 0x20);
    }
    FUZZ_REQUIRE(!KeepFolderOnDrive(folder, 'E'));
    return 0;
}
