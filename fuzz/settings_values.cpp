// Settings.ini values as anyone may have edited them: the on-run option and the window size always
// come out as one of the allowed choices, and what the menu writes reads back the same.
#include "common/core/AnsiText.h"
#include "common/core/Twips.h"
#include "fuzz/FuzzSupport.h"
#include "menu/core/SettingsValues.h"

using namespace corvane::menu;

namespace {

void OnRunValue(std::string_view value) {
    const auto option = OnRunFromSetting(value);
    if (!option) {
        return;
    }
    FUZZ_REQUIRE(*option == OnRunOption::DoNothing || *option == OnRunOption::MinimizeToTray ||
                 *option == OnRunOption::CloseMenu);
    // The value that selected it names the same option as the text the menu writes for it.
    FUZZ_REQUIRE(OnRunFromSetting(OnRunSettingText(*option)) == option);
    FUZZ_REQUIRE(corvane::ParseWholeNumber(value) == corvane::ParseWholeNumber(OnRunSettingText(*option)));
}

void WindowSize(std::string_view value, std::string_view workAreaText, std::string_view dpiText) {
    const long long twips = TwipsFromSetting(value, kDefaultWindowHeight);
    if (const auto number = corvane::ParseWholeNumber(value)) {
        FUZZ_REQUIRE(twips == *number);
        // A number read back from its own decimal text is the same number.
        FUZZ_REQUIRE(corvane::ParseWholeNumber(std::to_string(*number)) == number);
    } else {
        FUZZ_REQUIRE(twips == *corvane::ParseWholeNumber(kDefaultWindowHeight));
    }

    // Whatever was stored, the window fits the work area and has a size.
    const auto workArea = static_cast<int>(corvane::ParseWholeNumber(workAreaText).value_or(1024) % 100000);
    if (workArea <= 0) {
        return;
    }
    const int fallback = 664;
    const int extent = ClampExtentToWorkArea(twips, workArea, fallback);
    FUZZ_REQUIRE(extent > 0 && extent <= workArea);
    if (twips > 0 && twips <= workArea) {
        FUZZ_REQUIRE(extent == twips);
    }

    // The same in twips at any DPI: converted, the window still fits and has a size, and a size that
    // fits comes out exactly as converted (no wrap-around of a huge number into a small one).
    const int dpi = 48 + static_cast<int>(corvane::ParseWholeNumber(dpiText).value_or(96) % 433 + 433) % 433;
    const int pixels = ExtentFromTwips(twips, dpi, workArea, fallback);
    FUZZ_REQUIRE(pixels > 0 && pixels <= workArea);
    const int converted = twips > 0 && twips <= corvane::PixelsToTwips(workArea, dpi)
                              ? corvane::TwipsToPixels(twips, dpi)
                              : workArea;
    if (twips > 0 && converted > 0) {
        FUZZ_REQUIRE(pixels == converted);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    corvane::fuzz::FuzzFields fields(data, size);
    const std::string_view value = fields.Next();
    OnRunValue(value);
    const std::string_view workArea = fields.Next();
    WindowSize(value, workArea, fields.Next());
    return 0;
}
