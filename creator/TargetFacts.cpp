#include "creator/TargetFacts.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/WindowsFolders.h"
#include "creator/core/DriveLayout.h"

namespace corvane::creator {
namespace {

// The identity of a folder, through a handle on the folder itself (links followed, as the run would).
DWORD IdentityOf(const std::string& folder, FolderIdentity& identity) {
    const UniqueFile handle(::CreateFileW(WideFromUtf8(folder).c_str(), FILE_READ_ATTRIBUTES,
                                          FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                          OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!handle) {
        return ::GetLastError();
    }
    BY_HANDLE_FILE_INFORMATION info{};
    if (!::GetFileInformationByHandle(handle.get(), &info)) {
        return ::GetLastError();
    }
    if ((info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0) {
        return ERROR_DIRECTORY;
    }
    identity.volumeSerial = info.dwVolumeSerialNumber;
    identity.fileIndex = (static_cast<std::uint64_t>(info.nFileIndexHigh) << 32) | info.nFileIndexLow;
    return ERROR_SUCCESS;
}

std::optional<FolderIdentity> OptionalIdentityOf(const std::string& folder) {
    FolderIdentity identity;
    if (folder.empty() || IdentityOf(folder, identity) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return identity;
}

// GetFullPathName, grown to whatever length the path needs; empty on failure.
std::string FullPath(const std::string& path) {
    const std::wstring widePath = WideFromUtf8(path);
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(widePath.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            return {};
        }
        if (length < full.size()) {
            full.resize(length);
            return Utf8FromWide(full);
        }
        full.resize(length);
    }
}

// The root of the volume that holds `path` (E:\, \\server\share\), or empty.
std::string VolumeRoot(const std::string& path) {
    const std::wstring widePath = WideFromUtf8(path);
    std::wstring root(widePath.size() + 2, L'\0');
    if (!::GetVolumePathNameW(widePath.c_str(), root.data(), static_cast<DWORD>(root.size()))) {
        return {};
    }
    root.resize(std::char_traits<wchar_t>::length(root.c_str()));
    return Utf8FromWide(root);
}

}  // namespace

DWORD GatherTargetFacts(const std::string& typedRoot, const std::string& creatorFolder, ChosenTarget& chosen,
                        std::string& failedPath) {
    const std::string full = FullPath(typedRoot);
    if (full.empty()) {
        failedPath = typedRoot;
        return ::GetLastError();
    }
    chosen.root = TargetRootWithSeparator(full);
    TargetFacts& facts = chosen.facts;
    // Without a separator "F:" would be F:'s current folder, not the root the creator runs from.
    for (const auto& [folder, identity] :
         {std::pair{chosen.root, &facts.target},
          std::pair{TargetRootWithSeparator(creatorFolder), &facts.creatorFolder}}) {
        const DWORD error = IdentityOf(folder, *identity);
        if (error != ERROR_SUCCESS) {
            failedPath = folder;
            return error;
        }
    }
    const std::string windows = WindowsFolder();
    facts.windowsFolder = OptionalIdentityOf(windows);
    facts.systemRoot = OptionalIdentityOf(windows.empty() ? std::string() : VolumeRoot(windows));
    const std::string volume = VolumeRoot(chosen.root);
    facts.targetIsVolumeRoot = !volume.empty() && OptionalIdentityOf(volume) == facts.target;
    facts.volumeIsRemovable =
        !volume.empty() && ::GetDriveTypeW(WideFromUtf8(volume).c_str()) == DRIVE_REMOVABLE;
    return ERROR_SUCCESS;
}

}  // namespace corvane::creator
