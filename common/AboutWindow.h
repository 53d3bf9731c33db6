// miniAbout: the programs' about window. It names the program and its version, links to the maker's
// web page and closes on "Close"; the creator's copy adds a "&Help" button. One window per object,
// shown modeless and kept off the task bar.
#pragma once

#include "common/BaseWindow.h"
#include "common/LinkLabel.h"
#include "common/UniqueHandle.h"

#include <functional>
#include <string>

namespace corvane {

namespace about_texts {
inline constexpr const char* kCaptionPrefix = "About ";
inline constexpr const char* kVersionLeadIn = " - Version ";
inline constexpr const char* kMakerLink = "Visit the Corvane web site";
inline constexpr const char* kMakerAddress = "https://www.corvane.org/";
inline constexpr const char* kMakerLinkTip = "Opens https://www.corvane.org/ in your web browser";
inline constexpr const char* kDisclaimer =
    "Warning: this program is protected by copyright law. Unauthorised reproduction or distribution of "
    "this program, or of any part of it, may result in severe civil and criminal penalties.";
inline constexpr const char* kClose = "Close";
inline constexpr const char* kHelp = "&Help";
}  // namespace about_texts

class AboutWindow : public BaseWindow<AboutWindow> {
  public:
    enum ControlId {
        lblTitle = 100,       // the program's title and version
        Label2,               // the link to the maker's web page
        lblDisclaimer,        // the copyright notice
        fraDisclaimer,        // the frame around the notice
        cmdClose = IDCANCEL,  // "Close" (Escape too)
        cmdHelp = 110,        // "&Help", the creator's copy only
    };

    // `onHelp` empty: the menu's window, without the Help button.
    explicit AboutWindow(std::function<void()> onHelp = {});

    // Shows the window, creating it on first use on the monitor of `opener` (the window whose command
    // opened it); a second call brings the open window to the front. Destroy() closes it.
    void Show(HWND opener = nullptr);

    // "Corvane - Version 1.1.1"
    static std::string TitleText();

    static const char* ClassName() { return "CorvaneAbout"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnCreate();
    // Places the controls and makes their fonts for the window's DPI, on creation and on a change.
    void Layout();
    void OnDpiChanged() override { Layout(); }
    void OpenMakerPage() const;

    std::function<void()> onHelp_;
    LinkLabel makerLink_;
    UniqueFont font_;
    UniqueFont titleFont_;
};

}  // namespace corvane
