#include "common/TextEncoding.h"

#include "common/core/PlainAscii.h"

#include <windows.h>

#include <algorithm>

namespace corvane {
namespace {

// Empty for empty text and for text the flags make the conversion refuse.
std::wstring WideFrom(UINT codePage, std::string_view text, DWORD flags = 0) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int units = ::MultiByteToWideChar(codePage, flags, text.data(), length, nullptr, 0);
    if (units <= 0) {
        return {};
    }
    std::wstring wide(static_cast<std::size_t>(units), L'\0');
    ::MultiByteToWideChar(codePage, flags, text.data(), length, wide.data(), units);
    return wide;
}

std::string NarrowFrom(UINT codePage, std::wstring_view text) {
    if (text.empty()) {
        return {};
    }
    const int length = static_cast<int>(text.size());
    const int bytes = ::WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) {
        return {};
    }
    std::string narrow(static_cast<std::size_t>(bytes), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), length, narrow.data(), bytes, nullptr, nullptr);
    return narrow;
}

}  // namespace

// Most entries are plain ASCII: copying them spares two conversions through the system each.
std::string Utf8FromAnsi(std::string_view text) {
    return IsPlainAscii(text) ? std::string(text) : NarrowFrom(CP_UTF8, WideFrom(CP_ACP, text));
}

std::wstring WideFromUtf8(std::string_view text) {
    if (IsPlainAscii(
            text)) {  // widened byte by byte, without the system's conversion (sorting does this a lot)
        return std::wstring(text.begin(), text.end());
    }
    return WideFrom(CP_UTF8, text);
}

std::string Utf8FromWide(std::wstring_view text) {
    return NarrowFrom(CP_UTF8, text);
}

std::string AnsiFromUtf8(std::string_view text) {
    return IsPlainAscii(text) ? std::string(text) : NarrowFrom(CP_ACP, WideFrom(CP_UTF8, text));
}

std::optional<std::string> Utf8FromAnsiExactly(std::string_view text) {
    if (IsPlainAscii(text)) {
        return std::string(text);
    }
    const std::wstring wide = WideFrom(CP_ACP, text, MB_ERR_INVALID_CHARS);
    // Text that is not empty converts to something unless it was refused. The single-byte code pages
    // do not refuse the bytes they leave undefined (0x81, 0x8D, 0x8F, 0x90 and 0x9D in 1252): they
    // become C1 control characters, which no one types, while a double-byte code page's text is
    // full of them (0x81 and 0x90 start many Japanese characters).
    const auto isC1Control = [](wchar_t c) { return c >= 0x80 && c <= 0x9F; };
    if (wide.empty() || std::any_of(wide.begin(), wide.end(), isC1Control)) {
        return std::nullopt;
    }
    return Utf8FromWide(wide);
}

}  // namespace corvane
