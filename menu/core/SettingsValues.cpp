#include "menu/core/SettingsValues.h"

#include "common/core/AnsiText.h"
#include "common/core/Twips.h"

#include <algorithm>

namespace corvane::menu {

std::optional<OnRunOption> OnRunFromSetting(std::string_view value) {
    const auto number = ParseWholeNumber(value);
    if (!number) {
        return std::nullopt;
    }
    switch (*number) {
        case 1:
            return OnRunOption::DoNothing;
        case 2:
            return OnRunOption::MinimizeToTray;
        case 3:
            return OnRunOption::CloseMenu;
        default:
            return std::nullopt;
    }
}

std::string OnRunSettingText(OnRunOption option) {
    return std::to_string(static_cast<int>(option));
}

long long TwipsFromSetting(std::string_view value, std::string_view fallback) {
    if (const auto number = ParseWholeNumber(value)) {
        return *number;
    }
    return ParseWholeNumber(fallback).value_or(0);
}

int ClampExtentToWorkArea(long long requested, int workArea, int fallback) {
    if (requested <= 0) {
        return std::min(fallback, workArea);
    }
    return static_cast<int>(std::min<long long>(requested, workArea));
}

int ExtentFromTwips(long long twips, int dpi, int workArea, int fallback) {
    if (twips <= 0) {
        return ClampExtentToWorkArea(twips, workArea, fallback);
    }
    const int safeDpi = dpi > 0 ? dpi : kDefaultDpi;
    if (twips > PixelsToTwips(std::max(workArea, 0), safeDpi)) {
        return ClampExtentToWorkArea(workArea, workArea, fallback);
    }
    return ClampExtentToWorkArea(TwipsToPixels(twips, safeDpi), workArea, fallback);
}

}  // namespace corvane::menu
