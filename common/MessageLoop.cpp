#include "common/MessageLoop.h"

namespace corvane {
namespace {

bool PreTranslate(MSG& message, HACCEL accelerators, HWND acceleratorWindow) {
    // Accelerators belong to their window: Delete or Ctrl+A typed in another window's text box
    // must stay keys of that box.
    const bool forAcceleratorWindow =
        message.hwnd == acceleratorWindow || ::IsChild(acceleratorWindow, message.hwnd);
    if (accelerators != nullptr && acceleratorWindow != nullptr && forAcceleratorWindow &&
        ::TranslateAcceleratorW(acceleratorWindow, accelerators, &message)) {
        return true;
    }
    const HWND active = ::GetActiveWindow();
    return active != nullptr && ::IsDialogMessageW(active, &message);
}

}  // namespace

int RunMessageLoop(HACCEL accelerators, HWND acceleratorWindow) {
    MSG message{};
    while (::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (!PreTranslate(message, accelerators, acceleratorWindow)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
    return static_cast<int>(message.wParam);
}

void PumpPendingMessages() {
    MSG message{};
    while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            ::PostQuitMessage(static_cast<int>(message.wParam));  // leave it for the main loop
            break;
        }
        if (!PreTranslate(message, nullptr, nullptr)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
    }
}

}  // namespace corvane
