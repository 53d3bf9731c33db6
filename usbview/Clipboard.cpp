#include "usbview/Clipboard.h"

#include "common/TextEncoding.h"
#include "usbview/DeviceHandles.h"

#include <cstring>

namespace corvane::usbview {
namespace {

// The clipboard opened for the scope, closed however the scope ends.
class OpenClipboardScope {
  public:
    explicit OpenClipboardScope(HWND owner) noexcept : open_(::OpenClipboard(owner) != 0) {}
    ~OpenClipboardScope() {
        if (open_) {
            ::CloseClipboard();
        }
    }
    OpenClipboardScope(const OpenClipboardScope&) = delete;
    OpenClipboardScope& operator=(const OpenClipboardScope&) = delete;
    [[nodiscard]] bool IsOpen() const noexcept { return open_; }

  private:
    bool open_;
};

DWORD LastErrorOr(DWORD fallback) {
    const DWORD error = ::GetLastError();
    return error != ERROR_SUCCESS ? error : fallback;
}

}  // namespace

DWORD CopyTextToClipboard(HWND owner, std::string_view text) {
    const std::wstring wide = WideFromUtf8(text);
    const std::size_t bytes = (wide.size() + 1) * sizeof(wchar_t);
    UniqueGlobalMemory memory(::GlobalAlloc(GMEM_MOVEABLE, bytes));
    if (!memory) {
        return LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    }
    void* target = ::GlobalLock(memory.get());
    if (target == nullptr) {
        return LastErrorOr(ERROR_NOT_ENOUGH_MEMORY);
    }
    std::memcpy(target, wide.c_str(), bytes);
    ::GlobalUnlock(memory.get());

    const OpenClipboardScope clipboard(owner);
    if (!clipboard.IsOpen() || !::EmptyClipboard()) {
        return LastErrorOr(ERROR_ACCESS_DENIED);
    }
    if (::SetClipboardData(CF_UNICODETEXT, memory.get()) == nullptr) {
        return LastErrorOr(ERROR_ACCESS_DENIED);
    }
    memory.release();  // the clipboard owns it now
    return ERROR_SUCCESS;
}

}  // namespace corvane::usbview
