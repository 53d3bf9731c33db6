// Owners for the handles the USB viewer uses beyond common/UniqueHandle.h: the device information
// lists of SetupAPI (common/UniqueDeviceInfoList.h), device notification registrations and global
// memory for the clipboard.
#pragma once

#include "common/UniqueDeviceInfoList.h"
#include "common/UniqueHandle.h"

#include <windows.h>
#include <setupapi.h>

namespace corvane::usbview {

namespace handle_traits {

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

using corvane::UniqueDeviceInfoList;  // shared with the menu's eject
using UniqueDeviceNotification = UniqueHandle<handle_traits::DeviceNotification>;
using UniqueGlobalMemory = UniqueHandle<handle_traits::GlobalMemory>;

}  // namespace corvane::usbview
