// The creation run for any set of files beside the creator and any names in its messages: nothing
// is touched without both programs, nothing is removed before Autorun.inf is staged, each removed
// file is copied anew after the folders exist, a support file the creator lacks is never removed,
// and every message names what it reports.
#include "creator/core/CreationPlan.h"
#include "creator/core/DriveLayout.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>

using namespace corvane::creator;
namespace drive = corvane::drive;

namespace {

std::size_t IndexOf(const CreationPlan& plan, StepKind kind, std::string_view text = {}) {
    const auto it = std::find_if(plan.steps.begin(), plan.steps.end(), [&](const CreationStep& step) {
        return step.kind == kind && (text.empty() || step.text == text);
    });
    return static_cast<std::size_t>(it - plan.steps.begin());
}

bool Contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

void Plan(std::uint16_t presentBits) {
    const CreationPlan plan = PlanCreation([presentBits](std::string_view name) {
        FUZZ_REQUIRE(name != drive::kAutorunName);  // the run writes it; it is never looked for
        const auto index =
            static_cast<std::size_t>(std::find(drive::kDriveFiles.begin(), drive::kDriveFiles.end(), name) -
                                     drive::kDriveFiles.begin());
        FUZZ_REQUIRE(index < drive::kDriveFiles.size());
        return ((presentBits >> index) & 1U) != 0;
    });
    if (!plan.missingPrograms.empty()) {
        FUZZ_REQUIRE(plan.steps.empty());
        return;
    }
    const std::size_t end = plan.steps.size();
    const std::size_t staged = IndexOf(plan, StepKind::StageAutorun);
    FUZZ_REQUIRE(staged < end);
    for (const std::string_view name : drive::kDriveFiles) {
        const std::size_t deleted = IndexOf(plan, StepKind::DeleteOldFile, name);
        const std::size_t copied = IndexOf(plan, StepKind::CopyNewFile, name);
        if (Contains(plan.missingSupportFiles, name)) {
            FUZZ_REQUIRE(deleted == end && copied == end);
            continue;
        }
        // Autorun.inf is staged before anything on the drive is removed: a creator folder that
        // cannot be written then leaves the drive's menu as it was.
        FUZZ_REQUIRE(staged < deleted && deleted < copied && copied < end);
        for (const std::string_view folder : drive::kDriveFolders) {
            FUZZ_REQUIRE(IndexOf(plan, StepKind::CreateFolder, folder) < copied);
        }
    }
    FUZZ_REQUIRE(plan.steps.back().kind == StepKind::ShowMessage);
    for (const std::string& missing : plan.missingSupportFiles) {
        FUZZ_REQUIRE(plan.steps.back().text.find(missing) != std::string::npos);
    }
}

void Messages(corvane::fuzz::FuzzFields& fields) {
    const std::string_view folder = fields.Next();
    std::vector<std::string> programs;
    while (!fields.Empty() && programs.size() < 4) {
        programs.emplace_back(fields.Next());
    }
    const std::string message = ProgramsMissingMessage(programs, folder);
    FUZZ_REQUIRE(message.find(folder) != std::string::npos);
    for (const std::string& program : programs) {
        FUZZ_REQUIRE(message.find(program) != std::string::npos);
    }
    const std::string failed =
        StepFailedMessage(folder, programs.empty() ? "" : programs.front(), "Access denied");
    FUZZ_REQUIRE(failed.starts_with(folder) && failed.ends_with(" : Access denied"));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    Plan(static_cast<std::uint16_t>(data[0] | (data[1] << 8)));
    corvane::fuzz::FuzzFields fields(data + 2, size - 2);
    Messages(fields);
    return 0;
}
