// The files the start program works with, worked out from the folder it runs from and the system
// folder. Plain text rules: the Win32 side asks for the two folders and acts on the result.
#pragma once

#include <string>
#include <string_view>

namespace corvane::start {

inline constexpr const char* kRegistrarName = "regsvr32.exe";
// The registration command line: this text followed by the component file in quotes (a system
// folder may hold spaces).
inline constexpr const char* kRegistrationCommand = "regsvr32 /s ";

struct StartFiles {
    std::string systemFolder;     // without a trailing backslash; empty when unknown
    std::string componentFile;    // the component in the system folder
    std::string componentSource;  // the component that travels in the drive's Support folder
    std::string menuFile;         // Menu.exe beside the start program
    // The registration program by its full path in the system folder; empty when the system
    // folder is unknown, since a bare "regsvr32" would be looked for beside the start program first.
    std::string registrar;
    std::string registrationCommandLine;
};

// The system folder from the buffer GetSystemDirectoryA filled: the text before the first NUL,
// without a trailing backslash. An empty buffer (the query failed) gives empty text.
std::string SystemFolderFromBuffer(std::string_view buffer);

// The start program's files. With an empty system folder the component file is "\mscomctl.ocx",
// the root of the current drive, as the query's failure leaves it.
StartFiles PlanStartFiles(std::string_view ownFolder, std::string_view systemFolder);

}  // namespace corvane::start
