#include "common/core/Utf8Units.h"

namespace corvane {
namespace {

bool IsContinuation(unsigned char byte) noexcept {
    return (byte & 0xC0) == 0x80;
}

// The range the byte after a lead byte must lie in. Narrower than 0x80-0xBF after E0, ED, F0 and
// F4, which rules out overlong forms, surrogates and code points beyond U+10FFFF.
struct SecondByteRange {
    unsigned char low;
    unsigned char high;
};

SecondByteRange SecondByteAfter(unsigned char lead) noexcept {
    switch (lead) {
        case 0xE0:
            return {0xA0, 0xBF};
        case 0xED:
            return {0x80, 0x9F};
        case 0xF0:
            return {0x90, 0xBF};
        case 0xF4:
            return {0x80, 0x8F};
        default:
            return {0x80, 0xBF};
    }
}

}  // namespace

Utf8Unit DecodeMultiByteUnit(std::string_view text, std::size_t at) noexcept {
    const auto lead = static_cast<unsigned char>(text[at]);
    const Utf8Unit lone{kLoneByteBase + lead, 1};
    std::uint32_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0Fu;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07u;
    } else {
        return lone;  // a continuation byte, an overlong lead (C0, C1) or no lead at all (F5-FF)
    }
    if (text.size() - at < length) {
        return lone;
    }
    const auto second = static_cast<unsigned char>(text[at + 1]);
    const SecondByteRange allowed = SecondByteAfter(lead);
    if (second < allowed.low || second > allowed.high) {
        return lone;
    }
    value = (value << 6) | (second & 0x3Fu);
    for (std::uint32_t next = 2; next < length; ++next) {
        const auto byte = static_cast<unsigned char>(text[at + next]);
        if (!IsContinuation(byte)) {
            return lone;
        }
        value = (value << 6) | (byte & 0x3Fu);
    }
    return {value, length};
}

void AppendUnit(char32_t value, std::string& text) {
    const auto byte = [](char32_t bits) { return static_cast<char>(static_cast<unsigned char>(bits)); };
    if (value >= kLoneByteBase + 0x80 && value <= kLoneByteBase + 0xFF) {
        text += byte(value - kLoneByteBase);
    } else if (value < 0x80) {
        text += byte(value);
    } else if (value < 0x800) {
        text += byte(0xC0 | (value >> 6));
        text += byte(0x80 | (value & 0x3F));
    } else if (value < 0x10000) {
        text += byte(0xE0 | (value >> 12));
        text += byte(0x80 | ((value >> 6) & 0x3F));
        text += byte(0x80 | (value & 0x3F));
    } else {
        text += byte(0xF0 | (value >> 18));
        text += byte(0x80 | ((value >> 12) & 0x3F));
        text += byte(0x80 | ((value >> 6) & 0x3F));
        text += byte(0x80 | (value & 0x3F));
    }
}

}  // namespace corvane
