// The platform steps of the start program: where it runs from, the system folder, the copy, the
// registration and the menu start. None of them reports to the user.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::start {

// How long the registration may take before the menu is started regardless.
inline constexpr DWORD kRegistrationWaitMs = 30000;

// The folder Kindel.exe runs from, without a trailing backslash.
std::string OwnFolder();

// The system folder as GetSystemDirectoryA reports it; empty text when the query fails.
std::string SystemFolder();

// Copies the component into the system folder, over any file of that name. A failure is passed over.
void CopyComponent(const std::string& source, const std::string& destination) noexcept;

// Starts `registrar` with `commandLine`, minimized with the focus, and waits for it to end (at most
// `timeoutMs`) while the windows of this thread keep painting. Returns true when it ran and ended.
bool RunRegistration(const std::string& registrar, const std::string& commandLine, DWORD timeoutMs);

// Opens the menu through the shell. The outcome is not examined, and the shell shows no error of
// its own (a missing Menu.exe ends the start program quietly).
void StartMenu(HWND owner, const std::string& menuFile) noexcept;

}  // namespace corvane::start
