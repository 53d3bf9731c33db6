// A link label: blue underlined text that shows the pointing-hand cursor (resource IDC_LINK_HAND)
// and runs an action when clicked, or when Space or Enter is pressed while it has the focus.
#pragma once

#include "common/BaseWindow.h"
#include "common/UniqueHandle.h"
#include "common/WindowLayout.h"

#include <functional>

namespace corvane {

class LinkLabel : public BaseWindow<LinkLabel> {
  public:
    using Action = std::function<void()>;

    struct Style {
        COLORREF background = ::GetSysColor(COLOR_BTNFACE);
        UINT alignment = DT_CENTER;  // DT_LEFT, DT_CENTER or DT_RIGHT
        bool tabStop = true;
    };

    LinkLabel() = default;

    // Creates the label as a child of `parent` at a twips position.
    bool Create(HWND parent, int id, const char* text, const TwipsRect& place, int dpi, const Style& style,
                Action onClick);

    // Moves the label to a twips position at `dpi`, with its font and hand cursor made for that DPI.
    // The parent calls it again whenever its own DPI changes.
    void Place(const TwipsRect& place, int dpi);

    static const char* ClassName() { return "CorvaneLinkLabel"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Paint();
    HCURSOR HandCursorFor(int dpi);
    void Activate();

    static constexpr COLORREF kLinkBlue = RGB(0, 0, 255);
    Action onClick_;
    UniqueFont font_;
    HCURSOR hand_ = nullptr;  // sizedHand_, or the shared cursor at the system's cursor size
    UniqueCursor sizedHand_;
    UniqueBrush background_;
    UINT alignment_ = DT_CENTER;
    bool pressed_ = false;
};

}  // namespace corvane
