#include "tests/win/support/WindowText.h"

#include "common/TextEncoding.h"

namespace corvane::test {
namespace {

constexpr UINT kAnswerWaitMs = 5000;

}  // namespace

std::string WindowText(HWND window) {
    DWORD_PTR length = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kAnswerWaitMs, &length)) {
        return {};
    }
    // Room to spare: an ANSI window's length may be an estimate.
    std::wstring text(length * 2 + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!::SendMessageTimeoutW(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                               SMTO_ABORTIFHUNG, kAnswerWaitMs, &copied)) {
        return {};
    }
    text.resize(copied);
    return Utf8FromWide(text);
}

}  // namespace corvane::test
