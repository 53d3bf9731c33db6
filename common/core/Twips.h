// Twips (1/1440 inch) are the unit of every size and position in the window layouts.
#pragma once

namespace corvane {

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// Rounds to the nearest pixel so that layouts are exact at 96 dpi (15 twips a pixel).
constexpr int TwipsToPixels(long long twips, int dpi) {
    const long long scaled = twips * dpi;
    const long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch
                                        : -((-scaled + half) / kTwipsPerInch));
}

constexpr long long PixelsToTwips(long long pixels, int dpi) {
    return dpi > 0 ? pixels * kTwipsPerInch / dpi : pixels * kTwipsPerInch / kDefaultDpi;
}

}  // namespace corvane
