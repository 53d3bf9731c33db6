// corvane_driver: drives the real programs from outside, as a user would, for the end-to-end
// tests and the demo. One action per call; windows are found by their class, controls by their id
// or their name in the programs' own headers. Prints what it reads; exits non-zero on failure.
//
//   start PROGRAM [ARGS]          start a program in its own folder, do not wait
//   wait CLASS [MS]               wait for a visible window; prints its caption
//   gone CLASS [MS]               wait until no window of the class is left
//   caption CLASS                 print the window's caption
//   text CLASS CONTROL            print a control's text
//   type CLASS CONTROL TEXT       set a control's text
//   click CLASS CONTROL           press a button
//   command CLASS ID              send a menu command
//   key CLASS CONTROL VK          press a key in a control (virtual-key code)
//   rows CLASS CONTROL [COLUMNS]  print a list view's rows, fields separated by '|'
//   select CLASS CONTROL ROW      select a list view row
//   dblclick CLASS CONTROL ROW    double-click a list view row
//   status CLASS CONTROL PANEL    print a status bar panel
//   answer TITLE BUTTON [MS]      wait for a message box, print its text, press a button (1 OK, 6 Yes, 7 No)
//   shot CLASS NAME               save what the window shows as screenshots\NAME.bmp beside the driver
//   close CLASS                   close the window
#include "tests/e2e/ControlNames.h"
#include "tests/win/support/Polling.h"
#include "tests/win/support/RemoteControls.h"
#include "tests/win/support/Screenshot.h"
#include "tests/win/support/WindowText.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using corvane::e2e::ControlId;

constexpr unsigned kDefaultTimeoutMs = 20000;

unsigned Timeout(const std::vector<std::string>& args, std::size_t index) {
    return args.size() > index ? static_cast<unsigned>(std::stoul(args[index])) : kDefaultTimeoutMs;
}

HWND VisibleWindow(const std::string& className, const char* title = nullptr) {
    HWND window = ::FindWindowA(className.c_str(), title);
    return window != nullptr && ::IsWindowVisible(window) ? window : nullptr;
}

HWND WaitForWindow(const std::string& className, unsigned timeoutMs, const char* title = nullptr) {
    HWND window = nullptr;
    corvane::test::PollUntil([&] { return (window = VisibleWindow(className, title)) != nullptr; },
                             timeoutMs);
    return window;
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "corvane_driver: %s\n", what.c_str());
    std::exit(1);
}

HWND Window(const std::string& className) {
    HWND window = WaitForWindow(className, kDefaultTimeoutMs);
    if (window == nullptr) {
        Fail("no visible window of class " + className);
    }
    return window;
}

HWND Control(const std::string& className, const std::string& control) {
    HWND window = Window(className);
    HWND child = ::GetDlgItem(window, ControlId(className, control));
    if (child == nullptr) {
        Fail("no control " + control + " in " + className);
    }
    return child;
}

int Start(const std::vector<std::string>& args) {
    std::string commandLine = "\"" + args[1] + "\"";
    for (std::size_t i = 2; i < args.size(); ++i) {
        commandLine += " " + args[i];
    }
    const std::string folder = args[1].substr(0, args[1].rfind('\\') + 1);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessA(args[1].c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &process)) {
        Fail("cannot start " + args[1] + " (error " + std::to_string(::GetLastError()) + ")");
    }
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return 0;
}

int Answer(const std::vector<std::string>& args) {
    HWND box = WaitForWindow("#32770", Timeout(args, 3), args[1].c_str());
    if (box == nullptr) {
        Fail("no message box titled " + args[1]);
    }
    char text[4096] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    std::printf("%s\n", text);
    std::fflush(stdout);
    ::PostMessageA(::GetDlgItem(box, std::stoi(args[2])), BM_CLICK, 0, 0);
    return 0;
}

int Run(const std::vector<std::string>& args) {
    const std::string& verb = args[0];
    const auto need = [&](std::size_t count) {
        if (args.size() < count) {
            Fail("too few arguments for " + verb);
        }
    };
    if (verb == "start") {
        need(2);
        return Start(args);
    }
    if (verb == "wait") {
        need(2);
        HWND window = WaitForWindow(args[1], Timeout(args, 2));
        if (window == nullptr) {
            Fail("no visible window of class " + args[1]);
        }
        std::printf("%s\n", corvane::test::WindowText(window).c_str());
        return 0;
    }
    if (verb == "gone") {
        need(2);
        if (!corvane::test::PollUntil([&] { return ::FindWindowA(args[1].c_str(), nullptr) == nullptr; },
                                      Timeout(args, 2))) {
            Fail("a window of class " + args[1] + " is still there");
        }
        return 0;
    }
    if (verb == "caption") {
        need(2);
        std::printf("%s\n", corvane::test::WindowText(Window(args[1])).c_str());
        return 0;
    }
    if (verb == "text") {
        need(3);
        std::printf("%s\n", corvane::test::WindowText(Control(args[1], args[2])).c_str());
        return 0;
    }
    if (verb == "type") {
        need(4);
        ::SendMessageA(Control(args[1], args[2]), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(args[3].c_str()));
        return 0;
    }
    if (verb == "click") {
        need(3);
        ::PostMessageA(Control(args[1], args[2]), BM_CLICK, 0, 0);
        return 0;
    }
    if (verb == "command") {
        need(3);
        ::PostMessageA(Window(args[1]), WM_COMMAND, static_cast<WPARAM>(ControlId(args[1], args[2])), 0);
        return 0;
    }
    if (verb == "key") {
        need(4);
        HWND control = Control(args[1], args[2]);
        const auto vk = static_cast<WPARAM>(std::stoi(args[3]));
        ::PostMessageA(control, WM_KEYDOWN, vk, 1);
        if (vk == VK_RETURN) {
            ::PostMessageA(control, WM_CHAR, '\r', 1);
        }
        ::PostMessageA(control, WM_KEYUP, vk, static_cast<LPARAM>(0xC0000001u));
        return 0;
    }
    if (verb == "rows") {
        need(3);
        const int columns = args.size() > 3 ? std::stoi(args[3]) : 3;
        for (const auto& row : corvane::test::ReadListRows(Control(args[1], args[2]), columns)) {
            std::string line;
            for (std::size_t i = 0; i < row.size(); ++i) {
                line += (i ? "|" : "") + row[i];
            }
            std::printf("%s\n", line.c_str());
        }
        return 0;
    }
    if (verb == "select" || verb == "dblclick") {
        need(4);
        HWND list = Control(args[1], args[2]);
        const int row = std::stoi(args[3]);
        corvane::test::SelectListRow(list, row);
        if (verb == "dblclick") {
            const RECT rect = corvane::test::ReadRowRect(list, row);
            const LPARAM at = MAKELPARAM(rect.left + 8, (rect.top + rect.bottom) / 2);
            ::PostMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
            ::PostMessageA(list, WM_LBUTTONUP, 0, at);
            ::PostMessageA(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
            ::PostMessageA(list, WM_LBUTTONUP, 0, at);
        }
        return 0;
    }
    if (verb == "status") {
        need(4);
        std::printf("%s\n",
                    corvane::test::ReadStatusPanel(Control(args[1], args[2]), std::stoi(args[3])).c_str());
        return 0;
    }
    if (verb == "answer") {
        need(3);
        return Answer(args);
    }
    if (verb == "shot") {
        need(3);
        HWND window = Window(args[1]);
        ::Sleep(300);  // let the target finish painting; a picture for people, not a check
        return corvane::test::SaveWindowScreenshot(window, args[2]).empty() ? 1 : 0;
    }
    if (verb == "close") {
        need(2);
        ::PostMessageA(Window(args[1]), WM_CLOSE, 0, 0);
        return 0;
    }
    Fail("unknown action " + verb);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        Fail("usage: corvane_driver ACTION ARGS... (see the source for the list)");
    }
    try {
        return Run(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::exception& error) {
        Fail(error.what());
    }
}
