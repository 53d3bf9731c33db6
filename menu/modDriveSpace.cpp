#include "menu/modDriveSpace.h"

#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "menu/core/FreeSpaceMath.h"

namespace corvane::menu::modDriveSpace {

using corvane::menu::ClusterBytes;
using corvane::menu::ThousandTwentyFourthsOf;

bool FreeSpaceExAvailable() {
    const corvane::UniqueModule kernel(::LoadLibraryW(L"kernel32.dll"));
    return kernel && ::GetProcAddress(kernel.get(), "GetDiskFreeSpaceExW") != nullptr;
}

std::string FreeBytesEx(const std::string& root) {
    ULARGE_INTEGER freeToCaller{};
    ULARGE_INTEGER total{};
    ULARGE_INTEGER totalFree{};
    const std::wstring wideRoot = WideFromUtf8(root);
    if (!::GetDiskFreeSpaceExW(root.empty() ? nullptr : wideRoot.c_str(), &freeToCaller, &total,
                               &totalFree)) {
        return "0";
    }
    return std::to_string(freeToCaller.QuadPart);
}

std::uint64_t FreeBytesLegacy(const std::string& root) {
    DWORD sectorsPerCluster = 0;
    DWORD bytesPerSector = 0;
    DWORD freeClusters = 0;
    DWORD totalClusters = 0;
    const std::wstring wideRoot = WideFromUtf8(root);
    if (!::GetDiskFreeSpaceW(root.empty() ? nullptr : wideRoot.c_str(), &sectorsPerCluster, &bytesPerSector,
                             &freeClusters, &totalClusters)) {
        return 0;
    }
    return ClusterBytes(bytesPerSector, sectorsPerCluster, freeClusters);
}

std::string FreeBytes(const std::string& root) {
    return FreeSpaceExAvailable() ? FreeBytesEx(root) : std::to_string(FreeBytesLegacy(root));
}

std::string FreeKB(const std::string& root) {
    return ThousandTwentyFourthsOf(FreeBytes(root));
}

std::string FreeMB(const std::string& root) {
    return ThousandTwentyFourthsOf(FreeKB(root));
}

}  // namespace corvane::menu::modDriveSpace
