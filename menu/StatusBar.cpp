#include "menu/StatusBar.h"

#include "common/TextEncoding.h"
#include "common/ToolTip.h"
#include "common/core/Twips.h"

#include <iterator>

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

std::wstring Formatted(bool time) {
    wchar_t buffer[128] = {};
    constexpr int kUnits = static_cast<int>(std::size(buffer));
    const int length =
        time ? ::GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, nullptr, nullptr, buffer, kUnits)
             : ::GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, buffer, kUnits);
    return length > 0 ? std::wstring(buffer) : std::wstring();
}

}  // namespace

bool StatusBar::Create(HWND parent, int id) {
    parent_ = parent;
    bar_ = ::CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), ::GetModuleHandleW(nullptr),
                             nullptr);
    if (bar_ == nullptr) {
        return false;
    }
    toolTip_ = CreateToolTip(parent);
    // Asked for on every showing: always the current message.
    if (AddToolTipAskingOwner(toolTip_, parent, bar_)) {
        ::SendMessageW(toolTip_, TTM_SETMAXTIPWIDTH, 0, kTipWidthPixels);
    }
    int edges[3] = {0, 0, -1};  // real widths follow in Layout; the clock needs its panels now
    ::SendMessageW(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    UpdateClock();
    return true;
}

void StatusBar::SetMessage(const std::string& text) {
    message_ = text;
    wideMessage_ = WideFromUtf8(text);
    ::SendMessageW(bar_, SB_SETTEXTW, 0, reinterpret_cast<LPARAM>(wideMessage_.c_str()));
}

void StatusBar::Layout(int dpi) noexcept {
    ::SendMessageW(bar_, WM_SIZE, 0, 0);
    RECT client{};
    ::GetClientRect(bar_, &client);
    const int clock = TwipsToPixels(kClockPanelTwips, dpi);
    const int right = client.right - client.left;
    int edges[3] = {right - 2 * clock, right - clock, -1};
    if (edges[0] < 0) {
        edges[0] = 0;
    }
    ::SendMessageW(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

bool StatusBar::OnTimer(UINT_PTR timerId) {
    if (timerId != kClockTimer) {
        return false;
    }
    UpdateClock();
    return true;
}

bool StatusBar::OnNotify(NMHDR& header) {
    if (header.hwndFrom != toolTip_ || header.code != TTN_GETDISPINFOW) {
        return false;
    }
    // The tip copies the text at once; wideMessage_ outlives the request.
    reinterpret_cast<NMTTDISPINFOW&>(header).lpszText = wideMessage_.data();
    return true;
}

void StatusBar::UpdateClock() {
    ::SendMessageW(bar_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(Formatted(true).c_str()));
    ::SendMessageW(bar_, SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(Formatted(false).c_str()));
    ::SetTimer(parent_, kClockTimer, UntilNextMinute(), nullptr);
}

}  // namespace corvane::menu
