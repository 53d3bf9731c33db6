#include "common/core/AnsiText.h"
#include "common/core/Twips.h"

#include <gtest/gtest.h>

namespace corvane {
namespace {

TEST(AnsiText, LineBreaksBecomeSpacesAndNothingElseChanges) {
    EXPECT_EQ(LineBreaksToSpaces("a\r\nb\rc\nd"), "a  b c d");
    EXPECT_EQ(LineBreaksToSpaces("\xE9t\xE9 %drive%"), "\xE9t\xE9 %drive%");
    EXPECT_EQ(LineBreaksToSpaces(""), "");
}

TEST(AnsiText, CaseConversionTouchesOnlyAsciiLetters) {
    EXPECT_EQ(ToLowerAscii("Window Height"), "window height");
    EXPECT_EQ(ToUpperAscii("OnRun"), "ONRUN");
    EXPECT_EQ(ToUpperAscii("\xE9-1"), "\xE9-1");
}

TEST(AnsiText, ReplaceAllIgnoringCaseReplacesEveryOccurrence) {
    EXPECT_EQ(ReplaceAllIgnoringCase("/a=%DRIVE% /b=%Drive%x%drive%", "%drive%", "E:"), "/a=E: /b=E:xE:");
    EXPECT_EQ(ReplaceAllIgnoringCase("none here", "%dir%", "E:"), "none here");
    // A replacement that contains the pattern is not expanded again.
    EXPECT_EQ(ReplaceAllIgnoringCase("%dir%", "%dir%", "%dir%\\x"), "%dir%\\x");
    EXPECT_EQ(ReplaceAllIgnoringCase("abc", "", "x"), "abc");
}

TEST(AnsiText, ParseWholeNumberAcceptsOnlyWholeNumbers) {
    EXPECT_EQ(ParseWholeNumber("5910"), 5910);
    EXPECT_EQ(ParseWholeNumber(" 42 "), 42);
    EXPECT_EQ(ParseWholeNumber("-3"), -3);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    for (const char* bad : {"", " ", "abc", "12abc", "1.5", "1e3", "99999999999999999999999", "+"}) {
        EXPECT_FALSE(ParseWholeNumber(bad).has_value()) << bad;
    }
}

TEST(Twips, ConvertExactlyAtNinetySixDpiAndScale) {
    EXPECT_EQ(TwipsToPixels(9960, 96), 664);
    EXPECT_EQ(TwipsToPixels(5910, 96), 394);
    EXPECT_EQ(TwipsToPixels(9960, 144), 996);
    EXPECT_EQ(TwipsToPixels(5910, 120), 493) << "492.5 pixels round up, not down";
    EXPECT_EQ(TwipsToPixels(-15, 96), -1);
    EXPECT_EQ(PixelsToTwips(664, 96), 9960);
    EXPECT_EQ(PixelsToTwips(394, 96), 5910);
}

}  // namespace
}  // namespace corvane
