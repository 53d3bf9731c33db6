#include "tests/win/creator/DialogAnswerer.h"

namespace corvane::test {

DialogAnswerer::DialogAnswerer(std::string title)
    : DialogAnswerer(std::move(title), &DialogAnswerer::PressOk) {}

DialogAnswerer::DialogAnswerer(std::string title, Answer answer)
    : title_(std::move(title)), answer_(std::move(answer)), thread_([this] { Watch(); }) {}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    thread_.join();
}

std::vector<std::string> DialogAnswerer::Texts() {
    const std::lock_guard lock(mutex_);
    return texts_;
}

void DialogAnswerer::PressOk(HWND dialog) {
    ::SendMessageA(::GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
}

void DialogAnswerer::PressCancel(HWND dialog) {
    ::SendMessageA(::GetDlgItem(dialog, IDCANCEL), BM_CLICK, 0, 0);
}

void DialogAnswerer::Watch() {
    while (!stop_) {
        const HWND dialog = ::FindWindowA("#32770", title_.c_str());
        // A dialog is found before its initialisation has run: answer it once it shows.
        if (dialog != nullptr && ::IsWindowVisible(dialog)) {
            char text[2048] = {};
            ::GetDlgItemTextA(dialog, 0xFFFF, text, sizeof text);
            {
                const std::lock_guard lock(mutex_);
                texts_.emplace_back(text);
            }
            answer_(dialog);
            // The answer is sent, so the dialog is gone or going; wait for it before looking again.
            while (::IsWindow(dialog) && !stop_) {
                ::Sleep(5);
            }
        }
        ::Sleep(5);
    }
}

}  // namespace corvane::test
