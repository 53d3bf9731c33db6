#include "tendwell/DriveFacts.h"

#include "common/FileContents.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/WindowsFolders.h"
#include "common/core/DriveFiles.h"
#include "tendwell/AutorunFile.h"
#include "tendwell/core/DriveChoice.h"
#include "tendwell/core/TendwellTexts.h"

namespace corvane::tendwell {
namespace {

// GetVolumeInformation's documented limit for the label: it cannot say how long a label is.
constexpr DWORD kLabelBufferLength = MAX_PATH + 1;

DWORD VolumeInformation(const std::string& root, std::string* label, DWORD* serial) {
    std::wstring name(kLabelBufferLength, L'\0');
    DWORD volumeSerial = 0;
    if (!::GetVolumeInformationW(WideFromUtf8(root).c_str(), name.data(), kLabelBufferLength, &volumeSerial,
                                 nullptr, nullptr, nullptr, 0)) {
        return ::GetLastError();
    }
    if (label != nullptr) {
        name.resize(std::char_traits<wchar_t>::length(name.c_str()));
        *label = Utf8FromWide(name);
    }
    if (serial != nullptr) {
        *serial = volumeSerial;
    }
    return ERROR_SUCCESS;
}

// The root's files and folders (hidden and system ones too). Returns ERROR_SUCCESS or the error.
DWORD ListRoot(const std::string& root, std::vector<DriveEntry>& entries) {
    WIN32_FIND_DATAW found{};
    const UniqueFind search(::FindFirstFileExW(WideFromUtf8(root + "*").c_str(), FindExInfoBasic, &found,
                                               FindExSearchNameMatch, nullptr, 0));
    if (!search) {
        const DWORD error = ::GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_NO_MORE_FILES ? ERROR_SUCCESS : error;
    }
    do {
        const std::wstring_view name = found.cFileName;
        if (name != L"." && name != L"..") {
            entries.push_back({Utf8FromWide(name), found.dwFileAttributes});
        }
    } while (::FindNextFileW(search.get(), &found));
    const DWORD error = ::GetLastError();
    return error == ERROR_NO_MORE_FILES ? ERROR_SUCCESS : error;
}

// Reads Autorun.inf when it is a plain file of a sensible size; links and folders are not opened.
void ReadAutorun(const std::string& root, DriveFacts& facts) {
    const std::string path = root + std::string(drive::kAutorunName);
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExW(WideFromUtf8(path).c_str(), GetFileExInfoStandard, &data) ||
        (data.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0) {
        return;
    }
    const std::uint64_t size = (static_cast<std::uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    if (size > kMaxAutorunBytes) {
        facts.autorun = AutorunRead::TooLarge;
        return;
    }
    std::string bytes;
    const DWORD error = ReadWholeFile(path, bytes);
    if (error != ERROR_SUCCESS) {
        facts.autorun = AutorunRead::Unreadable;
        facts.autorunError = SystemErrorText(error);
        return;
    }
    facts.autorun = AutorunRead::Read;
    facts.autorunText = AutorunFileText(bytes);
}

}  // namespace

std::optional<std::string> DriveRefusal(const std::string& root) {
    const UINT type = ::GetDriveTypeW(WideFromUtf8(root).c_str());
    const bool holdsWindows = DriveRootOf(WindowsFolder()) == root;
    return RefusalText(root, JudgeDrive(type, holdsWindows));
}

DWORD VolumeSerialOf(const std::string& root, DWORD& serial) {
    return VolumeInformation(root, nullptr, &serial);
}

std::string VolumeLabelOf(const std::string& root) {
    std::string label;
    return VolumeInformation(root, &label, nullptr) == ERROR_SUCCESS ? label : std::string();
}

DriveInspection InspectDrive(const std::string& root) {
    DriveInspection inspection;
    inspection.root = root;
    if ((inspection.refusal = DriveRefusal(root))) {
        return inspection;
    }
    DriveFacts facts;
    DWORD error = VolumeInformation(root, &facts.volumeLabel, &inspection.serial);
    if (error == ERROR_SUCCESS) {
        error = ListRoot(root, facts.entries);
    }
    if (error != ERROR_SUCCESS) {
        inspection.refusal =
            *RefusalText(root, DriveVerdict::Unavailable) + " (" + SystemErrorText(error) + ")";
        return inspection;
    }
    ReadAutorun(root, facts);
    inspection.check = CheckDrive(facts);
    return inspection;
}

std::vector<std::string> RemovableDriveRoots() {
    std::vector<std::string> roots;
    const DWORD drives = ::GetLogicalDrives();
    for (int letter = 0; letter < 26; ++letter) {
        if ((drives & (1u << letter)) == 0) {
            continue;
        }
        const std::string root = std::string(1, static_cast<char>('A' + letter)) + ":\\";
        if (!DriveRefusal(root)) {
            roots.push_back(root);
        }
    }
    return roots;
}

}  // namespace corvane::tendwell
