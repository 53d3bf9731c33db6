// The menu window's status bar: a message panel taking the remaining width, then the current time
// and date, kept current. Its tool tip shows the message panel's full text.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace corvane::menu {

class StatusBar {
  public:
    // The parent's timer that renews the time and date once a minute.
    static constexpr UINT_PTR kClockTimer = 1;

    // Creates the bar docked at the bottom of `parent`, with its tool tip and clock.
    bool Create(HWND parent, int id);

    [[nodiscard]] HWND Handle() const noexcept { return bar_; }

    // The first panel, the only one the program writes. The message is kept here, not read back from
    // the control, so that a text of any length reaches the tip whole.
    void SetMessage(const std::string& text);
    [[nodiscard]] const std::string& Message() const noexcept { return message_; }

    // Docks the bar to the parent's new size and divides it into its panels.
    void Layout(int dpi) noexcept;

    // WM_TIMER of the parent: true when it was the clock's timer (the time and date are renewed; the
    // panels keep their widths).
    bool OnTimer(UINT_PTR timerId);

    // WM_NOTIFY of the parent: fills the tool tip's text request; true when it was one.
    bool OnNotify(NMHDR& header);

  private:
    void UpdateClock();

    HWND parent_ = nullptr;
    HWND bar_ = nullptr;        // child of parent_, destroyed with it
    HWND toolTip_ = nullptr;    // owned by parent_, destroyed with it
    std::string message_;       // the first panel's text (UTF-8)
    std::wstring wideMessage_;  // the same as the panel and the tool tip take it
};

}  // namespace corvane::menu
