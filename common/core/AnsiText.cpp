#include "AnsiText.h"

#include <algorithm>
#include <charconv>

namespace corvane {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }
char UpperAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string LineBreaksToSpaces(std::string_view text) {
    std::string result(text);
    std::replace_if(result.begin(), result.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return result;
}

std::string ToLowerAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), LowerAscii);
    return result;
}

std::string ToUpperAscii(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), UpperAscii);
    return result;
}

std::string ReplaceAllIgnoringCase(std::string_view text, std::string_view what, std::string_view with) {
    if (what.empty()) {
        return std::string(text);
    }
    const auto sameLetter = [](char a, char b) { return LowerAscii(a) == LowerAscii(b); };
    std::string result;
    result.reserve(text.size());
    auto rest = text.begin();
    while (true) {
        const auto hit = std::search(rest, text.end(), what.begin(), what.end(), sameLetter);
        result.append(rest, hit);
        if (hit == text.end()) {
            break;
        }
        result.append(with);
        rest = hit + static_cast<std::ptrdiff_t>(what.size());
    }
    return result;
}

std::optional<long long> ParseWholeNumber(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    if (text.empty()) {
        return std::nullopt;
    }
    long long value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return value;
}

}  // namespace corvane
