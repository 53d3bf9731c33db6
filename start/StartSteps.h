// The platform steps of the start program: where it runs from, the system folder, the
// registration and the menu start. None of them reports to the user.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::start {

// How long the registration may take before the menu is started regardless.
inline constexpr DWORD kRegistrationWaitMs = 30000;

// The system folder as GetSystemDirectoryA reports it; empty text when the query fails.
std::string SystemFolder();

enum class RegistrationOutcome {
    Registered,    // the registrar ended with exit code 0
    Failed,        // it could not be started, or it ended with another code
    StillRunning,  // it did not end in time (the component may be in use: leave it)
};

// Starts `registrar` with `commandLine` in `folder` (the system folder: never the stick, whose
// files a program's current folder would let it load), minimized with the focus, and waits for it
// to end (at most `timeoutMs`) while the windows of this thread keep painting.
RegistrationOutcome RunRegistration(const std::string& registrar, const std::string& commandLine,
                                    const std::string& folder, DWORD timeoutMs);

// Opens the menu through the shell. The outcome is not examined, and the shell shows no error of
// its own (a missing Menu.exe ends the start program quietly). With `atUserLevel` (this program
// runs elevated) the desktop shell is asked to start it, so that neither the menu nor anything the
// user starts from it inherits the elevation; when no desktop shell answers, or without
// `atUserLevel`, this process starts it.
void StartMenu(HWND owner, const std::string& menuFile, bool atUserLevel) noexcept;

}  // namespace corvane::start
