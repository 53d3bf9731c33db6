// Whether a component found on the stick may go into the system folder, decided from facts the
// Win32 side gathers about the copy it made (PE headers, Authenticode signature, certificate chain).
// Plain rules without <windows.h>, unit-tested natively.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace corvane::start {

// The component's publisher, as its signing certificate names it (the subject's organisation).
inline constexpr std::string_view kComponentPublisher = "Microsoft Corporation";

inline constexpr std::uint16_t kMachineI386 = 0x014c;
inline constexpr std::uint16_t kMachineAmd64 = 0x8664;

// What the headers at the start of a file say about it as a program image.
struct PeImage {
    bool valid = false;  // an MZ header that leads to a PE header within the bytes given
    std::uint16_t machine = 0;
    bool dll = false;
};

// Reads the DOS and COFF headers from the first bytes of a file (a few KiB are plenty).
PeImage ReadPeImage(std::span<const unsigned char> headers) noexcept;

struct ComponentFacts {
    bool regularFile = false;  // neither a folder nor a reparse point
    PeImage image;
    bool signatureValid = false;  // the Authenticode signature matches the file's contents
    bool chainTrusted = false;    // the signer's chain ends in a trusted root and passes the policy
    std::string signerOrganisation;
};

enum class ComponentVerdict {
    Install,
    NotARegularFile,
    NotADll,
    WrongMachine,
    NoValidSignature,
    UntrustedChain,
    OtherPublisher,
};

// Install only a regular file that is a DLL for `ownMachine`, validly signed on a trusted chain by
// the component's publisher; the first fact that fails names the refusal.
ComponentVerdict JudgeComponent(const ComponentFacts& facts, std::uint16_t ownMachine) noexcept;

}  // namespace corvane::start
