#include "menu/core/FreeSpaceMath.h"

#include <charconv>

namespace corvane::menu {

std::string ThousandTwentyFourthsOf(std::string_view countText) {
    std::uint64_t count = 0;
    const auto [end, error] = std::from_chars(countText.data(), countText.data() + countText.size(), count);
    if (error != std::errc{} || end != countText.data() + countText.size()) {
        return "0";
    }
    return std::to_string(count / 1024);
}

std::uint64_t ClusterBytes(std::uint32_t bytesPerSector, std::uint32_t sectorsPerCluster,
                           std::uint32_t freeClusters) {
    return std::uint64_t{bytesPerSector} * sectorsPerCluster * freeClusters;
}

}  // namespace corvane::menu
