#include "usbview/core/DeviceRecord.h"

#include "usbview/core/UsbViewTexts.h"

#include <algorithm>
#include <cctype>

namespace corvane::usbview {
namespace {

char Upper(char c) noexcept {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) noexcept {
    return text.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), text.begin(),
                                                      [](char a, char b) { return Upper(a) == Upper(b); });
}

std::size_t FindNoCase(std::string_view text, std::string_view part) noexcept {
    for (std::size_t at = 0; at + part.size() <= text.size(); ++at) {
        if (StartsWithNoCase(text.substr(at), part)) {
            return at;
        }
    }
    return std::string_view::npos;
}

std::optional<std::uint16_t> HexNumber(std::string_view digits) noexcept {
    if (digits.size() < 4) {
        return std::nullopt;
    }
    std::uint16_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        const char c = Upper(digits[i]);
        int digit = 0;
        if (c >= '0' && c <= '9') {
            digit = c - '0';
        } else if (c >= 'A' && c <= 'F') {
            digit = c - 'A' + 10;
        } else {
            return std::nullopt;
        }
        value = static_cast<std::uint16_t>(value * 16 + digit);
    }
    // "VID_12345" is not a four-digit number.
    const bool longer = digits.size() > 4 && std::isxdigit(static_cast<unsigned char>(digits[4])) != 0;
    return longer ? std::nullopt : std::optional<std::uint16_t>(value);
}

// The four hex digits after `key` ("VID_") in an id, where the key starts the id's text after a
// backslash or an ampersand.
std::optional<std::uint16_t> NumberAfter(std::string_view id, std::string_view key) noexcept {
    for (std::size_t at = FindNoCase(id, key); at != std::string_view::npos;) {
        const bool startsPart = at == 0 || id[at - 1] == '\\' || id[at - 1] == '&';
        if (startsPart) {
            return HexNumber(id.substr(at + key.size()));
        }
        const std::size_t next = FindNoCase(id.substr(at + 1), key);
        at = next == std::string_view::npos ? next : at + 1 + next;
    }
    return std::nullopt;
}

}  // namespace

std::optional<VendorProduct> ParseVendorProduct(std::string_view id) noexcept {
    const auto vendor = NumberAfter(id, "VID_");
    const auto product = NumberAfter(id, "PID_");
    if (!vendor || !product) {
        return std::nullopt;
    }
    return VendorProduct{*vendor, *product};
}

std::optional<VendorProduct> VendorProductOf(const DeviceRecord& record) noexcept {
    for (const std::string& id : record.hardwareIds) {
        if (auto numbers = ParseVendorProduct(id)) {
            return numbers;
        }
    }
    return ParseVendorProduct(record.instanceId);
}

DeviceKind ClassifyDevice(std::string_view instanceId,
                          const std::vector<std::string>& compatibleIds) noexcept {
    if (!StartsWithNoCase(instanceId, "USB\\")) {
        return DeviceKind::Controller;
    }
    if (StartsWithNoCase(instanceId, "USB\\ROOT_HUB")) {
        return DeviceKind::Hub;
    }
    const bool hubClass = std::any_of(compatibleIds.begin(), compatibleIds.end(), [](const std::string& id) {
        return FindNoCase(id, "USB\\CLASS_09") != std::string_view::npos;
    });
    return hubClass ? DeviceKind::Hub : DeviceKind::Device;
}

std::string SpeedText(UsbSpeed speed) {
    switch (speed) {
        case UsbSpeed::Low:
            return texts::kSpeedLow;
        case UsbSpeed::Full:
            return texts::kSpeedFull;
        case UsbSpeed::High:
            return texts::kSpeedHigh;
        case UsbSpeed::Super:
            return texts::kSpeedSuper;
        case UsbSpeed::SuperPlus:
            return texts::kSpeedSuperPlus;
        case UsbSpeed::Unknown:
            break;
    }
    return {};
}

UsbSpeed SpeedFromHubValue(std::uint32_t value) noexcept {
    // UsbLowSpeed 0, UsbFullSpeed 1, UsbHighSpeed 2, UsbSuperSpeed 3 (usbspec.h); the hub's
    // SuperSpeedPlus flag is reported apart and mapped by the caller.
    switch (value) {
        case 0:
            return UsbSpeed::Low;
        case 1:
            return UsbSpeed::Full;
        case 2:
            return UsbSpeed::High;
        case 3:
            return UsbSpeed::Super;
        default:
            return UsbSpeed::Unknown;
    }
}

}  // namespace corvane::usbview
