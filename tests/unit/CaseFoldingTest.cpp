#include "common/core/CaseFolding.h"
#include "common/core/Utf8Units.h"

#include <gtest/gtest.h>

#include <string>

namespace corvane {
namespace {

constexpr char32_t kCodePoints = 0x110000;

bool IsSurrogate(char32_t c) {
    return c >= 0xD800 && c <= 0xDFFF;
}

TEST(Utf8Units, DecodesValidSequencesWholeAndAnythingElseByteByByte) {
    struct Case {
        const char* bytes;
        char32_t value;
        std::uint32_t length;
    };
    const Case cases[] = {
        {"A", U'A', 1},
        {"\xC2\x80", 0x80, 2},
        {"\xDF\xBF", 0x7FF, 2},
        {"\xE0\xA0\x80", 0x800, 3},
        {"\xED\x9F\xBF", 0xD7FF, 3},
        {"\xF0\x90\x80\x80", 0x10000, 4},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF, 4},
        {"\x80", kLoneByteBase + 0x80, 1},              // a continuation without a lead
        {"\xC0\x80", kLoneByteBase + 0xC0, 1},          // overlong
        {"\xE0\x9F\xBF", kLoneByteBase + 0xE0, 1},      // overlong
        {"\xF0\x8F\xBF\xBF", kLoneByteBase + 0xF0, 1},  // overlong
        {"\xED\xA0\x80", kLoneByteBase + 0xED, 1},      // a surrogate
        {"\xF4\x90\x80\x80", kLoneByteBase + 0xF4, 1},  // beyond U+10FFFF
        {"\xF5\x80\x80\x80", kLoneByteBase + 0xF5, 1},
        {"\xE2\x82", kLoneByteBase + 0xE2, 1},  // cut off at the end of the text
        {"\xE2(\xAC", kLoneByteBase + 0xE2, 1},
        {"\xFF", kLoneByteBase + 0xFF, 1},
    };
    for (const Case& c : cases) {
        const Utf8Unit unit = DecodeUnit(c.bytes, 0);
        EXPECT_EQ(unit.value, c.value) << c.bytes;
        EXPECT_EQ(unit.length, c.length) << c.bytes;
    }
}

TEST(Utf8Units, EveryCodePointAndLoneByteSurvivesEncodingAndDecoding) {
    std::string bytes;
    for (char32_t c = 0; c < kCodePoints; ++c) {
        if (IsSurrogate(c)) {
            continue;
        }
        bytes.clear();
        AppendUnit(c, bytes);
        const Utf8Unit unit = DecodeUnit(bytes, 0);
        ASSERT_EQ(unit.value, c);
        ASSERT_EQ(unit.length, bytes.size());
    }
    for (char32_t lone = kLoneByteBase + 0x80; lone <= kLoneByteBase + 0xFF; ++lone) {
        bytes.clear();
        AppendUnit(lone, bytes);
        ASSERT_EQ(bytes.size(), 1u);
        EXPECT_EQ(static_cast<unsigned char>(bytes[0]), lone - kLoneByteBase);
    }
}

// A fold that lands on a letter which folds again, or outside Unicode, would make "ignoring case"
// depend on how often a text was folded.
TEST(CaseFolding, EveryCodePointFoldsToOneThatFoldsNoFurther) {
    for (char32_t c = 0; c < kCodePoints; ++c) {
        const char32_t folded = FoldCase(c);
        ASSERT_LT(folded, kCodePoints) << std::hex << static_cast<std::uint32_t>(c);
        ASSERT_EQ(FoldCase(folded), folded) << std::hex << static_cast<std::uint32_t>(c);
        ASSERT_EQ(IsSurrogate(folded), IsSurrogate(c)) << std::hex << static_cast<std::uint32_t>(c);
    }
}

TEST(CaseFolding, FoldsLettersOfEveryScriptAndLeavesTheRest) {
    struct Case {
        const char* text;
        const char* folded;
    };
    const Case cases[] = {
        {"AZaz@[`{09", "azaz@[`{09"},
        {"ÀÖØÞ×ß÷ÿµ", "àöøþ×ß÷ÿμ"},
        {"ĀāĹĺŁŊŸŹſ", "āāĺĺłŋÿźs"},
        {"İıĸŉ", "İıĸŉ"},  // no one-to-one fold, or none in every language
        {"ΆΈΏΑΩΣςϐ", "άέώαωσσβ"},
        {"ЀЏАЯЁѠӀӁԀ", "ѐџаяёѡӏӂԁ"},
        {"ԱՖ", "աֆ"},
        {"ẞḀỲ", "ßḁỳ"},
        {"\xE2\x84\xAA\xE2\x84\xAB\xE2\x84\xA6", "kåω"},  // Kelvin, Ångström and Ohm signs
        {"ＡＺ", "ａｚ"},
        {"𐐀𞤀", "𐐨𞤢"},  // Deseret and Adlam, four bytes each
        {"日本語😀", "日本語😀"},
        {"\xC9t\xE9 \xFF\x80", "\xC9t\xE9 \xFF\x80"},  // lone bytes stay as they are
        {"É\xC3", "é\xC3"},
    };
    std::string folded;
    for (const Case& c : cases) {
        FoldCaseInto(c.text, folded);
        EXPECT_EQ(folded, c.folded) << c.text;
    }
}

TEST(CaseFolding, KnowsWhichAsciiLettersHaveFoldsFromBeyondAscii) {
    std::string found;
    for (char32_t c = 0; c < 0x80; ++c) {
        if (HasFoldsFromBeyondAscii(c)) {
            found += static_cast<char>(c);
        }
    }
    EXPECT_EQ(found, "ks");
}

}  // namespace
}  // namespace corvane
