#include "usbview/DeviceSource.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "usbview/DeviceHandles.h"
#include "usbview/core/DeviceTree.h"

// clang-format off
#include <windows.h>
#include <setupapi.h>
#include <cfgmgr32.h>
#include <winioctl.h>
#include <usbioctl.h>
// clang-format on

#include <algorithm>
#include <map>
#include <string>

namespace corvane::usbview {
namespace {

// The device class of USB controllers and hubs, and the interface of disks.
constexpr GUID kUsbClass = {0x36FC9E60, 0xC465, 0x11CF, {0x80, 0x56, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};
constexpr GUID kDiskInterface = {
    0x53F56307, 0xB6BF, 0x11D0, {0x94, 0xF2, 0x00, 0xA0, 0xC9, 0x1E, 0xFB, 0x8B}};

// A device's instance id ("USB\VID_0781&PID_5567\4C530001"), however long.
std::string InstanceIdOf(DEVINST device) {
    ULONG length = 0;
    if (::CM_Get_Device_ID_Size(&length, device, 0) != CR_SUCCESS) {
        return {};
    }
    std::wstring id(length + 1, L'\0');
    if (::CM_Get_Device_IDW(device, id.data(), length + 1, 0) != CR_SUCCESS) {
        return {};
    }
    return Utf8FromWide(id.c_str());
}

std::string ParentIdOf(DEVINST device) {
    DEVINST parent = 0;
    return ::CM_Get_Parent(&parent, device, 0) == CR_SUCCESS ? InstanceIdOf(parent) : std::string();
}

// A registry property of a device as UTF-16 bytes, grown until it fits; empty when it has none.
std::wstring RawProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    std::wstring value(64, L'\0');
    for (;;) {
        DWORD needed = 0;
        const auto bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
        if (::SetupDiGetDeviceRegistryPropertyW(set, &device, property, nullptr,
                                                reinterpret_cast<BYTE*>(value.data()), bytes, &needed)) {
            value.resize(std::min<std::size_t>(value.size(), needed / sizeof(wchar_t)));
            return value;
        }
        if (::GetLastError() != ERROR_INSUFFICIENT_BUFFER || needed <= bytes) {
            return {};
        }
        value.resize(needed / sizeof(wchar_t) + 1);
    }
}

std::string TextProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    return Utf8FromWide(RawProperty(set, device, property).c_str());
}

// A list property (REG_MULTI_SZ): the strings up to the empty one.
std::vector<std::string> ListProperty(HDEVINFO set, SP_DEVINFO_DATA& device, DWORD property) {
    const std::wstring raw = RawProperty(set, device, property);
    std::vector<std::string> list;
    for (std::size_t at = 0; at < raw.size() && raw[at] != L'\0';) {
        const std::size_t end = std::min(raw.find(L'\0', at), raw.size());
        list.push_back(Utf8FromWide(std::wstring_view(raw).substr(at, end - at)));
        at = end + 1;
    }
    return list;
}

// A device on USB (its id starts with the bus: "USB\...") or a controller or hub of the USB class.
bool IsUsbRecord(const std::string& instanceId, const GUID& classGuid) {
    return ClassifyDevice(instanceId, {}) != DeviceKind::Controller || ::IsEqualGUID(classGuid, kUsbClass);
}

// Calls `visit` with the path of every present interface of a class (hubs, disks) and its device.
void ForEachInterface(const GUID& interfaceClass,
                      const std::function<void(const std::wstring&, DEVINST)>& visit) {
    const UniqueDeviceInfoList set(
        ::SetupDiGetClassDevsW(&interfaceClass, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!set) {
        return;
    }
    SP_DEVICE_INTERFACE_DATA item{};
    item.cbSize = sizeof item;
    for (DWORD i = 0; ::SetupDiEnumDeviceInterfaces(set.get(), nullptr, &interfaceClass, i, &item); ++i) {
        DWORD needed = 0;
        ::SetupDiGetDeviceInterfaceDetailW(set.get(), &item, nullptr, 0, &needed, nullptr);
        if (needed < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
            continue;
        }
        std::vector<DWORD> buffer(needed / sizeof(DWORD) + 1);  // DWORD-aligned, as the structure needs
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        if (::SetupDiGetDeviceInterfaceDetailW(set.get(), &item, detail, needed, nullptr, &device)) {
            visit(detail->DevicePath, device.DevInst);
        }
    }
}

UniqueFile OpenForQueries(const std::wstring& path) {
    // No access rights: enough for the query controls, and never refused for a drive in use.
    return UniqueFile(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr));
}

template <typename Result>
bool Query(HANDLE device, DWORD control, void* input, DWORD inputSize, Result& result) {
    DWORD returned = 0;
    return ::DeviceIoControl(device, control, input, inputSize, &result, sizeof result, &returned, nullptr) !=
           0;
}

// The disk number of a disk or a volume (\\.\E:), as the storage driver counts them.
std::optional<ULONG> DiskNumberOf(const std::wstring& path) {
    const UniqueFile device = OpenForQueries(path);
    STORAGE_DEVICE_NUMBER number{};
    if (!device || !Query(device.get(), IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, number)) {
        return std::nullopt;
    }
    return number.DeviceNumber;
}

// Each drive letter with the devices above its disk, nearest first.
std::vector<DriveAncestry> DriveAncestries() {
    std::map<ULONG, DEVINST> disks;
    ForEachInterface(kDiskInterface, [&](const std::wstring& path, DEVINST device) {
        if (const auto number = DiskNumberOf(path)) {
            disks.emplace(*number, device);
        }
    });
    std::vector<DriveAncestry> drives;
    const DWORD letters = ::GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        const wchar_t letter = static_cast<wchar_t>(L'A' + i);
        if ((letters & (1u << i)) == 0) {
            continue;
        }
        const auto number = DiskNumberOf(std::wstring(L"\\\\.\\") + letter + L":");
        const auto disk = number ? disks.find(*number) : disks.end();
        if (disk == disks.end()) {
            continue;
        }
        DriveAncestry drive{static_cast<char>(letter), {}};
        for (DEVINST at = disk->second, parent = 0; ::CM_Get_Parent(&parent, at, 0) == CR_SUCCESS;
             at = parent) {
            drive.ancestorIds.push_back(InstanceIdOf(parent));
        }
        drives.push_back(std::move(drive));
    }
    return drives;
}

// The speed of the device on each port of each hub, by the device's driver key.
std::map<std::wstring, UsbSpeed> PortSpeeds() {
    std::map<std::wstring, UsbSpeed> speeds;
    ForEachInterface(kUsbHubInterface, [&](const std::wstring& path, DEVINST) {
        const UniqueFile hub = OpenForQueries(path);
        USB_NODE_INFORMATION node{};
        if (!hub || !Query(hub.get(), IOCTL_USB_GET_NODE_INFORMATION, &node, sizeof node, node)) {
            return;
        }
        const ULONG ports = node.u.HubInformation.HubDescriptor.bNumberOfPorts;
        for (ULONG port = 1; port <= ports; ++port) {
            USB_NODE_CONNECTION_INFORMATION_EX connection{};
            connection.ConnectionIndex = port;
            if (!Query(hub.get(), IOCTL_USB_GET_NODE_CONNECTION_INFORMATION_EX, &connection,
                       sizeof connection, connection) ||
                connection.ConnectionStatus != DeviceConnected) {
                continue;
            }
            USB_NODE_CONNECTION_DRIVERKEY_NAME size{};
            size.ConnectionIndex = port;
            if (!Query(hub.get(), IOCTL_USB_GET_NODE_CONNECTION_DRIVERKEY_NAME, &size, sizeof size, size) ||
                size.ActualLength <= sizeof size) {
                continue;
            }
            std::vector<DWORD> buffer(size.ActualLength / sizeof(DWORD) + 1);
            auto* name = reinterpret_cast<USB_NODE_CONNECTION_DRIVERKEY_NAME*>(buffer.data());
            name->ConnectionIndex = port;
            DWORD returned = 0;
            if (::DeviceIoControl(hub.get(), IOCTL_USB_GET_NODE_CONNECTION_DRIVERKEY_NAME, name,
                                  size.ActualLength, name, size.ActualLength, &returned, nullptr)) {
                speeds[name->DriverKeyName] = SpeedFromHubValue(connection.Speed);
            }
        }
    });
    return speeds;
}

}  // namespace

std::vector<DeviceRecord> ReadUsbDevices() {
    std::vector<DeviceRecord> records;
    const UniqueDeviceInfoList set(
        ::SetupDiGetClassDevsW(nullptr, nullptr, nullptr, DIGCF_ALLCLASSES | DIGCF_PRESENT));
    if (!set) {
        return records;
    }
    const std::map<std::wstring, UsbSpeed> speeds = PortSpeeds();
    SP_DEVINFO_DATA device{};
    device.cbSize = sizeof device;
    for (DWORD i = 0; ::SetupDiEnumDeviceInfo(set.get(), i, &device); ++i) {
        DeviceRecord record;
        record.instanceId = InstanceIdOf(device.DevInst);
        if (!IsUsbRecord(record.instanceId, device.ClassGuid)) {
            continue;
        }
        record.parentId = ParentIdOf(device.DevInst);
        record.name = TextProperty(set.get(), device, SPDRP_FRIENDLYNAME);
        if (record.name.empty()) {
            record.name = TextProperty(set.get(), device, SPDRP_DEVICEDESC);
        }
        record.maker = TextProperty(set.get(), device, SPDRP_MFG);
        record.hardwareIds = ListProperty(set.get(), device, SPDRP_HARDWAREID);
        record.kind = ClassifyDevice(record.instanceId, ListProperty(set.get(), device, SPDRP_COMPATIBLEIDS));
        const std::wstring driverKey = RawProperty(set.get(), device, SPDRP_DRIVER).c_str();
        for (const auto& [key, speed] : speeds) {
            if (::CompareStringOrdinal(key.c_str(), -1, driverKey.c_str(), -1, TRUE) == CSTR_EQUAL) {
                record.speed = speed;
            }
        }
        records.push_back(std::move(record));
    }
    AttachDriveLetters(records, DriveAncestries());
    return records;
}

}  // namespace corvane::usbview
