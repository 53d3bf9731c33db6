// The Authenticode signature of a file: whether it is valid, whether its signer's chain ends in a
// trusted root, and whom the signer's certificate names.
#pragma once

#include <string>

namespace corvane::start {

struct SignatureFacts {
    bool signatureValid = false;
    bool chainTrusted = false;
    std::string signerOrganisation;  // UTF-8, empty when the certificate names none
};

// Checks without any user interface and without going to the network: revocation is taken from
// what the computer has cached. Everything false when the checks cannot be made at all.
SignatureFacts CheckSignature(const std::string& path);

}  // namespace corvane::start
