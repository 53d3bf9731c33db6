// Names, defaults and value rules of Settings.ini (section MAIN beside Menu.exe, named in
// common/core/DriveFiles.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace corvane::menu {

inline constexpr const char* kSizeSection = "MAIN";  // the window-size steps name it so ...
inline constexpr const char* kRunSection = "Main";   // ... and the on-run steps so; one section either way
inline constexpr const char* kWindowHeightKey = "Window Height";
inline constexpr const char* kWindowWidthKey = "Window Width";
inline constexpr const char* kOnRunKey = "OnRun";
inline constexpr const char* kDefaultWindowHeight = "5910";  // twips, the whole window
inline constexpr const char* kDefaultWindowWidth = "9960";
inline constexpr const char* kDefaultOnRun = "0";

enum class OnRunOption { DoNothing = 1, MinimizeToTray = 2, CloseMenu = 3 };

// The option a stored ONRUN value selects; nullopt (keep the marks as they are) for 0, for any other
// number and for text that is not a number.
std::optional<OnRunOption> OnRunFromSetting(std::string_view value);

// The text the on-run commands write: "1", "2" or "3".
std::string OnRunSettingText(OnRunOption option);

// A stored window size in twips; `fallback` when the value is not a whole number.
long long TwipsFromSetting(std::string_view value, std::string_view fallback);

// A window extent (pixels) that keeps the window within reach: a value of zero or less gives
// `fallback`, a value larger than the work area gives the work area's extent.
int ClampExtentToWorkArea(long long requested, int workArea, int fallback);

// A stored extent in twips as pixels at `dpi`, clamped as ClampExtentToWorkArea does. The twips are
// clamped before they are converted: a number that large would overflow on the way and could wrap
// around into a tiny window.
int ExtentFromTwips(long long twips, int dpi, int workArea, int fallback);

}  // namespace corvane::menu
