#include "tendwell/AutoplayRegistry.h"

#include "common/UniqueHandle.h"

#include <array>

namespace corvane::tendwell {
namespace {

struct RegistryKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::RegCloseKey(h); }
};
using UniqueRegistryKey = UniqueHandle<RegistryKeyTraits>;

// A 32-bit wizard on 64-bit Windows reads the policies Explorer reads: the 64-bit view.
constexpr REGSAM kNativeView = KEY_WOW64_64KEY;

// A DWORD value; older systems and some tools store the drive-type mask as up to four binary bytes.
std::optional<std::uint32_t> ReadNumber(HKEY root, const wchar_t* keyPath, const wchar_t* name) {
    HKEY opened = nullptr;
    if (::RegOpenKeyExW(root, keyPath, 0, KEY_QUERY_VALUE | kNativeView, &opened) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    const UniqueRegistryKey key(opened);
    std::array<BYTE, 4> data{};
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(data.size());
    if (::RegQueryValueExW(key.get(), name, nullptr, &type, data.data(), &size) != ERROR_SUCCESS ||
        (type != REG_DWORD && type != REG_BINARY) || size == 0) {
        return std::nullopt;
    }
    std::uint32_t value = 0;
    for (DWORD i = size; i-- > 0;) {
        value = (value << 8) | data[i];
    }
    return value;
}

const wchar_t* ValueName(UserValue value) {
    switch (value) {
        case UserValue::DisableAutoplay:
            return kDisableAutoplayValue;
        case UserValue::NoDriveTypeAutoRun:
            return kNoDriveTypeAutoRunValue;
        case UserValue::NoAutorun:
            return kNoAutorunValue;
        case UserValue::NoDriveAutoRun:
            break;
    }
    return kNoDriveAutoRunValue;
}

}  // namespace

AutoplaySettings ReadAutoplaySettings() {
    AutoplaySettings settings;
    settings.machineNoDriveTypeAutoRun =
        ReadNumber(HKEY_LOCAL_MACHINE, kExplorerPoliciesKey, kNoDriveTypeAutoRunValue);
    settings.userNoDriveTypeAutoRun =
        ReadNumber(HKEY_CURRENT_USER, kExplorerPoliciesKey, kNoDriveTypeAutoRunValue);
    settings.machineNoAutorun = ReadNumber(HKEY_LOCAL_MACHINE, kExplorerPoliciesKey, kNoAutorunValue);
    settings.userNoAutorun = ReadNumber(HKEY_CURRENT_USER, kExplorerPoliciesKey, kNoAutorunValue);
    settings.userDisableAutoplay = ReadNumber(HKEY_CURRENT_USER, kAutoplayHandlersKey, kDisableAutoplayValue);
    settings.machineNoDriveAutoRun =
        ReadNumber(HKEY_LOCAL_MACHINE, kExplorerPoliciesKey, kNoDriveAutoRunValue);
    settings.userNoDriveAutoRun = ReadNumber(HKEY_CURRENT_USER, kExplorerPoliciesKey, kNoDriveAutoRunValue);
    return settings;
}

DWORD ApplyUserValueChange(const UserValueChange& change) {
    const bool handlers = change.value == UserValue::DisableAutoplay;
    const wchar_t* keyPath = handlers ? kAutoplayHandlersKey : kExplorerPoliciesKey;
    const wchar_t* name = ValueName(change.value);
    HKEY opened = nullptr;
    if (const LSTATUS error = ::RegCreateKeyExW(HKEY_CURRENT_USER, keyPath, 0, nullptr, 0, KEY_SET_VALUE,
                                                nullptr, &opened, nullptr);
        error != ERROR_SUCCESS) {
        return static_cast<DWORD>(error);
    }
    const UniqueRegistryKey key(opened);
    if (!change.newValue.has_value()) {
        const LSTATUS error = ::RegDeleteValueW(key.get(), name);
        return error == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : static_cast<DWORD>(error);
    }
    const DWORD value = *change.newValue;
    return static_cast<DWORD>(
        ::RegSetValueExW(key.get(), name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value));
}

}  // namespace corvane::tendwell
