#include "start/ComponentSignature.h"

#include "start/SystemLibrary.h"
#include "common/TextEncoding.h"

#include <windows.h>
#include <softpub.h>
#include <wincrypt.h>
#include <wintrust.h>

#include <vector>

namespace corvane::start {
namespace {

// wintrust is not a known DLL and crypt32 is not one on every Windows version: both are loaded
// from the system folder at run time (SystemLibrary.h says why).
struct TrustFunctions {
    UniqueModule wintrust = LoadSystemLibrary("wintrust.dll");
    UniqueModule crypt32 = LoadSystemLibrary("crypt32.dll");
    decltype(&::WinVerifyTrust) verifyTrust =
        LibraryFunction<decltype(&::WinVerifyTrust)>(wintrust, "WinVerifyTrust");
    decltype(&::WTHelperProvDataFromStateData) providerData =
        LibraryFunction<decltype(&::WTHelperProvDataFromStateData)>(wintrust,
                                                                    "WTHelperProvDataFromStateData");
    decltype(&::WTHelperGetProvSignerFromChain) signer =
        LibraryFunction<decltype(&::WTHelperGetProvSignerFromChain)>(wintrust,
                                                                     "WTHelperGetProvSignerFromChain");
    decltype(&::WTHelperGetProvCertFromChain) signerCertificate =
        LibraryFunction<decltype(&::WTHelperGetProvCertFromChain)>(wintrust, "WTHelperGetProvCertFromChain");
    decltype(&::CertGetCertificateChain) getChain =
        LibraryFunction<decltype(&::CertGetCertificateChain)>(crypt32, "CertGetCertificateChain");
    decltype(&::CertVerifyCertificateChainPolicy) verifyChain =
        LibraryFunction<decltype(&::CertVerifyCertificateChainPolicy)>(crypt32,
                                                                       "CertVerifyCertificateChainPolicy");
    decltype(&::CertFreeCertificateChain) freeChain =
        LibraryFunction<decltype(&::CertFreeCertificateChain)>(crypt32, "CertFreeCertificateChain");
    decltype(&::CertGetNameStringW) nameString =
        LibraryFunction<decltype(&::CertGetNameStringW)>(crypt32, "CertGetNameStringW");

    [[nodiscard]] bool Complete() const noexcept {
        return verifyTrust && providerData && signer && signerCertificate && getChain && verifyChain &&
               freeChain && nameString;
    }
};

// A WinVerifyTrust verification whose state is released again when it goes.
class TrustVerification {
  public:
    TrustVerification(const TrustFunctions& trust, const std::wstring& path) : trust_(trust) {
        file_.cbStruct = sizeof file_;
        file_.pcwszFilePath = path.c_str();
        data_.cbStruct = sizeof data_;
        data_.dwUIChoice = WTD_UI_NONE;
        // The chain and its revocation are checked below, from the cache only; here WinVerifyTrust
        // checks the signature against the file's contents and must not wait for a network.
        data_.fdwRevocationChecks = WTD_REVOKE_NONE;
        data_.dwProvFlags = WTD_CACHE_ONLY_URL_RETRIEVAL;
        data_.dwUnionChoice = WTD_CHOICE_FILE;
        data_.pFile = &file_;
        data_.dwStateAction = WTD_STATEACTION_VERIFY;
        status_ = trust_.verifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action_, &data_);
    }
    ~TrustVerification() {
        data_.dwStateAction = WTD_STATEACTION_CLOSE;
        trust_.verifyTrust(static_cast<HWND>(INVALID_HANDLE_VALUE), &action_, &data_);
    }
    TrustVerification(const TrustVerification&) = delete;
    TrustVerification& operator=(const TrustVerification&) = delete;

    [[nodiscard]] bool Valid() const noexcept { return status_ == ERROR_SUCCESS; }

    // The first signer, or null.
    [[nodiscard]] CRYPT_PROVIDER_SGNR* Signer() const {
        CRYPT_PROVIDER_DATA* provider = trust_.providerData(data_.hWVTStateData);
        return provider == nullptr ? nullptr : trust_.signer(provider, 0, FALSE, 0);
    }

  private:
    const TrustFunctions& trust_;
    GUID action_ = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    WINTRUST_FILE_INFO file_{};
    WINTRUST_DATA data_{};
    LONG status_ = -1;
};

// Chain errors that only say revocation could not be learnt without a network.
constexpr DWORD kOfflineRevocation = CERT_TRUST_REVOCATION_STATUS_UNKNOWN | CERT_TRUST_IS_OFFLINE_REVOCATION;

std::string Organisation(const TrustFunctions& trust, PCCERT_CONTEXT certificate) {
    auto* oid = const_cast<char*>(szOID_ORGANIZATION_NAME);
    const DWORD length = trust.nameString(certificate, CERT_NAME_ATTR_TYPE, 0, oid, nullptr, 0);
    if (length <= 1) {
        return {};
    }
    std::vector<wchar_t> name(length);
    trust.nameString(certificate, CERT_NAME_ATTR_TYPE, 0, oid, name.data(), length);
    return Utf8FromWide(name.data());
}

// Builds the signer's chain as of the time the signature was verified for (its timestamp, when it
// has one: the publisher's certificate may have expired since) and checks it against the
// computer's trusted roots. WinVerifyTrust is not relied on for that: some implementations accept
// a valid signature from an untrusted root.
bool ChainTrusted(const TrustFunctions& trust, const CRYPT_PROVIDER_SGNR& signer,
                  PCCERT_CONTEXT certificate) {
    LPSTR codeSigning[] = {const_cast<LPSTR>(szOID_PKIX_KP_CODE_SIGNING)};
    CERT_CHAIN_PARA parameters{};
    parameters.cbSize = sizeof parameters;
    parameters.RequestedUsage.dwType = USAGE_MATCH_TYPE_AND;
    parameters.RequestedUsage.Usage.cUsageIdentifier = 1;
    parameters.RequestedUsage.Usage.rgpszUsageIdentifier = codeSigning;
    FILETIME asOf = signer.sftVerifyAsOf;
    PCCERT_CHAIN_CONTEXT chain = nullptr;
    // The signature's own certificates (its intermediates) are in the certificate's store.
    if (!trust.getChain(nullptr, certificate, &asOf, certificate->hCertStore, &parameters,
                        CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT |
                            CERT_CHAIN_REVOCATION_CHECK_CACHE_ONLY | CERT_CHAIN_CACHE_ONLY_URL_RETRIEVAL,
                        nullptr, &chain)) {
        return false;
    }
    CERT_CHAIN_POLICY_PARA policy{};
    policy.cbSize = sizeof policy;
    // Revocation that cannot be learnt offline does not count against the chain; a certificate the
    // cache knows to be revoked does.
    policy.dwFlags = CERT_CHAIN_POLICY_IGNORE_ALL_REV_UNKNOWN_FLAGS;
    CERT_CHAIN_POLICY_STATUS status{};
    status.cbSize = sizeof status;
    const bool checked = trust.verifyChain(CERT_CHAIN_POLICY_BASE, chain, &policy, &status) != FALSE;
    // The chain's own errors are read as well: not every policy implementation refuses a chain
    // that never reached a root (Wine's passes a partial chain).
    const DWORD errors = chain->TrustStatus.dwErrorStatus & ~kOfflineRevocation;
    trust.freeChain(chain);
    return checked && status.dwError == 0 && errors == CERT_TRUST_NO_ERROR;
}

}  // namespace

SignatureFacts CheckSignature(const std::string& path) {
    SignatureFacts facts;
    const TrustFunctions trust;
    const std::wstring widePath = WideFromUtf8(path);
    if (!trust.Complete() || widePath.empty()) {
        return facts;
    }
    const TrustVerification verification(trust, widePath);
    facts.signatureValid = verification.Valid();
    const CRYPT_PROVIDER_SGNR* signer = facts.signatureValid ? verification.Signer() : nullptr;
    const CRYPT_PROVIDER_CERT* leaf =
        signer == nullptr ? nullptr : trust.signerCertificate(const_cast<CRYPT_PROVIDER_SGNR*>(signer), 0);
    if (leaf == nullptr || leaf->pCert == nullptr) {
        facts.signatureValid = false;
        return facts;
    }
    facts.signerOrganisation = Organisation(trust, leaf->pCert);
    facts.chainTrusted = ChainTrusted(trust, *signer, leaf->pCert);
    return facts;
}

}  // namespace corvane::start
