#include "common/WindowText.h"

#include "common/TextEncoding.h"

namespace corvane {

std::string WindowTextOf(HWND window) {
    // The length is only a hint (the text may change in between): read until the text fits with room
    // to spare, so that a cut-off read is never taken for the whole.
    std::wstring text(static_cast<std::size_t>(::GetWindowTextLengthW(window)) + 2, L'\0');
    while (true) {
        const int copied = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()));
        if (copied < 0 || static_cast<std::size_t>(copied) + 1 < text.size()) {
            text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
            return Utf8FromWide(text);
        }
        text.resize(text.size() * 2);
    }
}

bool SetWindowTextOf(HWND window, std::string_view text) {
    return ::SetWindowTextW(window, WideFromUtf8(text).c_str()) != FALSE;
}

bool SetChildTextOf(HWND parent, int id, std::string_view text) {
    return SetWindowTextOf(::GetDlgItem(parent, id), text);
}

int ShowMessageBox(HWND owner, std::string_view text, std::string_view caption, UINT type) {
    return ::MessageBoxW(owner, WideFromUtf8(text).c_str(), WideFromUtf8(caption).c_str(), type);
}

}  // namespace corvane
