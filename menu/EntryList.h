// Data.dat and the menu's entries: LoadList reads the file into the model, SaveList writes the model
// back (format in menu/core/DataFile.h). The file is in the ANSI code page; the model holds UTF-8.
#pragma once

#include "menu/core/EntryModel.h"

#include <windows.h>

#include <string>

namespace corvane::menu {

// Appends the file's records to the model as new entries, in file order; never removes one.
// Returns ERROR_SUCCESS or the error that kept the file from being read (no entries are added then),
// or ERROR_NOT_ENOUGH_MEMORY when the list outgrew the memory (the entries added so far stay):
// anything but ERROR_SUCCESS means the model does not hold the file's whole contents.
DWORD LoadList(const std::string& fileName, EntryModel& entries);

// Rewrites the file from the entries, in their order. The file is replaced in one step: on failure
// (ERROR_NOT_ENOUGH_MEMORY among them) it is left exactly as it was and the error is returned.
DWORD SaveList(const std::string& fileName, const EntryModel& entries);

}  // namespace corvane::menu
