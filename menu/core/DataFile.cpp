#include "menu/core/DataFile.h"

namespace corvane::menu {
namespace {

// Reads one line from `text` at `pos` and moves `pos` past its line end.
std::string_view ReadLine(std::string_view text, std::size_t& pos) {
    const std::size_t start = pos;
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
        pos = text.size();
        return text.substr(start);
    }
    pos = end + 1;
    if (text[end] == '\r' && pos < text.size() && text[pos] == '\n') {
        ++pos;
    }
    return text.substr(start, end - start);
}

}  // namespace

void AppendRecord(std::string& out, std::span<const std::string_view> fields) {
    for (const std::string_view field : fields) {
        const std::size_t start = out.size();
        out.append(field);
        for (std::size_t i = start; i < out.size(); ++i) {
            if (out[i] == '\r' || out[i] == '\n') {
                out[i] = ' ';
            }
        }
        out.append("\r\n");
    }
}

void ForEachRecord(std::string_view text, std::size_t fieldCount,
                   const std::function<void(std::span<const std::string_view>)>& onRecord) {
    if (fieldCount == 0) {
        return;
    }
    std::vector<std::string_view> fields(fieldCount);
    std::size_t pos = 0;
    while (pos < text.size()) {
        for (auto& field : fields) {
            field = pos < text.size() ? ReadLine(text, pos) : std::string_view{};
        }
        onRecord(fields);
    }
}

std::size_t CountRecords(std::string_view text, std::size_t fieldCount) {
    if (fieldCount == 0) {
        return 0;
    }
    std::size_t lines = 0;
    for (std::size_t pos = 0; pos < text.size(); ++lines) {
        ReadLine(text, pos);
    }
    return (lines + fieldCount - 1) / fieldCount;
}

std::string EncodeRecords(const std::vector<EntryFields>& records) {
    std::string out;
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
