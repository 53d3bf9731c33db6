#include "utility/core/FormatMessages.h"

#include "utility/core/UtilityTexts.h"

namespace corvane::utility {
namespace {

std::string DriveName(char letter) {
    return std::string(1, letter) + ":";
}

}  // namespace

FormatOutcome FormatOutcomeOf(std::uint32_t shellResult) noexcept {
    constexpr std::uint32_t kError = 0xFFFFFFFFu;
    constexpr std::uint32_t kCancel = 0xFFFFFFFEu;
    constexpr std::uint32_t kNoFormat = 0xFFFFFFFDu;
    switch (shellResult) {
        case kCancel:
            return FormatOutcome::Cancelled;
        case kError:
        case kNoFormat:
            return FormatOutcome::Failed;
        default:
            return FormatOutcome::Formatted;
    }
}

std::string KeepQuestion(char letter, const std::vector<KeptItem>& items, const std::string& keepFolder) {
    return DriveName(letter) + texts::kKeepQuestionLead + ItemNames(items) + texts::kKeepQuestionMiddle +
           keepFolder + texts::kKeepQuestionTail;
}

std::string KeepFailedMessage(const std::string& keepFolder, const std::string& reason) {
    return texts::kKeepFailedLead + keepFolder + ":\r\n\r\n" + reason + texts::kKeepFailedTail;
}

std::string AfterFormatMessage(char letter, FormatOutcome outcome, const RestoreReport& restore,
                               const std::string& keepFolder) {
    std::string message = DriveName(letter);
    switch (outcome) {
        case FormatOutcome::Formatted:
            message += texts::kFormatted;
            break;
        case FormatOutcome::Cancelled:
            message += texts::kNotFormatted;
            break;
        case FormatOutcome::Failed:
            message += texts::kFormatFailed;
            break;
    }
    if (!restore.kept) {
        return message;
    }
    if (!restore.allBack) {
        return message + texts::kRestoreFailedLead + restore.failure + texts::kRestoreFailedTail + keepFolder;
    }
    // After a cancelled format the files never left the drive: there is nothing to report about them.
    if (outcome != FormatOutcome::Cancelled) {
        message += texts::kRestored;
    }
    return message;
}

bool OffersCreator(FormatOutcome outcome, bool heldMenu, bool creatorFound) noexcept {
    return outcome == FormatOutcome::Formatted && heldMenu && creatorFound;
}

}  // namespace corvane::utility
