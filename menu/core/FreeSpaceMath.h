// Arithmetic of the free-space report: counts travel as decimal text (digits only).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace corvane::menu {

// The count divided by 1024 with the remainder dropped, as text; "0" for zero and for text that is
// not a count.
std::string ThousandTwentyFourthsOf(std::string_view countText);

// Bytes free from the cluster query's figures, in 64 bits (a 32-bit product overflows past 2 GiB).
std::uint64_t ClusterBytes(std::uint32_t bytesPerSector, std::uint32_t sectorsPerCluster,
                           std::uint32_t freeClusters);

}  // namespace corvane::menu
