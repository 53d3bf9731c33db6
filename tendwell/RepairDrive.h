// The repair of a checked drive: the steps the check listed and the user confirmed, each done only
// while what it is about is still what the check saw (never through a link, never to a folder).
#pragma once

#include "tendwell/DriveFacts.h"

#include <optional>
#include <string>
#include <vector>

namespace corvane::tendwell {

struct RepairOutcome {
    std::optional<std::string> refusal;  // the drive is no longer the one checked: nothing was done
    std::vector<StepOutcome> outcomes;   // one per step of the check, in its order
};

RepairOutcome RepairDrive(const DriveInspection& inspected);

}  // namespace corvane::tendwell
