#include "utility/DriveSurvey.h"

#include "common/TextEncoding.h"
#include "common/WindowsFolders.h"
#include "common/core/DriveFiles.h"
#include "common/core/PathText.h"
#include "utility/KeptFiles.h"

#include <windows.h>

namespace corvane::utility {
namespace {

// The longest volume label and file system name GetVolumeInformation gives, with the NUL: the
// function takes fixed buffers and documents this as their limit.
constexpr DWORD kVolumeTextLimit = MAX_PATH + 1;

DriveKind KindOf(UINT driveType) noexcept {
    switch (driveType) {
        case DRIVE_REMOVABLE:
            return DriveKind::Removable;
        case DRIVE_FIXED:
            return DriveKind::Fixed;
        case DRIVE_REMOTE:
            return DriveKind::Network;
        case DRIVE_CDROM:
            return DriveKind::Optical;
        case DRIVE_RAMDISK:
            return DriveKind::RamDisk;
        default:
            return DriveKind::Unknown;
    }
}

// A card reader without a card must answer "not ready", never put up the system's "insert a disk"
// box over the list: critical errors are failed for the time of the queries.
class QuietDriveErrors {
  public:
    QuietDriveErrors() noexcept { ::SetThreadErrorMode(SEM_FAILCRITICALERRORS, &previous_); }
    ~QuietDriveErrors() { ::SetThreadErrorMode(previous_, nullptr); }
    QuietDriveErrors(const QuietDriveErrors&) = delete;
    QuietDriveErrors& operator=(const QuietDriveErrors&) = delete;

  private:
    DWORD previous_ = 0;
};

}  // namespace

DriveFacts ReadDriveFacts(char letter, const std::string& programPath) {
    const QuietDriveErrors quiet;
    DriveFacts facts;
    facts.letter = letter;
    const std::wstring root{static_cast<wchar_t>(letter), L':', L'\\'};
    facts.kind = KindOf(::GetDriveTypeW(root.c_str()));
    facts.holdsWindows = DriveLetterOf(WindowsFolder() + "\\") == letter;
    facts.holdsProgram = DriveLetterOf(programPath) == letter;

    std::wstring label(kVolumeTextLimit, L'\0');
    std::wstring fileSystem(kVolumeTextLimit, L'\0');
    ULARGE_INTEGER freeToUser{};
    ULARGE_INTEGER total{};
    // Readable only when both answer: a volume whose space cannot be read is not shown as 0 bytes.
    if (::GetVolumeInformationW(root.c_str(), label.data(), kVolumeTextLimit, nullptr, nullptr, nullptr,
                                fileSystem.data(), kVolumeTextLimit) &&
        ::GetDiskFreeSpaceExW(root.c_str(), &freeToUser, &total, nullptr)) {
        facts.readable = true;
        facts.label = Utf8FromWide(label.c_str());
        facts.fileSystem = Utf8FromWide(fileSystem.c_str());
        facts.totalBytes = total.QuadPart;
        facts.freeBytes = freeToUser.QuadPart;
    }
    return facts;
}

std::vector<DriveFacts> SurveyDrives(const std::string& programPath) {
    std::vector<DriveFacts> drives;
    const DWORD letters = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((letters & (1u << i)) != 0) {
            drives.push_back(ReadDriveFacts(static_cast<char>('A' + i), programPath));
        }
    }
    return drives;
}

MenuDriveContents ReadMenuContents(const std::string& driveRoot) {
    const QuietDriveErrors quiet;
    MenuDriveContents contents;
    contents.menuProgram = IsFile(JoinPath(driveRoot, drive::kMenuName));
    contents.dataFile = IsFile(JoinPath(driveRoot, drive::kDataFileName));
    contents.settingsFile = IsFile(JoinPath(driveRoot, drive::kSettingsFileName));
    contents.historyFolder = IsFolder(JoinPath(driveRoot, kHistoryFolder));
    return contents;
}

}  // namespace corvane::utility
