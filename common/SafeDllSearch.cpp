#include "common/SafeDllSearch.h"

#include <windows.h>

namespace corvane {

void RestrictDllSearchToSystemFolder() noexcept {
    // SetDefaultDllDirectories is missing on Windows 7 without KB2533623: look it up at run time.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    if (HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll")) {
        const auto setDefault = reinterpret_cast<SetDefaultDllDirectoriesFn>(
            reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
        if (setDefault != nullptr) {
            setDefault(LOAD_LIBRARY_SEARCH_SYSTEM32);
        }
    }
    // Also drop the current folder from the search of older systems.
    ::SetDllDirectoryW(L"");
}

}  // namespace corvane
