// Every text the USB viewer shows, in one place, character for character.
#pragma once

namespace corvane::usbview::texts {

inline constexpr const char* kProgramTitle = "Corvane USB View";

// The window.
inline constexpr const char* kTreeCaption = "USB &devices attached to this computer:";
inline constexpr const char* kDetailsCaption = "D&etails of the selected device:";
inline constexpr const char* kCopy = "&Copy Details";
inline constexpr const char* kRefresh = "&Refresh";
inline constexpr const char* kHelp = "&Help";
inline constexpr const char* kAbout = "&About";
inline constexpr const char* kClose = "C&lose";
inline constexpr const char* kNoDevices = "Windows reports no USB controller or device on this computer.";
inline constexpr const char* kCounts =
    " USB controllers, hubs and devices. The list follows devices as they "
    "are attached and removed.";
inline constexpr const char* kCopied = "The details are on the clipboard.";
inline constexpr const char* kCopyFailed = "The details could not be put on the clipboard: ";
inline constexpr const char* kNothingSelected = "Choose a device in the tree first.";

// The details.
inline constexpr const char* kFieldName = "Name: ";
inline constexpr const char* kFieldKind = "Kind: ";
inline constexpr const char* kFieldMaker = "Maker: ";
inline constexpr const char* kFieldVendor = "Vendor ID: ";
inline constexpr const char* kFieldProduct = "Product ID: ";
inline constexpr const char* kFieldSpeed = "Speed: ";
inline constexpr const char* kFieldDrives = "Drives: ";
inline constexpr const char* kFieldInstance = "Instance ID: ";
inline constexpr const char* kFieldHardwareId = "Hardware ID: ";
inline constexpr const char* kKindController = "USB host controller";
inline constexpr const char* kKindHub = "USB hub";
inline constexpr const char* kKindDevice = "USB device";

inline constexpr const char* kSpeedLow = "Low speed (1.5 Mbit/s)";
inline constexpr const char* kSpeedFull = "Full speed (12 Mbit/s)";
inline constexpr const char* kSpeedHigh = "High speed (480 Mbit/s)";
inline constexpr const char* kSpeedSuper = "SuperSpeed (5 Gbit/s)";
inline constexpr const char* kSpeedSuperPlus = "SuperSpeed+ (10 Gbit/s or more)";

// Help.
inline constexpr const char* kHelpPage = "usbview.html";

}  // namespace corvane::usbview::texts
