#include "tests/win/start/TrustedTestRoot.h"

#include "start/SystemLibrary.h"
#include "tests/win/support/TestDrive.h"

#include <gtest/gtest.h>

namespace corvane::test {

using start::LibraryFunction;

TrustedTestRoot::TrustedTestRoot(const std::string& certificateFile)
    : crypt32_(start::LoadSystemLibrary("crypt32.dll")) {
    Trust(certificateFile);
}

void TrustedTestRoot::Trust(const std::string& certificateFile) {
    const auto openStore = LibraryFunction<decltype(&::CertOpenStore)>(crypt32_, "CertOpenStore");
    const auto add = LibraryFunction<decltype(&::CertAddEncodedCertificateToStore)>(
        crypt32_, "CertAddEncodedCertificateToStore");
    ASSERT_TRUE(openStore && add) << "crypt32 cannot be loaded";
    store_ = openStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"ROOT");
    ASSERT_NE(store_, nullptr) << "the machine's root store: error " << ::GetLastError();
    const std::string der = ReadTestFile(certificateFile);
    ASSERT_TRUE(add(store_, X509_ASN_ENCODING, reinterpret_cast<const BYTE*>(der.data()),
                    static_cast<DWORD>(der.size()), CERT_STORE_ADD_REPLACE_EXISTING, &added_))
        << "the test root was not added: error " << ::GetLastError();
    Commit();
}

// Some implementations write a system store's changes only when it closes or commits: the
// programs the tests start must see them at once.
void TrustedTestRoot::Commit() {
    const auto control = LibraryFunction<decltype(&::CertControlStore)>(crypt32_, "CertControlStore");
    EXPECT_TRUE(control && control(store_, 0, CERT_STORE_CTRL_COMMIT, nullptr))
        << "the root store's change was not saved: error " << ::GetLastError();
}

TrustedTestRoot::~TrustedTestRoot() {
    if (added_ != nullptr) {
        const auto remove = LibraryFunction<decltype(&::CertDeleteCertificateFromStore)>(
            crypt32_, "CertDeleteCertificateFromStore");
        EXPECT_TRUE(remove && remove(added_)) << "the test root stays trusted";  // frees the context too
        Commit();
    }
    if (store_ != nullptr) {
        if (const auto close = LibraryFunction<decltype(&::CertCloseStore)>(crypt32_, "CertCloseStore")) {
            close(store_, 0);
        }
    }
}

}  // namespace corvane::test
