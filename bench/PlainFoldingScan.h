// The yardstick of a keystroke in the find box: the entries' texts scanned the plainest way, each
// folded with the find's own case folding into one reused buffer and searched for the folded typed
// text. Shared by the native benchmark of the find rules and the one of the menu window under Wine,
// so that both hold the find to the same reference.
#pragma once

#include "common/core/CaseFolding.h"
#include "menu/core/EntryModel.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::bench {

// The indexes of the entries whose name or (when the name does not match) target contains the
// typed text, ignoring case, ascending: what EntriesContaining must answer.
inline std::vector<std::uint32_t> PlainFoldingScan(const menu::EntryModel& entries, std::string_view typed) {
    std::string part;
    FoldCaseInto(typed, part);
    std::string folded;
    std::vector<std::uint32_t> found;
    for (std::size_t i = 0; i < entries.Size(); ++i) {
        FoldCaseInto(entries[i].Name(), folded);
        if (folded.find(part) == std::string::npos) {
            FoldCaseInto(entries[i].Target(), folded);
            if (folded.find(part) == std::string::npos) {
                continue;
            }
        }
        found.push_back(static_cast<std::uint32_t>(i));
    }
    return found;
}

}  // namespace corvane::bench
