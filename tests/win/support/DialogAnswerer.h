// Answers a message box or common dialog that the code under test shows (and blocks in): a
// background thread waits for a dialog window with the given title, records what it says and
// runs the test's answer on it.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <thread>

namespace corvane::test {

struct SeenDialog {
    bool appeared = false;
    std::string text;     // the message of a message box (control 0xFFFF)
    int defaultButton = 0;  // the button Enter would press
};

class DialogAnswerer {
public:
    using Answer = std::function<void(HWND dialog)>;

    // Starts waiting (at most `timeoutMs`) for a dialog titled `title`.
    DialogAnswerer(std::string title, Answer answer, unsigned timeoutMs = 10000);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // Waits for the watcher to finish and tells what it saw.
    SeenDialog Result();

    // Answers: press a button of the dialog by its id (IDOK, IDYES, IDNO ...).
    static Answer Press(int buttonId);

private:
    std::string title_;
    Answer answer_;
    unsigned timeoutMs_;
    SeenDialog seen_;
    std::thread watcher_;
};

}  // namespace corvane::test
