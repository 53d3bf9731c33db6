// Whether an entry's target is there, and its icon: the work of one lookup, done on the examining
// thread. A candidate on the network is never touched (a dead server stalls whoever asks), nor one on
// a drive letter that leads nowhere.
#pragma once

#include "common/UniqueHandle.h"

#include <cstdint>
#include <string>
#include <vector>

namespace corvane::menu {

enum class TargetPresence : std::uint8_t {
    Present,  // a candidate names a file or folder
    Missing,  // none does
    Unknown,  // none was found, but one could not be asked (the network, a device name, a relative path)
};

// One entry's target: `key` is whatever the caller knows it by; `candidates` are the full paths it is
// started from, in the order they are tried.
struct LookupRequest {
    std::wstring key;
    std::vector<std::wstring> candidates;
};

struct LookupResult {
    std::wstring key;
    TargetPresence presence = TargetPresence::Unknown;
    UniqueIcon icon;  // the first present candidate's icon; null means the generic one
};

// Asks about each candidate in turn. The calling thread needs a COM apartment (for type icons) and
// should have critical-error boxes off (a drive without its disk would ask the user otherwise).
LookupResult LookUpTarget(const LookupRequest& request, int iconSize);

}  // namespace corvane::menu
