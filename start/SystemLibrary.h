// A DLL of the system folder loaded at run time by its full path. Kindel imports only known DLLs,
// which Windows always maps from the system folder; a DLL outside that set (the signature checks'
// wintrust and crypt32 among them) would be looked for beside Kindel, on the stick, if it were
// imported, before Kindel's first line could restrict the search.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>

namespace corvane::start {

// Loads `name` (e.g. "wintrust.dll") from the system folder; an empty handle when it cannot.
// Its own imports are looked for in the system folder too.
UniqueModule LoadSystemLibrary(const char* name);

// The function `name` of `library` as a pointer of type `Function`, or null.
template <typename Function>
Function LibraryFunction(const UniqueModule& library, const char* name) noexcept {
    if (!library) {
        return nullptr;
    }
    return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(library.get(), name)));
}

}  // namespace corvane::start
