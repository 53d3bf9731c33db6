// The list's history on the stick: earlier versions of Data.dat in Support\Backups beside the menu
// (rules and names in menu/core/ListHistory.h). A Support or Backups folder that is a link or
// junction leads off the stick: such a history is never written, cleaned or read.
#pragma once

#include "menu/core/EntryModel.h"
#include "menu/core/ListHistory.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::menu {

// A version as the restore window lists it.
struct KeptVersion {
    ListVersion version;
    std::size_t entries = 0;
};

class ListHistory {
  public:
    // `menuFolder` is where Data.dat is; the history is in its Support\Backups.
    explicit ListHistory(const std::string& menuFolder);

    // Keeps `contents` as the newest version, dated `saved`, creating the folders when they are
    // missing, and removes the oldest beyond the ten kept. Returns ERROR_SUCCESS or the error that
    // kept the version from being written (nothing is removed then).
    DWORD Keep(std::string_view contents, const SavedTime& saved) const;

    // The versions kept, newest first, with their numbers of entries; none when there is no history
    // or it cannot be read.
    [[nodiscard]] std::vector<KeptVersion> Versions() const;

    // The bytes of a version.
    DWORD Read(const ListVersion& version, std::string& contents) const;

    // True when Support or Backups is a link or junction, so that no history is kept or offered.
    [[nodiscard]] bool IsLinked() const;

  private:
    // ERROR_SUCCESS when the folders may be used (created first when `create`).
    [[nodiscard]] DWORD CheckFolders(bool create) const;
    // The names in the folder that look like versions, and which of them are ordinary files (no
    // folder, no link: only those are shown and removed).
    void ListNames(std::vector<std::string>& all, std::vector<std::string>& files) const;

    std::string support_;
    std::string backups_;
};

// When the file was last written, in this PC's local time (now, when that cannot be told).
SavedTime LastWrittenTime(const std::string& path);

// Rewrites Data.dat in `menuFolder` from the entries (SaveList) and then, when they differ from the
// entries the file held (not only in their order), keeps what it held as the newest version. The
// version is written only after the save succeeded, so it never takes the room the save needs; a
// version that cannot be kept (a full drive, a linked folder) leaves the save as it is. Returns the
// save's result.
DWORD SaveListKeepingHistory(const std::string& menuFolder, const EntryModel& entries);

// Puts `version` back as Data.dat in `menuFolder`, byte for byte, after keeping the current Data.dat
// as the newest version, so that the restore can be undone. Nothing is changed when the current
// file exists but cannot be read or kept.
DWORD RestoreVersion(const std::string& menuFolder, const ListVersion& version);

}  // namespace corvane::menu
