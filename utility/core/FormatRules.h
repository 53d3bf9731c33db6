// Which drives the format utility lists and which of them it may format, and why not. Plain facts in,
// decisions out: the Win32 side gathers the facts of each drive letter.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::utility {

enum class DriveKind { Removable, Fixed, Network, Optical, RamDisk, Unknown };

// What the system says about one drive letter.
struct DriveFacts {
    char letter = 0;  // 'E'
    DriveKind kind = DriveKind::Unknown;
    bool holdsWindows = false;  // the Windows folder is on it: the system drive
    bool holdsProgram = false;  // the format utility itself runs from it
    bool readable = false;      // a medium with a file system the system reads (label, sizes known)
    std::string label;          // UTF-8
    std::string fileSystem;     // "FAT32", "NTFS"...
    std::uint64_t totalBytes = 0;
    std::uint64_t freeBytes = 0;
};

// Why a drive may not be formatted, in the order the reasons are checked.
enum class FormatRefusal {
    None,
    SystemDrive,   // Windows runs from it, even when it is a removable one
    NotRemovable,  // a fixed, network, optical or RAM drive
    ProgramDrive,  // this program runs from it: the format would pull its own file away
};

FormatRefusal WhyNotFormat(const DriveFacts& drive) noexcept;

// The list shows the removable drives and, so that the user sees why it is refused, the drive the
// program runs from whatever its kind; sorted by letter.
std::vector<DriveFacts> ListedDrives(std::vector<DriveFacts> drives);

// The message for a refusal (empty for None), naming the drive as "E:".
std::string RefusalMessage(FormatRefusal refusal, char letter);

// The drive letter of an absolute path ("E:\Support\Utility.exe" gives 'E', upper case), or nothing
// for a share, a relative path or another device.
std::optional<char> DriveLetterOf(std::string_view path) noexcept;

// The drive number the shell's format dialog takes: 0 for A:, 4 for E:. Nothing for a non-letter.
std::optional<unsigned> FormatDriveNumber(char letter) noexcept;

// A byte count as the list shows it: "512 bytes", "1.5 KB", "14.9 GB", "117 GB" (units of 1024,
// one decimal below 100).
std::string SizeText(std::uint64_t bytes);

// The list's texts for a drive: "E:", its label or "(no label)", its file system or "(unreadable)",
// its sizes (empty when unreadable), and what is in its way ("Ready to format" or the reason).
struct DriveRowTexts {
    std::string drive;
    std::string label;
    std::string fileSystem;
    std::string size;
    std::string free;
    std::string state;
};
DriveRowTexts RowTexts(const DriveFacts& drive);

}  // namespace corvane::utility
