#include "menu/StatusBar.h"

#include "common/core/Twips.h"

#include <vector>

namespace corvane::menu {
namespace {

constexpr UINT_PTR kClockTimer = 1;
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
    toolTip_ = ::CreateWindowExA(
        WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, parent, nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (toolTip_ != nullptr) {
        TTTOOLINFOA tool{};
        tool.cbSize = sizeof tool;
        tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        tool.hwnd = parent;
        tool.uId = reinterpret_cast<UINT_PTR>(bar_);
        tool.lpszText = LPSTR_TEXTCALLBACKA;  // asked for on every showing: always the current message
        ::SendMessageA(toolTip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
        ::SendMessageA(toolTip_, TTM_SETMAXTIPWIDTH, 0, kTipWidthPixels);
    }
    int edges[3] = {0, 0, -1};  // real widths follow in Layout; the clock needs its panels now
    ::SendMessageA(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    UpdateClock();
    return true;
}

void StatusBar::SetMessage(const std::string& text) noexcept {
    ::SendMessageA(bar_, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

std::string StatusBar::Message() const {
    const auto length = LOWORD(::SendMessageA(bar_, SB_GETTEXTLENGTHA, 0, 0));
    std::vector<char> buffer(static_cast<std::size_t>(length) + 1, '\0');
    ::SendMessageA(bar_, SB_GETTEXTA, 0, reinterpret_cast<LPARAM>(buffer.data()));
    return std::string(buffer.data());
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
    int edges[3] = {0, 0, -1};  // real widths follow in Layout; the clock needs its panels now
    ::SendMessageA(bar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
    UpdateClock();
    return true;
}

bool StatusBar::OnNotify(NMHDR& header) {
    if (header.hwndFrom != toolTip_ || header.code != TTN_GETDISPINFOA) {
        return false;
    }
    tipText_ = Message();
    reinterpret_cast<NMTTDISPINFOA&>(header).lpszText = tipText_.data();
    return true;
}

void StatusBar::UpdateClock() {
    ::SendMessageA(bar_, SB_SETTEXTA, 1, reinterpret_cast<LPARAM>(Formatted(true).c_str()));
    ::SendMessageA(bar_, SB_SETTEXTA, 2, reinterpret_cast<LPARAM>(Formatted(false).c_str()));
    ::SetTimer(parent_, kClockTimer, UntilNextMinute(), nullptr);
}

}  // namespace corvane::menu
