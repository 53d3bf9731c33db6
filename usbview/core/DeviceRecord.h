// One USB device as the viewer knows it, gathered from the system's device list; and what its ids
// say. Texts are UTF-8.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace corvane::usbview {

enum class DeviceKind { Controller, Hub, Device };

// How fast the port a device is attached to runs, as the hub reports it.
enum class UsbSpeed { Unknown, Low, Full, High, Super, SuperPlus };

struct DeviceRecord {
    std::string instanceId;  // "USB\VID_0781&PID_5567\4C530001"
    std::string parentId;    // the instance id of the device it hangs from; empty at the top
    DeviceKind kind = DeviceKind::Device;
    std::string name;
    std::string maker;
    std::vector<std::string> hardwareIds;  // most specific first
    UsbSpeed speed = UsbSpeed::Unknown;
    std::vector<char> driveLetters;  // of the volumes on it, 'E'
};

struct VendorProduct {
    std::uint16_t vendor = 0;
    std::uint16_t product = 0;
    bool operator==(const VendorProduct&) const = default;
};

// The vendor and product numbers of a hardware or instance id ("USB\VID_0781&PID_5567&REV_0100"),
// whatever the letters' case; nothing when the id does not hold both as four hex digits each.
std::optional<VendorProduct> ParseVendorProduct(std::string_view id) noexcept;

// The numbers of a record: from its first hardware id that holds them, else from its instance id.
std::optional<VendorProduct> VendorProductOf(const DeviceRecord& record) noexcept;

// A controller is a USB-class device that is not itself on USB (on PCI, ACPI...); a hub is a root hub
// or a device of the hub class; everything else on USB is a device.
DeviceKind ClassifyDevice(std::string_view instanceId,
                          const std::vector<std::string>& compatibleIds) noexcept;

// "High speed (480 Mbit/s)"; empty for Unknown. The number is the hub's USB_DEVICE_SPEED value.
std::string SpeedText(UsbSpeed speed);
UsbSpeed SpeedFromHubValue(std::uint32_t value) noexcept;

}  // namespace corvane::usbview
