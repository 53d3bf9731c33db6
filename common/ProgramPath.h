// Where the running program's own file is: each program finds its drive's other files from here.
#pragma once

#include <string>

namespace corvane {

// The full path of the running program's file, however long; empty text when Windows does not say.
std::string ProgramPath();

// The folder of the running program's file, without a trailing backslash (E:\Kindel.exe gives E:).
std::string ProgramFolder();

}  // namespace corvane
