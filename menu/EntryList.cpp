#include "menu/EntryList.h"

#include "common/FileContents.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/core/PlainAscii.h"
#include "common/WindowText.h"
#include "menu/core/DataFile.h"
#include "menu/core/DataFileEncoding.h"
#include "menu/core/MenuTexts.h"

#include <array>
#include <new>
#include <optional>
#include <utility>

namespace corvane::menu {
namespace {

// Running out of file handles is the one failure the user is told about in a message box, as
// before anything was touched; every other failure goes back to the caller.
void ReportIfOutOfHandles(DWORD error, const char* leadIn) {
    if (error == ERROR_TOO_MANY_OPEN_FILES) {
        const std::string text = leadIn + SystemErrorText(error);
        // Owned by the active window (the menu), so that it shows on its monitor at its DPI.
        ShowMessageBox(::GetActiveWindow(), text, texts::kProgramTitle, MB_OK | MB_ICONERROR);
    }
}

// An ANSI field in UTF-8: the field itself when it is plain ASCII (most are), else its conversion,
// kept in `converted`. A field this PC's code page does not say exactly is converted as the system
// converts it, and `exact` is cleared.
std::string_view Utf8Field(std::string_view field, std::string& converted, bool& exact) {
    if (IsPlainAscii(field)) {
        return field;
    }
    if (std::optional<std::string> text = Utf8FromAnsiExactly(field)) {
        converted = std::move(*text);
    } else {
        exact = false;
        converted = Utf8FromAnsi(field);
    }
    return converted;
}

}  // namespace

DWORD LoadList(const std::string& fileName, EntryModel& entries) {
    std::string contents;
    try {
        if (const DWORD error = ReadWholeFile(fileName, contents); error != ERROR_SUCCESS) {
            ReportIfOutOfHandles(error, texts::kErrorLoadingList);
            return error;
        }
    } catch (const std::bad_alloc&) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    return DecodeList(contents, entries);
}

DWORD DecodeList(std::string_view contents, EntryModel& entries) {
    try {
        const DataFileText file = SplitDataFile(contents);
        // Counting first costs a fraction of the split and spares a million-entry list the doubled
        // peak of a growing vector.
        entries.Reserve(entries.Size() + CountRecords(file.records, kEntryFieldCount));
        if (file.encoding == DataFileEncoding::Utf8) {
            ForEachRecord(file.records, kEntryFieldCount, [&](std::span<const std::string_view> record) {
                entries.Append(record[0], record[1], record[2]);
            });
            return ERROR_SUCCESS;
        }
        bool exact = true;
        std::array<std::string, kEntryFieldCount> converted;
        ForEachRecord(file.records, kEntryFieldCount, [&](std::span<const std::string_view> record) {
            entries.Append(Utf8Field(record[0], converted[0], exact),
                           Utf8Field(record[1], converted[1], exact),
                           Utf8Field(record[2], converted[2], exact));
        });
        return exact ? ERROR_SUCCESS : kListInOtherCodePage;
    } catch (const std::bad_alloc&) {  // a list too large for this PC: the entries read so far stay
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

DWORD SaveList(const std::string& fileName, const EntryModel& entries) {
    DataFileWriter file;
    try {
        // Reserved up front: growing a multi-megabyte list by doubling costs more than encoding it.
        std::size_t bytes = 0;
        for (std::size_t index = 0; index < entries.Size(); ++index) {
            for (std::size_t column = 0; column < kEntryFieldCount; ++column) {
                bytes += entries[index].Field(static_cast<EntryField>(column)).size() + 2;
            }
        }
        file.Reserve(bytes);
        std::array<std::string_view, kEntryFieldCount> fields;
        for (std::size_t index = 0; index < entries.Size(); ++index) {
            for (std::size_t column = 0; column < kEntryFieldCount; ++column) {
                fields[column] = entries[index].Field(static_cast<EntryField>(column));
            }
            file.Append(fields);
        }
    } catch (const std::bad_alloc&) {  // the file is not touched
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    const DWORD error = ReplaceFileContents(fileName, file.Bytes());
    ReportIfOutOfHandles(error, texts::kErrorSavingList);
    return error;
}

}  // namespace corvane::menu
