#include "tests/win/support/DialogAnswerer.h"

namespace corvane::test {
namespace {

// The button Enter would press: the one drawn as the default push button, else the one with the
// keyboard focus (message boxes mark their default button by focusing it).
int DefaultButton(HWND dialog) {
    for (const int id : {IDOK, IDCANCEL, IDYES, IDNO, IDABORT, IDRETRY, IDIGNORE}) {
        const HWND button = ::GetDlgItem(dialog, id);
        if (button != nullptr && (::GetWindowLongPtrA(button, GWL_STYLE) & 0x0F) == BS_DEFPUSHBUTTON) {
            return id;
        }
    }
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info) && info.hwndFocus != nullptr) {
        return ::GetDlgCtrlID(info.hwndFocus);
    }
    return 0;
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::string title, Answer answer, unsigned timeoutMs)
    : title_(std::move(title)), answer_(std::move(answer)), timeoutMs_(timeoutMs) {
    watcher_ = std::thread([this] {
        const ULONGLONG deadline = ::GetTickCount64() + timeoutMs_;
        while (::GetTickCount64() < deadline) {
            const HWND dialog = ::FindWindowA("#32770", title_.c_str());
            if (dialog != nullptr && ::IsWindowVisible(dialog)) {
                seen_.appeared = true;
                char text[1024] = {};
                ::GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
                seen_.text = text;
                seen_.defaultButton = DefaultButton(dialog);
                answer_(dialog);
                return;
            }
            ::Sleep(10);
        }
    });
}

DialogAnswerer::~DialogAnswerer() {
    if (watcher_.joinable()) {
        watcher_.join();
    }
}

SeenDialog DialogAnswerer::Result() {
    if (watcher_.joinable()) {
        watcher_.join();
    }
    return seen_;
}

DialogAnswerer::Answer DialogAnswerer::Press(int buttonId) {
    return [buttonId](HWND dialog) {
        ::SendMessageA(::GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0);
    };
}

}  // namespace corvane::test
