// A value of the user's registry (HKCU) that a test changes and puts back as it was when it is over.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

namespace corvane::test {

// Puts one of the user's registry values back as it was when the test is over.
class SavedUserValue {
  public:
    SavedUserValue(const wchar_t* key, const wchar_t* name) : key_(key), name_(name) {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) ==
            ERROR_SUCCESS) {
            old_ = value;
        }
    }
    ~SavedUserValue() {
        if (old_) {
            Set(*old_);
        } else {
            ::RegDeleteKeyValueW(HKEY_CURRENT_USER, key_, name_);
        }
    }
    SavedUserValue(const SavedUserValue&) = delete;
    SavedUserValue& operator=(const SavedUserValue&) = delete;

    void Set(DWORD value) const {
        ASSERT_EQ(::RegSetKeyValueW(HKEY_CURRENT_USER, key_, name_, REG_DWORD, &value, sizeof value),
                  ERROR_SUCCESS);
    }
    [[nodiscard]] std::optional<DWORD> Get() const {
        DWORD value = 0;
        DWORD size = sizeof value;
        if (::RegGetValueW(HKEY_CURRENT_USER, key_, name_, RRF_RT_REG_DWORD, nullptr, &value, &size) !=
            ERROR_SUCCESS) {
            return std::nullopt;
        }
        return value;
    }

  private:
    const wchar_t* key_;
    const wchar_t* name_;
    std::optional<DWORD> old_;
};

}  // namespace corvane::test
