// The Data.dat format: one record per menu entry, one line per list column (name, target, switch),
// CR LF after every line, no header. An empty list is an empty file.
#pragma once

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::menu {

inline constexpr std::size_t kEntryFieldCount = 3;  // "Name", "Target File", "Command Line Switch"

// Appends one record to `out`. A CR or LF inside a field is written as a space, so that a record
// is always exactly one line per field and no later entry can shift.
void AppendRecord(std::string& out, std::span<const std::string_view> fields);

// Splits file text into records of `fieldCount` lines each and hands every record to `onRecord`, in
// file order. A line ends at CR LF, at a CR alone or at an LF alone. Reading stops at the end of the
// text: a trailing empty line therefore starts one more, empty record, and a truncated last record
// gets empty text for its missing fields.
void ForEachRecord(std::string_view text, std::size_t fieldCount,
                   const std::function<void(std::span<const std::string_view>)>& onRecord);

// The number of records ForEachRecord would hand out.
std::size_t CountRecords(std::string_view text, std::size_t fieldCount);

// Convenience forms over whole entry lists (tests, tools).
using EntryFields = std::vector<std::string>;
std::string EncodeRecords(const std::vector<EntryFields>& records);
std::vector<EntryFields> DecodeRecords(std::string_view text, std::size_t fieldCount = kEntryFieldCount);

}  // namespace corvane::menu
