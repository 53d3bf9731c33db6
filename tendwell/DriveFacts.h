// Looking at a drive before anything is changed: whether the wizard may work on it at all, the
// facts of its root and what the rules make of them. Nothing here writes.
#pragma once

#include "tendwell/core/DriveCheck.h"

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace corvane::tendwell {

struct DriveInspection {
    std::string root;                    // "E:\"
    std::optional<std::string> refusal;  // set when the drive is not one to change: no check then
    DWORD serial = 0;                    // the volume checked, so that a repair finds the same one
    DriveCheck check;
};

DriveInspection InspectDrive(const std::string& root);

// The removable drives the wizard may work on, by root in letter order.
std::vector<std::string> RemovableDriveRoots();

// The file system's label of a drive; empty when it has none or cannot be read.
std::string VolumeLabelOf(const std::string& root);

// The refusal for a drive the wizard must not change (fixed, system, missing); nothing for a USB drive.
std::optional<std::string> DriveRefusal(const std::string& root);

// The volume's serial number. Returns ERROR_SUCCESS or the system's error.
DWORD VolumeSerialOf(const std::string& root, DWORD& serial);

}  // namespace corvane::tendwell
