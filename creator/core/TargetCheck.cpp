#include "creator/core/TargetCheck.h"

#include "creator/core/CreatorTexts.h"
#include "creator/core/DriveLayout.h"

namespace corvane::creator {

TargetDecision CheckTarget(const TargetFacts& facts,
                           const std::function<bool(std::string_view relativeName)>& isLink) {
    if (facts.target == facts.creatorFolder) {
        return {TargetVerdict::CreatorFolder, {}};
    }
    if (facts.target == facts.systemRoot || facts.target == facts.windowsFolder) {
        return {TargetVerdict::SystemFolder, {}};
    }
    // Attributes are cleared and files deleted through these names: behind a link they would be
    // someone else's files.
    const std::string_view supportFolder = drive::kSupportFolderName;
    if (isLink(supportFolder)) {
        return {TargetVerdict::Link, std::string(supportFolder)};
    }
    for (const std::string_view name : drive::kDriveFiles) {
        if (isLink(name)) {
            return {TargetVerdict::Link, std::string(name)};
        }
    }
    return {facts.targetIsVolumeRoot && facts.volumeIsRemovable ? TargetVerdict::Prepare : TargetVerdict::Ask,
            {}};
}

std::string TargetMessage(const TargetDecision& decision, std::string_view targetRoot) {
    const std::string root(targetRoot);
    switch (decision.verdict) {
        case TargetVerdict::CreatorFolder:
            return root + texts::kCreatorFolderRefused;
        case TargetVerdict::SystemFolder:
            return root + texts::kSystemFolderRefused;
        case TargetVerdict::Link:
            return TargetPath(targetRoot, decision.link) + texts::kLinkRefused;
        case TargetVerdict::Ask:
            return root + texts::kNotADriveQuestion;
        case TargetVerdict::Prepare:
            break;
    }
    return {};
}

}  // namespace corvane::creator
