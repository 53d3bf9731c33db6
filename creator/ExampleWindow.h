// frmAction and frmMyComp: small fixed windows holding one example picture. One object per window;
// a second Show brings the open window back instead of opening another.
#pragma once

#include "common/BaseWindow.h"

namespace corvane::creator {

class ExampleWindow : public BaseWindow<ExampleWindow> {
  public:
    using Painter = void (*)(HDC dc, const RECT& area);

    ExampleWindow(const char* caption, int clientWidthTwips, int clientHeightTwips, Painter painter) noexcept;

    // Opens the window centred on the monitor of `opener` (the window whose command opened it), or
    // brings the open one back. Destroy() closes it.
    void Show(HWND opener = nullptr);

    static const char* ClassName() { return "CorvaneLabelExample"; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    void Paint() noexcept;
    // The picture fills the client area: the suggested rectangle already sized it for the new DPI.
    void OnDpiChanged() override { ::InvalidateRect(Hwnd(), nullptr, TRUE); }

    const char* caption_;
    int clientWidth_;
    int clientHeight_;
    Painter painter_;
};

}  // namespace corvane::creator
