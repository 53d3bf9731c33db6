// An owner for a COM interface pointer (released when the owner goes), on the same UniqueHandle as
// every other handle, and the way to fill one from a call's void** out parameter.
#pragma once

#include "common/UniqueHandle.h"

#include <objbase.h>

#include <utility>

namespace corvane {

template <typename Interface>
struct ComInterfaceTraits {
    using Handle = Interface*;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle h) noexcept { h->Release(); }
};
template <typename Interface>
using ComRef = UniqueHandle<ComInterfaceTraits<Interface>>;

// Fills `target` from a call that hands back an interface through a void** out parameter; true when
// the call succeeded with S_OK and gave one.
template <typename Interface, typename Call>
bool Obtain(ComRef<Interface>& target, Call&& call) {
    void* raw = nullptr;
    const HRESULT result = std::forward<Call>(call)(&raw);
    target.reset(static_cast<Interface*>(raw));
    return result == S_OK && target;
}

}  // namespace corvane
