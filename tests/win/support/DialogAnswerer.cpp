#include "tests/win/support/DialogAnswerer.h"

#include "common/TextEncoding.h"

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

// The window's title, read without sending it a message: the thread that owns the window may be the
// one waiting for this watcher to finish.
std::string TitleOf(HWND window) {
    wchar_t wide[256] = {};
    const int length = ::InternalGetWindowText(window, wide, 256);
    return Utf8FromWide({wide, static_cast<std::size_t>(length > 0 ? length : 0)});
}

struct DialogSearch {
    const std::string* title;  // empty: any
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM searchAddress) {
    auto& search = *reinterpret_cast<DialogSearch*>(searchAddress);
    char className[32] = {};
    ::GetClassNameA(window, className, sizeof className);
    DWORD process = 0;
    ::GetWindowThreadProcessId(window, &process);
    // A dialog is found before its initialisation has run: it counts once it shows.
    if (process == ::GetCurrentProcessId() && ::lstrcmpA(className, "#32770") == 0 &&
        ::IsWindowVisible(window) && (search.title->empty() || *search.title == TitleOf(window))) {
        search.found = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

DialogAnswerer::DialogAnswerer(std::string title)
    : DialogAnswerer(std::move(title), &DialogAnswerer::PressOk) {}

DialogAnswerer::DialogAnswerer(std::string title, Answer answer, unsigned timeoutMs)
    : title_(std::move(title)),
      answer_(std::move(answer)),
      deadline_(::GetTickCount64() + timeoutMs),
      watcher_([this] { Watch(); }) {}

DialogAnswerer::~DialogAnswerer() {
    stop_ = true;
    watcher_.join();
}

void DialogAnswerer::Watch() {
    while (!stop_) {
        DialogSearch search{&title_, nullptr};
        ::EnumWindows(FindDialog, reinterpret_cast<LPARAM>(&search));
        if (const HWND dialog = search.found) {
            wchar_t text[2048] = {};
            ::GetDlgItemTextW(dialog, 0xFFFF, text, 2048);
            const SeenDialog seen{true, TitleOf(dialog), Utf8FromWide(text), DefaultButton(dialog)};
            {
                const std::lock_guard lock(mutex_);
                seen_.push_back(seen);
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

SeenDialog DialogAnswerer::Result() {
    while (true) {
        {
            const std::lock_guard lock(mutex_);
            if (!seen_.empty()) {
                return seen_.front();
            }
        }
        if (::GetTickCount64() > deadline_) {
            return {};
        }
        ::Sleep(10);
    }
}

std::vector<SeenDialog> DialogAnswerer::Seen() {
    const std::lock_guard lock(mutex_);
    return seen_;
}

std::vector<std::string> DialogAnswerer::Texts() {
    const std::lock_guard lock(mutex_);
    std::vector<std::string> texts;
    for (const SeenDialog& seen : seen_) {
        texts.push_back(seen.text);
    }
    return texts;
}

DialogAnswerer::Answer DialogAnswerer::Press(int buttonId) {
    return [buttonId](HWND dialog) { ::SendMessageA(::GetDlgItem(dialog, buttonId), BM_CLICK, 0, 0); };
}

void DialogAnswerer::PressOk(HWND dialog) {
    Press(IDOK)(dialog);
}

void DialogAnswerer::PressCancel(HWND dialog) {
    Press(IDCANCEL)(dialog);
}

}  // namespace corvane::test
