#include "tendwell/core/DriveChoice.h"

#include "tendwell/core/TendwellTexts.h"

namespace corvane::tendwell {

DriveVerdict JudgeDrive(unsigned driveType, bool holdsWindows) {
    if (driveType == kDriveNoRootDir || driveType == 0) {
        return DriveVerdict::Unavailable;
    }
    if (holdsWindows) {
        return DriveVerdict::System;
    }
    return driveType == kDriveRemovable ? DriveVerdict::Allowed : DriveVerdict::NotRemovable;
}

std::optional<std::string> RefusalText(std::string_view root, DriveVerdict verdict) {
    const std::string drive(root);
    switch (verdict) {
        case DriveVerdict::Allowed:
            return std::nullopt;
        case DriveVerdict::NotRemovable:
            return drive + texts::kDriveRefusedFixed;
        case DriveVerdict::System:
            return drive + texts::kDriveRefusedSystem;
        case DriveVerdict::Unavailable:
            break;
    }
    return drive + texts::kDriveRefusedMissing;
}

std::string DriveRootOf(std::string_view path) {
    const bool letter = path.size() >= 2 && path[1] == ':' &&
                        ((path[0] >= 'A' && path[0] <= 'Z') || (path[0] >= 'a' && path[0] <= 'z'));
    if (!letter) {
        return {};
    }
    std::string root(path.substr(0, 2));
    root[0] = static_cast<char>(root[0] >= 'a' ? root[0] - ('a' - 'A') : root[0]);
    return root + "\\";
}

std::string DriveListText(std::string_view root, std::string_view label) {
    std::string text(root);
    if (!label.empty()) {
        text += "  (" + std::string(label) + ")";
    }
    return text;
}

std::string HelpPageArgument(std::string_view helpFile, std::string_view page) {
    return "\"" + std::string(helpFile) + "::/" + std::string(page) + "\"";
}

}  // namespace corvane::tendwell
