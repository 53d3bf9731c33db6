#include "menu/core/DataFileEncoding.h"

#include "common/core/PlainAscii.h"

#include <algorithm>

namespace corvane::menu {

DataFileText SplitDataFile(std::string_view contents) noexcept {
    if (contents.starts_with(kUtf8ByteOrderMark)) {
        return {DataFileEncoding::Utf8, contents.substr(kUtf8ByteOrderMark.size())};
    }
    return {DataFileEncoding::AnsiCodePage, contents};
}

DataFileWriter::DataFileWriter() : bytes_(kUtf8ByteOrderMark) {}

void DataFileWriter::Reserve(std::size_t recordBytes) {
    bytes_.reserve(bytes_.size() + recordBytes);
}

void DataFileWriter::Append(std::span<const std::string_view> fields) {
    if (plainAscii_) {
        plainAscii_ = std::all_of(fields.begin(), fields.end(), IsPlainAscii);
    }
    AppendRecord(bytes_, fields);
}

std::string_view DataFileWriter::Bytes() const noexcept {
    const std::string_view bytes = bytes_;
    return plainAscii_ ? bytes.substr(kUtf8ByteOrderMark.size()) : bytes;
}

std::string EncodeDataFile(const std::vector<EntryFields>& records) {
    DataFileWriter writer;
    std::size_t bytes = 0;
    for (const auto& record : records) {
        for (const std::string& field : record) {
            bytes += field.size() + 2;
        }
    }
    writer.Reserve(bytes);
    std::vector<std::string_view> views;
    for (const auto& record : records) {
        views.assign(record.begin(), record.end());
        writer.Append(views);
    }
    return std::string(writer.Bytes());
}

std::vector<EntryFields> DecodeDataFile(std::string_view contents) {
    return DecodeRecords(SplitDataFile(contents).records);
}

}  // namespace corvane::menu
