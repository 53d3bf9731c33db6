// What the system says about the drives: the facts the format rules decide on, and what a drive holds
// of a Corvane menu.
#pragma once

#include "utility/core/FormatRules.h"
#include "utility/core/KeepPlan.h"

#include <string>
#include <vector>

namespace corvane::utility {

// The facts of one drive letter ('E'). `programPath` is the path of the running program (UTF-8).
DriveFacts ReadDriveFacts(char letter, const std::string& programPath);

// The facts of every drive letter in use.
std::vector<DriveFacts> SurveyDrives(const std::string& programPath);

// Which of a menu's files are at the drive's root ("E:\").
MenuDriveContents ReadMenuContents(const std::string& driveRoot);

}  // namespace corvane::utility
