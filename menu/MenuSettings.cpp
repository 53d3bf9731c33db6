#include "menu/MenuSettings.h"

#include "common/WindowLayout.h"
#include "common/core/Twips.h"
#include "menu/PathHelpers.h"

namespace corvane::menu {
namespace {

struct Extents {
    int width;
    int height;
};

Extents WindowExtents(HWND window) {
    RECT rect{};
    ::GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

Extents WorkAreaExtents(HWND window) {
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    ::GetMonitorInfoW(::MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    return {monitor.rcWork.right - monitor.rcWork.left, monitor.rcWork.bottom - monitor.rcWork.top};
}

// Reads one extent in twips and turns it into pixels that fit the work area.
int StoredExtent(HWND window, const char* key, const char* fallback, int workArea, const std::string& file) {
    const int dpi = WindowDpi(window);
    const long long twips = TwipsFromSetting(ReadSetting(kSizeSection, key, file, fallback), fallback);
    return ExtentFromTwips(twips, dpi, workArea, TwipsToPixels(TwipsFromSetting(fallback, fallback), dpi));
}

}  // namespace

void ApplyStoredWindowSize(HWND window, const std::string& settingsFile) {
    const Extents workArea = WorkAreaExtents(window);
    const int height =
        StoredExtent(window, kWindowHeightKey, kDefaultWindowHeight, workArea.height, settingsFile);
    const int width =
        StoredExtent(window, kWindowWidthKey, kDefaultWindowWidth, workArea.width, settingsFile);
    // One resize: each one lays the window out again, and at start-up that is time before it shows.
    ::SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void StoreWindowSize(HWND window, const std::string& settingsFile) {
    if (::IsIconic(window) || ::IsZoomed(window)) {
        return;
    }
    const int dpi = WindowDpi(window);
    const Extents size = WindowExtents(window);
    WriteSetting(kSizeSection, kWindowHeightKey, std::to_string(PixelsToTwips(size.height, dpi)),
                 settingsFile);
    WriteSetting(kSizeSection, kWindowWidthKey, std::to_string(PixelsToTwips(size.width, dpi)), settingsFile);
}

std::optional<OnRunOption> StoredRunOption(const std::string& settingsFile) {
    return OnRunFromSetting(ReadSetting(kRunSection, kOnRunKey, settingsFile, kDefaultOnRun));
}

void StoreRunOption(OnRunOption option, const std::string& settingsFile) {
    WriteSetting(kRunSection, kOnRunKey, OnRunSettingText(option), settingsFile);
}

}  // namespace corvane::menu
