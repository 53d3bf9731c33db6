// A single-threaded COM apartment for the current thread, for as long as the object lives. The shell
// functions need one on every thread that calls them; a thread that already has one keeps it.
#pragma once

#include <objbase.h>

namespace corvane {

class ComApartment {
  public:
    ComApartment() noexcept
        : initialised_(
              SUCCEEDED(::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}
    ~ComApartment() {
        if (initialised_) {
            ::CoUninitialize();
        }
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

  private:
    bool initialised_;
};

}  // namespace corvane
