#include "utility/core/FormatRules.h"

#include "utility/core/UtilityTexts.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace corvane::utility {
namespace {

char UpperLetter(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool IsLetter(char c) noexcept {
    const char upper = UpperLetter(c);
    return upper >= 'A' && upper <= 'Z';
}

std::string DriveName(char letter) {
    return std::string(1, UpperLetter(letter)) + ":";
}

}  // namespace

FormatRefusal WhyNotFormat(const DriveFacts& drive) noexcept {
    // The system drive first: a Windows that runs from a stick is still the running Windows.
    if (drive.holdsWindows) {
        return FormatRefusal::SystemDrive;
    }
    if (drive.kind != DriveKind::Removable) {
        return FormatRefusal::NotRemovable;
    }
    if (drive.holdsProgram) {
        return FormatRefusal::ProgramDrive;
    }
    return FormatRefusal::None;
}

std::vector<DriveFacts> ListedDrives(std::vector<DriveFacts> drives) {
    std::erase_if(drives,
                  [](const DriveFacts& d) { return d.kind != DriveKind::Removable && !d.holdsProgram; });
    std::sort(drives.begin(), drives.end(), [](const DriveFacts& a, const DriveFacts& b) {
        return UpperLetter(a.letter) < UpperLetter(b.letter);
    });
    return drives;
}

std::string RefusalMessage(FormatRefusal refusal, char letter) {
    switch (refusal) {
        case FormatRefusal::SystemDrive:
            return DriveName(letter) + texts::kRefusedSystem;
        case FormatRefusal::NotRemovable:
            return DriveName(letter) + texts::kRefusedNotRemovable;
        case FormatRefusal::ProgramDrive:
            return DriveName(letter) + texts::kRefusedProgram;
        case FormatRefusal::None:
            break;
    }
    return {};
}

std::optional<char> DriveLetterOf(std::string_view path) noexcept {
    // "\\?\E:\..." is the same drive in the long-path form.
    constexpr std::string_view kLongPrefix = "\\\\?\\";
    if (path.starts_with(kLongPrefix)) {
        path.remove_prefix(kLongPrefix.size());
    }
    if (path.size() >= 3 && IsLetter(path[0]) && path[1] == ':' && (path[2] == '\\' || path[2] == '/')) {
        return UpperLetter(path[0]);
    }
    return std::nullopt;
}

std::optional<unsigned> FormatDriveNumber(char letter) noexcept {
    if (!IsLetter(letter)) {
        return std::nullopt;
    }
    return static_cast<unsigned>(UpperLetter(letter) - 'A');
}

std::string SizeText(std::uint64_t bytes) {
    constexpr std::array<const char*, 6> kUnits = {"KB", "MB", "GB", "TB", "PB", "EB"};
    if (bytes < 1024) {
        return std::to_string(bytes) + (bytes == 1 ? " byte" : " bytes");
    }
    // Tenths of the unit, worked out in integers so that no size rounds up past what is there.
    std::size_t unit = 0;
    std::uint64_t whole = bytes / 1024;
    std::uint64_t rest = bytes % 1024;
    while (whole >= 1024 && unit + 1 < kUnits.size()) {
        rest = whole % 1024;
        whole /= 1024;
        ++unit;
    }
    std::string text = std::to_string(whole);
    if (whole < 100) {
        text += "." + std::to_string(rest * 10 / 1024);
    }
    return text + " " + kUnits[unit];
}

DriveRowTexts RowTexts(const DriveFacts& drive) {
    DriveRowTexts row;
    row.drive = DriveName(drive.letter);
    if (drive.readable) {
        row.label = drive.label.empty() ? texts::kNoLabel : drive.label;
        row.fileSystem = drive.fileSystem;
        row.size = SizeText(drive.totalBytes);
        row.free = SizeText(drive.freeBytes);
    } else {
        row.fileSystem = texts::kUnreadable;
    }
    switch (WhyNotFormat(drive)) {
        case FormatRefusal::None:
            row.state = texts::kReady;
            break;
        case FormatRefusal::SystemDrive:
            row.state = texts::kStateSystem;
            break;
        case FormatRefusal::NotRemovable:
            row.state = texts::kStateNotRemovable;
            break;
        case FormatRefusal::ProgramDrive:
            row.state = texts::kStateProgram;
            break;
    }
    return row;
}

}  // namespace corvane::utility
