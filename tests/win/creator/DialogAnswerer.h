// Answers the dialogs a window opens in its own modal loop (message boxes, the folder browser): a
// second thread waits for each dialog of the given title, notes its text and answers it.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace corvane::test {

class DialogAnswerer {
  public:
    using Answer = std::function<void(HWND dialog)>;

    // Presses OK on every dialog titled `title`.
    explicit DialogAnswerer(std::string title);
    DialogAnswerer(std::string title, Answer answer);
    ~DialogAnswerer();
    DialogAnswerer(const DialogAnswerer&) = delete;
    DialogAnswerer& operator=(const DialogAnswerer&) = delete;

    // The message texts (static 0xFFFF) of the dialogs answered so far, in order.
    std::vector<std::string> Texts();

    static void PressOk(HWND dialog);
    static void PressCancel(HWND dialog);

  private:
    void Watch();

    std::string title_;
    Answer answer_;
    std::mutex mutex_;
    std::vector<std::string> texts_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace corvane::test
