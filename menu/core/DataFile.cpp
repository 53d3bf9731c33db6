#include "menu/core/DataFile.h"

namespace corvane::menu {

void AppendRecord(std::string& out, std::span<const std::string_view> fields) {
    for (const std::string_view field : fields) {
        // Runs without a line end are appended whole; a CR or LF between them becomes a space.
        std::size_t pos = 0;
        for (;;) {
            const std::size_t end = FindLineEnd(field, pos);
            out.append(field.substr(pos, end - pos));
            if (end == field.size()) {
                break;
            }
            out.push_back(' ');
            pos = end + 1;
        }
        out.append("\r\n");
    }
}

std::size_t CountRecords(std::string_view text, std::size_t fieldCount) {
    if (fieldCount == 0) {
        return 0;
    }
    return (CountLines(text) + fieldCount - 1) / fieldCount;
}

std::string EncodeRecords(const std::vector<EntryFields>& records) {
    // Reserved up front: growing a multi-megabyte list by doubling costs more than encoding it.
    std::size_t bytes = 0;
    for (const auto& record : records) {
        for (const std::string& field : record) {
            bytes += field.size() + 2;
        }
    }
    std::string out;
    out.reserve(bytes);
    std::vector<std::string_view> views;
    for (const auto& record : records) {
        views.assign(record.begin(), record.end());
        AppendRecord(out, views);
    }
    return out;
}

std::vector<EntryFields> DecodeRecords(std::string_view text, std::size_t fieldCount) {
    std::vector<EntryFields> records;
    ForEachRecord(text, fieldCount, [&](std::span<const std::string_view> fields) {
        records.emplace_back(fields.begin(), fields.end());
    });
    return records;
}

}  // namespace corvane::menu
