// The find rules on any bytes: EntriesContaining and StartsWithIgnoringCase agree with a plain
// search over the texts decoded and folded unit by unit, and every text contains itself.
#include "common/core/CaseFolding.h"
#include "fuzz/FuzzSupport.h"
#include "menu/core/EntryFind.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace corvane;
using namespace corvane::menu;

namespace {

std::u32string FoldedUnits(std::string_view text) {
    std::u32string units;
    for (std::size_t at = 0; at < text.size();) {
        const Utf8Unit unit = DecodeUnit(text, at);
        units += FoldCase(unit.value);
        at += unit.length;
    }
    return units;
}

bool ReferenceContains(std::string_view text, std::u32string_view part) {
    const std::u32string units = FoldedUnits(text);
    return std::search(units.begin(), units.end(), part.begin(), part.end()) != units.end() || part.empty();
}

}  // namespace

// The input: the typed text, then the name and target of each entry.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string_view typed = fields.Next();
    const std::u32string part = FoldedUnits(typed);

    EntryModel model;
    std::vector<std::uint32_t> expected;
    while (!fields.Empty()) {
        const std::string_view name = fields.Next();
        const std::string_view target = fields.Next();
        if (ReferenceContains(name, part) || ReferenceContains(target, part)) {
            expected.push_back(static_cast<std::uint32_t>(model.Size()));
        }
        model.Append(name, target, "");

        const std::u32string nameUnits = FoldedUnits(name);
        FUZZ_REQUIRE(StartsWithIgnoringCase(name, typed) == nameUnits.starts_with(part));
        FUZZ_REQUIRE(ContainsIgnoringCase(name, name));
        FUZZ_REQUIRE(StartsWithIgnoringCase(name, name));

        // Folding twice changes nothing more than folding once.
        std::string once;
        std::string twice;
        FoldCaseInto(name, once);
        FoldCaseInto(once, twice);
        FUZZ_REQUIRE(once == twice);
    }
    FUZZ_REQUIRE(EntriesContaining(model, typed) == expected);
    return 0;
}
