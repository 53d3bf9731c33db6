// Answers the dialogs that the code under test shows and blocks in (message boxes, common dialogs,
// the folder browser): a background thread waits for each visible dialog of this process with the
// given title (any title when it is empty), records what it says and runs the test's answer on it,
// until the answerer goes out of scope.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace corvane::test {

struct SeenDialog {
    bool appeared = false;
    std::string title;
    std::string text;       // the message of a message box (control 0xFFFF)
    int defaultButton = 0;  // the button Enter would press
};

class DialogAnswerer {
  public:
    using Answer = std::function<void(HWND dialog)>;

    // Presses OK on every dialog titled `title`.
    explicit DialogAnswerer(std::string title);
    // Answers every dialog titled `title` with `answer`; Result() waits at most `timeoutMs` for the first.
    DialogAnswerer(std::string title, Answer answer, unsigned timeoutMs = 10000);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // The first dialog answered (waiting for it until the timeout); `appeared` false when none came.
    SeenDialog Result();
    // Every dialog answered so far, in order.
    std::vector<SeenDialog> Seen();
    // The message texts of the dialogs answered so far, in order.
    std::vector<std::string> Texts();

    // Answers: press a button of the dialog by its id (IDOK, IDYES, IDNO ...).
    static Answer Press(int buttonId);
    static void PressOk(HWND dialog);
    static void PressCancel(HWND dialog);

  private:
    void Watch();

    std::string title_;
    Answer answer_;
    ULONGLONG deadline_;
    std::mutex mutex_;
    std::vector<SeenDialog> seen_;
    std::atomic<bool> stop_{false};
    std::thread watcher_;  // last: it starts once everything above is ready
};

}  // namespace corvane::test
