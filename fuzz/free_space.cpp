// The free-space arithmetic for any count text the platform query could hand over: the result is
// always a plain decimal count, the 1024ths of the count when it is one, and the cluster product
// does not lose bytes past 4 GiB.
#include "fuzz/FuzzSupport.h"
#include "menu/core/FreeSpaceMath.h"

#include <algorithm>
#include <charconv>
#include <optional>

using namespace corvane::menu;

namespace {

std::optional<std::uint64_t> CountOf(std::string_view text) {
    std::uint64_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

void Thousands(std::string_view countText) {
    const std::string result = ThousandTwentyFourthsOf(countText);
    FUZZ_REQUIRE(!result.empty() &&
                 std::all_of(result.begin(), result.end(), [](char c) { return c >= '0' && c <= '9'; }));
    FUZZ_REQUIRE(result == "0" || result.front() != '0');
    const auto count = CountOf(countText);
    const auto thousands = CountOf(result);
    FUZZ_REQUIRE(thousands.has_value());
    if (count) {
        // r 1024ths of n: r * 1024 <= n < (r + 1) * 1024.
        FUZZ_REQUIRE(*thousands * 1024 <= *count && *count - *thousands * 1024 < 1024);
    } else {
        FUZZ_REQUIRE(*thousands == 0);
    }
}

void Clusters(const std::uint8_t* data, std::size_t size) {
    if (size < 8) {
        return;
    }
    // Sector and cluster sizes below 64 Ki each, any number of free clusters: the exact product
    // fits in 64 bits.
    const std::uint32_t bytesPerSector = data[0] | (std::uint32_t{data[1]} << 8);
    const std::uint32_t sectorsPerCluster = data[2] | (std::uint32_t{data[3]} << 8);
    const std::uint32_t freeClusters = data[4] | (std::uint32_t{data[5]} << 8) |
                                       (std::uint32_t{data[6]} << 16) | (std::uint32_t{data[7]} << 24);
    const std::uint64_t bytes = ClusterBytes(bytesPerSector, sectorsPerCluster, freeClusters);
    const std::uint64_t clusterBytes = std::uint64_t{bytesPerSector} * sectorsPerCluster;
    if (freeClusters == 0 || clusterBytes == 0) {
        FUZZ_REQUIRE(bytes == 0);
        return;
    }
    FUZZ_REQUIRE(bytes % freeClusters == 0 && bytes / freeClusters == clusterBytes);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Thousands(std::string_view(reinterpret_cast<const char*>(data), size));
    Clusters(data, size);
    return 0;
}
