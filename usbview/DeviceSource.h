// The USB controllers, hubs and devices attached to this computer as Windows lists them (SetupAPI and
// the configuration manager), with the speed their hub reports and the drive letters of their volumes.
#pragma once

#include "usbview/core/DeviceRecord.h"

#include <guiddef.h>

#include <functional>
#include <vector>

namespace corvane::usbview {

// The device interfaces of USB devices and of USB hubs, spelled out here so that no GUID library is
// needed: their arrival and removal is what the viewer listens for, and the hubs are asked for speeds.
inline constexpr GUID kUsbDeviceInterface = {
    0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};
inline constexpr GUID kUsbHubInterface = {
    0xF18A0E88, 0xC30C, 0x11D0, {0x88, 0x15, 0x00, 0xA0, 0xC9, 0x06, 0xBE, 0xD8}};

using DeviceSource = std::function<std::vector<DeviceRecord>()>;

// Every present USB controller, hub and device, in the system's order.
std::vector<DeviceRecord> ReadUsbDevices();

}  // namespace corvane::usbview
