#include "common/ToolTip.h"

#include "common/TextEncoding.h"

#include <commctrl.h>

#include <string>

namespace corvane {
namespace {

bool AddTool(HWND toolTip, HWND owner, HWND control, wchar_t* text) noexcept {
    if (toolTip == nullptr || control == nullptr) {
        return false;
    }
    TTTOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;  // the tip watches the control's mouse messages itself
    tool.hwnd = owner;
    tool.uId = reinterpret_cast<UINT_PTR>(control);
    tool.lpszText = text;
    return ::SendMessageW(toolTip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

}  // namespace

HWND CreateToolTip(HWND owner) noexcept {
    return ::CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX,
                             CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
                             ::GetModuleHandleW(nullptr), nullptr);
}

bool AddToolTip(HWND toolTip, HWND owner, HWND control, std::string_view text) {
    std::wstring wide = WideFromUtf8(text);
    return AddTool(toolTip, owner, control, wide.data());
}

bool AddToolTipAskingOwner(HWND toolTip, HWND owner, HWND control) noexcept {
    return AddTool(toolTip, owner, control, LPSTR_TEXTCALLBACKW);
}

}  // namespace corvane
