// The rules of the list's history: earlier versions of Data.dat kept in Support\Backups beside the
// menu, so that they travel with the stick. A version's place in the history is the sequence number
// in its file name, never a date: the clock of the PC that wrote it may be wrong. The date in the
// name is only shown to the user.
#pragma once

#include "menu/core/EntryModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::menu {

// Below the menu's folder.
inline constexpr std::string_view kBackupsFolder = "Support\\Backups";
// How many versions are kept; the oldest go first.
inline constexpr std::size_t kKeptVersions = 10;
// What the versions' names look like, for a directory search (VersionFileName has the exact form).
inline constexpr std::string_view kVersionNamePattern = "Data-*.dat";

// When a version was saved, in the local time of the PC that saved it.
struct SavedTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    friend bool operator==(const SavedTime&, const SavedTime&) = default;
};

struct ListVersion {
    std::uint64_t sequence = 0;
    SavedTime saved;
    std::string fileName;
};

// "Data-000012-2026-12-07-2022.dat": the sequence number, at least six digits, then the date.
std::string VersionFileName(std::uint64_t sequence, const SavedTime& saved);

// The version a file name names, or nothing for a name this history did not write (such files are
// never shown and never removed). Letter case does not matter, as in Windows' file names.
std::optional<ListVersion> ParseVersionName(std::string_view fileName);

// The versions among the names, newest (highest sequence) first; other names are left out.
std::vector<ListVersion> VersionsAmong(std::span<const std::string> fileNames);

// The sequence number of the next version: one above the highest of the names (versions or not
// shown ones alike, so that a new version never takes an existing name); 1 for none.
std::uint64_t NextSequence(std::span<const std::string> fileNames);

// The versions beyond the newest `keep`, oldest first: the ones to remove.
std::vector<ListVersion> VersionsToRemove(std::span<const ListVersion> versions,
                                          std::size_t keep = kKeptVersions);

// True when both hold the same entries, each as often, whatever their order: a save of such a list
// (a re-sort) keeps no version.
bool SameEntriesInAnyOrder(const EntryModel& before, const EntryModel& after);

// "2026-12-07 20:22", as the restore window shows a version's date.
std::string SavedTimeText(const SavedTime& saved);

}  // namespace corvane::menu
