// What the shell's format dialog answered, and the texts the format utility composes around a format:
// the question about keeping a menu's files and the report afterwards.
#pragma once

#include "utility/core/KeepPlan.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::utility {

enum class FormatOutcome { Formatted, Cancelled, Failed };

// SHFormatDrive's answer: the new volume's id on success; SHFMT_ERROR (0xFFFFFFFF), SHFMT_CANCEL
// (0xFFFFFFFE) or SHFMT_NOFORMAT (0xFFFFFFFD, "cannot be formatted") otherwise.
FormatOutcome FormatOutcomeOf(std::uint32_t shellResult) noexcept;

// "E: holds a Corvane menu. Keep a copy of its list (Data.dat and Settings.ini) in ... ?"
std::string KeepQuestion(char letter, const std::vector<KeptItem>& items, const std::string& keepFolder);

// "The menu's files could not be kept in <folder>: <reason> ... not formatted."
std::string KeepFailedMessage(const std::string& keepFolder, const std::string& reason);

// What a restore after the format came to: nothing to do (nothing kept), all back, or a failure
// naming what and why (the kept copy stays where it is then).
struct RestoreReport {
    bool kept = false;
    bool allBack = false;
    std::string failure;  // "<path>: <reason>"
};

// The report after the format, naming the drive ("E: is formatted.") and what became of the kept copy.
std::string AfterFormatMessage(char letter, FormatOutcome outcome, const RestoreReport& restore,
                               const std::string& keepFolder);

// The report asks whether to prepare the drive again when the format went through, the drive held
// a menu and the creator is at hand.
bool OffersCreator(FormatOutcome outcome, bool heldMenu, bool creatorFound) noexcept;

}  // namespace corvane::utility
