#include "menu/EntryList.h"

#include "common/FileContents.h"
#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/WindowText.h"
#include "menu/core/DataFile.h"
#include "menu/core/MenuTexts.h"

#include <array>
#include <new>

namespace corvane::menu {
namespace {

// Running out of file handles is the one failure the user is told about in a message box, as
// before anything was touched; every other failure goes back to the caller.
void ReportIfOutOfHandles(DWORD error, const char* leadIn) {
    if (error == ERROR_TOO_MANY_OPEN_FILES) {
        const std::string text = leadIn + SystemErrorText(error);
        ShowMessageBox(nullptr, text, texts::kProgramTitle, MB_OK | MB_ICONERROR);
    }
}

// The field in the other encoding: the field itself when it is plain ASCII (most are), else its
// conversion, kept in `converted`.
template <typename Convert>
std::string_view Converted(std::string_view field, std::string& converted, Convert convert) {
    if (IsAscii(field)) {
        return field;
    }
    converted = convert(field);
    return converted;
}

}  // namespace

DWORD LoadList(const std::string& fileName, EntryModel& entries) {
    try {
        std::string contents;
        if (const DWORD error = ReadWholeFile(fileName, contents); error != ERROR_SUCCESS) {
            ReportIfOutOfHandles(error, texts::kErrorLoadingList);
            return error;
        }
        // Counting first costs a fraction of the split and spares a million-entry list the doubled
        // peak of a growing vector.
        entries.Reserve(entries.Size() + CountRecords(contents, kEntryFieldCount));
        std::array<std::string, kEntryFieldCount> converted;
        ForEachRecord(contents, kEntryFieldCount, [&](std::span<const std::string_view> record) {
            entries.Append(Converted(record[0], converted[0], Utf8FromAnsi),
                           Converted(record[1], converted[1], Utf8FromAnsi),
                           Converted(record[2], converted[2], Utf8FromAnsi));
        });
        return ERROR_SUCCESS;
    } catch (const std::bad_alloc&) {  // a list too large for this PC: the entries read so far stay
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

DWORD SaveList(const std::string& fileName, const EntryModel& entries) {
    std::string contents;
    try {
        std::array<std::string, kEntryFieldCount> converted;
        std::array<std::string_view, kEntryFieldCount> fields;
        for (std::size_t index = 0; index < entries.Size(); ++index) {
            for (std::size_t column = 0; column < kEntryFieldCount; ++column) {
                fields[column] = Converted(entries[index].Field(static_cast<EntryField>(column)),
                                           converted[column], AnsiFromUtf8);
            }
            AppendRecord(contents, fields);
        }
    } catch (const std::bad_alloc&) {  // the file is not touched
        return ERROR_NOT_ENOUGH_MEMORY;
    }
    const DWORD error = ReplaceFileContents(fileName, contents);
    ReportIfOutOfHandles(error, texts::kErrorSavingList);
    return error;
}

}  // namespace corvane::menu
