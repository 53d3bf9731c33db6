// The find box: a slim edit docked above the list while a find is open. It reports what the user
// does in it to its host; the narrowing itself is the host's.
#pragma once

#include <windows.h>

#include <string>

namespace corvane::menu {

class FindBoxHost {
  public:
    virtual ~FindBoxHost() = default;
    virtual void OnFindTextChanged() = 0;  // any change of the text, typed or cleared
    virtual void OnFindDown() = 0;         // Down: into the list
    virtual void OnFindEnter() = 0;        // Enter: run the selected (or only) match
    virtual void OnFindClosed() = 0;       // the box was closed (a second Esc)
};

class FindBox {
  public:
    // The box's height in twips, which the list gives up while it is open.
    static constexpr int kHeightTwips = 315;

    explicit FindBox(FindBoxHost& host) : host_(host) {}
    FindBox(const FindBox&) = delete;
    FindBox& operator=(const FindBox&) = delete;

    // Creates the box, hidden, as a child of `parent` with the given id (it follows the list in the
    // tab order). False when it could not be made.
    bool Create(HWND parent, int id) noexcept;
    [[nodiscard]] HWND Handle() const noexcept { return edit_; }
    // Open whether or not its window is on screen (the menu may be hidden in the tray).
    [[nodiscard]] bool IsOpen() const noexcept { return open_; }

    // Shows the box with the keyboard in it, its text selected.
    void Open() noexcept;
    // Hides the box and empties it (which reports a changed text when there was one).
    void Close() noexcept;
    // The typed text, UTF-8.
    [[nodiscard]] std::string Text() const;

    // The host forwards its WM_COMMAND notifications from the box.
    void OnCommand(UINT notification) noexcept;

  private:
    static LRESULT CALLBACK KeyHandling(HWND edit, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                        DWORD_PTR self) noexcept;
    bool OnKey(WPARAM key) noexcept;

    FindBoxHost& host_;
    HWND edit_ = nullptr;  // a child of the host's window, destroyed with it
    bool open_ = false;
};

}  // namespace corvane::menu
