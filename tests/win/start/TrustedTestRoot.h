// The throwaway code-signing root of the Kindel tests (make-test-components.sh), trusted by this
// computer for as long as the object lives: added to the machine's trusted roots, removed again.
#pragma once

#include "common/UniqueHandle.h"

#include <windows.h>
#include <wincrypt.h>

#include <string>

namespace corvane::test {

class TrustedTestRoot {
  public:
    // Trusts the DER certificate in `certificateFile`; fails the test when it cannot.
    explicit TrustedTestRoot(const std::string& certificateFile);
    ~TrustedTestRoot();
    TrustedTestRoot(const TrustedTestRoot&) = delete;
    TrustedTestRoot& operator=(const TrustedTestRoot&) = delete;

  private:
    void Trust(const std::string& certificateFile);
    void Commit();

    // crypt32 is loaded from the system folder, like Kindel does: the tests import only known DLLs.
    UniqueModule crypt32_;
    HCERTSTORE store_ = nullptr;
    PCCERT_CONTEXT added_ = nullptr;
};

}  // namespace corvane::test
