// The base of the support tools' windows (the format utility, the USB viewer): one fixed-size window
// with the program's icon, centred, whose Help (F1), About and Close (Escape) buttons and list and
// tree notifications work the same way in every tool.
//
// A tool window derives as `class frmX : public ToolWindow<frmX>` and provides
//   static constexpr ToolDescription kTool;    // title, help page, client size
//   static std::span<const ControlSpec> Controls();   // its table of controls, in tab order
//   void OnCreate();                          // its controls, from its table
//   void OnCommand(int id);                   // its own buttons and keys
//   void OnNotify(const NMHDR& header);       // its list's or tree's notifications
// and optionally
//   bool IsBusy() const;                      // no closing while true
//   void LayoutOwn(int dpi);                  // what else follows the DPI (a list's columns)
//   bool HandleOwnMessage(UINT, WPARAM, LPARAM, LRESULT& result);   // true when it handled one
#pragma once

#include "common/AboutWindow.h"
#include "common/BaseWindow.h"
#include "common/CommonResources.h"
#include "common/ProgramWindow.h"
#include "support/SupportWindow.h"
#include "support/ToolResources.h"

#include <windows.h>

#include <functional>
#include <utility>

namespace corvane::support {

struct ToolDescription {
    const char* title;
    const char* helpPage;  // "utility.html"
    int clientWidthTwips;
    int clientHeightTwips;
};

template <typename Derived>
class ToolWindow : public BaseWindow<Derived> {
  public:
    enum CommonControlId {
        cmdHelp = IDC_TOOL_HELP,
        cmdAbout = IDC_TOOL_ABOUT,
        cmdClose = IDCANCEL,
    };

    // `onClosed` runs once the window is gone (the program ends there).
    explicit ToolWindow(std::function<void()> onClosed)
        : onClosed_(std::move(onClosed)), about_([this] { OpenHelp(about_.Hwnd()); }) {}

    // Creates and shows the window, centred. False when it could not be created.
    bool Create(int showCommand) {
        constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
        if (!this->CreateWindowObject(WS_EX_CONTROLPARENT, Derived::kTool.title, kStyle, CW_USEDEFAULT,
                                      CW_USEDEFAULT, 100, 100)) {
            return false;
        }
        this->SetFixedClientSize(Derived::kTool.clientWidthTwips, Derived::kTool.clientHeightTwips);
        ShowCentred(this->Hwnd(), showCommand);
        return true;
    }

    static void ConfigureClass(WNDCLASSEXW& windowClass) {
        windowClass.hIcon = ::LoadIconW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_PROGRAM));
    }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
        Derived& self = *static_cast<Derived*>(this);
        switch (message) {
            case WM_CREATE:
                self.OnCreate();
                Layout();
                return 0;
            case WM_COMMAND:
                if (!HandleCommonCommand(LOWORD(wParam))) {
                    self.OnCommand(LOWORD(wParam));
                }
                return 0;
            case WM_NOTIFY:
                self.OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
                return 0;
            case WM_NOTIFYFORMAT:
                return NFR_UNICODE;  // the controls' notifications in UTF-16, whatever the window class is
            case WM_CLOSE:
                CloseUnlessBusy();
                return 0;
            case WM_DESTROY:
                about_.Destroy();  // the tool's own clean-up follows, in HandleOwnMessage
                break;
            default:
                break;
        }
        if constexpr (requires(LRESULT & result) {
                          self.HandleOwnMessage(message, wParam, lParam, result);
                      }) {
            if (LRESULT result = 0; self.HandleOwnMessage(message, wParam, lParam, result)) {
                return result;
            }
        }
        return this->DefaultHandling(message, wParam, lParam);
    }

  protected:
    void Say(std::string_view text, UINT style) {
        ShowMessage(this->Hwnd(), text, Derived::kTool.title, style);
    }

  private:
    // Places the table's controls and makes their font for the window's DPI: after creation, and
    // again on every change of DPI.
    void Layout() {
        Derived& self = *static_cast<Derived*>(this);
        const HWND hwnd = this->Hwnd();
        const int dpi = this->Dpi();
        PlaceChildren(hwnd, Derived::Controls(), dpi);
        font_ = WithFontOnChildren(hwnd, CreateDialogFont(dpi));
        if constexpr (requires { self.LayoutOwn(dpi); }) {
            self.LayoutOwn(dpi);
        }
    }

    void OnDpiChanged() override { Layout(); }

    bool HandleCommonCommand(int id) {
        switch (id) {
            case cmdHelp:
                OpenHelp(this->Hwnd());
                return true;
            case cmdAbout:
                about_.Show(this->Hwnd());
                return true;
            case cmdClose:
                CloseUnlessBusy();
                return true;
            default:
                return false;
        }
    }

    void OpenHelp(HWND owner) { OpenHelpPage(owner, Derived::kTool.helpPage, Derived::kTool.title); }

    void CloseUnlessBusy() {
        if constexpr (requires(const Derived& d) { d.IsBusy(); }) {
            if (static_cast<const Derived*>(this)->IsBusy()) {
                return;
            }
        }
        this->Destroy();
    }

    void OnWindowDestroyed() noexcept override {
        if (onClosed_) {
            onClosed_();
        }
    }

    std::function<void()> onClosed_;
    AboutWindow about_;
    UniqueFont font_;
};

}  // namespace corvane::support
