// The repair wizard's reading of a drive: any Autorun.inf (UTF-16 or not) is read without harm, the
// labels read from any file give back a file the wizard takes for the creator's, and a repair plan
// only ever names entries of the drive it may change, each for what it is.
#include "common/core/CaseFolding.h"
#include "creator/core/DriveLayout.h"
#include "fuzz/FuzzSupport.h"
#include "tendwell/core/AutorunInf.h"
#include "tendwell/core/DriveCheck.h"

#include <algorithm>
#include <set>

using namespace corvane::tendwell;

namespace {

std::string AsIs(std::string_view bytes) {
    return std::string(bytes);
}

void ReadAutorun(std::string_view bytes) {
    const std::string text = AutorunTextFromBytes(bytes, AsIs);
    const std::vector<InfEntry> entries = ParseInf(text);
    for (const InfEntry& entry : entries) {
        FUZZ_REQUIRE(!corvane::fuzz::HasLineBreak(entry.line) && !corvane::fuzz::HasLineBreak(entry.section));
        FUZZ_REQUIRE(entry.line.find('=') != std::string::npos);
    }
    // Whatever labels a file gives, the file the wizard writes for them is one it leaves alone.
    const AutorunLabels labels = LabelsOf(entries);
    const std::string rewritten = corvane::creator::AutorunInfText(labels.action, labels.volume);
    FUZZ_REQUIRE(IsCreatorsAutorun(rewritten));
    FUZZ_REQUIRE(ForeignStarts(ParseInf(rewritten)).empty());
}

// The drive's root from the fields: each a name with its attributes in the first byte. A folder
// holds a name once, whatever its letter case.
DriveFacts FactsFrom(corvane::fuzz::FuzzFields& fields) {
    DriveFacts facts;
    std::set<std::string> folded;
    std::string name;
    while (!fields.Empty()) {
        const std::string_view field = fields.Next();
        corvane::FoldCaseInto(field.substr(std::min<std::size_t>(1, field.size())), name);
        if (field.size() < 2 || !folded.insert(name).second) {
            continue;
        }
        const auto bits = static_cast<unsigned char>(field.front());
        std::uint32_t attributes = bits & 0x7;  // read-only, hidden, system
        attributes |= (bits & 0x8) != 0 ? attributes::kDirectory : 0;
        attributes |= (bits & 0x10) != 0 ? attributes::kReparsePoint : 0;
        facts.entries.push_back({std::string(field.substr(1)), attributes});
    }
    facts.autorun = AutorunRead::Read;
    return facts;
}

void CheckPlan(const DriveFacts& facts) {
    const DriveCheck check = CheckDrive(facts);
    for (const RepairStep& step : check.steps) {
        FUZZ_REQUIRE(!step.description.empty());
        if (step.kind == RepairKind::WriteAutorun) {
            FUZZ_REQUIRE(step.name == "Autorun.inf");
            continue;
        }
        const auto entry = std::find_if(facts.entries.begin(), facts.entries.end(),
                                        [&step](const DriveEntry& e) { return e.name == step.name; });
        FUZZ_REQUIRE(entry != facts.entries.end());
        FUZZ_REQUIRE((entry->attributes & attributes::kReparsePoint) == 0);
        FUZZ_REQUIRE(!IsUntouchable(entry->name));
        if (step.kind == RepairKind::Unhide) {
            FUZZ_REQUIRE((entry->attributes & (attributes::kHidden | attributes::kSystem)) ==
                         (attributes::kHidden | attributes::kSystem));
        } else {
            FUZZ_REQUIRE((entry->attributes & attributes::kDirectory) == 0);
            FUZZ_REQUIRE(entry->name.size() > 4);
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string_view autorun = fields.Next();
    ReadAutorun(autorun);
    DriveFacts facts = FactsFrom(fields);
    facts.autorunText = AutorunTextFromBytes(autorun, AsIs);
    CheckPlan(facts);
    return 0;
}
