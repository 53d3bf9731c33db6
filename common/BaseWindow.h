// The base of every window class: the object owns its HWND, receives its messages through one
// static window procedure (the object pointer travels through CreateWindowEx and is kept in
// GWLP_USERDATA from WM_NCCREATE to WM_NCDESTROY), and no exception ever escapes into Windows.
//
// A window class derives as `class Foo : public BaseWindow<Foo>` and provides
//   static const char* ClassName();
//   LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);   // DefaultHandling() for the rest
// and optionally
//   static void ConfigureClass(WNDCLASSEXW& windowClass);                 // icon, cursor, background
//
// Every window has the same shape: it builds its controls in WM_CREATE from a table in tab order
// (ControlSpec, common/WindowLayout.h), so that a creation whose handler throws fails as a whole;
// HandleMessage is not noexcept, since the barrier here is what handles a throw. A program's main
// window is opened by `Create(showCommand)`, a window opened on request by `Show(...)` (created on
// first use, brought to the front after), and any of them is closed by `Destroy()`.
//
// Every window keeps the DPI it is shown at (Dpi()). When Windows moves it to a monitor of another
// DPI (WM_DPICHANGED) the window takes the new DPI and the rectangle Windows suggests for it, and then
// its OnDpiChanged() lays it out again: a window lays itself out in one function of its DPI that both
// its creation and a DPI change call. A window of a fixed client size in twips (SetFixedClientSize)
// tells Windows its exact size at the new DPI first (WM_GETDPISCALEDSIZE), so that the suggested
// rectangle holds its client area whole.
#pragma once

#include "common/DpiScaling.h"
#include "common/TextEncoding.h"
#include "common/UniqueHandle.h"
#include "common/WindowLayout.h"

#include <windows.h>

#include <optional>
#include <utility>

namespace corvane {

template <typename Derived>
class BaseWindow {
  public:
    BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;
    BaseWindow(BaseWindow&&) = delete;
    BaseWindow& operator=(BaseWindow&&) = delete;

    virtual ~BaseWindow() {
        if (hwnd_ != nullptr) {
            // The derived part is gone: detach first so the destruction messages go to DefWindowProc.
            ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
            ::DestroyWindow(std::exchange(hwnd_, nullptr));
        }
    }

    [[nodiscard]] HWND Hwnd() const noexcept { return hwnd_; }
    [[nodiscard]] bool IsOpen() const noexcept { return hwnd_ != nullptr; }
    // The DPI the window is laid out for: its monitor's when it was created, then each new one.
    [[nodiscard]] int Dpi() const noexcept { return dpi_; }

    // Destroys the window when it is open; the object can create it again afterwards.
    void Destroy() noexcept {
        if (hwnd_ != nullptr) {
            ::DestroyWindow(hwnd_);
        }
    }

  protected:
    // Registers the class on first use and creates the window (a Unicode window: every text it and its
    // controls handle can hold any character). `title` is UTF-8. Returns false when creation failed.
    bool CreateWindowObject(DWORD exStyle, const char* title, DWORD style, int x, int y, int width,
                            int height, HWND parent = nullptr, HMENU menu = nullptr) {
        const HINSTANCE instance = ::GetModuleHandleW(nullptr);
        const std::wstring className = WideFromUtf8(Derived::ClassName());
        WNDCLASSEXW existing{};
        existing.cbSize = sizeof existing;
        if (!::GetClassInfoExW(instance, className.c_str(), &existing)) {
            WNDCLASSEXW windowClass{};
            windowClass.cbSize = sizeof windowClass;
            windowClass.lpfnWndProc = &BaseWindow::WindowProc;
            windowClass.hInstance = instance;
            windowClass.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
            windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
            windowClass.lpszClassName = className.c_str();
            // Any ConfigureClass is called, so that one of the wrong signature fails to compile.
            if constexpr (requires { &Derived::ConfigureClass; }) {
                Derived::ConfigureClass(windowClass);
            }
            ::RegisterClassExW(&windowClass);
        }
        if (::CreateWindowExW(exStyle, className.c_str(), WideFromUtf8(title).c_str(), style, x, y, width,
                              height, parent, menu, instance, static_cast<Derived*>(this)) == nullptr) {
            hwnd_ = nullptr;  // a window refused in WM_NCCREATE may be gone without a WM_NCDESTROY
            return false;
        }
        return true;
    }

    // A hidden top-level window to own this one: an owned window stays off the task bar. Created on
    // first use and kept for the object's life; it goes after the window it owns.
    HWND HiddenOwner() {
        if (!hiddenOwner_) {
            hiddenOwner_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                                 ::GetModuleHandleW(nullptr), nullptr));
        }
        return hiddenOwner_.get();
    }

    // Gives the window a client area of `width` by `height` twips at its DPI, and keeps that size in
    // twips when the DPI changes.
    void SetFixedClientSize(int width, int height) noexcept {
        fixedClient_ = SIZE{width, height};
        SetClientSizeTwips(hwnd_, width, height, dpi_);
    }

    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    }

    // Called after the window is gone (WM_NCDESTROY); the object may be reused or deleted then.
    virtual void OnWindowDestroyed() noexcept {}

    // Called when the window has taken a new DPI (Dpi()) and the rectangle Windows suggested for it:
    // fonts, pictures and the controls' places follow it here.
    virtual void OnDpiChanged() {}

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
        Derived* self = nullptr;
        if (message == WM_NCCREATE) {
            self = static_cast<Derived*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
            self->hwnd_ = hwnd;
            self->dpi_ = WindowDpi(hwnd);
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        } else {
            self = reinterpret_cast<Derived*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        }
        if (self == nullptr) {
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
        }
        LRESULT result = 0;
        try {
            if (message == kGetDpiScaledSize && self->fixedClient_) {
                const SIZE& client = *self->fixedClient_;
                *reinterpret_cast<SIZE*>(lParam) =
                    WindowSizeForClientTwips(hwnd, client.cx, client.cy, static_cast<int>(wParam));
                result = TRUE;
            } else if (message == WM_DPICHANGED) {
                self->dpi_ = DpiOfChange(wParam);
                MoveToSuggestedRect(hwnd, lParam);
                static_cast<BaseWindow*>(self)->OnDpiChanged();  // overrides may be private
            } else {
                result = self->HandleMessage(message, wParam, lParam);
            }
        } catch (...) {
            // A window whose creation handler failed is not created, rather than shown half-built.
            if (message == WM_NCCREATE) {
                result = FALSE;
            } else if (message == WM_CREATE) {
                result = -1;
            } else {
                result = ::DefWindowProcW(hwnd, message, wParam, lParam);
            }
        }
        if (message == WM_NCDESTROY) {
            ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            self->hwnd_ = nullptr;
            static_cast<BaseWindow*>(self)->OnWindowDestroyed();  // overrides may be private
        }
        return result;
    }

    HWND hwnd_ = nullptr;
    int dpi_ = WindowDpi(nullptr);
    std::optional<SIZE> fixedClient_;  // in twips
    UniqueWindow hiddenOwner_;         // destroyed after the destructor has destroyed hwnd_
};

}  // namespace corvane
