// The drives the Wine test session maps (tools/with-wine.sh): E: and F: removable drives, R: a
// read-only drive, T: a 1 MiB drive, N: never mapped.
#pragma once

#include "common/UniqueHandle.h"

#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::test {

inline constexpr const char* kStickRoot = "E:\\";
inline constexpr const char* kSecondStickRoot = "F:\\";
inline constexpr const char* kReadOnlyRoot = "R:\\";
inline constexpr const char* kTinyRoot = "T:\\";
inline constexpr const char* kMissingRoot = "N:\\";

// True when the session mapped the drive (R: and T: need mounts the machine may not allow).
bool DriveIsMapped(const std::string& root);

// Calls `visit` for every file and folder directly in `folder` (which ends in a backslash), without
// "." and "..".
void ForEachFolderEntry(const std::string& folder,
                        const std::function<void(const std::string& name, bool isFolder)>& visit);

// Deletes everything below the root (attributes cleared first), leaving an empty drive.
void EmptyDrive(const std::string& root);

// Writes and reads whole files for test setup; they fail the test on error.
void WriteTestFile(const std::string& path, std::string_view contents);
std::string ReadTestFile(const std::string& path);

// Fills the drive to its last byte with the file filler.bin in its root, which is returned open (or
// invalid when it could not be made); shortening it makes room again.
UniqueFile FillDrive(const std::string& root);

// Sets file attributes (hidden, system, read-only) for a test.
void SetAttributes(const std::string& path, unsigned long attributes);

// A folder of the Wine session's drives (tools/with-wine.sh, e.g. "drive-e" behind E:) as this
// process sees it through Z:, or empty text outside such a session.
std::string SessionDriveFolder(const std::string& name);

// Pulls a stick: takes the folder behind a session drive away, so that the drive's letter leads
// nowhere, and puts it back when destroyed. Pull may be called from another thread.
class PulledDrive {
  public:
    explicit PulledDrive(const std::string& folderName);
    ~PulledDrive();
    PulledDrive(const PulledDrive&) = delete;
    PulledDrive& operator=(const PulledDrive&) = delete;

    [[nodiscard]] bool Possible() const noexcept { return !folder_.empty(); }
    [[nodiscard]] const std::string& Folder() const noexcept { return folder_; }
    bool Pull();  // true when the folder went away
    void PutBack();

  private:
    std::string folder_;
    std::string away_;
    std::atomic<bool> pulled_{false};
};

// A symbolic link at `link` (a Windows path) to `target`, removed again when destroyed. Windows makes
// it with CreateSymbolicLink; Wine 8 only pretends to, so there the host's ln makes a Unix link,
// which Wine follows like a link (and reports as a reparse point when it leads to a folder). Wine's
// DeleteFile would remove what such a link leads to: the link is removed the same way it was made.
class SymbolicLink {
  public:
    SymbolicLink(const std::string& link, const std::string& target, bool toFolder);
    ~SymbolicLink();
    SymbolicLink(const SymbolicLink&) = delete;
    SymbolicLink& operator=(const SymbolicLink&) = delete;

    [[nodiscard]] bool Made() const noexcept { return made_; }

  private:
    std::string link_;
    bool onHost_ = false;
    bool made_ = false;
};

// The names in `folder` (ending in a backslash) that match `pattern` (wildcards as FindFirstFile).
std::vector<std::string> FolderEntriesMatching(const std::string& folder, const std::string& pattern);

// Makes `folder` the process's current folder and puts the previous one back when destroyed.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::string& folder);
    ~CurrentFolder();
    CurrentFolder(const CurrentFolder&) = delete;
    CurrentFolder& operator=(const CurrentFolder&) = delete;

  private:
    std::string previous_;
};

// Windows' system folder (GetSystemDirectory).
std::string WindowsSystemFolder();

// A folder beside the running test program (for files that must not live on a test drive).
std::string TestProgramFolder();

}  // namespace corvane::test
