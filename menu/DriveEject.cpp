#include "menu/DriveEject.h"

#include "common/SystemError.h"
#include "common/TextEncoding.h"
#include "common/UniqueDeviceInfoList.h"
#include "common/UniqueHandle.h"

#include <cfgmgr32.h>
#include <setupapi.h>
#include <winioctl.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace corvane::menu {
namespace {

static_assert(static_cast<int>(VetoType::OutstandingOpen) == PNP_VetoOutstandingOpen);
static_assert(static_cast<int>(VetoType::InsufficientRights) == PNP_VetoInsufficientRights);

// Interfaces of the kinds of device a drive letter can be on, by the device type the volume reports.
// Their values are spelled out here: the SDK's definitions need initguid.h in exactly one file.
constexpr GUID kDiskInterface = {
    0x53f56307, 0xb6bf, 0x11d0, {0x94, 0xf2, 0x00, 0xa0, 0xc9, 0x1e, 0xfb, 0x8b}};
constexpr GUID kCdRomInterface = {
    0x53f56308, 0xb6bf, 0x11d0, {0x94, 0xf2, 0x00, 0xa0, 0xc9, 0x1e, 0xfb, 0x8b}};
constexpr GUID kFloppyInterface = {
    0x53f56311, 0xb6bf, 0x11d0, {0x94, 0xf2, 0x00, 0xa0, 0xc9, 0x1e, 0xfb, 0x8b}};

// A device that let go a moment ago (the menu that handed off, a program just closed) may still be
// settling: a refusal for open files is asked again a few times before it is reported.
constexpr int kAttempts = 3;
constexpr DWORD kAttemptGapMs = 700;
// How far up the device tree the removable device is looked for (volume, disk, USB storage, hub...).
constexpr int kMostLevelsUp = 8;

EjectOutcome NotFound(std::string detail) {
    return {EjectStatus::DeviceNotFound, VetoType::Unknown, {}, std::move(detail)};
}

// The storage device number of whatever `path` opens (a volume or a disk interface).
std::optional<STORAGE_DEVICE_NUMBER> DeviceNumberOf(const std::wstring& path, DWORD& error) {
    // No access asked for: the query needs none, and it works without administrator rights.
    const UniqueFile device(::CreateFileW(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                          OPEN_EXISTING, 0, nullptr));
    STORAGE_DEVICE_NUMBER number{};
    DWORD returned = 0;
    if (!device || !::DeviceIoControl(device.get(), IOCTL_STORAGE_GET_DEVICE_NUMBER, nullptr, 0, &number,
                                      sizeof number, &returned, nullptr)) {
        error = ::GetLastError();
        return std::nullopt;
    }
    return number;
}

const GUID* InterfaceFor(DEVICE_TYPE type) {
    switch (type) {
        case FILE_DEVICE_DISK:
            return &kDiskInterface;
        case FILE_DEVICE_CD_ROM:
        case FILE_DEVICE_DVD:
            return &kCdRomInterface;
        default:
            return &kFloppyInterface;
    }
}

// The device whose interface of the volume's kind carries the volume's device number.
std::optional<DEVINST> DeviceWithNumber(const STORAGE_DEVICE_NUMBER& wanted) {
    const GUID* kind = InterfaceFor(wanted.DeviceType);
    const UniqueDeviceInfoList devices(
        ::SetupDiGetClassDevsW(kind, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE));
    if (!devices) {
        return std::nullopt;
    }
    SP_DEVICE_INTERFACE_DATA face{};
    face.cbSize = sizeof face;
    for (DWORD index = 0; ::SetupDiEnumDeviceInterfaces(devices.get(), nullptr, kind, index, &face);
         ++index) {
        DWORD size = 0;
        ::SetupDiGetDeviceInterfaceDetailW(devices.get(), &face, nullptr, 0, &size, nullptr);
        if (size < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) {
            continue;
        }
        // The detail is a header followed by the path: held in DWORDs so that the header is aligned.
        std::vector<DWORD> buffer((size + sizeof(DWORD) - 1) / sizeof(DWORD));
        auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
        detail->cbSize = sizeof *detail;
        SP_DEVINFO_DATA device{};
        device.cbSize = sizeof device;
        if (!::SetupDiGetDeviceInterfaceDetailW(devices.get(), &face, detail, size, nullptr, &device)) {
            continue;
        }
        DWORD error = ERROR_SUCCESS;
        const auto number = DeviceNumberOf(detail->DevicePath, error);
        if (number && number->DeviceType == wanted.DeviceType &&
            number->DeviceNumber == wanted.DeviceNumber) {
            return device.DevInst;
        }
    }
    return std::nullopt;
}

// The device itself when Windows marks it removable, else the first such device above it; the
// device itself when none is.
DEVINST RemovableDeviceOf(DEVINST device) {
    DEVINST current = device;
    for (int level = 0; level < kMostLevelsUp; ++level) {
        ULONG status = 0;
        ULONG problem = 0;
        if (::CM_Get_DevNode_Status(&status, &problem, current, 0) == CR_SUCCESS &&
            (status & DN_REMOVABLE) != 0) {
            return current;
        }
        DEVINST parent = 0;
        if (::CM_Get_Parent(&parent, current, 0) != CR_SUCCESS) {
            break;
        }
        current = parent;
    }
    return device;
}

EjectOutcome RequestEject(DEVINST device) {
    EjectOutcome outcome;
    for (int attempt = 0; attempt < kAttempts; ++attempt) {
        if (attempt > 0) {
            ::Sleep(kAttemptGapMs);
        }
        PNP_VETO_TYPE veto = PNP_VetoTypeUnknown;
        // A buffer for the name also keeps Windows from showing a refusal of its own.
        std::array<wchar_t, MAX_PATH> name{};
        const CONFIGRET result =
            ::CM_Request_Device_EjectW(device, &veto, name.data(), static_cast<ULONG>(name.size()), 0);
        if (result == CR_SUCCESS) {
            return {EjectStatus::Ejected, VetoType::Unknown, {}, {}};
        }
        if (result != CR_REMOVE_VETOED) {
            return {EjectStatus::Failed,
                    VetoType::Unknown,
                    {},
                    "configuration manager error " + std::to_string(result)};
        }
        name.back() = L'\0';
        outcome = {EjectStatus::Vetoed, static_cast<VetoType>(veto), Utf8FromWide(name.data()), {}};
        if (veto != PNP_VetoOutstandingOpen && veto != PNP_VetoPendingClose) {
            break;
        }
    }
    return outcome;
}

}  // namespace

EjectOutcome RequestDriveEject(char drive) {
    DWORD error = ERROR_SUCCESS;
    const std::wstring volume = std::wstring(L"\\\\.\\") + static_cast<wchar_t>(drive) + L':';
    const auto number = DeviceNumberOf(volume, error);
    if (!number) {
        return NotFound(SystemErrorText(error));
    }
    const auto device = DeviceWithNumber(*number);
    if (!device) {
        return NotFound("no disk device matches the drive");
    }
    return RequestEject(RemovableDeviceOf(*device));
}

}  // namespace corvane::menu
