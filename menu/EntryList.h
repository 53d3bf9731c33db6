// Data.dat and the menu's entries: LoadList reads the file into the model, SaveList writes the model
// back (format in menu/core/DataFile.h, encodings in menu/core/DataFileEncoding.h). The file is in
// UTF-8 or in the ANSI code page; the model holds UTF-8.
#pragma once

#include "menu/core/EntryModel.h"

#include <windows.h>

#include <string>
#include <string_view>

namespace corvane::menu {

// What LoadList returns for an ANSI file that this PC's code page does not say exactly (written on
// a PC with another code page): its entries are all added, but some texts are not what that PC
inline constexpr DWORD kListInOtherCodePage = ERROR_NO_UNICODE_TRANSLATION;

// Appends the file's records to the model as new entries, in file order; never removes one.
// Returns ERROR_SUCCESS or the error that kept the file from being read (no entries are added then),
// ERROR_NOT_ENOUGH_MEMORY when the list outgrew the memory (the entries added so far stay), or
// kListInOtherCodePage: anything but ERROR_SUCCESS means the model does not hold the file's whole
// contents exactly.
DWORD LoadList(const std::string& fileName, EntryModel& entries);

// LoadList over a file's contents already read: the same results, but for the read's own errors.
DWORD DecodeList(std::string_view contents, EntryModel& entries);

// Rewrites the file from the entries, in their order: plain ASCII texts as the ANSI file they always
// were, any other list in UTF-8 (DataFileEncoding.h). The file is replaced in one step: on failure
// (ERROR_NOT_ENOUGH_MEMORY among them) it is left exactly as it was and the error is returned.
DWORD SaveList(const std::string& fileName, const EntryModel& entries);

}  // namespace corvane::menu
