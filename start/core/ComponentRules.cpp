#include "start/core/ComponentRules.h"

#include <cstddef>

namespace corvane::start {
namespace {

constexpr std::size_t kNewHeaderOffsetField = 0x3c;
constexpr std::size_t kPeSignatureSize = 4;
constexpr std::size_t kMachineField = 0;           // within the COFF header
constexpr std::size_t kCharacteristicsField = 18;  // within the COFF header
constexpr std::size_t kCoffHeaderSize = 20;
constexpr std::uint16_t kImageFileDll = 0x2000;

std::uint16_t Read16(std::span<const unsigned char> bytes, std::size_t at) noexcept {
    return static_cast<std::uint16_t>(bytes[at] | (bytes[at + 1] << 8));
}

std::uint32_t Read32(std::span<const unsigned char> bytes, std::size_t at) noexcept {
    return static_cast<std::uint32_t>(Read16(bytes, at)) |
           (static_cast<std::uint32_t>(Read16(bytes, at + 2)) << 16);
}

}  // namespace

PeImage ReadPeImage(std::span<const unsigned char> headers) noexcept {
    PeImage image;
    if (headers.size() < kNewHeaderOffsetField + 4 || headers[0] != 'M' || headers[1] != 'Z') {
        return image;
    }
    const std::uint32_t peOffset = Read32(headers, kNewHeaderOffsetField);
    // Compared as sizes, so that an offset near 4 GiB cannot wrap around.
    if (peOffset > headers.size() || headers.size() - peOffset < kPeSignatureSize + kCoffHeaderSize) {
        return image;
    }
    const auto pe = headers.subspan(peOffset);
    if (pe[0] != 'P' || pe[1] != 'E' || pe[2] != 0 || pe[3] != 0) {
        return image;
    }
    const auto coff = pe.subspan(kPeSignatureSize);
    image.valid = true;
    image.machine = Read16(coff, kMachineField);
    image.dll = (Read16(coff, kCharacteristicsField) & kImageFileDll) != 0;
    return image;
}

ComponentVerdict JudgeComponent(const ComponentFacts& facts, std::uint16_t ownMachine) noexcept {
    if (!facts.regularFile) {
        return ComponentVerdict::NotARegularFile;
    }
    if (!facts.image.valid || !facts.image.dll) {
        return ComponentVerdict::NotADll;
    }
    if (facts.image.machine != ownMachine) {
        return ComponentVerdict::WrongMachine;
    }
    if (!facts.signatureValid) {
        return ComponentVerdict::NoValidSignature;
    }
    if (!facts.chainTrusted) {
        return ComponentVerdict::UntrustedChain;
    }
    return facts.signerOrganisation == kComponentPublisher ? ComponentVerdict::Install
                                                           : ComponentVerdict::OtherPublisher;
}

}  // namespace corvane::start
