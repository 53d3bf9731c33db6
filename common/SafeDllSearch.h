// Programs that run from removable media must not load a DLL that someone placed beside them.
#pragma once

namespace corvane {

// Restricts the process's DLL search to the system folder. Call first thing in WinMain.
void RestrictDllSearchToSystemFolder() noexcept;

}  // namespace corvane
