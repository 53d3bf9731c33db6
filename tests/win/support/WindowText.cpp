#include "tests/win/support/WindowText.h"

namespace corvane::test {
namespace {

constexpr UINT kAnswerWaitMs = 5000;

}  // namespace

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, &length)) {
        return {};
    }
    // Room to spare: the length of a text in another code page may be an estimate.
    std::string text(length * 2 + 1, '\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, kAnswerWaitMs, &copied)) {
        return {};
    }
    text.resize(copied);
    return text;
}

}  // namespace corvane::test
