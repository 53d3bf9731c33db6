// The USB controllers, hubs and devices attached to this computer as Windows lists them (SetupAPI and
// the configuration manager), with the speed their hub reports and the drive letters of their volumes.
#pragma once

#include "usbview/core/DeviceRecord.h"

#include <functional>
#include <vector>

namespace corvane::usbview {

using DeviceSource = std::function<std::vector<DeviceRecord>()>;

// Every present USB controller, hub and device, in the system's order.
std::vector<DeviceRecord> ReadUsbDevices();

}  // namespace corvane::usbview
