#include "common/ToolTip.h"

#include <commctrl.h>

namespace corvane {

HWND CreateToolTip(HWND owner) noexcept {
    return ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             ::GetModuleHandleA(nullptr), nullptr);
}

bool AddToolTip(HWND toolTip, HWND owner, HWND control, const char* text) noexcept {
    if (toolTip == nullptr || control == nullptr) {
        return false;
    }
    TTTOOLINFOA tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;  // the tip watches the control's mouse messages itself
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = const_cast<char*>(text);
    return ::SendMessageA(toolTip, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

}  // namespace corvane
