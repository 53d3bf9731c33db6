// The start program's waiting window: borderless, centred, two labels. It exists for the whole run
// (it owns the menu start) but is shown only while the computer is being prepared.
#pragma once

#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"
#include "common/WindowLayout.h"

#include <windows.h>

namespace corvane::start {

// Control ids of the labels.
enum frmStartControl : int {
    Label1 = 1,  // "Preparing for first use on this Computer"
    Label2 = 2,  // "Please Wait...."
};

inline constexpr int kClientWidthTwips = 4680;
inline constexpr int kClientHeightTwips = 1545;
inline constexpr TwipsRect kLabel1Place{983, 480, 2715, 195};
inline constexpr TwipsRect kLabel2Place{1823, 960, 1035, 195};

class frmStart : public BaseWindow<frmStart> {
  public:
    static const char* ClassName() noexcept { return "frmStart"; }
    static void ConfigureClass(WNDCLASSEXW& windowClass) noexcept;

    // Creates the window hidden, sized and centred. Returns false when Windows refused.
    bool Create();

    // Makes the window visible and lets it paint before the slow work begins.
    void ShowAndPaint() noexcept;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void OnCreate();
    // Places the labels, grown to their texts, and makes their font for the window's DPI: after
    // creation and again on each change of DPI.
    void Layout();
    void OnDpiChanged() override { Layout(); }

    UniqueFont font_;
};

}  // namespace corvane::start
