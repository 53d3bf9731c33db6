// How much space is free for the current user at a drive or share root. Counts travel as decimal text.
#pragma once

#include <cstdint>
#include <string>

namespace corvane::menu::modDriveSpace {

// Whole megabytes free (remainder dropped); "0" for a root that is missing or not ready.
std::string FreeMB(const std::string& root);
std::string FreeKB(const std::string& root);
std::string FreeBytes(const std::string& root);

// True when the system offers GetDiskFreeSpaceExA (asked anew on every query).
bool FreeSpaceExAvailable();

// Bytes free to the caller (respecting quotas) by the 64-bit query; an empty root means the current
// drive. "0" when the query fails.
std::string FreeBytesEx(const std::string& root);

// Bytes free by the cluster query, computed in 64 bits; 0 when the query fails.
std::uint64_t FreeBytesLegacy(const std::string& root);

}  // namespace corvane::menu::modDriveSpace
