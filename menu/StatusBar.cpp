#include "menu/StatusBar.h"

#include "common/ToolTip.h"
#include "common/core/Twips.h"

namespace corvane::menu {
namespace {

constexpr int kClockPanelTwips = 1140;
constexpr int kTipWidthPixels = 600;

// Milliseconds until the clock next changes (the panels show no seconds).
UINT UntilNextMinute() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return static_cast<UINT>((60 - now.wSecond) * 1000 - now.wMilliseconds + 50);
}

std::string Formatted(bool time) {
    char buffer[128] = {};
    const int length =
        time ? ::GetTimeFormatA(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, buffer, sizeof buffer)
             : ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, sizeof buffer);
    return length > 0 ? std::string(buffer) : std::string();
}

}  // namespace

bool StatusBar::Create(HWND parent, int id) {
    parent_ = parent;
    bar_ = ::CreateWindowExA(0, STATUSCLASSNAMEA, "", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleA(nullptr),
                             nullptr);
    if (bar_ == nullptr) {
        return false;
    }
    toolTip_ = CreateToolTip(parent);
    // Asked for on every showing: always the current message.
    if (AddToolTip(toolTip_, parent, bar_, LPSTR_TEXTCALLBACKA)) {
        ::SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, kTipWidthPixels);
    }
    int edges[3] = {0, 0, -1};  // real widths follow in Layout; the clock needs its panels now
    ::SendMessageA(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    UpdateClock();
    return true;
}

void StatusBar::SetMessage(const std::string& text) {
    message_ = text;
    ::SendMessageA(bar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(message_.c_str()));
}

void StatusBar::Layout(int dpi) noexcept {
    ::SendMessageA(bar_, WM_SIZE, 0, 0);
    RECT client{};
    ::GetClientRect(bar_, &client);
    const int clock = TwipsToPixels(kClockPanelTwips, dpi);
    const int right = client.right - client.left;
    int edges[3] = {right - 2 * clock, right - clock, -1};
    if (edges[0] < 0) {
        edges[0] = 0;
    }
    ::SendMessageA(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

bool StatusBar::OnTimer(UINT_PTR timerId) {
    if (timerId != kClockTimer) {
        return false;
    }
    UpdateClock();
    return true;
}

bool StatusBar::OnNotify(NMHDR& header) {
    if (header.hwndFrom != toolTip_ || header.code != TTN_GETDISPINFOA) {
        return false;
    }
    // The tip copies the text at once; message_ outlives the request.
    reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = message_.data();
    return true;
}

void StatusBar::UpdateClock() {
    ::SendMessageA(bar_, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(Formatted(true).c_str()));
    ::SendMessageA(bar_, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(Formatted(false).c_str()));
    ::SetTimer(parent_, kClockTimer, UntilNextMinute(), nullptr);
}

}  // namespace corvane::menu
