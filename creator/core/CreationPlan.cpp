#include "creator/core/CreationPlan.h"

#include "creator/core/CreatorTexts.h"
#include "creator/core/DriveLayout.h"

#include <algorithm>

namespace corvane::creator {
namespace {

std::string JoinLines(const std::vector<std::string>& items) {
    std::string joined;
    for (const std::string& item : items) {
        if (!joined.empty()) {
            joined += "\r\n";
        }
        joined += item;
    }
    return joined;
}

}  // namespace

bool InputsComplete(const CreationInputs& inputs) {
    return !inputs.targetRoot.empty() && !(inputs.actionLabel.empty() && inputs.volumeLabel.empty());
}

CreationPlan PlanCreation(const std::function<bool(std::string_view relativeName)>& presentBesideCreator) {
    CreationPlan plan;
    for (const std::string_view name : drive::kDriveFiles) {
        if (name == drive::kAutorunName || presentBesideCreator(name)) {
            continue;
        }
        (IsProgramFile(name) ? plan.missingPrograms : plan.missingSupportFiles).emplace_back(name);
    }
    if (!plan.missingPrograms.empty()) {
        return plan;
    }
    // A support file the creator cannot supply keeps the drive's older copy: it is neither removed
    // nor copied.
    const auto supplied = [&plan](std::string_view name) {
        return std::find(plan.missingSupportFiles.begin(), plan.missingSupportFiles.end(), name) ==
               plan.missingSupportFiles.end();
    };
    auto& steps = plan.steps;
    steps.push_back({StepKind::SetStatus, texts::kCreatingFolders});
    steps.push_back({StepKind::LetRepaint, {}});
    // Autorun.inf is staged before anything is removed: a creator folder that cannot be written
    // stops the run while the drive still has its working menu.
    steps.push_back({StepKind::StageAutorun, std::string(drive::kAutorunName)});
    steps.push_back({StepKind::LetRepaint, {}});
    for (const std::string_view name : drive::kDriveFiles) {
        if (supplied(name)) {
            steps.push_back({StepKind::DeleteOldFile, std::string(name)});
        }
    }
    steps.push_back({StepKind::LetRepaint, {}});
    for (const std::string_view name : drive::kDriveFolders) {
        steps.push_back({StepKind::CreateFolder, std::string(name)});
    }
    steps.push_back({StepKind::SetStatus, texts::kCopyingFiles});
    steps.push_back({StepKind::LetRepaint, {}});
    for (const std::string_view name : drive::kDriveFiles) {
        if (supplied(name)) {
            steps.push_back({StepKind::CopyNewFile, std::string(name)});
        }
    }
    steps.push_back({StepKind::LetRepaint, {}});
    steps.push_back({StepKind::SetStatus, {}});
    steps.push_back({StepKind::ShowMessage, texts::kReady});
    if (!plan.missingSupportFiles.empty()) {
        steps.push_back(
            {StepKind::ShowMessage,
             texts::kSupportMissingLead + JoinLines(plan.missingSupportFiles) + texts::kSupportMissingTail});
    }
    return plan;
}

std::string ProgramsMissingMessage(const std::vector<std::string>& missingPrograms,
                                   std::string_view creatorFolder) {
    std::string names;
    for (std::size_t i = 0; i < missingPrograms.size(); ++i) {
        if (i > 0) {
            names += i + 1 == missingPrograms.size() ? " and " : ", ";
        }
        names += missingPrograms[i];
    }
    names += missingPrograms.size() == 1 ? " was" : " were";
    return texts::kProgramsMissingLead + names + texts::kProgramsMissingTail + std::string(creatorFolder) +
           texts::kDriveUnchanged;
}

std::string StepFailedMessage(std::string_view leadIn, std::string_view item, std::string_view description) {
    std::string message(leadIn);
    message.append(item).append(texts::kErrorSeparator).append(description);
    return message;
}

}  // namespace corvane::creator
