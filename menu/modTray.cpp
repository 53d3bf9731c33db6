#include "menu/modTray.h"

#include "common/TextEncoding.h"

#include <shellapi.h>

#include <new>

namespace corvane::menu::modTray {
namespace {

constexpr UINT kIconId = 1;

NOTIFYICONDATAW IconRecord(HWND window) {
    NOTIFYICONDATAW record{};
    // The first form of the record is understood by every version of the shell.
    record.cbSize = NOTIFYICONDATAW_V1_SIZE;
    record.hWnd = window;
    record.uID = kIconId;
    return record;
}

}  // namespace

void AddTrayIcon(HWND window, HICON icon, const char* tip) noexcept {
    NOTIFYICONDATAW record = IconRecord(window);
    record.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    record.uCallbackMessage = kTrayNotification;
    record.hIcon = icon;
    try {
        // The first form's tip holds 64 characters with the NUL.
        ::lstrcpynW(record.szTip, WideFromUtf8(tip).c_str(), 64);
    } catch (const std::bad_alloc&) {  // the icon goes in without its tip
    }
    ::Shell_NotifyIconW(NIM_ADD, &record);
}

void ChangeTrayIcon(HWND window, HICON icon) noexcept {
    NOTIFYICONDATAW record = IconRecord(window);
    record.uFlags = NIF_ICON;
    record.hIcon = icon;
    ::Shell_NotifyIconW(NIM_MODIFY, &record);
}

void RemoveTrayIcon(HWND window) noexcept {
    NOTIFYICONDATAW record = IconRecord(window);
    ::Shell_NotifyIconW(NIM_DELETE, &record);
}

void MinimizeToTray(HWND window) noexcept {
    ::ShowWindow(window, SW_MINIMIZE);
}

void RestoreFromTray(HWND window) noexcept {
    ::SetForegroundWindow(window);
    ::ShowWindow(window, SW_RESTORE);
    ::ShowWindow(window, SW_SHOW);
}

void ShowTrayMenu(HWND window, HMENU menu) noexcept {
    POINT cursor{};
    ::GetCursorPos(&cursor);
    // Without the foreground the menu would not close on a click elsewhere.
    ::SetForegroundWindow(window);
    ::TrackPopupMenu(menu, 0, cursor.x, cursor.y, 0, window, nullptr);
    ::PostMessageW(window, WM_NULL, 0, 0);
}

}  // namespace corvane::menu::modTray
