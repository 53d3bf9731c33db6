// Starting programs without waiting for them: a program of Windows itself by command line, or a file
// through the shell.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::menu {

class ProgramStarter {
  public:
    ProgramStarter() = default;
    ProgramStarter(const ProgramStarter&) = delete;
    ProgramStarter& operator=(const ProgramStarter&) = delete;
    virtual ~ProgramStarter() = default;

    // Starts `program` (a file name such as "explorer.exe") from the Windows folder with `commandLine`
    // and the window state `showCommand`, in the system folder. Returns ERROR_SUCCESS or the Win32 error.
    virtual DWORD Start(const std::string& program, const std::string& commandLine, int showCommand) = 0;

    // Hands `file` to the shell with `verb` (null: the file's default action), its parameters and
    // working folder, shown normally. Returns ERROR_SUCCESS or the error; ERROR_CANCELLED when the
    // user refused (for "runas", the elevation prompt answered No). The real shell unless overridden.
    virtual DWORD OpenFile(const std::string& file, const std::string& workingFolder,
                           const std::string& parameters, const char* verb);
};

// The real thing: a program on removable media must never start a same-named program placed beside
// it or in the current folder, so the program is named by its full path in the system's Windows
// folder (GetSystemWindowsDirectory: on a terminal server GetWindowsDirectory names the user's own).
// It starts in the system folder, so that it holds no folder on the stick open.
class WindowsFolderStarter final : public ProgramStarter {
  public:
    DWORD Start(const std::string& program, const std::string& commandLine, int showCommand) override;
};

}  // namespace corvane::menu
