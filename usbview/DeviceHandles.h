// Owners for the handles the USB viewer uses beyond common/UniqueHandle.h: the device information
// lists of SetupAPI, device notification registrations and global memory for the clipboard.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>
#include <setupapi.h>

namespace corvane::usbview {

namespace handle_traits {

struct DeviceInfoList {
    using Handle = HDEVINFO;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::SetupDiDestroyDeviceInfoList(h); }
};
struct DeviceNotification {
    using Handle = HDEVNOTIFY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::UnregisterDeviceNotification(h); }
};
struct GlobalMemory {  // until the clipboard takes it over
    using Handle = HGLOBAL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { ::GlobalFree(h); }
};

}  // namespace handle_traits

using UniqueDeviceInfoList = UniqueHandle<handle_traits::DeviceInfoList>;
using UniqueDeviceNotification = UniqueHandle<handle_traits::DeviceNotification>;
using UniqueGlobalMemory = UniqueHandle<handle_traits::GlobalMemory>;

}  // namespace corvane::usbview
