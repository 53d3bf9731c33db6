// Asking Windows to eject the device a drive letter is on, as "Safely Remove Hardware" does: the
// configuration manager's eject request on the volume's disk device, or on the first device above
// it that Windows marks removable (the USB stick itself), so that Windows lets the whole stick go.
// Windows asks every program, service and driver first; the one that refuses is named in the outcome.
#pragma once

#include "menu/core/EjectPlan.h"

namespace corvane::menu {

// Ejects the device of drive `drive` ('A' to 'Z'). The caller must hold nothing open on the drive:
// its own handles would make Windows refuse.
EjectOutcome RequestDriveEject(char drive);

}  // namespace corvane::menu
