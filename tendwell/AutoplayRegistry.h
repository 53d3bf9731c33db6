// The AutoPlay and AutoRun values of the registry (see tendwell/core/AutoplayPolicy.h for what
// each means): read from the machine's and the user's keys, and changed for the user only.
#pragma once

#include "tendwell/core/AutoplayPolicy.h"

#include <windows.h>

namespace corvane::tendwell {

AutoplaySettings ReadAutoplaySettings();

// Sets or deletes one of the user's values. Returns ERROR_SUCCESS or the registry's error.
DWORD ApplyUserValueChange(const UserValueChange& change);

// Where the values live, below HKEY_LOCAL_MACHINE and HKEY_CURRENT_USER.
inline constexpr const wchar_t* kExplorerPoliciesKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Policies\\Explorer";
inline constexpr const wchar_t* kAutoplayHandlersKey =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\AutoplayHandlers";
inline constexpr const wchar_t* kNoDriveTypeAutoRunValue = L"NoDriveTypeAutoRun";
inline constexpr const wchar_t* kNoAutorunValue = L"NoAutorun";
inline constexpr const wchar_t* kNoDriveAutoRunValue = L"NoDriveAutoRun";
inline constexpr const wchar_t* kDisableAutoplayValue = L"DisableAutoplay";

}  // namespace corvane::tendwell
