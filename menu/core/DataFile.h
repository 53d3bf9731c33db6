// The Data.dat format: one record per menu entry, one line per list column (name, target, switch),
// CR LF after every line, no header. An empty list is an empty file.
#pragma once

#include "menu/core/TextLines.h"

#include <algorithm>
#include <concepts>
#include <cstddef>
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
// It is a template rather than taking a std::function so that the caller's handling of a record is
// compiled into the split, which runs once per record of a large list.
template <typename OnRecord>
requires std::invocable<OnRecord&, std::span<const std::string_view>>
void ForEachRecord(std::string_view text, std::size_t fieldCount, OnRecord&& onRecord) {
    if (fieldCount == 0) {
        return;
    }
    std::vector<std::string_view> fields(fieldCount);
    std::size_t filled = 0;
    ForEachLine(text, [&](std::string_view line) {
        fields[filled] = line;
        if (++filled == fieldCount) {
            onRecord(std::span<const std::string_view>(fields));
            filled = 0;
        }
    });
    if (filled > 0) {
        // A truncated last record: its missing fields are empty.
        std::fill(fields.begin() + static_cast<std::ptrdiff_t>(filled), fields.end(), std::string_view{});
        onRecord(std::span<const std::string_view>(fields));
    }
}

// The number of records ForEachRecord would hand out.
std::size_t CountRecords(std::string_view text, std::size_t fieldCount);

// Convenience forms over whole entry lists (tests, tools).
using EntryFields = std::vector<std::string>;
std::string EncodeRecords(const std::vector<EntryFields>& records);
std::vector<EntryFields> DecodeRecords(std::string_view text, std::size_t fieldCount = kEntryFieldCount);

}  // namespace corvane::menu
