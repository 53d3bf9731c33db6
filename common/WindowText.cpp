#include "common/WindowText.h"

namespace corvane {

std::string WindowTextOf(HWND window) {
    // The length is only a hint (the text may change in between): read until the text fits with room
    // to spare, so that a cut-off read is never taken for the whole.
    std::string text(static_cast<std::size_t>(::GetWindowTextLengthA(window)) + 2, '\0');
    while (true) {
        const int copied = ::GetWindowTextA(window, text.data(), static_cast<int>(text.size()));
        if (copied < 0 || static_cast<std::size_t>(copied) + 1 < text.size()) {
            text.resize(copied > 0 ? static_cast<std::size_t>(copied) : 0);
            return text;
        }
        text.resize(text.size() * 2);
    }
}

}  // namespace corvane
