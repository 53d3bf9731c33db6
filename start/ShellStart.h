// Starting a program at the signed-in user's normal level from an elevated process: the desktop
// shell (Explorer) is asked to start it, so that it gets the shell's token, not this process's.
#pragma once

#include <string>

namespace corvane::start {

// True when this process runs with an elevated token (as administrator, past the consent prompt).
bool IsElevated() noexcept;

// Asks the desktop shell to open `file` with the "open" verb, no parameters and the normal show
// command, through the shell's own IShellDispatch2::ShellExecute. False when no desktop shell
// answers (no Explorer running, a system without one) or it refused; then nothing was started.
bool StartThroughDesktopShell(const std::string& file) noexcept;

}  // namespace corvane::start
