// The owner of a SetupAPI device information list, beside common/UniqueHandle.h: only the programs
// that ask SetupAPI about devices include it.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>
#include <setupapi.h>

namespace corvane {

namespace handle_traits {
struct DeviceInfoList {
    using Handle = HDEVINFO;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) noexcept { ::SetupDiDestroyDeviceInfoList(h); }
};
}  // namespace handle_traits

using UniqueDeviceInfoList = UniqueHandle<handle_traits::DeviceInfoList>;

}  // namespace corvane
