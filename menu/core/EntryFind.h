// Finding entries by what the user types: in the find box (the text anywhere in the name or the
// target) and in the list itself (the name starts with the text). Letter case is ignored as
// common/core/CaseFolding.h folds it, in any script; texts match whole characters, and bytes that
// are not valid UTF-8 match only the same bytes.
#pragma once

#include "menu/core/EntryModel.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace corvane::menu {

// The indexes of the entries whose name or target contains `text`, ascending. An empty text
// matches every entry.
std::vector<std::uint32_t> EntriesContaining(const EntryModel& model, std::string_view text);

// Whether `text` contains `part`, ignoring letter case.
bool ContainsIgnoringCase(std::string_view text, std::string_view part);

// Whether `text` starts with `prefix`, ignoring letter case.
bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix);

}  // namespace corvane::menu
